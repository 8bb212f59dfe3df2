#pragma once
// Reads the binary version resource (the VS_VERSIONINFO block a resource compiler writes for a
// VERSIONINFO statement): the fixed file version and the "FileDescription" string.

#include <cstdint>
#include <optional>
#include <span>

#include "ui/about/version_record.h"

namespace dm {

// Nothing when the block is not a version resource. The file description comes from the first
// string table that has one; it stays empty when none has.
std::optional<VersionRecord> ParseVersionResource(std::span<const std::uint8_t> resource);

}  // namespace dm
