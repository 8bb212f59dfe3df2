#pragma once
// The file URL a folder window reports for the folder it shows, told against a folder path; and
// two folder paths told apart as the file system tells them.

#include <optional>
#include <string>
#include <string_view>

namespace dm {

// Whether url ("file:///C:/My%20Folder", "file://server/share/x", UTF-8) names the folder path
// (UTF-8, "C:\My Folder\", "\\server\share\x"): percent escapes decoded, slashes as backslashes,
// letters compared without case, a final separator ignored on either side.
bool FileUrlNamesFolder(std::string_view url, std::string_view folder);

// The folder path a file URL names ("file:///C:/My%20Folder" gives "C:\My Folder"), separators as
// backslashes; nothing for another kind of URL or a broken escape.
std::optional<std::string> FolderPathOfFileUrl(std::string_view url);

// Whether two folder paths (UTF-8) name the same folder: letters compared without case, slashes
// as backslashes, a final separator ignored on either side. Empty paths name none.
bool SameFolderPath(std::string_view a, std::string_view b);

}  // namespace dm
