#pragma once
// The program's version record as the About box uses it, read from the binary version resource
// (the VS_VERSIONINFO block a resource compiler writes for a VERSIONINFO statement): the fixed file
// version and the "FileDescription" string.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace dm {

struct VersionRecord {
  std::string fileDescription;  // UTF-8
  unsigned major = 0;
  unsigned minor = 0;
  unsigned build = 0;
  unsigned revision = 0;
};

// "<file description>, <major>.<minor>", e.g. "Dashmark Access, 1.32".
std::string ProgramLine(const VersionRecord& record);

// Nothing when the block is not a version resource. The file description comes from the first
// string table that has one; it stays empty when none has.
std::optional<VersionRecord> ParseVersionResource(std::span<const std::uint8_t> resource);

}  // namespace dm
