#include "win32/windows/folder_editor_window.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "resource_ids.h"
#include "ui/editor/editor_actions.h"
#include "ui/editor/editor_layout.h"
#include "ui/editor/editor_placement.h"
#include "ui/editor/editor_scaled_layout.h"
#include "ui/editor/help_topics.h"
#include "ui/twips.h"
#include "win32/base/text_conversion.h"
#include "win32/base/unique_handle.h"
#include "win32/shell/folder_browser.h"
#include "win32/shell/help_launcher.h"
#include "win32/windows/base_window.h"
#include "win32/windows/display_scale.h"
#include "win32/windows/pending_messages.h"

namespace dm::win {

namespace {

constexpr wchar_t kClassName[] = L"DashmarksList";

// closeButton is the cancel button: Esc and the button itself both send IDCANCEL.
constexpr int kCloseId = IDCANCEL;
constexpr int kAddId = 101;
constexpr int kDeleteId = 102;
constexpr int kPathsId = 103;
constexpr int kLabelId = 104;

// The drop-down part of pathList shows this many lines.
constexpr int kDroppedLines = 10;

int ControlId(EditorControl control) {
  switch (control) {
    case EditorControl::CloseButton:
      return kCloseId;
    case EditorControl::AddButton:
      return kAddId;
    case EditorControl::DeleteButton:
      return kDeleteId;
    case EditorControl::PathList:
      return kPathsId;
    default:
      return kLabelId;
  }
}

// While the list window fills, it is repainted after every this many lines.
constexpr std::size_t kRepaintEvery = 10;

}  // namespace

struct FolderEditorWindow::Impl final : EditorView, BaseWindow<Impl> {
  explicit Impl(FolderEditorContext c) : context(std::move(c)) {}
  // The window goes before the font and icons it shows, without telling the owner, which may be
  // half gone by now.
  ~Impl() override { DestroyUnbound(); }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  FolderEditorContext context;
  UniqueGdiObject font;
  UniqueIcon bigIcon;                                   // the program icon at the window's scale
  UniqueIcon smallIcon;                                 // the same, small
  int dpi = 0;                                          // the scale the window is laid out for
  std::array<HWND, kEditorControls.size()> controls{};  // children of window, in creation order
  HWND pathList = nullptr;
  HWND addButton = nullptr;
  HWND deleteButton = nullptr;
  HWND closeButton = nullptr;
  HWND lastFocus = nullptr;

  void Create();
  void CreateControls();
  void LayOut(int newDpi, const RECT* suggested);
  void Place();
  void Open();
  bool Fill();
  void Close();
  void OnAdd();
  void OnDelete();
  void ShowHelpFor(HWND focus);
  void MoveFocus(HWND target);
  void MoveFocusOffDisabled(HWND button);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // EditorView
  void InsertLine(std::size_t index, const std::string& text) override {
    const std::wstring wide = Utf8ToWide(text);
    SendMessageW(pathList, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  void RemoveLine(std::size_t index) override { SendMessageW(pathList, CB_DELETESTRING, index, 0); }
  std::optional<std::size_t> SelectedLine() const override {
    const LRESULT selected = SendMessageW(pathList, CB_GETCURSEL, 0, 0);
    if (selected < 0) return std::nullopt;
    return static_cast<std::size_t>(selected);
  }
  void SelectLine(std::size_t index) override { SendMessageW(pathList, CB_SETCURSEL, index, 0); }
  void EnableAdd(bool enabled) override {
    EnableWindow(addButton, enabled);
    if (!enabled) MoveFocusOffDisabled(addButton);
  }
  void EnableDelete(bool enabled) override {
    EnableWindow(deleteButton, enabled);
    if (!enabled) MoveFocusOffDisabled(deleteButton);
  }
};

// The width of the "&Path:" label's text, its access key's marker left out, drawn in font.
int LabelTextWidth(HGDIOBJ font) {
  for (const EditorControlLayout& control : kEditorControls) {
    if (control.control == EditorControl::PathLabel) return TextWidth(font, control.text, true);
  }
  return 0;
}

// A fixed dialog frame with a close box and no minimise or maximise buttons.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

void FolderEditorWindow::Impl::Create() {
  const std::wstring caption = Utf8ToWide(kEditorCaption);
  const HWND created = CreateBound(
      {context.instance, kClassName, COLOR_BTNFACE, kExStyle, kStyle, caption.c_str(), {}, nullptr});
  if (created == nullptr) return;
  CreateControls();
  LayOut(WindowDpi(created), nullptr);
}

void FolderEditorWindow::Impl::CreateControls() {
  for (std::size_t i = 0; i < kEditorControls.size(); ++i) {
    const EditorControlLayout& layout = kEditorControls[i];
    const wchar_t* controlClass = L"BUTTON";
    DWORD style = WS_CHILD | WS_VISIBLE;
    switch (layout.kind) {
      case EditorControlKind::Button:
        // Add and Delete are enabled once the list window shows the whole list.
        style |= WS_TABSTOP | (layout.control == EditorControl::AddButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        if (layout.control != EditorControl::CloseButton) style |= WS_DISABLED;
        break;
      case EditorControlKind::DropDownList:
        controlClass = L"COMBOBOX";
        // Not sorted by the control: the lines are the folder list's, in the list's order.
        style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS;
        break;
      case EditorControlKind::Label:
        controlClass = L"STATIC";
        style |= SS_LEFT;
        break;
    }
    const std::wstring text = Utf8ToWide(layout.text);
    // Placed and given their font by LayOut.
    HWND control = CreateWindowExW(0, controlClass, text.c_str(), style, 0, 0, 0, 0, Window(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(layout.control))),
                                   context.instance, nullptr);
    controls[i] = control;
    if (layout.control == EditorControl::PathList) pathList = control;
    if (layout.control == EditorControl::AddButton) addButton = control;
    if (layout.control == EditorControl::DeleteButton) deleteButton = control;
    if (layout.control == EditorControl::CloseButton) closeButton = control;
  }
  // The keyboard visits the children in their stacking order: stack them by tab index.
  HWND previous = HWND_TOP;
  for (int tab = 0; tab < static_cast<int>(kEditorControls.size()); ++tab) {
    for (std::size_t i = 0; i < kEditorControls.size(); ++i) {
      if (kEditorControls[i].tabIndex != tab) continue;
      SetWindowPos(controls[i], previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      previous = controls[i];
    }
  }
}

void FolderEditorWindow::Impl::LayOut(int newDpi, const RECT* suggested) {
  dpi = newDpi;
  // The old font stays until every control has the new one.
  const LOGFONTW message = SystemFontForDpi(SystemFont::Message, dpi);
  UniqueGdiObject newFont(CreateFontIndirectW(&message));
  const ScaledEditorLayout layout = EditorLayoutForDpi(dpi, LabelTextWidth(newFont.Get()));
  for (std::size_t i = 0; i < kEditorControls.size(); ++i) {
    const ScaledControl& at = layout.controls[i];
    SendMessageW(controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(newFont.Get()), FALSE);
    // A combo box's height includes its drop-down part; the closed height follows the font.
    const int height = at.control == EditorControl::PathList ? at.height * kDroppedLines : at.height;
    SetWindowPos(controls[i], nullptr, at.left, at.top, at.width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(controls[i], nullptr, TRUE);
  }
  font = std::move(newFont);
  // The controls' area with its margins, and the frame around it.
  FitFrame(Window(), {layout.clientWidth, layout.clientHeight}, kStyle, kExStyle, dpi, suggested);
  // The program icon at this scale, in the caption and for the task switcher.
  UniqueIcon big = LoadIconAtSize(context.instance, IDI_DASHMARKS, SystemMetricForDpi(SM_CXICON, dpi));
  UniqueIcon small = LoadIconAtSize(context.instance, IDI_DASHMARKS, SystemMetricForDpi(SM_CXSMICON, dpi));
  SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big ? big.Get() : context.icon));
  SendMessageW(Window(), WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(small ? small.Get() : context.icon));
  bigIcon = std::move(big);
  smallIcon = std::move(small);
}

void FolderEditorWindow::Impl::Place() {
  RECT outer{};
  GetWindowRect(Window(), &outer);
  // The monitor where the pointer is, less its taskbar.
  POINT pointer{};
  GetCursorPos(&pointer);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &monitor)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    monitor.rcMonitor = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  const auto rect = [](const RECT& r) { return PixelRect{r.left, r.top, r.right, r.bottom}; };
  const PixelPosition at =
      PlaceEditorWindow(rect(monitor.rcWork), rect(monitor.rcMonitor), outer.right - outer.left,
                        outer.bottom - outer.top, TwipsScale::FromDpi(dpi, dpi));
  SetWindowPos(Window(), nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // On a monitor of another scale the editor is laid out again, and placed again at its new size.
  if (const int moved = WindowDpi(Window()); moved != dpi) {
    LayOut(moved, nullptr);
    Place();
  }
}

void FolderEditorWindow::Impl::Open() {
  Create();
  if (!IsOpen()) return;
  Place();
  if (!Fill()) return;  // closed while pending messages ran
  FinishEditorOpening(*context.folders, *this);
  ShowWindow(Window(), SW_SHOWNORMAL);
  SetForegroundWindow(Window());
  MoveFocus(pathList);
}

bool FolderEditorWindow::Impl::Fill() {
  // A long list shows up in steps: the list window is repainted every tenth line, and the messages
  // waiting meanwhile run. One of them may end the program or close the editor: the list itself is
  // never touched here, and a closed editor is filled no further.
  const FolderList& folders = *context.folders;
  for (std::size_t i = 0; i < folders.Count(); ++i) {
    InsertLine(i, folders.At(i));
    ::ValidateRect(pathList, nullptr);
    if ((i + 1) % kRepaintEvery == 0) ::InvalidateRect(pathList, nullptr, FALSE);
    RunPendingMessages();
    if (!IsOpen()) return false;
  }
  ::InvalidateRect(pathList, nullptr, FALSE);
  return true;
}

void FolderEditorWindow::Impl::Close() { Destroy(); }

void FolderEditorWindow::Impl::OnAdd() {
  HWND editor = Window();
  const std::string path = BrowseForFolderPath(editor);
  if (!IsOpen() || Window() != editor) return;  // closed while the browser ran
  AddFolder(*context.folders, *this, path);
}

void FolderEditorWindow::Impl::OnDelete() { DeleteSelectedFolder(*context.folders, *this); }

void FolderEditorWindow::Impl::ShowHelpFor(HWND focus) {
  EditorControl control = EditorControl::Window;
  for (std::size_t i = 0; i < kEditorControls.size(); ++i) {
    if (focus != nullptr && (focus == controls[i] || IsChild(controls[i], focus)))
      control = kEditorControls[i].control;
  }
  OpenHelpTopic(Window(), EditorHelpTopic(control));
}

void FolderEditorWindow::Impl::MoveFocus(HWND target) {
  if (target == nullptr) return;
  SetFocus(target);
  // Keep the default push button in step: a focused push button is the default, otherwise addButton.
  const bool buttonFocused = target == addButton || target == deleteButton || target == closeButton;
  for (HWND button : {addButton, deleteButton, closeButton}) {
    const bool isDefault = buttonFocused ? button == target : button == addButton;
    SendMessageW(button, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
}

void FolderEditorWindow::Impl::MoveFocusOffDisabled(HWND button) {
  if (GetFocus() == button) MoveFocus(GetNextDlgTabItem(Window(), button, FALSE));
}

LRESULT FolderEditorWindow::Impl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND self = Window();
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED || lParam == 0) {
        switch (LOWORD(wParam)) {
          case kAddId:
            if (IsWindowEnabled(addButton)) OnAdd();
            return 0;
          case kDeleteId:
            if (IsWindowEnabled(deleteButton)) OnDelete();
            return 0;
          case kCloseId:
            Close();
            return 0;
        }
      }
      break;
    case DM_GETDEFID:
      return MAKELRESULT(kAddId, DC_HASDEFID);
    case WM_NEXTDLGCTL: {
      // Sent by the keyboard handling of IsDialogMessage, for instance for Alt+P on the "&Path:" label: the
      // focus goes to the given control, or to the next (previous) tab stop.
      HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                   : GetNextDlgTabItem(self, GetFocus(), wParam != 0 ? TRUE : FALSE);
      MoveFocus(target);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(self, focus)) lastFocus = focus;
      } else {
        HWND target =
            lastFocus != nullptr && IsWindow(lastFocus) && IsWindowEnabled(lastFocus) ? lastFocus : pathList;
        MoveFocus(target);
      }
      return 0;
    case WM_HELP: {
      const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
      ShowHelpFor(info != nullptr && info->iContextType == HELPINFO_WINDOW
                      ? static_cast<HWND>(info->hItemHandle)
                      : GetFocus());
      return TRUE;
    }
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DESTROY:
      if (context.onClosed) context.onClosed();
      return 0;
    case WM_NCDESTROY:
      // The window's last message, also when the system destroys it; the base lets go of it next.
      controls = {};
      pathList = addButton = deleteButton = closeButton = lastFocus = nullptr;
      font.Reset();
      bigIcon.Reset();
      smallIcon.Reset();
      dpi = 0;
      return DefaultProcedure(message, wParam, lParam);
  }
  return DefaultProcedure(message, wParam, lParam);
}

FolderEditorWindow::FolderEditorWindow(FolderEditorContext context)
    : impl_(std::make_unique<Impl>(std::move(context))) {}

FolderEditorWindow::~FolderEditorWindow() = default;

void FolderEditorWindow::Show() {
  if (impl_->IsOpen()) {
    HWND editor = impl_->Window();
    if (IsIconic(editor)) ShowWindow(editor, SW_RESTORE);
    ShowWindow(editor, SW_SHOW);
    // The folder browser may be open over the editor: bring forward whichever is active.
    SetForegroundWindow(GetLastActivePopup(editor));
    return;
  }
  impl_->Open();
}

bool FolderEditorWindow::IsVisible() const { return impl_->IsOpen() && IsWindowVisible(impl_->Window()); }

void FolderEditorWindow::Close() { impl_->Close(); }

bool FolderEditorWindow::TranslateDialogMessage(MSG& msg) {
  HWND editor = impl_->Window();
  if (editor == nullptr || (msg.hwnd != editor && !IsChild(editor, msg.hwnd))) return false;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1) {
    impl_->ShowHelpFor(GetFocus());
    return true;
  }
  return IsDialogMessageW(editor, &msg) != FALSE;
}

}  // namespace dm::win
