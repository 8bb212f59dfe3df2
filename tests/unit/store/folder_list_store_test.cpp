// Loading and saving the folder list: which keys are read, deleted and written, and in which order.

#include "store/folder_list_store.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/memory_settings_store.h"

namespace dm {
namespace {

using test::MemorySettingsStore;
using Log = std::vector<std::string>;

using Paths = std::vector<std::string>;

void SeedPaths(MemorySettingsStore& store, int amount, int keys) {
  store.Seed("Amount", std::to_string(amount));
  for (int i = 1; i <= keys; ++i) store.Seed("Path" + std::to_string(i), "C:\\P" + std::to_string(i) + "\\");
}

// Saves a list holding the given paths, in that order.
void Save(MemorySettingsStore& store, const Paths& paths, bool clipboard) {
  store.ClearLog();
  SaveFolderList(store, FolderList(paths), clipboard);
}

TEST(LoadFolderList, ReadsAmountThenEachPathAscendingInStoredOrder) {
  MemorySettingsStore store;
  store.Seed("Amount", "3");
  store.Seed("Path1", "D:\\Z\\");
  store.Seed("Path2", "C:\\B\\");
  store.Seed("Path3", "c:\\a\\");
  const FolderList loaded = LoadFolderList(store);
  EXPECT_EQ(store.Log(), (Log{"read Amount", "read Path1", "read Path2", "read Path3"}));
  EXPECT_EQ(loaded.Folders(), (Paths{"D:\\Z\\", "C:\\B\\", "c:\\a\\"}));
}

TEST(LoadFolderList, EmptyStoreGivesAnEmptyList) {
  MemorySettingsStore store;
  EXPECT_TRUE(LoadFolderList(store).Empty());
}

TEST(LoadFolderList, MissingPathKeyBecomesAnEmptyEntryAndIsWrittenBackEmpty) {
  MemorySettingsStore store;
  store.Seed("Amount", "3");
  store.Seed("Path1", "A\\");
  store.Seed("Path3", "C\\");
  const FolderList loaded = LoadFolderList(store);
  EXPECT_EQ(loaded.Folders(), (Paths{"A\\", "", "C\\"}));

  store.ClearLog();
  SaveFolderList(store, loaded, true);
  EXPECT_EQ(store.Changes(),
            (Log{"write Path1=A\\", "write Path2=", "write Path3=C\\", "write Clipboard=True"}));
}

struct BadAmountCase {
  const char* stored;
  int expectedCount;
};

std::ostream& operator<<(std::ostream& out, const BadAmountCase& c) {
  return out << "Amount \"" << c.stored << "\" reads as " << c.expectedCount;
}

class LoadFolderListBadAmount : public testing::TestWithParam<BadAmountCase> {};

TEST_P(LoadFolderListBadAmount, NeverStopsTheProgram) {
  MemorySettingsStore store;
  store.Seed("Amount", GetParam().stored);
  for (int i = 1; i <= 300; ++i) store.Seed("Path" + std::to_string(i), "P" + std::to_string(i));
  const FolderList loaded = LoadFolderList(store);
  EXPECT_EQ(loaded.Count(), static_cast<std::size_t>(GetParam().expectedCount));
}

INSTANTIATE_TEST_SUITE_P(HandEditedStore, LoadFolderListBadAmount,
                         testing::Values(BadAmountCase{"abc", 0}, BadAmountCase{"", 0},
                                         BadAmountCase{"2.5", 0}, BadAmountCase{"-4", 0},
                                         BadAmountCase{"3x", 0}, BadAmountCase{" 2 ", 2},
                                         BadAmountCase{"256", 255},
                                         BadAmountCase{"99999999999999999999", 255},
                                         BadAmountCase{"300", 255}));

// --- an "Amount" above the Path keys stored ----------------------------------------------------

struct StoredListCase {
  const char* name;
  const char* amount;
  std::vector<std::pair<int, std::string>> paths;  // the Path keys stored, by position
  Paths loaded;
  Log written;  // by the editor closed unchanged: only the empty text of a gap's missing key
};

std::ostream& operator<<(std::ostream& out, const StoredListCase& c) { return out << c.name; }

class LoadFolderListPositions : public testing::TestWithParam<StoredListCase> {};

// The list loaded, then the same list stored again as the editor closed unchanged stores it and as
// the program's end saves it: "Amount" and every stored path stay as they are, and nothing is
// deleted.
TEST_P(LoadFolderListPositions, EndsAtTheLastPathKeyAndAnUnchangedListKeepsTheStore) {
  const StoredListCase& c = GetParam();
  MemorySettingsStore store;
  store.Seed("Amount", c.amount);
  for (const auto& [position, path] : c.paths) store.Seed("Path" + std::to_string(position), path);
  const FolderList loaded = LoadFolderList(store);
  EXPECT_EQ(loaded.Folders(), c.loaded);

  store.ClearLog();
  StoreFolderListChanges(store, loaded);
  EXPECT_EQ(store.Changes(), c.written);
  SaveFolderList(store, loaded, true);
  for (const auto& change : store.Changes()) EXPECT_NE(change.rfind("delete ", 0), 0u) << change;
  EXPECT_EQ(store.Value("Amount"), c.amount);
  for (const auto& [position, path] : c.paths)
    EXPECT_EQ(store.Value("Path" + std::to_string(position)), path);
  EXPECT_EQ(LoadFolderList(store).Folders(), c.loaded);
}

Paths NumberedPaths(int count) {
  Paths paths;
  for (int i = 1; i <= count; ++i) paths.push_back("C:\\P" + std::to_string(100 + i) + "\\");
  return paths;
}

std::vector<std::pair<int, std::string>> AtPositions(const Paths& paths, int first = 1) {
  std::vector<std::pair<int, std::string>> keys;
  for (const std::string& path : paths) keys.emplace_back(first++, path);
  return keys;
}

INSTANTIATE_TEST_SUITE_P(
    HandEditedStore, LoadFolderListPositions,
    testing::Values(
        StoredListCase{
            "AmountMatchesItsKeys", "3", AtPositions({"A\\", "B\\", "C\\"}), {"A\\", "B\\", "C\\"}, {}},
        StoredListCase{"TwentyDigitsOverSixteenPaths",
                       "99999999999999999999",
                       AtPositions(NumberedPaths(16)),
                       NumberedPaths(16),
                       {}},
        StoredListCase{
            "AmountTwoAboveItsKeys", "5", AtPositions({"A\\", "B\\", "C\\"}), {"A\\", "B\\", "C\\"}, {}},
        StoredListCase{
            "AGapBeforeTheLastKeyStays", "3", {{1, "A\\"}, {3, "C\\"}}, {"A\\", "", "C\\"}, {"write Path2="}},
        StoredListCase{"AnEmptyValueIsAKey", "3", {{1, "A\\"}, {2, "B\\"}, {3, ""}}, {"A\\", "B\\", ""}, {}},
        StoredListCase{"ALatePathKeepsItsPosition",
                       "255",
                       {{1, "A\\"}, {2, "B\\"}, {5, "E\\"}},
                       {"A\\", "B\\", "", "", "E\\"},
                       {"write Path3=", "write Path4="}},
        StoredListCase{"NoKeyAtAll", "4", {}, {}, {}},
        StoredListCase{
            "AboveTheLimitWithEveryKey", "300", AtPositions(NumberedPaths(300)), NumberedPaths(255), {}}),
    [](const testing::TestParamInfo<StoredListCase>& info) { return std::string(info.param.name); });

TEST(LoadFolderList, AnAmountAboveItsKeysIsBroughtToTheCountOnceTheListChanges) {
  const struct {
    const char* name;
    Paths now;
    Log changes;
  } cases[] = {
      {"OneDeleted", {"A\\", "B\\"}, {"delete Path3", "write Amount=2"}},
      {"OneAdded", {"A\\", "B\\", "C\\", "D\\"}, {"write Amount=4", "write Path4=D\\"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemorySettingsStore store;
    store.Seed("Amount", "99999999999999999999");
    for (const auto& [position, path] : AtPositions({"A\\", "B\\", "C\\"})) {
      store.Seed("Path" + std::to_string(position), path);
    }
    ASSERT_EQ(LoadFolderList(store).Count(), 3u);
    store.ClearLog();
    StoreFolderListChanges(store, FolderList(c.now));
    EXPECT_EQ(store.Changes(), c.changes);
    EXPECT_EQ(LoadFolderList(store).Folders(), c.now);
  }
}

TEST(LoadFolderList, AmountAbove255LeavesTheKeysBeyondUntouchedAtSave) {
  MemorySettingsStore store;
  SeedPaths(store, 300, 300);
  const FolderList loaded = LoadFolderList(store);
  store.ClearLog();
  SaveFolderList(store, loaded, true);
  for (const auto& change : store.Changes()) {
    EXPECT_EQ(change.find("Path256"), std::string::npos) << change;
    EXPECT_NE(change.rfind("write ", 0), std::string::npos) << "no delete expected: " << change;
  }
  EXPECT_EQ(store.Value("Amount"), "300");
  EXPECT_EQ(store.Value("Path300"), "C:\\P300\\");
}

TEST(SaveFolderList, ShrinkFromFiveToTwoDeletesAscendingThenWritesCountPathsAndOption) {
  MemorySettingsStore store;
  SeedPaths(store, 5, 5);
  Save(store, {"A\\", "B\\"}, false);
  // The top key read tells where the stored positions end.
  EXPECT_EQ(store.Log(),
            (Log{"read Amount", "read Path5", "delete Path3", "delete Path4", "delete Path5",
                 "write Amount=2", "write Path1=A\\", "write Path2=B\\", "write Clipboard=False"}));
}

TEST(SaveFolderList, ShrinkToNothingDeletesEveryPathWritesZeroAndKeepsTheOption) {
  MemorySettingsStore store;
  SeedPaths(store, 3, 3);
  store.Seed("Clipboard", "False");
  Save(store, {}, true);
  EXPECT_EQ(store.Log(), (Log{"read Amount", "read Path3", "delete Path1", "delete Path2", "delete Path3",
                              "write Amount=0"}));
  EXPECT_EQ(store.Value("Clipboard"), "False");
}

TEST(SaveFolderList, SameCountWithNewPathsRewritesEveryPathButNotTheCount) {
  MemorySettingsStore store;
  SeedPaths(store, 2, 2);
  Save(store, {"X\\", "Y\\"}, true);
  EXPECT_EQ(store.Changes(), (Log{"write Path1=X\\", "write Path2=Y\\", "write Clipboard=True"}));
}

TEST(SaveFolderList, EmptyFirstRunWritesNothing) {
  MemorySettingsStore store;
  Save(store, {}, false);
  EXPECT_TRUE(store.Changes().empty());
  EXPECT_TRUE(store.Values().empty());
}

TEST(SaveFolderList, ZeroAmountWithStalePathKeysLeavesThemAlone) {
  MemorySettingsStore store;
  SeedPaths(store, 0, 4);
  const FolderList loaded = LoadFolderList(store);
  EXPECT_EQ(store.Log(), (Log{"read Amount"}));
  store.ClearLog();
  SaveFolderList(store, loaded, true);
  EXPECT_EQ(store.Log(), (Log{"read Amount"}));
  EXPECT_EQ(store.Values().size(), 5u);
}

TEST(SaveFolderList, GrowingWritesTheNewCountAndEveryPath) {
  MemorySettingsStore store;
  SeedPaths(store, 1, 1);
  Save(store, {"A\\", "B\\", "C\\"}, true);
  EXPECT_EQ(store.Changes(), (Log{"write Amount=3", "write Path1=A\\", "write Path2=B\\", "write Path3=C\\",
                                  "write Clipboard=True"}));
}

TEST(SaveFolderList, BadStoredAmountIsReadAsZeroAndOverwritten) {
  MemorySettingsStore store;
  store.Seed("Amount", "lots");
  store.Seed("Path1", "old");
  Save(store, {"A\\"}, true);
  EXPECT_EQ(store.Changes(), (Log{"write Amount=1", "write Path1=A\\", "write Clipboard=True"}));
}

// --- storing a change as it is made -------------------------------------------------------------

struct ChangeCase {
  const char* name;
  Paths stored;  // the list as the store holds it
  Paths now;     // the list after the edit
  Log changes;   // exactly what the store is asked to change
};

class StoreFolderListChangesTest : public testing::TestWithParam<ChangeCase> {};

TEST_P(StoreFolderListChangesTest, WritesOnlyWhatChangedAndLeavesTheStoreAsASaveWould) {
  const ChangeCase& c = GetParam();
  MemorySettingsStore store;
  SaveFolderList(store, FolderList(c.stored), true);
  store.ClearLog();
  StoreFolderListChanges(store, FolderList(c.now));
  EXPECT_EQ(store.Changes(), c.changes);

  // What is left is what a whole save of the new list leaves, "Clipboard" included.
  MemorySettingsStore saved;
  SaveFolderList(saved, FolderList(c.stored), true);
  SaveFolderList(saved, FolderList(c.now), true);
  EXPECT_EQ(store.Values(), saved.Values());
}

INSTANTIATE_TEST_SUITE_P(
    Edits, StoreFolderListChangesTest,
    testing::Values(
        ChangeCase{"Unchanged", {"A\\", "B\\"}, {"A\\", "B\\"}, {}},
        ChangeCase{"FirstDeleted",
                   {"A\\", "B\\", "C\\"},
                   {"B\\", "C\\"},
                   {"delete Path3", "write Amount=2", "write Path1=B\\", "write Path2=C\\"}},
        ChangeCase{"LastDeleted", {"A\\", "B\\", "C\\"}, {"A\\", "B\\"}, {"delete Path3", "write Amount=2"}},
        ChangeCase{"AddedAtItsPlace",
                   {"A\\", "C\\"},
                   {"A\\", "B\\", "C\\"},
                   {"write Amount=3", "write Path2=B\\", "write Path3=C\\"}},
        ChangeCase{"SortedOnce", {"b\\", "A\\"}, {"A\\", "b\\"}, {"write Path1=A\\", "write Path2=b\\"}},
        ChangeCase{"EverythingDeleted", {"A\\"}, {}, {"delete Path1", "write Amount=0"}}),
    [](const testing::TestParamInfo<ChangeCase>& info) { return std::string(info.param.name); });

TEST(StoreClipboardOption, WritesTheOptionOnlyWhenTheStoreHoldsAnotherValue) {
  MemorySettingsStore store;
  StoreClipboardOption(store, false);
  StoreClipboardOption(store, false);
  StoreClipboardOption(store, true);
  EXPECT_EQ(store.Changes(), (Log{"write Clipboard=False", "write Clipboard=True"}));
}

}  // namespace
}  // namespace dm
