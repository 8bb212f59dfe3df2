#pragma once
// The shell's list of its folder windows (IShellWindows). Every question is asked on a worker
// thread of its own, in a single-threaded COM apartment of its own, and waited for until a
// deadline: a busy or hung shell leaves the program's user-interface thread answering. A question
// still running past its deadline is left to end by itself, and until it has, the list is not
// asked again.

#include <windows.h>

#include <memory>

#include "platform/shell_window_list.h"

namespace dm::win {

class Win32ShellWindowList : public ShellWindowList {
 public:
  // How long a question may take: the list of a shell that answers at all comes back in a
  // fraction of this, even when it has to start.
  static constexpr DWORD kDefaultDeadlineMs = 3000;

  explicit Win32ShellWindowList(DWORD deadlineMs = kDefaultDeadlineMs) : deadlineMs_(deadlineMs) {}

  // Unavailable where COM or the list cannot be had (Wine's list holds no windows at all, so there
  // every window comes back as not listed).
  ShellTabs TabsOf(WindowHandle frame) override;
  // Navigate2 of the browser whose tab is tab, with the folder as its address.
  ShellAnswer Navigate(WindowHandle frame, WindowHandle tab, const std::string& folder) override;
  // LocationURL of every browser listed.
  ShellFolders Folders(unsigned deadlineMs) override;

 private:
  struct Question;
  static DWORD WINAPI Work(void* parameter);
  // Runs the question on its worker: Answered when it ended before the deadline, TimedOut when
  // not (or an earlier one is still running), Unavailable when no worker could be started.
  ShellAnswer Ask(const std::shared_ptr<Question>& question, DWORD deadlineMs);

  DWORD deadlineMs_;
  std::shared_ptr<Question> stuck_;  // the question left running past its deadline
};

}  // namespace dm::win
