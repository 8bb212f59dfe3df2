#include "win32/shell/help_page_file.h"

#include <windows.h>

#include <string_view>

#include "resource_ids.h"
#include "ui/editor/help_topics.h"
#include "win32/base/text_conversion.h"
#include "win32/base/trace.h"
#include "win32/base/unique_handle.h"

namespace dm::win {

namespace {

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.resize(path.find_last_of(L"\\/") + 1);
  return path;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The page built into the program: the resource's bytes, which live as long as the program.
std::string_view BuiltInPage() {
  HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_HELP_PAGE), RT_RCDATA);
  if (resource == nullptr) return {};
  HGLOBAL loaded = LoadResource(nullptr, resource);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return {static_cast<const char*>(bytes), SizeofResource(nullptr, resource)};
}

std::wstring TemporaryFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return {};
  return {folder, length};
}

bool WriteWhole(const std::wstring& path, std::string_view content) {
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
         written == content.size();
}

}  // namespace

std::wstring HelpPageBesideProgram() { return ProgramFolder() + Utf8ToWide(kHelpPageName); }

std::wstring HelpPageToOpen() {
  std::wstring beside = HelpPageBesideProgram();
  if (FileExists(beside)) return beside;

  const std::string_view page = BuiltInPage();
  const std::wstring folder = TemporaryFolder();
  if (page.empty() || folder.empty()) {
    Trace("no help page beside the program, and no built-in page or temporary folder to write it to");
    return {};
  }
  // Written each time: a copy left by another version of the program would show other help.
  std::wstring copy = folder + Utf8ToWide(kHelpPageName);
  if (!WriteWhole(copy, page)) {
    Trace("could not write the help page to " + WideToUtf8(copy));
    return {};
  }
  return copy;
}

}  // namespace dm::win
