#include "ui/editor/help_topics.h"

#include <gtest/gtest.h>

namespace dm {
namespace {

TEST(EditorHelpTopic, EachControlHasItsTopic) {
  const std::pair<EditorControl, int> cases[] = {
      {EditorControl::Window, 10},    {EditorControl::PathLabel, 10},    {EditorControl::PathList, 11},
      {EditorControl::AddButton, 12}, {EditorControl::DeleteButton, 13}, {EditorControl::CloseButton, 14},
  };
  for (const auto& [control, topic] : cases) EXPECT_EQ(EditorHelpTopic(control), topic) << topic;
}

TEST(HelpPageUrl, WindowsPathBecomesFileUrlAtTheTopicsAnchor) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Dashmarks\\Dashmarks.html", "file:///C:/Dashmarks/Dashmarks.html#topic12"},
      {"C:\\Program Files\\Dash#1\\Dashmarks.html",
       "file:///C:/Program%20Files/Dash%231/Dashmarks.html#topic12"},
      {"Z:\\caf\xC3\xA9\\Dashmarks.html", "file:///Z:/caf%C3%A9/Dashmarks.html#topic12"},
  };
  for (const auto& [path, url] : cases) EXPECT_EQ(HelpPageUrl(path, 12), url);
}

}  // namespace
}  // namespace dm
