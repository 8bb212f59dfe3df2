#include "win32/shell/folder_browser.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstring>
#include <cwchar>

#include "ui/editor/editor_layout.h"
#include "win32/base/bindings.h"
#include "win32/base/com_apartment.h"
#include "win32/base/text_conversion.h"
#include "win32/base/unique_handle.h"

namespace dm::win {

namespace {

void FreeItemIdList(LPITEMIDLIST list) { bindings::CoTaskMemFree(list); }
using UniqueItemIdList = UniqueHandle<NullHandleTraits<LPITEMIDLIST, FreeItemIdList>>;

constexpr std::size_t kPathBufferChars = 512;

}  // namespace

std::string BrowseForFolderPath(HWND owner) {
  // The browser needs COM in a single-threaded apartment on the calling thread: it joins the one
  // the thread is already in, or enters one for the duration of the browse.
  ComApartment apartment;
  apartment.Enter();

  // The browser's title and its results are ANSI text.
  const std::string title = Utf8ToAnsi(kBrowseForFolderTitle);
  char displayName[MAX_PATH] = {};
  BrowseInfoRecord info{};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;
  info.pszDisplayName = displayName;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;

  const UniqueItemIdList chosen(bindings::SHBrowseForFolderA(&info));
  if (!chosen) return {};
  return PathOfItemIdList(chosen.Get());
}

std::string PathOfItemIdList(const void* list) {
  const auto* items = static_cast<LPCITEMIDLIST>(list);
  std::string buffer(kPathBufferChars, '\0');
  if (!bindings::SHGetPathFromIDListA(items, buffer.data())) return {};
  buffer.resize(strnlen(buffer.data(), buffer.size()));
  // The ANSI text holds a character outside the ANSI code page as '?' or a look-alike, which
  // would store and type another folder's path. The same path read as UTF-16 is exact; the
  // ANSI one stands only where that cannot be read.
  std::wstring wide(kPathBufferChars, L'\0');
  if (bindings::SHGetPathFromIDListW(items, wide.data())) {
    wide.resize(wcsnlen(wide.data(), wide.size()));
    return WideToUtf8(wide);
  }
  return AnsiToUtf8(buffer);
}

}  // namespace dm::win
