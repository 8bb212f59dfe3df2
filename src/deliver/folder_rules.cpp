#include "deliver/folder_rules.h"

#include <algorithm>

#include "text/utf8.h"

namespace dm {
namespace {

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029; }

bool IsAsciiLetter(char32_t c) { return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'); }

bool IsFullyQualified(const std::u32string& path) {
  if (path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == U':' && path[2] == U'\\') return true;
  // \\server\share: two backslashes and a server name.
  return path.size() >= 3 && path[0] == U'\\' && path[1] == U'\\' && path[2] != U'\\' && path[2] != U'?' &&
         path[2] != U'.';
}

}  // namespace

bool IsFolderPathText(const std::string& path) {
  const std::optional<std::u32string> chars = DecodeUtf8(path);
  if (!chars || chars->empty()) return false;
  if (std::all_of(chars->begin(), chars->end(), [](char32_t c) { return c == U' ' || c == 0x3000; })) {
    return false;
  }
  if (std::any_of(chars->begin(), chars->end(), IsControl)) return false;
  std::size_t units = 0;
  for (char32_t c : *chars) units += c >= 0x10000 ? 2 : 1;
  if (units > kMaxFolderPathUnits) return false;
  return IsFullyQualified(*chars);
}

bool IsDeliverableFolder(const std::string& path, FolderCheck& folders) {
  return IsFolderPathText(path) && folders.Check(path) != FolderState::NotFolder;
}

}  // namespace dm
