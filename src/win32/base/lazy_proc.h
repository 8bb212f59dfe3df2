#pragma once
// A function of a system library, resolved on its first call and remembered. A function that
// cannot be resolved fails at the call that needs it, never at start-up.

#include <windows.h>

namespace dm::win {

template <typename Fn>
class LazyProc {
 public:
  constexpr LazyProc(const wchar_t* module, const char* name) : module_(module), name_(name) {}

  // The function's address, or nullptr when the library or the function cannot be found.
  Fn Resolve() {
    if (!tried_) {
      HMODULE library = GetModuleHandleW(module_);
      // Libraries the program loads here stay loaded for the rest of the run, so the
      // remembered address stays valid.
      if (library == nullptr) library = LoadLibraryW(module_);
      if (library != nullptr)
        address_ = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name_)));
      // Marked as tried once the address is stored: a worker thread asking at the same moment
      // (the shell's window list) finds the same address, never none.
      tried_ = true;
    }
    if (address_ == nullptr) SetLastError(ERROR_PROC_NOT_FOUND);
    return address_;
  }

 private:
  const wchar_t* module_;
  const char* name_;
  bool tried_ = false;
  Fn address_ = nullptr;
};

}  // namespace dm::win
