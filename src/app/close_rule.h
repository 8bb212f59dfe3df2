#pragma once
// Why the main window is about to close, and whether that close saves.

namespace dm {

enum class CloseReason {
  WindowMenu,  // closed from its window menu
  Program,     // closed by the program itself
  EndSession,  // the Windows session is ending
  TaskList,    // a close request from the system's task list
};

// The end of the session and the task list save through SaveAndExit; the other closes save
// nothing. A close is never refused.
constexpr bool CloseSaves(CloseReason reason) {
  return reason == CloseReason::EndSession || reason == CloseReason::TaskList;
}

}  // namespace dm
