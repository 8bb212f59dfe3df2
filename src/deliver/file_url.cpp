#include "deliver/file_url.h"

#include <algorithm>
#include <optional>
#include <string>

namespace dm {
namespace {

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

// ASCII letters folded; the bytes of other characters compared as they are.
char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Comparable(std::string path) {
  for (char& c : path) c = c == '/' ? '\\' : Folded(c);
  while (path.size() > 1 && path.back() == '\\') path.pop_back();
  return path;
}

// The path a file URL names; nothing for another kind of URL or a broken escape.
std::optional<std::string> PathOfFileUrl(std::string_view url) {
  constexpr std::string_view kScheme = "file:";
  if (url.size() < kScheme.size()) return std::nullopt;
  for (std::size_t i = 0; i < kScheme.size(); ++i) {
    if (Folded(url[i]) != kScheme[i]) return std::nullopt;
  }
  url.remove_prefix(kScheme.size());
  // "file:///C:/x" names a drive path; "file://server/share" a share.
  if (url.substr(0, 3) == "///") {
    url.remove_prefix(3);
  } else if (url.substr(0, 2) != "//") {
    return std::nullopt;
  }
  std::string path;
  for (std::size_t i = 0; i < url.size(); ++i) {
    if (url[i] != '%') {
      path += url[i];
      continue;
    }
    const std::optional<int> high = i + 1 < url.size() ? HexDigit(url[i + 1]) : std::nullopt;
    const std::optional<int> low = i + 2 < url.size() ? HexDigit(url[i + 2]) : std::nullopt;
    if (!high || !low) return std::nullopt;
    path += static_cast<char>(*high * 16 + *low);
    i += 2;
  }
  return path;
}

}  // namespace

std::optional<std::string> FolderPathOfFileUrl(std::string_view url) {
  std::optional<std::string> path = PathOfFileUrl(url);
  // "file://server/share" keeps its two leading slashes: "\\server\share".
  if (path) std::replace(path->begin(), path->end(), '/', '\\');
  return path;
}

bool FileUrlNamesFolder(std::string_view url, std::string_view folder) {
  const std::optional<std::string> path = PathOfFileUrl(url);
  return path && SameFolderPath(*path, folder);
}

bool SameFolderPath(std::string_view a, std::string_view b) {
  return !a.empty() && !b.empty() && Comparable(std::string(a)) == Comparable(std::string(b));
}

}  // namespace dm
