#include "win32/shell/shell_window_list.h"

#include <windows.h>
// After windows.h, which they build on:
#include <exdisp.h>
#include <servprov.h>
#include <shlguid.h>
#include <shlobj.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "deliver/file_url.h"
#include "win32/base/bindings.h"
#include "win32/base/com_apartment.h"
#include "win32/base/com_ptr.h"
#include "win32/base/text_conversion.h"
#include "win32/base/trace.h"
#include "win32/base/unique_handle.h"

namespace dm::win {
namespace {

// More browsers than anyone keeps open; a list that says it holds more is not walked further.
constexpr long kMaxBrowsers = 512;
// A browser navigates after Navigate2 has returned; how long it is watched for the folder, and
// how often, within the question's deadline.
constexpr DWORD kShowDeadlineMs = 2000;
constexpr DWORD kShowPollMs = 50;

void FreeString(BSTR text) { bindings::SysFreeString(text); }
using UniqueBstr = UniqueHandle<NullHandleTraits<BSTR, FreeString>>;

ComPtr<IShellWindows> OpenList() {
  ComPtr<IShellWindows> list;
  if (FAILED(bindings::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_IShellWindows,
                                        list.PutVoid()))) {
    list.Reset();
  }
  return list;
}

// The window of the tab a browser shows its folder in: its top-level shell browser's window.
HWND TabWindowOf(const ComPtr<IWebBrowser2>& browser) {
  const auto services = browser.As<IServiceProvider>(IID_IServiceProvider);
  if (!services) return nullptr;
  ComPtr<IShellBrowser> shellBrowser;
  if (FAILED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, shellBrowser.PutVoid())) ||
      !shellBrowser) {
    return nullptr;
  }
  HWND tab = nullptr;
  return SUCCEEDED(shellBrowser->GetWindow(&tab)) ? tab : nullptr;
}

// A frame that stands for every frame: ForEachBrowserOf then visits every browser listed.
constexpr WindowHandle kAnyFrame = ~WindowHandle{0};

// Calls visit with each listed browser whose window is frame (each one for kAnyFrame) and the
// window of its tab, until visit returns true. False when the list cannot be read.
bool ForEachBrowserOf(IShellWindows& list, WindowHandle frame,
                      const std::function<bool(const ComPtr<IWebBrowser2>&, HWND tab)>& visit) {
  long count = 0;
  if (FAILED(list.get_Count(&count))) return false;
  for (long i = 0; i < count && i < kMaxBrowsers; ++i) {
    VARIANT index{};
    index.vt = VT_I4;
    index.lVal = i;
    ComPtr<IDispatch> item;
    if (FAILED(list.Item(index, item.Put())) || !item) continue;
    const auto browser = item.As<IWebBrowser2>(IID_IWebBrowser2);
    SHANDLE_PTR window = 0;
    if (!browser || FAILED(browser->get_HWND(&window))) continue;
    if (frame != kAnyFrame && static_cast<WindowHandle>(window) != frame) continue;
    if (visit(browser, TabWindowOf(browser))) return true;
  }
  return true;
}

ShellTabs ListTabs(WindowHandle frame) {
  const ComPtr<IShellWindows> list = OpenList();
  if (!list) return {ShellAnswer::Unavailable, {}};
  ShellTabs listed{ShellAnswer::Answered, {}};
  const bool read = ForEachBrowserOf(*list.Get(), frame, [&listed](const ComPtr<IWebBrowser2>&, HWND tab) {
    listed.tabs.push_back(reinterpret_cast<WindowHandle>(tab));
    return false;
  });
  if (!read) return {ShellAnswer::Unavailable, {}};
  return listed;
}

std::string LocationOf(const ComPtr<IWebBrowser2>& browser) {
  BSTR location = nullptr;
  if (FAILED(browser->get_LocationURL(&location)) || location == nullptr) return {};
  const UniqueBstr owned(location);
  return WideToUtf8(owned.Get());
}

ShellFolders ListFolders() {
  const ComPtr<IShellWindows> list = OpenList();
  if (!list) return {ShellAnswer::Unavailable, {}};
  ShellFolders listed{ShellAnswer::Answered, {}};
  const bool read =
      ForEachBrowserOf(*list.Get(), kAnyFrame, [&listed](const ComPtr<IWebBrowser2>& browser, HWND tab) {
        SHANDLE_PTR frame = 0;
        if (SUCCEEDED(browser->get_HWND(&frame))) {
          listed.folders.push_back(
              {static_cast<WindowHandle>(frame), reinterpret_cast<WindowHandle>(tab), LocationOf(browser)});
        }
        return false;
      });
  if (!read) return {ShellAnswer::Unavailable, {}};
  return listed;
}

// Whether the browser shows folder, waiting a little for a navigation under way.
bool Shows(const ComPtr<IWebBrowser2>& browser, const std::wstring& folder) {
  const std::string wanted = WideToUtf8(folder);
  const ULONGLONG deadline = GetTickCount64() + kShowDeadlineMs;
  for (;;) {
    if (FileUrlNamesFolder(LocationOf(browser), wanted)) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(kShowPollMs);
  }
}

ShellAnswer NavigateTab(WindowHandle frame, WindowHandle tab, const std::wstring& folder) {
  const ComPtr<IShellWindows> list = OpenList();
  if (!list) return ShellAnswer::Unavailable;
  const UniqueBstr address(bindings::SysAllocString(folder.c_str()));
  if (!address) return ShellAnswer::Unavailable;
  ShellAnswer answer = ShellAnswer::Unavailable;
  ForEachBrowserOf(*list.Get(), frame, [&](const ComPtr<IWebBrowser2>& browser, HWND browserTab) {
    if (reinterpret_cast<WindowHandle>(browserTab) != tab) return false;
    VARIANT url{};
    url.vt = VT_BSTR;
    url.bstrVal = address.Get();  // still owned by address
    VARIANT none{};
    if (FAILED(browser->Navigate2(&url, &none, &none, &none, &none))) {
      answer = ShellAnswer::Refused;
    } else {
      answer = Shows(browser, folder) ? ShellAnswer::Answered : ShellAnswer::NotShown;
    }
    return true;
  });
  return answer;
}

}  // namespace

// One question and its answer, shared by the asking thread and the worker: whichever lets go
// last frees it, so a worker left behind at the deadline still writes into a live record.
struct Win32ShellWindowList::Question {
  enum class Kind : std::uint8_t { Tabs, Navigate, Folders };
  Kind kind = Kind::Tabs;
  WindowHandle frame = 0;
  WindowHandle tab = 0;
  std::wstring folder;
  // Written by the worker before it signals answered.
  ShellTabs listed;
  ShellAnswer navigated = ShellAnswer::Unavailable;
  ShellFolders folders;
  UniqueKernelHandle answered{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

DWORD WINAPI Win32ShellWindowList::Work(void* parameter) {
  const std::unique_ptr<std::shared_ptr<Question>> held(static_cast<std::shared_ptr<Question>*>(parameter));
  Question& question = **held;
  {
    ComApartment apartment;
    if (apartment.Enter()) {
      switch (question.kind) {
        case Question::Kind::Tabs:
          question.listed = ListTabs(question.frame);
          break;
        case Question::Kind::Navigate:
          question.navigated = NavigateTab(question.frame, question.tab, question.folder);
          break;
        case Question::Kind::Folders:
          question.folders = ListFolders();
          break;
      }
    }
  }
  SetEvent(question.answered.Get());
  return 0;
}

ShellAnswer Win32ShellWindowList::Ask(const std::shared_ptr<Question>& question, DWORD deadlineMs) {
  if (stuck_) {
    if (WaitForSingleObject(stuck_->answered.Get(), 0) != WAIT_OBJECT_0) {
      Trace("the shell's window list has still not answered an earlier question");
      return ShellAnswer::TimedOut;
    }
    stuck_.reset();
  }
  if (!question->answered) return ShellAnswer::Unavailable;
  auto held = std::make_unique<std::shared_ptr<Question>>(question);
  const UniqueKernelHandle worker(CreateThread(nullptr, 0, &Work, held.get(), 0, nullptr));
  if (!worker) return ShellAnswer::Unavailable;
  static_cast<void>(held.release());  // the worker's now: it lets go of it
  if (WaitForSingleObject(question->answered.Get(), deadlineMs) == WAIT_OBJECT_0)
    return ShellAnswer::Answered;
  stuck_ = question;
  Trace("the shell's window list did not answer in time; it is left to itself");
  return ShellAnswer::TimedOut;
}

ShellTabs Win32ShellWindowList::TabsOf(WindowHandle frame) {
  auto question = std::make_shared<Question>();
  question->frame = frame;
  if (const ShellAnswer asked = Ask(question, deadlineMs_); asked != ShellAnswer::Answered)
    return {asked, {}};
  return question->listed;
}

ShellAnswer Win32ShellWindowList::Navigate(WindowHandle frame, WindowHandle tab, const std::string& folder) {
  auto question = std::make_shared<Question>();
  question->frame = frame;
  question->kind = Question::Kind::Navigate;
  question->tab = tab;
  question->folder = Utf8ToWide(folder);
  if (const ShellAnswer asked = Ask(question, deadlineMs_); asked != ShellAnswer::Answered) return asked;
  return question->navigated;
}

ShellFolders Win32ShellWindowList::Folders(unsigned deadlineMs) {
  auto question = std::make_shared<Question>();
  question->kind = Question::Kind::Folders;
  if (const ShellAnswer asked = Ask(question, deadlineMs); asked != ShellAnswer::Answered) return {asked, {}};
  return question->folders;
}

}  // namespace dm::win
