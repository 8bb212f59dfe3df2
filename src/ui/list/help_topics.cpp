#include "ui/list/help_topics.h"

#include <cstdio>

namespace dm {

int EditorHelpTopic(EditorControl control) {
  for (const EditorControlLayout& layout : kEditorControls) {
    if (layout.control == control) return layout.helpTopic;
  }
  return kEditorHelpTopic;
}

std::string HelpAnchor(int topic) { return "topic" + std::to_string(topic); }

std::string HelpPageUrl(std::string_view helpPagePath, int topic) {
  std::string url = "file:///";
  for (const char c : helpPagePath) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      url.push_back('/');
    } else if (byte <= 0x20 || byte >= 0x7F || c == '%' || c == '#' || c == '?') {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
      url += escaped;
    } else {
      url.push_back(c);
    }
  }
  return url + "#" + HelpAnchor(topic);
}

}  // namespace dm
