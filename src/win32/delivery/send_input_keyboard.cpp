#include "win32/delivery/send_input_keyboard.h"

#include <array>

#include "text/utf8.h"
#include "win32/delivery/window_ping.h"

namespace dm::win {
namespace {

// A target that has not taken the keys off its queue by then is given up, and the icon answers
// again: three seconds, as long as activation may take, well before the system calls it hung.
constexpr DWORD kWaitDeadlineMs = 3000;
constexpr UINT kPingTimeoutMs = 250;
constexpr ULONGLONG kPingEveryMs = 25;

struct NamedVirtualKey {
  WORD vk;
  bool extended;
};

// Keys go to the foreground window's thread. Once that is no longer the target's, the target
// never sees the sentinel, and whatever is still typed would reach another window.
bool TargetStillInFront(DWORD thread) {
  const HWND front = GetForegroundWindow();
  return front != nullptr && GetWindowThreadProcessId(front, nullptr) == thread;
}

NamedVirtualKey VirtualKeyOf(NamedKey key) {
  switch (key) {
    case NamedKey::Enter:
      return {VK_RETURN, false};
    case NamedKey::Backspace:
      return {VK_BACK, false};
    case NamedKey::Tab:
      return {VK_TAB, false};
    case NamedKey::Escape:
      return {VK_ESCAPE, false};
    case NamedKey::Left:
      return {VK_LEFT, true};
    case NamedKey::Right:
      return {VK_RIGHT, true};
    case NamedKey::Up:
      return {VK_UP, true};
    case NamedKey::Down:
      return {VK_DOWN, true};
    case NamedKey::Home:
      return {VK_HOME, true};
    case NamedKey::End:
      return {VK_END, true};
    case NamedKey::PageUp:
      return {VK_PRIOR, true};
    case NamedKey::PageDown:
      return {VK_NEXT, true};
    case NamedKey::Insert:
      return {VK_INSERT, true};
    case NamedKey::Delete:
      return {VK_DELETE, true};
    case NamedKey::Break:
      return {VK_CANCEL, true};
    case NamedKey::CapsLock:
      return {VK_CAPITAL, false};
    case NamedKey::NumLock:
      return {VK_NUMLOCK, true};
    case NamedKey::ScrollLock:
      return {VK_SCROLL, false};
    case NamedKey::PrintScreen:
      return {VK_SNAPSHOT, true};
    case NamedKey::Help:
      return {VK_HELP, false};
    case NamedKey::Add:
      return {VK_ADD, false};
    case NamedKey::Subtract:
      return {VK_SUBTRACT, false};
    case NamedKey::Multiply:
      return {VK_MULTIPLY, false};
    case NamedKey::Divide:
      return {VK_DIVIDE, true};
    default:
      break;
  }
  return {static_cast<WORD>(VK_F1 + (static_cast<int>(key) - static_cast<int>(NamedKey::F1))), false};
}

INPUT VirtualKeyInput(WORD vk, bool up, bool extended = false) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

void AddUnicodeCharacter(std::vector<INPUT>& inputs, char32_t ch) {
  char16_t units[2] = {};
  const std::size_t count = Utf16Units(ch, units);
  for (std::size_t i = 0; i < count; ++i) {
    for (bool up : {false, true}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = static_cast<WORD>(units[i]);
      input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    }
  }
}

// The virtual key that types ch on the current layout, with the modifiers it needs; letters and
// digits map to their own virtual keys whatever the layout. 0 when no key types ch.
WORD ChordKey(char32_t ch, std::uint8_t& modifiers) {
  if (ch >= U'a' && ch <= U'z') return static_cast<WORD>('A' + (ch - U'a'));
  if (ch >= U'0' && ch <= U'9') return static_cast<WORD>(ch);
  if (ch >= U'A' && ch <= U'Z') {
    modifiers |= modifier::kShift;
    return static_cast<WORD>(ch);
  }
  if (ch >= 0x10000) return 0;
  const SHORT scan = VkKeyScanW(static_cast<wchar_t>(ch));
  if (scan == -1 || LOBYTE(scan) == 0xFF) return 0;
  if (HIBYTE(scan) & 1) modifiers |= modifier::kShift;
  if (HIBYTE(scan) & 2) modifiers |= modifier::kCtrl;
  if (HIBYTE(scan) & 4) modifiers |= modifier::kAlt;
  return LOBYTE(scan);
}

void AddModifiers(std::vector<INPUT>& inputs, std::uint8_t modifiers, bool up) {
  constexpr std::array<std::pair<std::uint8_t, WORD>, 3> kOrder{
      {{modifier::kCtrl, VK_CONTROL}, {modifier::kAlt, VK_MENU}, {modifier::kShift, VK_SHIFT}}};
  if (!up) {
    for (const auto& [bit, vk] : kOrder) {
      if (modifiers & bit) inputs.push_back(VirtualKeyInput(vk, false));
    }
  } else {
    for (auto it = kOrder.rbegin(); it != kOrder.rend(); ++it) {
      if (modifiers & it->first) inputs.push_back(VirtualKeyInput(it->second, true));
    }
  }
}

// Waits up to ms, answering at once any message another thread sends this one meanwhile: a target
// sharing this thread's input state may need such an answer before it can go on. Posted messages
// stay queued, so no timer or click runs in the middle of a delivery.
void AnswerSentMessagesFor(DWORD ms) {
  if (MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

void PumpOwnMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

// Reads the toggle bit of the sentinel as the target's thread sees it.
class SendInputKeyboard::SharedInputState {
 public:
  explicit SharedInputState(DWORD targetThread) : target_(targetThread), self_(GetCurrentThreadId()) {
    attached_ = target_ != self_ && AttachThreadInput(self_, target_, TRUE);
  }
  ~SharedInputState() {
    if (attached_) AttachThreadInput(self_, target_, FALSE);
  }
  SharedInputState(const SharedInputState&) = delete;
  SharedInputState& operator=(const SharedInputState&) = delete;
  bool Usable() const { return attached_ || target_ == self_; }
  bool SentinelDown() const { return (GetKeyState(kSentinelKey) & 0x8000) != 0; }

 private:
  DWORD target_;
  DWORD self_;
  bool attached_ = false;
};

std::vector<INPUT> BuildKeyInputs(const KeySequence& keys) {
  std::vector<INPUT> inputs;
  // Modifier keys the user still holds would change what the target sees; let them go first.
  for (WORD vk : {VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU, VK_LWIN, VK_RWIN}) {
    if (GetAsyncKeyState(vk) & 0x8000) {
      const bool extended = vk == VK_RCONTROL || vk == VK_RMENU || vk == VK_LWIN || vk == VK_RWIN;
      inputs.push_back(VirtualKeyInput(vk, true, extended));
    }
  }
  for (const KeyPress& press : keys) {
    std::uint8_t modifiers = press.modifiers;
    if (press.named) {
      const NamedVirtualKey key = VirtualKeyOf(press.key);
      AddModifiers(inputs, modifiers, false);
      inputs.push_back(VirtualKeyInput(key.vk, false, key.extended));
      inputs.push_back(VirtualKeyInput(key.vk, true, key.extended));
      AddModifiers(inputs, modifiers, true);
    } else if (modifiers == modifier::kNone) {
      AddUnicodeCharacter(inputs, press.character);
    } else if (const WORD vk = ChordKey(press.character, modifiers); vk != 0) {
      AddModifiers(inputs, modifiers, false);
      inputs.push_back(VirtualKeyInput(vk, false));
      inputs.push_back(VirtualKeyInput(vk, true));
      AddModifiers(inputs, modifiers, true);
    } else {
      AddModifiers(inputs, modifiers, false);
      AddUnicodeCharacter(inputs, press.character);
      AddModifiers(inputs, modifiers, true);
    }
  }
  return inputs;
}

bool SendInputKeyboard::Send(const KeySequence& keys) {
  std::vector<INPUT> inputs = BuildKeyInputs(keys);
  if (inputs.empty()) return true;
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  return sent == inputs.size();
}

bool SendInputKeyboard::SendAndWait(const KeySequence& keys, WindowHandle target) {
  const HWND hwnd = reinterpret_cast<HWND>(target);
  const DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
  if (thread == 0 || IsHungAppWindow(hwnd)) return false;
  // Sharing the target's input state clears the key state it holds: shared after the keys have
  // left, it drops a modifier the target has taken off its queue but not yet applied, and Ctrl+V
  // arrives as a plain "v". So the state is shared first and the keys sent after.
  const SharedInputState state(thread);
  if (!state.Usable()) return false;
  return Send(keys) && AwaitProcessed(hwnd, thread, state);
}

bool SendInputKeyboard::WaitUntilProcessed(WindowHandle target) {
  const HWND hwnd = reinterpret_cast<HWND>(target);
  const DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
  if (thread == 0 || IsHungAppWindow(hwnd)) return false;
  const SharedInputState state(thread);
  if (!state.Usable()) return false;
  return AwaitProcessed(hwnd, thread, state);
}

bool SendInputKeyboard::AwaitProcessed(HWND hwnd, DWORD thread, const SharedInputState& state) {
  const bool ownThread = thread == GetCurrentThreadId();
  const ULONGLONG deadline = GetTickCount64() + kWaitDeadlineMs;
  // Polls until the target's thread has taken the sentinel off its queue. A thread takes its
  // input in order, each message handled before the next is taken (and the characters a key
  // makes are queued ahead of any input), so every key queued before the sentinel has then been
  // handled; asking the target once more would only keep it from the next keys.
  const auto reaches = [&](bool down) {
    ULONGLONG lastPing = GetTickCount64();
    while (GetTickCount64() < deadline) {
      if (ownThread) {
        PumpOwnMessages();
      } else if (!TargetStillInFront(thread)) {
        return false;
      }
      if (state.SentinelDown() == down) return true;
      // A target gone or hung is noticed by a ping now and then; asked at every turn, the ping
      // would take the target's thread away from the keys it is working through.
      if (!ownThread && GetTickCount64() - lastPing >= kPingEveryMs) {
        if (Ping(hwnd, kPingTimeoutMs) == PingResult::kNeverWill) return false;
        lastPing = GetTickCount64();
      }
      AnswerSentMessagesFor(1);
    }
    return false;
  };

  // A sentinel left down by an earlier wait that gave up is let go first.
  if (state.SentinelDown()) {
    INPUT up = VirtualKeyInput(kSentinelKey, true);
    if (SendInput(1, &up, sizeof(INPUT)) != 1 || !reaches(false)) return false;
  }
  INPUT down = VirtualKeyInput(kSentinelKey, false);
  if (SendInput(1, &down, sizeof(INPUT)) != 1) return false;
  const bool processed = reaches(true);
  // Every key-down is paired with its key-up, whatever happened. The keys before the sentinel are
  // taken once its down is, so its up is not waited for: the next wait starts by letting go of
  // a sentinel still down.
  INPUT up = VirtualKeyInput(kSentinelKey, true);
  const bool released = SendInput(1, &up, sizeof(INPUT)) == 1;
  return processed && released;
}

}  // namespace dm::win
