// Loading and saving the path list: which keys are read, deleted and written, and in which order.

#include "store/path_list_store.h"

#include <gtest/gtest.h>

#include "support/memory_settings_store.h"

namespace dm {
namespace {

using test::MemorySettingsStore;
using Log = std::vector<std::string>;

struct Loaded {
  FoldersMenu menu;
  std::uint8_t count = 0;
};

Loaded Load(MemorySettingsStore& store) {
  Loaded loaded;
  LoadPathList(store, loaded.menu, loaded.count);
  return loaded;
}

std::vector<std::string> Captions(const FoldersMenu& menu) {
  std::vector<std::string> captions;
  for (std::size_t i = 1; i <= menu.HighestIndex(); ++i) captions.push_back(menu.Caption(i));
  return captions;
}

void SeedPaths(MemorySettingsStore& store, int amount, int keys) {
  store.Seed("Amount", std::to_string(amount));
  for (int i = 1; i <= keys; ++i) store.Seed("Path" + std::to_string(i), "C:\\P" + std::to_string(i) + "\\");
}

// Saves a menu holding the given paths, counting the pending-message steps.
int Save(MemorySettingsStore& store, const std::vector<std::string>& paths, bool clipboard) {
  FoldersMenu menu;
  for (std::size_t i = 0; i < paths.size(); ++i) menu.AddMenuItem(static_cast<std::uint8_t>(i + 1), paths[i]);
  int pumps = 0;
  store.ClearLog();
  SavePathList(store, menu, static_cast<std::uint8_t>(paths.size()), clipboard, [&] { ++pumps; });
  return pumps;
}

TEST(LoadPathList, ReadsAmountThenEachPathAscendingIntoTheMenu) {
  MemorySettingsStore store;
  SeedPaths(store, 3, 3);
  const Loaded loaded = Load(store);
  EXPECT_EQ(store.Log(), (Log{"read Amount", "read Path1", "read Path2", "read Path3"}));
  EXPECT_EQ(loaded.count, 3);
  EXPECT_EQ(Captions(loaded.menu), (std::vector<std::string>{"C:\\P1\\", "C:\\P2\\", "C:\\P3\\"}));
  for (std::size_t i = 1; i <= 3; ++i) EXPECT_TRUE(loaded.menu.mnuPath(i).enabled);
  EXPECT_FALSE(loaded.menu.mnuPath(0).enabled);
}

TEST(LoadPathList, EmptyStoreGivesOnlyTheHeading) {
  MemorySettingsStore store;
  const Loaded loaded = Load(store);
  EXPECT_EQ(loaded.count, 0);
  EXPECT_EQ(loaded.menu.HighestIndex(), 0u);
  EXPECT_EQ(loaded.menu.Caption(0), "Available Dashmarks...");
}

TEST(LoadPathList, MissingPathKeyBecomesAnEmptyEntryAndIsWrittenBackEmpty) {
  MemorySettingsStore store;
  store.Seed("Amount", "3");
  store.Seed("Path1", "A\\");
  store.Seed("Path3", "C\\");
  Loaded loaded = Load(store);
  EXPECT_EQ(Captions(loaded.menu), (std::vector<std::string>{"A\\", "", "C\\"}));

  store.ClearLog();
  SavePathList(store, loaded.menu, loaded.count, true, {});
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

class LoadPathListBadAmount : public testing::TestWithParam<BadAmountCase> {};

TEST_P(LoadPathListBadAmount, NeverStopsTheProgram) {
  MemorySettingsStore store;
  store.Seed("Amount", GetParam().stored);
  for (int i = 1; i <= 300; ++i) store.Seed("Path" + std::to_string(i), "P" + std::to_string(i));
  const Loaded loaded = Load(store);
  EXPECT_EQ(loaded.count, GetParam().expectedCount);
  EXPECT_EQ(loaded.menu.HighestIndex(), static_cast<std::size_t>(GetParam().expectedCount));
}

INSTANTIATE_TEST_SUITE_P(HandEditedStore, LoadPathListBadAmount,
                         testing::Values(BadAmountCase{"abc", 0}, BadAmountCase{"", 0},
                                         BadAmountCase{"2.5", 0}, BadAmountCase{"-4", 0},
                                         BadAmountCase{"3x", 0}, BadAmountCase{" 2 ", 2},
                                         BadAmountCase{"256", 255},
                                         BadAmountCase{"99999999999999999999", 255},
                                         BadAmountCase{"300", 255}));

TEST(LoadPathList, AmountAbove255LeavesTheKeysBeyondUntouchedAtSave) {
  MemorySettingsStore store;
  SeedPaths(store, 300, 300);
  Loaded loaded = Load(store);
  store.ClearLog();
  SavePathList(store, loaded.menu, loaded.count, true, {});
  for (const auto& change : store.Changes()) {
    EXPECT_EQ(change.find("Path256"), std::string::npos) << change;
    EXPECT_NE(change.rfind("write ", 0), std::string::npos) << "no delete expected: " << change;
  }
  EXPECT_EQ(store.Value("Amount"), "300");
  EXPECT_EQ(store.Value("Path300"), "C:\\P300\\");
}

TEST(SavePathList, ShrinkFromFiveToTwoDeletesAscendingThenWritesCountPathsAndOption) {
  MemorySettingsStore store;
  SeedPaths(store, 5, 5);
  const int pumps = Save(store, {"A\\", "B\\"}, false);
  EXPECT_EQ(store.Log(), (Log{"read Amount", "delete Path3", "delete Path4", "delete Path5", "write Amount=2",
                              "write Path1=A\\", "write Path2=B\\", "write Clipboard=False"}));
  EXPECT_EQ(pumps, 1);
}

TEST(SavePathList, ShrinkToNothingDeletesEveryPathWritesZeroAndKeepsTheOption) {
  MemorySettingsStore store;
  SeedPaths(store, 3, 3);
  store.Seed("Clipboard", "False");
  const int pumps = Save(store, {}, true);
  EXPECT_EQ(store.Log(),
            (Log{"read Amount", "delete Path1", "delete Path2", "delete Path3", "write Amount=0"}));
  EXPECT_EQ(store.Value("Clipboard"), "False");
  EXPECT_EQ(pumps, 0);
}

TEST(SavePathList, SameCountWithNewPathsRewritesEveryPathButNotTheCount) {
  MemorySettingsStore store;
  SeedPaths(store, 2, 2);
  Save(store, {"X\\", "Y\\"}, true);
  EXPECT_EQ(store.Changes(), (Log{"write Path1=X\\", "write Path2=Y\\", "write Clipboard=True"}));
}

TEST(SavePathList, EmptyFirstRunWritesNothing) {
  MemorySettingsStore store;
  Save(store, {}, false);
  EXPECT_TRUE(store.Changes().empty());
  EXPECT_TRUE(store.Values().empty());
}

TEST(SavePathList, ZeroAmountWithStalePathKeysLeavesThemAlone) {
  MemorySettingsStore store;
  SeedPaths(store, 0, 4);
  Loaded loaded = Load(store);
  EXPECT_EQ(store.Log(), (Log{"read Amount"}));
  store.ClearLog();
  SavePathList(store, loaded.menu, loaded.count, true, {});
  EXPECT_EQ(store.Log(), (Log{"read Amount"}));
  EXPECT_EQ(store.Values().size(), 5u);
}

TEST(SavePathList, GrowingWritesTheNewCountAndEveryPath) {
  MemorySettingsStore store;
  SeedPaths(store, 1, 1);
  Save(store, {"A\\", "B\\", "C\\"}, true);
  EXPECT_EQ(store.Changes(), (Log{"write Amount=3", "write Path1=A\\", "write Path2=B\\", "write Path3=C\\",
                                  "write Clipboard=True"}));
}

TEST(SavePathList, BadStoredAmountIsReadAsZeroAndOverwritten) {
  MemorySettingsStore store;
  store.Seed("Amount", "lots");
  store.Seed("Path1", "old");
  Save(store, {"A\\"}, true);
  EXPECT_EQ(store.Changes(), (Log{"write Amount=1", "write Path1=A\\", "write Clipboard=True"}));
}

}  // namespace
}  // namespace dm
