#pragma once
// System functions that only the editor's folder browser and its help need. They are bound on
// first use, so COM and the shell's larger libraries are loaded only when the user asks for
// them, not at every start of a program that spends its life waiting in the tray.

#include <windows.h>

namespace dm::win::late {

HRESULT CoInitializeEx(void* reserved, DWORD model);
void CoUninitialize();
void CoTaskMemFree(void* memory);
BOOL SHGetPathFromIDListW(const void* list, wchar_t* path);
HINSTANCE FindExecutableW(const wchar_t* file, const wchar_t* directory, wchar_t* result);
HINSTANCE ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                        const wchar_t* directory, int show);

}  // namespace dm::win::late
