#include "platform/win32/delivery/shell_window_list.h"

#include <windows.h>
// After windows.h, which they build on:
#include <exdisp.h>
#include <servprov.h>
#include <shlguid.h>
#include <shlobj.h>

#include <functional>

#include "platform/win32/base/bindings.h"
#include "platform/win32/base/com_ptr.h"
#include "platform/win32/base/text_conversion.h"
#include "platform/win32/base/unique_handle.h"

namespace dm::win {
namespace {

// More browsers than anyone keeps open; a list that says it holds more is not walked further.
constexpr long kMaxBrowsers = 512;

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

// Calls visit with each listed browser whose window is frame and the window of its tab, until
// visit returns true. False when the list cannot be read.
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
    if (static_cast<WindowHandle>(window) != frame) continue;
    if (visit(browser, TabWindowOf(browser))) return true;
  }
  return true;
}

}  // namespace

std::optional<std::vector<WindowHandle>> Win32ShellWindowList::TabsOf(WindowHandle frame) {
  if (!apartment_.Enter()) return std::nullopt;
  const ComPtr<IShellWindows> list = OpenList();
  if (!list) return std::nullopt;
  std::vector<WindowHandle> tabs;
  const bool read = ForEachBrowserOf(*list.Get(), frame, [&tabs](const ComPtr<IWebBrowser2>&, HWND tab) {
    tabs.push_back(reinterpret_cast<WindowHandle>(tab));
    return false;
  });
  if (!read) return std::nullopt;
  return tabs;
}

bool Win32ShellWindowList::Navigate(WindowHandle frame, WindowHandle tab, const std::string& folder) {
  if (!apartment_.Enter()) return false;
  const ComPtr<IShellWindows> list = OpenList();
  if (!list) return false;
  const UniqueBstr address(bindings::SysAllocString(Utf8ToWide(folder).c_str()));
  if (!address) return false;
  bool navigated = false;
  ForEachBrowserOf(*list.Get(), frame, [&](const ComPtr<IWebBrowser2>& browser, HWND browserTab) {
    if (reinterpret_cast<WindowHandle>(browserTab) != tab) return false;
    VARIANT url{};
    url.vt = VT_BSTR;
    url.bstrVal = address.Get();  // still owned by address
    VARIANT none{};
    navigated = SUCCEEDED(browser->Navigate2(&url, &none, &none, &none, &none));
    return true;
  });
  return navigated;
}

}  // namespace dm::win
