#pragma once
// The hourglass while a delivery runs.

#include "platform/pointer.h"

namespace dm::win {

class WaitPointer : public Pointer {
 public:
  void ShowHourglass() override;
  void ShowDefault() override;
};

}  // namespace dm::win
