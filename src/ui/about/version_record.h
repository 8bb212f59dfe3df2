#pragma once
// The program's version record as the About box uses it.

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

}  // namespace dm
