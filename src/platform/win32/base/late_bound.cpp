#include "platform/win32/base/late_bound.h"

#include <shellapi.h>

#include "platform/win32/base/lazy_proc.h"

namespace dm::win::late {

HRESULT CoInitializeEx(void* reserved, DWORD model) {
  static LazyProc<HRESULT(WINAPI*)(void*, DWORD)> proc(L"ole32.dll", "CoInitializeEx");
  if (auto fn = proc.Resolve()) return fn(reserved, model);
  return E_NOTIMPL;
}

void CoUninitialize() {
  static LazyProc<void(WINAPI*)()> proc(L"ole32.dll", "CoUninitialize");
  if (auto fn = proc.Resolve()) fn();
}

void CoTaskMemFree(void* memory) {
  static LazyProc<void(WINAPI*)(void*)> proc(L"ole32.dll", "CoTaskMemFree");
  if (auto fn = proc.Resolve()) fn(memory);
}

BOOL SHGetPathFromIDListW(const void* list, wchar_t* path) {
  static LazyProc<BOOL(WINAPI*)(const void*, wchar_t*)> proc(L"shell32.dll", "SHGetPathFromIDListW");
  if (auto fn = proc.Resolve()) return fn(list, path);
  return FALSE;
}

HINSTANCE FindExecutableW(const wchar_t* file, const wchar_t* directory, wchar_t* result) {
  static LazyProc<HINSTANCE(WINAPI*)(const wchar_t*, const wchar_t*, wchar_t*)> proc(L"shell32.dll",
                                                                                     "FindExecutableW");
  if (auto fn = proc.Resolve()) return fn(file, directory, result);
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
}

HINSTANCE ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                        const wchar_t* directory, int show) {
  static LazyProc<HINSTANCE(WINAPI*)(HWND, const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*,
                                     int)>
      proc(L"shell32.dll", "ShellExecuteW");
  if (auto fn = proc.Resolve()) return fn(owner, verb, file, parameters, directory, show);
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
}

}  // namespace dm::win::late
