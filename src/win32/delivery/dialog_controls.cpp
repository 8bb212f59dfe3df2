#include "win32/delivery/dialog_controls.h"

#include <windows.h>

#include <string>

#include "win32/base/bindings.h"
#include "win32/base/text_conversion.h"
#include "win32/base/trace.h"

namespace dm::win {
namespace {

constexpr UINT kAnswerMs = 1000;
// WM_IME_CONTROL's requests kGetOpenStatus and kSetOpenStatus, which MinGW's imm.h lacks.
constexpr WPARAM kGetOpenStatus = 0x0005;
constexpr WPARAM kSetOpenStatus = 0x0006;
// Longer than any path or name a file dialog takes.
constexpr LRESULT kMaxTextChars = 32 * 1024;

HWND Hwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMs,
                             result != nullptr ? result : &ignored) != 0;
}

// The dialog box that holds control: its nearest ancestor of the dialog class.
HWND DialogOf(HWND control) {
  for (HWND window = GetParent(control); window != nullptr; window = GetParent(window)) {
    wchar_t className[16] = {};
    if (GetClassNameW(window, className, 16) > 0 && lstrcmpW(className, L"#32770") == 0) return window;
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0) return window;
  }
  return nullptr;
}

HWND FocusOfThread(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

bool FocusIsOn(HWND control, HWND focus) {
  return focus != nullptr && (focus == control || IsChild(control, focus) != FALSE);
}

// This thread shares the control's input state for as long as it lives.
class SharedInput {
 public:
  explicit SharedInput(DWORD thread) : thread_(thread), self_(GetCurrentThreadId()) {
    attached_ = thread_ != self_ && AttachThreadInput(self_, thread_, TRUE);
  }
  ~SharedInput() {
    if (attached_) AttachThreadInput(self_, thread_, FALSE);
  }
  SharedInput(const SharedInput&) = delete;
  SharedInput& operator=(const SharedInput&) = delete;
  bool Usable() const { return attached_ || thread_ == self_; }

 private:
  DWORD thread_;
  DWORD self_;
  bool attached_ = false;
};

}  // namespace

bool Win32DialogControls::Focus(WindowHandle control) {
  const HWND box = Hwnd(control);
  const DWORD thread = GetWindowThreadProcessId(box, nullptr);
  const HWND dialog = DialogOf(box);
  if (thread == 0 || dialog == nullptr || IsHungAppWindow(dialog)) return false;
  const SharedInput shared(thread);
  if (!shared.Usable()) return false;
  // The dialog moves its focus itself, so it remembers the box as its current control and
  // selects the text, as for a Tab.
  if (!Send(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE)) return false;
  // An edit field the dialog gives the focus has its text selected by the dialog as well; only a
  // focus set by hand needs the selection made.
  if (FocusIsOn(box, GetFocus())) return true;
  SetFocus(box);
  if (!FocusIsOn(box, GetFocus())) return false;
  return Send(box, EM_SETSEL, 0, -1);
}

bool Win32DialogControls::HasFocus(WindowHandle control) {
  const HWND box = Hwnd(control);
  return FocusIsOn(box, FocusOfThread(GetWindowThreadProcessId(box, nullptr)));
}

std::optional<std::string> Win32DialogControls::ReadText(WindowHandle control) {
  const HWND box = Hwnd(control);
  DWORD_PTR length = 0;
  if (!IsWindow(box) || !Send(box, WM_GETTEXTLENGTH, 0, 0, &length)) return std::nullopt;
  if (length > static_cast<DWORD_PTR>(kMaxTextChars)) return std::nullopt;
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!Send(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied))
    return std::nullopt;
  text.resize(copied < text.size() ? copied : text.size() - 1);
  return WideToUtf8(text);
}

bool Win32DialogControls::WriteText(WindowHandle control, const std::string& text) {
  const HWND box = Hwnd(control);
  const std::wstring wide = Utf8ToWide(text);
  // The whole text is replaced as an edit by the user would replace it: the edit field tells its
  // combo box, which tells the dialog. The Save item dialog keeps its own copy of the name that
  // way only; WM_SETTEXT changes what the box shows, not the name the dialog saves under.
  return IsWindow(box) && Send(box, EM_SETSEL, 0, -1) &&
         Send(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

InputMethodState Win32DialogControls::CloseInputMethod(WindowHandle control) {
  const HWND inputMethod = bindings::ImmGetDefaultIMEWnd(Hwnd(control));
  const auto isOpen = [inputMethod] {
    DWORD_PTR open = 0;
    return inputMethod != nullptr && Send(inputMethod, WM_IME_CONTROL, kGetOpenStatus, 0, &open) && open != 0;
  };
  if (!isOpen()) return InputMethodState::NotOpen;
  Send(inputMethod, WM_IME_CONTROL, kSetOpenStatus, FALSE);
  // Asked again: an input method may refuse, and a program may answer for it without acting.
  return isOpen() ? InputMethodState::StaysOpen : InputMethodState::Closed;
}

void Win32DialogControls::ReopenInputMethod(WindowHandle control) {
  const HWND inputMethod = bindings::ImmGetDefaultIMEWnd(Hwnd(control));
  if (inputMethod == nullptr || !Send(inputMethod, WM_IME_CONTROL, kSetOpenStatus, TRUE))
    Trace("the input method of the box could not be opened again");
}

}  // namespace dm::win
