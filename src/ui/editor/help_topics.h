#pragma once
// The program's help page and the topic shown for each part of the editor.

#include <string>
#include <string_view>

#include "ui/editor/editor_layout.h"

namespace dm {

inline constexpr std::string_view kHelpPageName = "Dashmarks.html";

// 10 for the window and its label, 11 the path list, 12 Add, 13 Delete, 14 Close.
int EditorHelpTopic(EditorControl control);

// The anchor of a topic in the help page: "topic12".
std::string HelpAnchor(int topic);

// A file URL for the help page at helpPagePath (a Windows path such as C:\Dashmarks\Dashmarks.html,
// UTF-8), opened at the topic: file:///C:/Dashmarks/Dashmarks.html#topic12.
std::string HelpPageUrl(std::string_view helpPagePath, int topic);

}  // namespace dm
