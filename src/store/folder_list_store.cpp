#include "store/folder_list_store.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/settings_keys.h"
#include "store/stored_number.h"
#include "store/stored_settings.h"

namespace dm {

namespace {

unsigned ReadStoredCount(SettingsStore& store) {
  return StoredCount(ReadStoredValue(store, keys::kAmount, keys::kAmountDefault));
}

std::optional<std::string> ReadPath(SettingsStore& store, unsigned position) {
  return FindStoredValue(store, keys::PathKey(position));
}

// The positions the store holds as the load reads them: "Amount", brought down to the last
// position at or below it that has a Path key. The keys are read from the top down, and only while
// the count is above the list's: a list that did not shrink needs none of them.
unsigned ReadStoredPositions(SettingsStore& store, unsigned listCount) {
  unsigned positions = ReadStoredCount(store);
  if (positions <= listCount) return positions;
  while (positions > 0 && !ReadPath(store, positions)) --positions;
  return positions;
}

// Writes value under key unless the store already holds exactly that text.
void WriteIfChanged(SettingsStore& store, std::string_view key, std::string_view value) {
  const std::optional<std::string> stored = FindStoredValue(store, key);
  if (!stored || *stored != value) WriteStoredValue(store, key, value);
}

// The list's part of a save: keys of positions that no longer hold a folder deleted, "Amount"
// written if it changed, then every path in the list's order (only those that changed, when asked).
void WriteFolders(SettingsStore& store, const FolderList& folders, bool onlyChanged) {
  const auto count = static_cast<unsigned>(folders.Count());
  const unsigned old = ReadStoredPositions(store, count);
  for (unsigned i = count + 1u; i <= old; ++i) {
    RemoveStoredValue(store, keys::PathKey(i));
  }
  if (count != old) {
    WriteStoredValue(store, keys::kAmount, DecimalText(count));
  }
  for (unsigned i = 1; i <= count; ++i) {
    if (onlyChanged) {
      WriteIfChanged(store, keys::PathKey(i), folders.At(i - 1));
    } else {
      WriteStoredValue(store, keys::PathKey(i), folders.At(i - 1));
    }
  }
}

std::string_view ClipboardText(bool checked) { return checked ? keys::kTrue : keys::kFalse; }

}  // namespace

FolderList LoadFolderList(SettingsStore& store) {
  const unsigned count = ReadStoredCount(store);
  std::vector<std::string> stored;
  stored.reserve(count);
  std::size_t positions = 0;  // up to the last Path key the store has
  for (unsigned i = 1; i <= count; ++i) {
    std::optional<std::string> path = ReadPath(store, i);
    if (path) positions = i;
    stored.push_back(path ? *std::move(path) : std::string());
  }
  stored.resize(positions);
  return FolderList(std::move(stored));
}

void SaveFolderList(SettingsStore& store, const FolderList& folders, bool pastes) {
  WriteFolders(store, folders, /*onlyChanged=*/false);
  if (folders.Empty()) return;
  WriteStoredValue(store, keys::kClipboard, ClipboardText(pastes));
}

void StoreFolderListChanges(SettingsStore& store, const FolderList& folders) {
  WriteFolders(store, folders, /*onlyChanged=*/true);
}

void StoreClipboardOption(SettingsStore& store, bool pastes) {
  WriteIfChanged(store, keys::kClipboard, ClipboardText(pastes));
}

}  // namespace dm
