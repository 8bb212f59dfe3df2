#pragma once
// Move-only owners for the system's handles. Each owner type names how its handle is released.

#include <windows.h>

#include <utility>

namespace dm::win {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return Traits::IsValid(handle_); }
  Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
  void Reset(Handle handle = Traits::Invalid()) {
    Handle old = std::exchange(handle_, handle);
    if (Traits::IsValid(old)) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Invalid();
};

template <typename H, auto CloseFn>
struct NullHandleTraits {
  using Handle = H;
  static constexpr Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { CloseFn(h); }
};

// Files: CreateFileW answers INVALID_HANDLE_VALUE, not null, when it fails.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};

using UniqueWindow = UniqueHandle<NullHandleTraits<HWND, ::DestroyWindow>>;
using UniqueMenu = UniqueHandle<NullHandleTraits<HMENU, ::DestroyMenu>>;
using UniqueIcon = UniqueHandle<NullHandleTraits<HICON, ::DestroyIcon>>;
using UniqueRegistryKey = UniqueHandle<NullHandleTraits<HKEY, ::RegCloseKey>>;
using UniqueKernelHandle = UniqueHandle<NullHandleTraits<HANDLE, ::CloseHandle>>;
using UniqueGdiObject = UniqueHandle<NullHandleTraits<HGDIOBJ, ::DeleteObject>>;
using UniqueModule = UniqueHandle<NullHandleTraits<HMODULE, ::FreeLibrary>>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
// Memory device contexts (CreateCompatibleDC), not those GetDC lends.
using UniqueMemoryDc = UniqueHandle<NullHandleTraits<HDC, ::DeleteDC>>;
using UniqueWinEventHook = UniqueHandle<NullHandleTraits<HWINEVENTHOOK, ::UnhookWinEvent>>;

}  // namespace dm::win
