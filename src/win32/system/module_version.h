#pragma once
// The version record compiled into a module's resources.

#include <windows.h>

#include <optional>

#include "ui/about/version_record.h"

namespace dm::win {

// Nothing when the module has no readable version resource.
std::optional<VersionRecord> ModuleVersionRecord(HMODULE module);

}  // namespace dm::win
