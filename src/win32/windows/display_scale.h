#pragma once
// A window's display scale (its dots per inch) and the icon sizes and system fonts that go with it.
// Where the system scales each monitor on its own, a window has its monitor's scale, and so do a
// pop-up menu and the notification area; elsewhere everything has the system's.

#include <windows.h>

#include "win32/base/unique_handle.h"

namespace dm::win {

// The screen's dots per inch as the program was started with (96 at 100 %).
int SystemDpi();
// window's dots per inch: its monitor's, or the system's where monitors are not scaled apart.
int WindowDpi(HWND window);
// A system metric (SM_CXSMICON, SM_CXICON, SM_CXMENUCHECK ...) at dpi.
int SystemMetricForDpi(int index, int dpi);

enum class SystemFont { Message, Menu };
// The system's message or menu font at dpi.
LOGFONTW SystemFontForDpi(SystemFont font, int dpi);

// The outer size of a window of style and exStyle whose client area is client, at dpi.
SIZE FrameSizeForDpi(SIZE client, DWORD style, DWORD exStyle, int dpi);

// The monitors as the program sizes things for them: the system's (SystemMonitors()) or a test's,
// which can set monitors at different scales side by side where the machine has one scale for all.
class Monitors {
 public:
  virtual ~Monitors() = default;
  // The monitor that holds at, or the one nearest to it.
  virtual HMONITOR At(POINT at) const = 0;
  // The monitor of the taskbar that holds the notification area; the primary where there is none.
  virtual HMONITOR Taskbar() const = 0;
  // monitor's own dots per inch; 0 where the system does not scale monitors apart.
  virtual int Dpi(HMONITOR monitor) const = 0;
  // monitor's work area; false where it cannot be read.
  virtual bool WorkArea(HMONITOR monitor, RECT& area) const = 0;
  // Whether the system draws pop-up menus at the scale of the monitor they open on (a program run
  // per-monitor v2); elsewhere they are drawn at the system's scale.
  virtual bool MenusScaleApart() const = 0;
};

const Monitors& SystemMonitors();

// The dots per inch a pop-up menu that opens at at is drawn at.
int MenuDpiAt(POINT at, const Monitors& monitors = SystemMonitors());
// The dots per inch the notification area shows its icons at: its monitor's.
int TaskbarDpi(const Monitors& monitors = SystemMonitors());

// The icon resourceId at pixels x pixels: the image of that size, or the nearest scaled to it.
UniqueIcon LoadIconAtSize(HINSTANCE instance, int resourceId, int pixels);

}  // namespace dm::win
