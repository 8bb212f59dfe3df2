#pragma once
// The hourglass while a delivery runs.

#include "platform/busy_cursor.h"

namespace dm::win {

class Win32BusyCursor : public BusyCursor {
 public:
  void ShowHourglass() override;
  void ShowDefault() override;
};

}  // namespace dm::win
