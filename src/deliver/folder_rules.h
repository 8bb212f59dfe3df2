#pragma once
// Which paths may be delivered: only a folder a file dialog can show.

#include <string>

#include "platform/folder_check.h"

namespace dm {

// The longest folder path a file dialog takes, in UTF-16 units (MAX_PATH less the terminator).
inline constexpr std::size_t kMaxFolderPathUnits = 259;

// Whether the text alone can be a folder path: well-formed UTF-8, not only blanks, no control
// characters (a line break would split a paste), at most kMaxFolderPathUnits long and fully
// qualified (a drive and a backslash, or \\server\share), since a relative path means another
// folder in every program.
bool IsFolderPathText(const std::string& path);

// IsFolderPathText, and the file system does not say that no such folder exists. A check that
// could not finish in time (a network folder that does not answer) lets the path through.
bool IsDeliverableFolder(const std::string& path, FolderCheck& folders);

}  // namespace dm
