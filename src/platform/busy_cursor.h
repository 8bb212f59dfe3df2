#pragma once
// The mouse pointer's shape while the program works.

namespace dm {

class BusyCursor {
 public:
  virtual ~BusyCursor() = default;
  virtual void ShowHourglass() = 0;
  virtual void ShowDefault() = 0;
};

}  // namespace dm
