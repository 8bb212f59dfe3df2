#include "win32/system/module_version.h"

#include <cstdint>
#include <span>

#include "ui/about/version_record.h"

namespace dm::win {

namespace {

constexpr WORD kVersionResourceId = 1;  // VS_VERSION_INFO

}  // namespace

std::optional<VersionRecord> ModuleVersionRecord(HMODULE module) {
  // Resources stay mapped with the module, so nothing here is released.
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(kVersionResourceId), RT_VERSION);
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return std::nullopt;
  return ParseVersionResource(
      std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(data), SizeofResource(module, found)));
}

}  // namespace dm::win
