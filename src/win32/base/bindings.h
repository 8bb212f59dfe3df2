#pragma once
// The program's one list of late-bound system functions, with the two records it passes to them
// and, for each, why it is bound late. Every binding is resolved on its first call and remembered;
// one that cannot be resolved returns its failure value (0 / nullptr / FALSE / an error code) with
// ERROR_PROC_NOT_FOUND, at that call, never at start-up.

#include <windows.h>
// After windows.h, which they build on:
#include <shellapi.h>
#include <shlobj.h>

#include <cstddef>
#include <cstdint>

namespace dm::win {

// NOTIFYICONDATA in its original ANSI layout: 88 bytes on 32-bit Windows.
struct TrayIconRecord {
  DWORD cbSize;
  HWND hWnd;
  UINT uID;
  UINT uFlags;
  UINT uCallbackMessage;
  HICON hIcon;
  char szTip[64];
};

// BROWSEINFO, ANSI: 32 bytes on 32-bit Windows.
struct BrowseInfoRecord {
  HWND hwndOwner;
  LPCITEMIDLIST pidlRoot;
  char* pszDisplayName;
  const char* lpszTitle;
  UINT ulFlags;
  BFFCALLBACK lpfn;
  LPARAM lParam;
  int iImage;
};

#if !defined(_WIN64)
static_assert(sizeof(TrayIconRecord) == 88);
static_assert(offsetof(TrayIconRecord, cbSize) == 0);
static_assert(offsetof(TrayIconRecord, hWnd) == 4);
static_assert(offsetof(TrayIconRecord, uID) == 8);
static_assert(offsetof(TrayIconRecord, uFlags) == 12);
static_assert(offsetof(TrayIconRecord, uCallbackMessage) == 16);
static_assert(offsetof(TrayIconRecord, hIcon) == 20);
static_assert(offsetof(TrayIconRecord, szTip) == 24);

static_assert(sizeof(BrowseInfoRecord) == 32);
static_assert(offsetof(BrowseInfoRecord, hwndOwner) == 0);
static_assert(offsetof(BrowseInfoRecord, pidlRoot) == 4);
static_assert(offsetof(BrowseInfoRecord, pszDisplayName) == 8);
static_assert(offsetof(BrowseInfoRecord, lpszTitle) == 12);
static_assert(offsetof(BrowseInfoRecord, ulFlags) == 16);
static_assert(offsetof(BrowseInfoRecord, lpfn) == 20);
static_assert(offsetof(BrowseInfoRecord, lParam) == 24);
static_assert(offsetof(BrowseInfoRecord, iImage) == 28);
#endif
// On every platform the records are the system's own structures, field for field.
static_assert(sizeof(TrayIconRecord) == NOTIFYICONDATAA_V1_SIZE);
static_assert(offsetof(TrayIconRecord, szTip) == offsetof(NOTIFYICONDATAA, szTip));
static_assert(sizeof(BrowseInfoRecord) == sizeof(BROWSEINFOA));
static_assert(offsetof(BrowseInfoRecord, iImage) == offsetof(BROWSEINFOA, iImage));

namespace bindings {

// The tray icon and the folder browser, with the ANSI records above: shell32 is bound at the first
// icon rather than by the loader, so a start-up that ends early (another copy running) never loads it.
BOOL Shell_NotifyIconA(DWORD message, TrayIconRecord* record);
// The icon's notification behaviour (NIM_SETVERSION): the same function, with the longer ANSI record
// that holds the version; a shell that predates the version answers FALSE.
BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* record);
LPITEMIDLIST SHBrowseForFolderA(BrowseInfoRecord* record);    // the folder browser, ANSI record
BOOL SHGetPathFromIDListA(LPCITEMIDLIST list, char* buffer);  // its path where UTF-16 fails

// COM and the shell's larger functions, needed only by the folder browser and the help page:
// bound at first use so that ole32 and shell32's launch code are not loaded at every start of a
// program that spends its life waiting in the tray.
HRESULT CoInitializeEx(void* reserved, DWORD model);         // the UI thread's apartment (browser, shell)
void CoUninitialize();                                       // leaving it
void CoTaskMemFree(void* memory);                            // the browser's item-id list
BOOL SHGetPathFromIDListW(const void* list, wchar_t* path);  // the chosen folder, whole, in UTF-16
HINSTANCE FindExecutableW(const wchar_t* file, const wchar_t* directory, wchar_t* result);  // help
HINSTANCE ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                        const wchar_t* directory, int show);  // the help page

// The shell's window list, asked only when a folder is delivered to a folder window of today:
// COM object creation and the text the browser is navigated with. Bound at first use for the same
// reason (oleaut32 is not otherwise loaded at all).
HRESULT CoCreateInstance(const CLSID& classId, IUnknown* outer, DWORD context, const IID& interfaceId,
                         void** object);
BSTR SysAllocString(const wchar_t* text);  // Navigate2's folder
void SysFreeString(BSTR text);             // its release

// Whether a window is cloaked (DWMWA_CLOAKED): dwmapi.dll exists only from Windows Vista on and is
// not worth loading at start-up; the delivery asks for it once a dialog is found. Fails with
// E_NOTIMPL where it cannot be bound.
HRESULT DwmGetWindowAttribute(HWND window, DWORD attribute, void* value, DWORD size);

// The input method of a box about to be typed into: imm32.dll is not otherwise loaded, and is
// needed only by a typed delivery.
HWND ImmGetDefaultIMEWnd(HWND window);

// The display scale of each monitor (Windows 10 version 1607 on): a window's own dots per inch and
// the metrics and fonts for them. Where they are absent the program is scaled as a whole, by the
// system's dots per inch, and answers 0 / FALSE here.
UINT GetDpiForWindow(HWND window);                // the editor's, the About box's and the icon's scale
int GetSystemMetricsForDpi(int index, UINT dpi);  // icon sizes at that scale
BOOL SystemParametersInfoForDpi(UINT action, UINT param, void* value, UINT winIni, UINT dpi);  // fonts
BOOL AdjustWindowRectExForDpi(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, UINT dpi);    // frames
// A monitor's own scale (Windows 8.1 on, in shcore.dll, which the program loads for nothing else): the
// monitor a menu opens on and the taskbar's. Always the effective scale; E_NOTIMPL where absent.
HRESULT GetDpiForMonitor(HMONITOR monitor, UINT* dpiX, UINT* dpiY);
// Whether the program runs per-monitor v2, the only mode in which the system draws pop-up menus at
// the scale of their monitor (the functions are Windows 10 version 1607's): nullptr and FALSE where
// absent.
DPI_AWARENESS_CONTEXT GetThreadDpiAwarenessContext();
BOOL AreDpiAwarenessContextsEqual(DPI_AWARENESS_CONTEXT first, DPI_AWARENESS_CONTEXT second);

// A window's own filter for messages from processes of lower integrity (Windows 7 on): a copy of the
// program run as administrator lets the shell's icon callbacks and "TaskbarCreated" through to the
// windows that receive them. Absent before Windows 7, where it fails at its call.
BOOL ChangeWindowMessageFilterEx(HWND window, UINT message, DWORD action, CHANGEFILTERSTRUCT* status);

// The file-system redirection of a 32-bit process on 64-bit Windows, turned off around the folder
// check's look so that a folder under System32 is looked for there and not in SysWOW64. 32-bit
// Windows has neither function (and needs neither): bound late, they fail there at their call.
BOOL Wow64DisableWow64FsRedirection(void** previous);
BOOL Wow64RevertWow64FsRedirection(void* previous);

}  // namespace bindings
}  // namespace dm::win
