#include "win32/windows/about_box.h"

#include <string>
#include <utility>

#include "resource_ids.h"
#include "ui/about/about_layout.h"
#include "ui/about/about_text.h"
#include "win32/base/device_context.h"
#include "win32/base/text_conversion.h"
#include "win32/system/locale_grouping.h"
#include "win32/system/memory_status.h"
#include "win32/system/module_version.h"
#include "win32/windows/display_scale.h"
#include "win32/windows/point_font.h"
#include "win32/windows/window_class.h"

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

// A one-pixel line across, drawn in a system colour.
void DrawLine(HDC dc, const TwipsScale& scale, const TwipsLine& line, int colour) {
  const int y = scale.ToPixelsY(line.y1);
  const RECT pixels{scale.ToPixelsX(line.x1), y, scale.ToPixelsX(line.x2) + 1, y + 1};
  FillRect(dc, &pixels, GetSysColorBrush(colour));
}

}  // namespace

void AboutBox::ShowModal(HINSTANCE instance, HWND owner, HICON icon, const std::string& aboutInfoText) {
  // Never entered twice: the tray application answers no click on the icon while the box is up.
  instance_ = instance;
  fallbackIcon_ = icon;
  memoryLine_ = MemoryLine(TotalPhysicalMemory(), UserDigitGrouping());
  // LayOut sizes the box for the scale of its monitor.
  if (CreateBound({instance, kClassName, COLOR_BTNFACE, kExStyle, kStyle, L"", {}, owner}) != nullptr) {
    CreateControls(instance);
    LayOut(WindowDpi(Window()), nullptr);
    Open(instance, aboutInfoText);
    owner_ = owner;
    if (owner_ != nullptr) EnableWindow(owner_, FALSE);
    ShowWindow(Window(), SW_SHOWNORMAL);
    SetForegroundWindow(Window());
    SetFocus(GetDlgItem(Window(), IDOK));
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
  Destroy();
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
    if (IsOpen() && IsDialogMessageW(Window(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void AboutBox::Open(HINSTANCE instance, const std::string& aboutInfoText) {
  HWND box = Window();
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
  HWND box = Window();
  scale_ = TwipsScale::FromDpi(dpi, dpi);
  // The old fonts stay until every control has the new ones.
  UniqueGdiObject windowFont = CreatePointFont(kFontFace, about_layout::kFontPoints, true, dpi);
  UniqueGdiObject controlFont = CreatePointFont(kFontFace, about_layout::kFontPoints, false, dpi);
  // MemoryLine is as wide as its figure needs; the client area holds every control with the
  // layout's margin all round, and the frame goes around that area.
  memoryLabel_ = MemoryLabel(scale_.ToTwipsX(TextWidth(controlFont.Get(), memoryLine_, false)));
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
  FitFrame(box, {scale_.ToPixelsX(client.width), scale_.ToPixelsY(client.height)}, kStyle, kExStyle, dpi,
           suggested);
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
    static_cast<void>(CreateWindowExW(
        0, control.windowClass, Utf8ToWide(control.text).c_str(), WS_CHILD | WS_VISIBLE | control.style, 0, 0,
        0, 0, Window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id(control.id))), instance, nullptr));
  }
}

LRESULT AboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
      Paint();
      return 0;
    default:
      break;
  }
  return DefaultProcedure(message, wParam, lParam);
}

LRESULT AboutBox::ControlColours(HDC dc, HWND control) {
  const int id = GetDlgCtrlID(control);
  int background = COLOR_BTNFACE;
  if (IsLabel(id)) {
    background = COLOR_WINDOW;
  } else if (!IsTextField(id)) {
    return DefaultProcedure(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(control));
  }
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(background));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

void AboutBox::Paint() {
  const ScopedPaint paint(Window());
  // Line2 in shadow with Line1 in highlight one pixel below: an etched separator.
  DrawLine(paint.Dc(), scale_, about_layout::kShadowLine, COLOR_BTNSHADOW);
  DrawLine(paint.Dc(), scale_, about_layout::kHighlightLine, COLOR_BTNHIGHLIGHT);
}

}  // namespace dm::win
