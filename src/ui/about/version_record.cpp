#include "ui/about/version_record.h"

namespace dm {

std::string ProgramLine(const VersionRecord& record) {
  return record.fileDescription + ", " + std::to_string(record.major) + "." + std::to_string(record.minor);
}

}  // namespace dm
