#pragma once
// The keys of the open Folders menu beyond the arrows: a digit 1 to 9 chooses that entry at once,
// and any other character moves the highlight to the next entry whose folder's last name starts
// with it (without regard to letter case, wrapping round to the top). The entries' text is not
// changed for this: the keys work from the folders themselves.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dm::folders_menu {

enum class KeyAction { Ignore, Choose, Highlight };

// What a key does to the menu. item is the menu item's position: the heading is item 0, the
// folder at index i of the list is item i + 1.
struct KeyAnswer {
  KeyAction action = KeyAction::Ignore;
  std::size_t item = 0;
  friend bool operator==(const KeyAnswer&, const KeyAnswer&) = default;
};

// key: the character typed; folders: the menu's folders in the menu's order; highlighted: the item
// highlighted now (nothing when none is).
KeyAnswer AnswerKey(char32_t key, const std::vector<std::string>& folders,
                    std::optional<std::size_t> highlighted);

// The name a folder is found by: its last path component as the menu shows it, trailing
// separators left out ("Reports" for "C:\Data\Reports\", "D:" for "D:\", "share" for
// "\\server\share\").
std::string LastName(std::string_view folder);

}  // namespace dm::folders_menu
