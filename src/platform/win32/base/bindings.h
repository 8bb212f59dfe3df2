#pragma once
// The seventeen system functions the program binds to directly, with the three records it passes
// to them, and the functions of newer systems it asks for only when it needs them. Every binding is resolved
// on its first call and remembered; one that cannot be resolved returns its failure value (0 / nullptr /
// FALSE) with ERROR_PROC_NOT_FOUND, at that call.

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

// MEMORYSTATUS: eight 32-bit unsigned fields on 32-bit Windows (pointer-sized on 64-bit).
struct MemoryStatusRecord {
  DWORD dwLength;
  DWORD dwMemoryLoad;
  SIZE_T dwTotalPhys;
  SIZE_T dwAvailPhys;
  SIZE_T dwTotalPageFile;
  SIZE_T dwAvailPageFile;
  SIZE_T dwTotalVirtual;
  SIZE_T dwAvailVirtual;
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

static_assert(sizeof(MemoryStatusRecord) == 32);
static_assert(offsetof(MemoryStatusRecord, dwTotalPhys) == 8);
static_assert(offsetof(MemoryStatusRecord, dwAvailVirtual) == 28);
#endif
// On every platform the records are the system's own structures, field for field.
static_assert(sizeof(TrayIconRecord) == NOTIFYICONDATAA_V1_SIZE);
static_assert(offsetof(TrayIconRecord, szTip) == offsetof(NOTIFYICONDATAA, szTip));
static_assert(sizeof(BrowseInfoRecord) == sizeof(BROWSEINFOA));
static_assert(offsetof(BrowseInfoRecord, iImage) == offsetof(BROWSEINFOA, iImage));
static_assert(sizeof(MemoryStatusRecord) == sizeof(MEMORYSTATUS));
static_assert(offsetof(MemoryStatusRecord, dwTotalPhys) == offsetof(MEMORYSTATUS, dwTotalPhys));

namespace bindings {

BOOL SetPriorityClass(HANDLE process, DWORD priorityClass);
HANDLE GetCurrentProcess();
BOOL Shell_NotifyIconA(DWORD message, TrayIconRecord* record);
UINT GetProfileIntA(const char* section, const char* key, INT defaultValue);
WORD GetWindowWord(HWND window, int index);
HWND GetParent(HWND window);
int GetClassNameA(HWND window, char* buffer, int bufferChars);
int GetWindowTextA(HWND window, char* buffer, int bufferChars);
HWND GetWindow(HWND window, UINT relation);
HWND GetDesktopWindow();
BOOL IsIconic(HWND window);
BOOL ShowWindow(HWND window, int command);
void GlobalMemoryStatus(MemoryStatusRecord* record);
void ValidateRect(HWND window, const RECT* rect);
void InvalidateRect(HWND window, const RECT* rect, BOOL erase);
LPITEMIDLIST SHBrowseForFolderA(BrowseInfoRecord* record);
BOOL SHGetPathFromIDListA(LPCITEMIDLIST list, char* buffer);

// Whether a window is cloaked (DWMWA_CLOAKED): dwmapi.dll exists only from Windows Vista on and is
// not worth loading at start-up; the delivery asks for it once a dialog is found. Fails with
// E_NOTIMPL where it cannot be bound.
HRESULT DwmGetWindowAttribute(HWND window, DWORD attribute, void* value, DWORD size);

}  // namespace bindings
}  // namespace dm::win
