#include "win32/base/bindings.h"

#include "win32/base/lazy_proc.h"

namespace dm::win::bindings {

namespace {

constexpr wchar_t kKernel32[] = L"kernel32.dll";
constexpr wchar_t kUser32[] = L"user32.dll";
constexpr wchar_t kShell32[] = L"shell32.dll";
constexpr wchar_t kDwmapi[] = L"dwmapi.dll";
constexpr wchar_t kOle32[] = L"ole32.dll";
constexpr wchar_t kOleAut32[] = L"oleaut32.dll";
constexpr wchar_t kImm32[] = L"imm32.dll";
constexpr wchar_t kShcore[] = L"shcore.dll";

// Calls the bound function, or returns failure when it could not be resolved.
template <typename Fn, typename Result, typename... Args>
Result CallOr(LazyProc<Fn>& proc, Result failure, Args... args) {
  if (Fn fn = proc.Resolve()) return fn(args...);
  return failure;
}

template <typename Fn, typename... Args>
void CallIfBound(LazyProc<Fn>& proc, Args... args) {
  if (Fn fn = proc.Resolve()) fn(args...);
}

}  // namespace

BOOL Shell_NotifyIconA(DWORD message, TrayIconRecord* record) {
  static LazyProc<BOOL(WINAPI*)(DWORD, TrayIconRecord*)> proc(kShell32, "Shell_NotifyIconA");
  return CallOr(proc, FALSE, message, record);
}

BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* record) {
  static LazyProc<BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*)> proc(kShell32, "Shell_NotifyIconA");
  return CallOr(proc, FALSE, message, record);
}

LPITEMIDLIST SHBrowseForFolderA(BrowseInfoRecord* record) {
  static LazyProc<LPITEMIDLIST(WINAPI*)(BrowseInfoRecord*)> proc(kShell32, "SHBrowseForFolderA");
  return CallOr(proc, LPITEMIDLIST{nullptr}, record);
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST list, char* buffer) {
  static LazyProc<BOOL(WINAPI*)(LPCITEMIDLIST, char*)> proc(kShell32, "SHGetPathFromIDListA");
  return CallOr(proc, FALSE, list, buffer);
}

HRESULT CoInitializeEx(void* reserved, DWORD model) {
  static LazyProc<HRESULT(WINAPI*)(void*, DWORD)> proc(kOle32, "CoInitializeEx");
  return CallOr(proc, HRESULT{E_NOTIMPL}, reserved, model);
}

void CoUninitialize() {
  static LazyProc<void(WINAPI*)()> proc(kOle32, "CoUninitialize");
  CallIfBound(proc);
}

void CoTaskMemFree(void* memory) {
  static LazyProc<void(WINAPI*)(void*)> proc(kOle32, "CoTaskMemFree");
  CallIfBound(proc, memory);
}

BOOL SHGetPathFromIDListW(const void* list, wchar_t* path) {
  static LazyProc<BOOL(WINAPI*)(const void*, wchar_t*)> proc(kShell32, "SHGetPathFromIDListW");
  return CallOr(proc, FALSE, list, path);
}

HINSTANCE FindExecutableW(const wchar_t* file, const wchar_t* directory, wchar_t* result) {
  static LazyProc<HINSTANCE(WINAPI*)(const wchar_t*, const wchar_t*, wchar_t*)> proc(kShell32,
                                                                                     "FindExecutableW");
  return CallOr(proc, reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND)), file, directory,
                result);
}

HINSTANCE ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                        const wchar_t* directory, int show) {
  static LazyProc<HINSTANCE(WINAPI*)(HWND, const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*,
                                     int)>
      proc(kShell32, "ShellExecuteW");
  return CallOr(proc, reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND)), owner, verb,
                file, parameters, directory, show);
}

HRESULT CoCreateInstance(const CLSID& classId, IUnknown* outer, DWORD context, const IID& interfaceId,
                         void** object) {
  static LazyProc<HRESULT(WINAPI*)(const CLSID&, IUnknown*, DWORD, const IID&, void**)> proc(
      kOle32, "CoCreateInstance");
  if (auto fn = proc.Resolve()) return fn(classId, outer, context, interfaceId, object);
  if (object != nullptr) *object = nullptr;
  return REGDB_E_CLASSNOTREG;
}

BSTR SysAllocString(const wchar_t* text) {
  static LazyProc<BSTR(WINAPI*)(const wchar_t*)> proc(kOleAut32, "SysAllocString");
  return CallOr(proc, BSTR{nullptr}, text);
}

void SysFreeString(BSTR text) {
  static LazyProc<void(WINAPI*)(BSTR)> proc(kOleAut32, "SysFreeString");
  CallIfBound(proc, text);
}

HRESULT DwmGetWindowAttribute(HWND window, DWORD attribute, void* value, DWORD size) {
  static LazyProc<HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD)> proc(kDwmapi, "DwmGetWindowAttribute");
  return CallOr(proc, HRESULT{E_NOTIMPL}, window, attribute, value, size);
}

UINT GetDpiForWindow(HWND window) {
  static LazyProc<UINT(WINAPI*)(HWND)> proc(kUser32, "GetDpiForWindow");
  return CallOr(proc, UINT{0}, window);
}

int GetSystemMetricsForDpi(int index, UINT dpi) {
  static LazyProc<int(WINAPI*)(int, UINT)> proc(kUser32, "GetSystemMetricsForDpi");
  return CallOr(proc, 0, index, dpi);
}

BOOL SystemParametersInfoForDpi(UINT action, UINT param, void* value, UINT winIni, UINT dpi) {
  static LazyProc<BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT)> proc(kUser32, "SystemParametersInfoForDpi");
  return CallOr(proc, FALSE, action, param, value, winIni, dpi);
}

BOOL AdjustWindowRectExForDpi(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, UINT dpi) {
  static LazyProc<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)> proc(kUser32, "AdjustWindowRectExForDpi");
  return CallOr(proc, FALSE, rect, style, menu, exStyle, dpi);
}

HRESULT GetDpiForMonitor(HMONITOR monitor, UINT* dpiX, UINT* dpiY) {
  // MONITOR_DPI_TYPE's MDT_EFFECTIVE_DPI, which the headers declare only for Windows 8.1 and later.
  constexpr int kEffectiveDpi = 0;
  static LazyProc<HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*)> proc(kShcore, "GetDpiForMonitor");
  return CallOr(proc, HRESULT{E_NOTIMPL}, monitor, kEffectiveDpi, dpiX, dpiY);
}

DPI_AWARENESS_CONTEXT GetThreadDpiAwarenessContext() {
  static LazyProc<DPI_AWARENESS_CONTEXT(WINAPI*)()> proc(kUser32, "GetThreadDpiAwarenessContext");
  return CallOr(proc, DPI_AWARENESS_CONTEXT{nullptr});
}

BOOL AreDpiAwarenessContextsEqual(DPI_AWARENESS_CONTEXT first, DPI_AWARENESS_CONTEXT second) {
  static LazyProc<BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT)> proc(
      kUser32, "AreDpiAwarenessContextsEqual");
  return CallOr(proc, FALSE, first, second);
}

BOOL ChangeWindowMessageFilterEx(HWND window, UINT message, DWORD action, CHANGEFILTERSTRUCT* status) {
  static LazyProc<BOOL(WINAPI*)(HWND, UINT, DWORD, CHANGEFILTERSTRUCT*)> proc(kUser32,
                                                                              "ChangeWindowMessageFilterEx");
  return CallOr(proc, FALSE, window, message, action, status);
}

BOOL Wow64DisableWow64FsRedirection(void** previous) {
  static LazyProc<BOOL(WINAPI*)(void**)> proc(kKernel32, "Wow64DisableWow64FsRedirection");
  return CallOr(proc, FALSE, previous);
}

BOOL Wow64RevertWow64FsRedirection(void* previous) {
  static LazyProc<BOOL(WINAPI*)(void*)> proc(kKernel32, "Wow64RevertWow64FsRedirection");
  return CallOr(proc, FALSE, previous);
}

HWND ImmGetDefaultIMEWnd(HWND window) {
  static LazyProc<HWND(WINAPI*)(HWND)> proc(kImm32, "ImmGetDefaultIMEWnd");
  return CallOr(proc, HWND{nullptr}, window);
}

}  // namespace dm::win::bindings
