#include "platform/win32/system/help_launcher.h"

#include <shellapi.h>

#include <string>

#include "platform/win32/base/bindings.h"
#include "platform/win32/base/text_conversion.h"
#include "ui/editor/help_topics.h"

namespace dm::win {

namespace {

std::wstring HelpPagePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return Utf8ToWide(kHelpPageName);
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.resize(path.find_last_of(L"\\/") + 1);
  return path + Utf8ToWide(kHelpPageName);
}

bool Launched(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

}  // namespace

void OpenHelpTopic(HWND owner, int topic) {
  const std::wstring page = HelpPagePath();
  const std::wstring url = Utf8ToWide(HelpPageUrl(WideToUtf8(page), topic));

  // Opening a file URL through its protocol drops the anchor on some systems, so the program that
  // opens web pages is given the URL itself; failing that, the URL is opened, then the page alone.
  wchar_t browser[MAX_PATH] = {};
  if (Launched(bindings::FindExecutableW(page.c_str(), nullptr, browser))) {
    const std::wstring argument = L"\"" + url + L"\"";
    if (Launched(bindings::ShellExecuteW(owner, L"open", browser, argument.c_str(), nullptr, SW_SHOWNORMAL)))
      return;
  }
  if (Launched(bindings::ShellExecuteW(owner, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL))) return;
  bindings::ShellExecuteW(owner, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace dm::win
