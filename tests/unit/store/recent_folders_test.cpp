// The recent folders: newest first, a folder delivered again moved to the top, at most eight, what
// a hand-edited store holds read without a fault, and only what changed written back.

#include "store/recent_folders.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "store/recent_folders_store.h"
#include "support/memory_settings_store.h"

namespace dm {
namespace {

using test::MemorySettingsStore;
using Log = std::vector<std::string>;
using Paths = std::vector<std::string>;
using Values = std::map<std::string, std::string>;

// "C:\F1\" ... "C:\F9\".
std::string F(int n) { return "C:\\F" + std::to_string(n) + "\\"; }

TEST(RecentFolders, DeliveriesAsATable) {
  const struct Case {
    const char* name;
    Paths before;
    Paths delivered;
    Paths after;
  } cases[] = {
      {"newest first", {}, {F(1), F(2), F(3)}, {F(3), F(2), F(1)}},
      {"delivered again: moved to the top, not repeated", {F(3), F(2), F(1)}, {F(1)}, {F(1), F(3), F(2)}},
      {"the newest delivered again changes nothing", {F(3), F(2)}, {F(3)}, {F(3), F(2)}},
      {"at most eight: the oldest goes",
       {F(8), F(7), F(6), F(5), F(4), F(3), F(2), F(1)},
       {F(9)},
       {F(9), F(8), F(7), F(6), F(5), F(4), F(3), F(2)}},
      {"eight and one moved up: none goes",
       {F(8), F(7), F(6), F(5), F(4), F(3), F(2), F(1)},
       {F(1)},
       {F(1), F(8), F(7), F(6), F(5), F(4), F(3), F(2)}},
      {"the same folder without its trailing backslash: moved up, as delivered",
       {F(2), "C:\\F1\\"},
       {"C:\\F1"},
       {"C:\\F1", F(2)}},
      {"letter case tells folders apart, as in the folder list",
       {"C:\\Data\\"},
       {"C:\\DATA\\"},
       {"C:\\DATA\\", "C:\\Data\\"}},
      {"text that is no folder path is left out", {F(1)}, {"", "relative\\", "C:\\a\tb\\"}, {F(1)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecentFolders recent(c.before);
    ASSERT_EQ(recent.Folders(), c.before);
    for (const std::string& folder : c.delivered) recent.Delivered(folder);
    EXPECT_EQ(recent.Folders(), c.after);
  }
}

TEST(RecentFolders, DeliveredSaysWhetherAnythingChanged) {
  RecentFolders recent;
  EXPECT_TRUE(recent.Delivered(F(1)));
  EXPECT_FALSE(recent.Delivered(F(1)));
  EXPECT_TRUE(recent.Delivered(F(2)));
  EXPECT_TRUE(recent.Delivered(F(1)));
  EXPECT_FALSE(recent.Delivered("not a path"));
  recent.Clear();
  EXPECT_TRUE(recent.Empty());
}

TEST(LoadRecentFolders, AHandEditedValueIsSkippedAndTheOthersKept) {
  const std::string tooLong = "C:\\" + std::string(257, 'x');  // 260 units, one above the limit
  const std::string longest = "C:\\" + std::string(256, 'x');  // 259
  const struct Case {
    const char* name;
    Values stored;
    Paths loaded;
  } cases[] = {
      {"none", {}, {}},
      {"in order of their numbers",
       {{"Recent2", F(2)}, {"Recent1", F(1)}, {"Recent3", F(3)}},
       {F(1), F(2), F(3)}},
      {"a gap", {{"Recent1", F(1)}, {"Recent5", F(5)}}, {F(1), F(5)}},
      {"empty", {{"Recent1", ""}, {"Recent2", F(2)}}, {F(2)}},
      {"blanks only", {{"Recent1", "   "}, {"Recent2", F(2)}}, {F(2)}},
      {"not fully qualified", {{"Recent1", "Data\\"}, {"Recent2", "\\Data\\"}, {"Recent3", F(3)}}, {F(3)}},
      {"a control character", {{"Recent1", "C:\\a\nb\\"}, {"Recent2", F(2)}}, {F(2)}},
      {"not UTF-8", {{"Recent1", "C:\\\xC3\\"}, {"Recent2", F(2)}}, {F(2)}},
      {"too long", {{"Recent1", tooLong}, {"Recent2", longest}}, {longest}},
      {"a duplicate", {{"Recent1", F(1)}, {"Recent2", F(2)}, {"Recent3", "C:\\F1"}}, {F(1), F(2)}},
      {"a server's share", {{"Recent1", "\\\\server\\share\\"}}, {"\\\\server\\share\\"}},
      {"above eight: not read", {{"Recent8", F(8)}, {"Recent9", F(9)}, {"Recent0", F(1)}}, {F(8)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemorySettingsStore store;
    for (const auto& [key, value] : c.stored) store.Seed(key, value);
    EXPECT_EQ(LoadRecentFolders(store).Folders(), c.loaded);
    EXPECT_TRUE(store.Changes().empty()) << "a load writes nothing";
  }
}

TEST(StoreRecentFolders, WritesOnlyWhatChangedAndDeletesWhatIsGone) {
  const Values others = {{"Amount", "1"}, {"Path1", F(1)}, {"Clipboard", "False"}, {"Recent9", "kept"}};
  const struct Case {
    const char* name;
    Values stored;
    Paths recent;
    Log changes;
  } cases[] = {
      {"first delivery", {}, {F(1)}, {"write Recent1=" + F(1)}},
      {"nothing changed", {{"Recent1", F(2)}, {"Recent2", F(1)}}, {F(2), F(1)}, {}},
      {"one moved up: only the values that differ",
       {{"Recent1", F(3)}, {"Recent2", F(2)}, {"Recent3", F(1)}},
       {F(2), F(3), F(1)},
       {"write Recent1=" + F(2), "write Recent2=" + F(3)}},
      {"a broken value in the way is written over",
       {{"Recent1", F(1)}, {"Recent2", "broken"}, {"Recent3", F(3)}},
       {F(9), F(1), F(3)},
       {"write Recent1=" + F(9), "write Recent2=" + F(1)}},
      {"values above the count are deleted",
       {{"Recent1", F(1)}, {"Recent2", "broken"}, {"Recent6", F(6)}},
       {F(1)},
       {"delete Recent2", "delete Recent6"}},
      {"cleared: every value deleted",
       {{"Recent1", F(1)}, {"Recent2", F(2)}, {"Recent8", ""}},
       {},
       {"delete Recent1", "delete Recent2", "delete Recent8"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemorySettingsStore store;
    for (const auto& [key, value] : others) store.Seed(key, value);
    for (const auto& [key, value] : c.stored) store.Seed(key, value);
    RecentFolders recent;
    for (auto it = c.recent.rbegin(); it != c.recent.rend(); ++it) recent.Delivered(*it);
    StoreRecentFolders(store, recent);
    EXPECT_EQ(store.Changes(), c.changes);
    Values expected = others;
    for (std::size_t i = 0; i < c.recent.size(); ++i)
      expected["Recent" + std::to_string(i + 1)] = c.recent[i];
    EXPECT_EQ(store.Values(), expected);
    EXPECT_EQ(LoadRecentFolders(store).Folders(), c.recent) << "read back as written";
  }
}

}  // namespace
}  // namespace dm
