#include "win32/system/process_services.h"

#include "win32/base/trace.h"
#include "win32/windows/pending_messages.h"

namespace dm::win {

namespace {

// The double-click time the user set, from the system profile (in milliseconds).
constexpr char kProfileSection[] = "Windows";
constexpr char kDoubleClickSpeed[] = "DoubleClickSpeed";
constexpr int kDoubleClickSpeedDefault = 320;

}  // namespace

void Win32ProcessServices::Beep() { MessageBeep(MB_OK); }

void Win32ProcessServices::Trace(const std::string& line) { win::Trace(line); }

void Win32ProcessServices::SetPriority(ProcessPriority priority) {
  DWORD priorityClass = NORMAL_PRIORITY_CLASS;
  if (priority == ProcessPriority::Idle) priorityClass = IDLE_PRIORITY_CLASS;
  if (priority == ProcessPriority::High) priorityClass = HIGH_PRIORITY_CLASS;
  ::SetPriorityClass(::GetCurrentProcess(), priorityClass);
}

int Win32ProcessServices::DoubleClickTime() {
  return static_cast<int>(::GetProfileIntA(kProfileSection, kDoubleClickSpeed, kDoubleClickSpeedDefault));
}

void Win32ProcessServices::CloseMainWindow() {
  // The program's own close saves nothing (app/close_rule.h): the window just goes, and the
  // message loop ends with it.
  if (mainWindow_ != nullptr && IsWindow(mainWindow_)) DestroyWindow(mainWindow_);
}

void Win32ProcessServices::EndProgram() {
  // The windows just closed finish going before the process ends.
  RunPendingMessages();
  ExitProcess(0);
}

}  // namespace dm::win
