#include "win32/windows/message_filter.h"

#include "win32/base/bindings.h"
#include "win32/base/trace.h"

namespace dm::win {

bool LetThroughFromLowerIntegrity(HWND window, UINT message) {
  CHANGEFILTERSTRUCT status{};
  status.cbSize = sizeof(status);
  if (bindings::ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, &status)) return true;
  if (GetLastError() != ERROR_PROC_NOT_FOUND) {
    Trace("the system refused to let the shell's messages through to the icon's windows");
  }
  return false;
}

}  // namespace dm::win
