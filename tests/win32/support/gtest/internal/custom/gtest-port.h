#pragma once
// GoogleTest's place for a port's own pieces (it includes this header from gtest-port.h), found
// ahead of the packaged, empty one: the Win32-side tests' compilers (MinGW-w64's Win32 thread model)
// have no std::mutex or std::condition_variable, on which GoogleTest builds its Notification, the
// one class of its threading that does not use the system's own calls. This one waits on an event.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

// Lets threads wait until one thread says they may go on.
class Notification {
 public:
  Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~Notification() { CloseHandle(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { SetEvent(event_); }
  void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_;
};

}  // namespace testing::internal
