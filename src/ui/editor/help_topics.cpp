#include "ui/editor/help_topics.h"

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
      static constexpr char kHexDigits[] = "0123456789ABCDEF";
      url.push_back('%');
      url.push_back(kHexDigits[byte >> 4]);
      url.push_back(kHexDigits[byte & 0x0F]);
    } else {
      url.push_back(c);
    }
  }
  return url + "#" + HelpAnchor(topic);
}

}  // namespace dm
