#include "platform/win32/windows/about_window.h"

#include <string>
#include <utility>

#include "../../../../res/resource_ids.h"
#include "platform/win32/base/text_conversion.h"
#include "platform/win32/system/locale_grouping.h"
#include "platform/win32/system/memory_status.h"
#include "platform/win32/system/module_version.h"
#include "platform/win32/windows/display_scale.h"
#include "platform/win32/windows/point_font.h"
#include "platform/win32/windows/window_class.h"
#include "ui/about/about_layout.h"
#include "ui/about/about_texts.h"
#include "ui/about/memory_line.h"

namespace dm::win {

namespace {

constexpr wchar_t kClassName[] = L"DashmarksAboutBox";
constexpr wchar_t kFontFace[] = L"MS Sans Serif";
// Fixed dialog frame with a close box and no minimise or maximise button.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

static_assert(static_cast<int>(AboutControl::OkButton) == IDOK, "Enter and the OK button share IDOK");

int Id(AboutControl control) { return static_cast<int>(control); }

bool IsTextField(int id) { return id == Id(AboutControl::WebAddress) || id == Id(AboutControl::MailAddress); }

bool IsLabel(int id) {
  return id >= Id(AboutControl::ProgramLine) && id <= Id(AboutControl::MemoryLine) && !IsTextField(id);
}

void SetText(HWND window, const std::string& text) { SetWindowTextW(window, Utf8ToWide(text).c_str()); }

// The width in pixels of text drawn in font on the screen.
int TextWidth(HGDIOBJ font, const std::string& text) {
  const std::wstring wide = Utf8ToWide(text);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  SIZE extent{};
  GetTextExtentPoint32W(screen, wide.c_str(), static_cast<int>(wide.size()), &extent);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return extent.cx;
}

// A one-pixel line across, drawn in a system colour.
void DrawLine(HDC dc, const TwipsScale& scale, const TwipsLine& line, int colour) {
  const int y = scale.ToPixelsY(line.y1);
  const RECT pixels{scale.ToPixelsX(line.x1), y, scale.ToPixelsX(line.x2) + 1, y + 1};
  FillRect(dc, &pixels, GetSysColorBrush(colour));
}

class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window_, &paint_); }
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

}  // namespace

void AboutBox::ShowModal(HINSTANCE instance, HWND owner, HICON icon, const std::string& aboutInfoText) {
  // Never entered twice: the tray application answers no click on the icon while the box is up.
  RegisterWindowClass(instance, kClassName, Guarded<&AboutBox::WindowProc>, COLOR_BTNFACE);
  instance_ = instance;
  fallbackIcon_ = icon;
  memoryLine_ = MemoryLine(TotalPhysicalMemory(), UserDigitGrouping());
  // WM_NCCREATE binds the window to this object and hands it to window_, which IsOpen() tests; the
  // handle returned is the same one. LayOut sizes it for the scale of its monitor.
  static_cast<void>(
      CreateWindowExW(kExStyle, kClassName, L"", kStyle, 0, 0, 0, 0, owner, nullptr, instance, this));
  if (IsOpen()) {
    CreateControls(instance);
    LayOut(WindowDpi(window_.Get()), nullptr);
    Open(instance, aboutInfoText);
    owner_ = owner;
    if (owner_ != nullptr) EnableWindow(owner_, FALSE);
    ShowWindow(window_.Get(), SW_SHOWNORMAL);
    SetForegroundWindow(window_.Get());
    SetFocus(GetDlgItem(window_.Get(), IDOK));
    RunModalLoop();
  }
  Close();
  controlFont_.Reset();
  windowFont_.Reset();
  icon_.Reset();
}

void AboutBox::Close() {
  // The owner is enabled before the box goes, so that it takes the activation back.
  if (owner_ != nullptr) {
    EnableWindow(owner_, TRUE);
    owner_ = nullptr;
  }
  window_.Reset();
}

void AboutBox::RunModalLoop() {
  MSG message;
  while (IsOpen()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) return;
    if (got == 0) {
      // The program is ending: close the box and leave the quit request to the outer loop.
      Close();
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (IsOpen() && IsDialogMessageW(window_.Get(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void AboutBox::Open(HINSTANCE instance, const std::string& aboutInfoText) {
  HWND box = window_.Get();
  // 1. Centre on the screen, size unchanged.
  RECT outer{};
  GetWindowRect(box, &outer);
  const TwipsPoint at = CentreOnScreen(
      scale_.ToTwipsX(GetSystemMetrics(SM_CXSCREEN)), scale_.ToTwipsY(GetSystemMetrics(SM_CYSCREEN)),
      scale_.ToTwipsX(outer.right - outer.left), scale_.ToTwipsY(outer.bottom - outer.top));
  SetWindowPos(box, nullptr, scale_.ToPixelsX(at.left), scale_.ToPixelsY(at.top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // 2. Caption.
  SetText(box, std::string(about_texts::kCaptionPrefix) + about_texts::kProgramTitle);
  // 3. The program icon was set by LayOut, at the scale.
  // 4. The information line, trailing blanks included.
  SetText(GetDlgItem(box, Id(AboutControl::FolderCountLine)), aboutInfoText);
  // 5. Description and version from the running module's version record.
  if (const auto version = ModuleVersionRecord(instance)) {
    SetText(GetDlgItem(box, Id(AboutControl::ProgramLine)), ProgramLine(*version));
  }
  // 6. Physical memory, read before the window was sized to it.
  SetText(GetDlgItem(box, Id(AboutControl::MemoryLine)), memoryLine_);
}

void AboutBox::LayOut(int dpi, const RECT* suggested) {
  HWND box = window_.Get();
  scale_ = TwipsScale::FromDpi(dpi, dpi);
  // The old fonts stay until every control has the new ones.
  UniqueGdiObject windowFont = CreatePointFont(kFontFace, about_layout::kFontPoints, true, dpi);
  UniqueGdiObject controlFont = CreatePointFont(kFontFace, about_layout::kFontPoints, false, dpi);
  // MemoryLine is as wide as its figure needs; the client area holds every control with the
  // layout's margin all round, and the frame goes around that area.
  memoryLabel_ = MemoryLabel(scale_.ToTwipsX(TextWidth(controlFont.Get(), memoryLine_)));
  for (const auto& [id, at] : AboutControlRects(memoryLabel_)) {
    HWND child = GetDlgItem(box, Id(id));
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont.Get()), FALSE);
    SetWindowPos(child, nullptr, scale_.ToPixelsX(at.left), scale_.ToPixelsY(at.top),
                 scale_.ToPixelsX(at.width), scale_.ToPixelsY(at.height), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  windowFont_ = std::move(windowFont);
  controlFont_ = std::move(controlFont);
  // The program icon as large as AboutIcon is at this scale.
  UniqueIcon icon =
      LoadIconAtSize(instance_, IDI_DASHMARKS, scale_.ToPixelsX(about_layout::kAboutIcon.width));
  SendDlgItemMessageW(box, Id(AboutControl::AboutIcon), STM_SETICON,
                      reinterpret_cast<WPARAM>(icon ? icon.Get() : fallbackIcon_), 0);
  icon_ = std::move(icon);

  const TwipsSize client = AboutClientSize(memoryLabel_);
  const SIZE outer = FrameSizeForDpi({scale_.ToPixelsX(client.width), scale_.ToPixelsY(client.height)},
                                     kStyle, kExStyle, dpi);
  if (suggested != nullptr) {
    SetWindowPos(box, nullptr, suggested->left, suggested->top, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    SetWindowPos(box, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(box, nullptr, TRUE);
}

void AboutBox::CreateControls(HINSTANCE instance) {
  struct Control {
    AboutControl id;
    const wchar_t* windowClass;
    DWORD style;
    const char* text;
  };
  constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
  constexpr DWORD kTextField = WS_TABSTOP | ES_LEFT | ES_READONLY | ES_AUTOHSCROLL;
  namespace texts = about_texts;
  // In tab order: the OK button first, then the labels and text fields as they read. LayOut places
  // them.
  const Control controls[] = {
      {AboutControl::OkButton, L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, texts::kOk},
      {AboutControl::ProgramLine, L"STATIC", kLabel, ""},
      {AboutControl::AuthorLine, L"STATIC", kLabel, texts::kAuthor},
      {AboutControl::CopyrightLine, L"STATIC", kLabel, texts::kCopyright},
      {AboutControl::WebAddress, L"EDIT", kTextField, texts::kUrl},
      {AboutControl::MailAddress, L"EDIT", kTextField, texts::kMail},
      {AboutControl::InfoHeading, L"STATIC", kLabel, texts::kInfo},
      {AboutControl::FolderCountLine, L"STATIC", kLabel, ""},
      {AboutControl::MemoryHeading, L"STATIC", kLabel, texts::kPhysMem},
      {AboutControl::MemoryLine, L"STATIC", kLabel, ""},
      {AboutControl::AboutIcon, L"STATIC", SS_ICON | SS_CENTERIMAGE, ""},
  };
  for (const Control& control : controls) {
    static_cast<void>(CreateWindowExW(0, control.windowClass, Utf8ToWide(control.text).c_str(),
                                      WS_CHILD | WS_VISIBLE | control.style, 0, 0, 0, 0, window_.Get(),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id(control.id))), instance,
                                      nullptr));
  }
}

LRESULT CALLBACK AboutBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* box = BoundObject<AboutBox>(window, message, lParam);
  if (message == WM_NCCREATE && box != nullptr) box->window_.Reset(window);
  if (box == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return box->HandleMessage(window, message, wParam, lParam);
}

LRESULT AboutBox::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // OkButton and Enter arrive as IDOK, Esc as IDCANCEL.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        Close();
        return 0;
      }
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(windowFont_.Get());
    case WM_CTLCOLORSTATIC:
      return ControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_DPICHANGED:
      // Moved to a monitor of another scale, or the scale changed.
      LayOut(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_NCDESTROY:
      // Also reached when the system destroys the box together with its owner.
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_.Release();
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT AboutBox::ControlColours(HDC dc, HWND control) {
  const int id = GetDlgCtrlID(control);
  int background = COLOR_BTNFACE;
  if (IsLabel(id)) {
    background = COLOR_WINDOW;
  } else if (!IsTextField(id)) {
    return DefWindowProcW(window_.Get(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  }
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(background));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

void AboutBox::Paint(HWND window) {
  PaintScope paint(window);
  // Line2 in shadow with Line1 in highlight one pixel below: an etched separator.
  DrawLine(paint.Dc(), scale_, about_layout::kShadowLine, COLOR_BTNSHADOW);
  DrawLine(paint.Dc(), scale_, about_layout::kHighlightLine, COLOR_BTNHIGHLIGHT);
}

}  // namespace dm::win
