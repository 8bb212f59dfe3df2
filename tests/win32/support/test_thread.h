#pragma once
// Threads and a lock for the Win32-side tests, on the system's own calls: the compilers of the program
// and its tests (MinGW-w64's Win32 thread model) have no std::thread and no std::mutex.

#include <windows.h>

#include <functional>
#include <memory>
#include <system_error>
#include <utility>

#include "win32/base/unique_handle.h"

namespace dm::win {

// Runs a callable on a thread of its own, made with CreateThread, and waits for it to end at Join
// or when destroyed. Move-only; a thread that cannot be made throws, as std::thread does.
class TestThread {
 public:
  TestThread() = default;  // no thread, as a thread moved from
  template <typename Function>
  explicit TestThread(Function function) {
    auto body = std::make_unique<std::function<void()>>(std::move(function));
    handle_.Reset(CreateThread(nullptr, 0, &Run, body.get(), 0, nullptr));
    if (!handle_)
      throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateThread");
    static_cast<void>(body.release());  // the thread's now: it lets go of it
  }
  ~TestThread() { Join(); }
  TestThread(TestThread&& other) noexcept = default;
  TestThread& operator=(TestThread&& other) noexcept {
    if (this != &other) {
      Join();
      handle_ = std::move(other.handle_);
    }
    return *this;
  }
  TestThread(const TestThread&) = delete;
  TestThread& operator=(const TestThread&) = delete;

  // Waits for the thread to end; then, and for a moved-from thread, does nothing.
  void Join() {
    if (!handle_) return;
    WaitForSingleObject(handle_.Get(), INFINITE);
    handle_.Reset();
  }

 private:
  static DWORD WINAPI Run(void* parameter) {
    const std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(parameter));
    (*body)();
    return 0;
  }

  UniqueKernelHandle handle_;
};

// A lock shared by threads (a critical section), taken for a scope by a CriticalSection::Lock.
class CriticalSection {
 public:
  CriticalSection() { InitializeCriticalSection(&section_); }
  ~CriticalSection() { DeleteCriticalSection(&section_); }
  CriticalSection(const CriticalSection&) = delete;
  CriticalSection& operator=(const CriticalSection&) = delete;

  class Lock {
   public:
    explicit Lock(CriticalSection& section) : section_(section) { EnterCriticalSection(&section_.section_); }
    ~Lock() { LeaveCriticalSection(&section_.section_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

   private:
    CriticalSection& section_;
  };

 private:
  CRITICAL_SECTION section_{};
};

}  // namespace dm::win
