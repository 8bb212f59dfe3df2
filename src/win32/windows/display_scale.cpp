#include "win32/windows/display_scale.h"

#include "win32/base/bindings.h"
#include "win32/base/device_context.h"

namespace dm::win {

int SystemDpi() {
  const ScopedGetDC screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int WindowDpi(HWND window) {
  const UINT dpi = window != nullptr ? bindings::GetDpiForWindow(window) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  const int value = bindings::GetSystemMetricsForDpi(index, static_cast<UINT>(dpi));
  if (value > 0) return value;
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

LOGFONTW SystemFontForDpi(SystemFont font, int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  const auto pick = [&] { return font == SystemFont::Menu ? metrics.lfMenuFont : metrics.lfMessageFont; };
  if (bindings::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                           static_cast<UINT>(dpi))) {
    return pick();
  }
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    LOGFONTW chosen = pick();
    chosen.lfHeight = MulDiv(chosen.lfHeight, dpi, SystemDpi());
    return chosen;
  }
  // MS Sans Serif 8 pt where the system's fonts cannot be read.
  LOGFONTW fallback{};
  fallback.lfHeight = -MulDiv(8, dpi, 72);
  fallback.lfWeight = FW_NORMAL;
  fallback.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(fallback.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
  return fallback;
}

SIZE FrameSizeForDpi(SIZE client, DWORD style, DWORD exStyle, int dpi) {
  RECT frame{0, 0, client.cx, client.cy};
  if (!bindings::AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    frame = {0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  }
  return {frame.right - frame.left, frame.bottom - frame.top};
}

namespace {

class SystemMonitorList final : public Monitors {
 public:
  HMONITOR At(POINT at) const override { return MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST); }

  HMONITOR Taskbar() const override {
    // The shell's tray window is the taskbar with the notification area; a taskbar on another
    // monitor (Shell_SecondaryTrayWnd) has none.
    if (const HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr)) {
      return MonitorFromWindow(tray, MONITOR_DEFAULTTOPRIMARY);
    }
    return MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  }

  int Dpi(HMONITOR monitor) const override {
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (monitor == nullptr || FAILED(bindings::GetDpiForMonitor(monitor, &dpiX, &dpiY))) return 0;
    return static_cast<int>(dpiY);
  }

  bool WorkArea(HMONITOR monitor, RECT& area) const override {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) return false;
    area = info.rcWork;
    return true;
  }

  bool MenusScaleApart() const override {
    return bindings::AreDpiAwarenessContextsEqual(bindings::GetThreadDpiAwarenessContext(),
                                                  DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) != FALSE;
  }
};

// monitor's dots per inch, or the system's where the system does not give it.
int DpiOrSystem(const Monitors& monitors, HMONITOR monitor) {
  const int dpi = monitors.Dpi(monitor);
  return dpi > 0 ? dpi : SystemDpi();
}

}  // namespace

const Monitors& SystemMonitors() {
  static const SystemMonitorList monitors;
  return monitors;
}

int MenuDpiAt(POINT at, const Monitors& monitors) {
  if (!monitors.MenusScaleApart()) return SystemDpi();
  return DpiOrSystem(monitors, monitors.At(at));
}

int TaskbarDpi(const Monitors& monitors) { return DpiOrSystem(monitors, monitors.Taskbar()); }

UniqueIcon LoadIconAtSize(HINSTANCE instance, int resourceId, int pixels) {
  return UniqueIcon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR)));
}

}  // namespace dm::win
