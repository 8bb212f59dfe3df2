#include "win32/shell/help_launcher.h"

#include <shellapi.h>

#include <string>

#include "ui/editor/help_topics.h"
#include "win32/base/bindings.h"
#include "win32/base/text_conversion.h"
#include "win32/base/trace.h"
#include "win32/shell/help_page_file.h"

namespace dm::win {

namespace {

bool Launched(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

bool Open(HWND owner, const std::wstring& page, int topic) {
  const std::wstring url = Utf8ToWide(HelpPageUrl(WideToUtf8(page), topic));

  // Opening a file URL through its protocol drops the anchor on some systems, so the program that
  // opens web pages is given the URL itself; failing that, the URL is opened, then the page alone.
  wchar_t browser[MAX_PATH] = {};
  if (Launched(bindings::FindExecutableW(page.c_str(), nullptr, browser))) {
    const std::wstring argument = L"\"" + url + L"\"";
    if (Launched(bindings::ShellExecuteW(owner, L"open", browser, argument.c_str(), nullptr, SW_SHOWNORMAL)))
      return true;
  }
  if (Launched(bindings::ShellExecuteW(owner, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL)))
    return true;
  return Launched(bindings::ShellExecuteW(owner, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

}  // namespace

void OpenHelpTopic(HWND owner, int topic) {
  const std::wstring page = HelpPageToOpen();
  if (!page.empty() && Open(owner, page, topic)) return;
  Trace("could not open the help page " + WideToUtf8(page) + "#" + HelpAnchor(topic));
  MessageBeep(MB_ICONWARNING);
}

}  // namespace dm::win
