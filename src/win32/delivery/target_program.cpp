#include "win32/delivery/target_program.h"

#include <windows.h>

#include <array>
#include <optional>
#include <vector>

#include "win32/base/unique_handle.h"

namespace dm::win {
namespace {

HWND Hwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }

// The integrity level (the last sub-authority of the token's mandatory label), or nothing.
std::optional<DWORD> IntegrityLevel(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
  const UniqueKernelHandle owner(token);
  DWORD size = 0;
  GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
  if (size == 0) return std::nullopt;
  std::vector<unsigned char> buffer(size);
  if (!GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size)) return std::nullopt;
  const auto* label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data());
  const PSID sid = label->Label.Sid;
  if (sid == nullptr || !IsValidSid(sid) || *GetSidSubAuthorityCount(sid) == 0) return std::nullopt;
  return *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1U);
}

std::optional<DWORD> OwnIntegrityLevel() {
  static const std::optional<DWORD> level = IntegrityLevel(GetCurrentProcess());
  return level;
}

}  // namespace

bool Win32TargetProgram::RunsElevated(WindowHandle window) {
  // Without integrity levels (before Windows Vista) input reaches every program.
  const std::optional<DWORD> own = OwnIntegrityLevel();
  if (!own) return false;
  DWORD processId = 0;
  GetWindowThreadProcessId(Hwnd(window), &processId);
  if (processId == 0 || processId == GetCurrentProcessId()) return false;
  const UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return true;
  const std::optional<DWORD> theirs = IntegrityLevel(process.Get());
  return !theirs || *theirs > *own;
}

bool Win32TargetProgram::IsOwnOrItsIcon(WindowHandle window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(Hwnd(window), &processId);
  if (processId == GetCurrentProcessId()) return true;
  DWORD shellProcessId = 0;
  if (const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) {
    GetWindowThreadProcessId(taskbar, &shellProcessId);
  }
  return IsIconArea(Hwnd(window), shellProcessId);
}

bool IsIconArea(HWND window, DWORD shellProcessId) {
  const HWND root = GetAncestor(window, GA_ROOT);
  std::array<wchar_t, 64> className{};
  if (root == nullptr || GetClassNameW(root, className.data(), static_cast<int>(className.size())) == 0) {
    return false;
  }
  for (const wchar_t* tray : {L"Shell_TrayWnd", L"NotifyIconOverflowWindow", L"Shell_SecondaryTrayWnd"}) {
    if (lstrcmpW(className.data(), tray) == 0) return true;
  }
  // Windows 11 shows the hidden icons in a flyout of XAML windows; classes that other programs
  // use too, so only the shell's own count.
  DWORD processId = 0;
  GetWindowThreadProcessId(root, &processId);
  if (processId == 0 || processId != shellProcessId) return false;
  for (const wchar_t* flyout : {L"TopLevelWindowForOverflowXamlIsland", L"Xaml_WindowedPopupClass"}) {
    if (lstrcmpW(className.data(), flyout) == 0) return true;
  }
  return false;
}

}  // namespace dm::win
