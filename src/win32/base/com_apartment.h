#pragma once
// The calling thread's membership of a single-threaded COM apartment, for as long as the owner
// lives: entered on Enter, left when the owner goes.

#include <windows.h>

namespace dm::win {

class ComApartment {
 public:
  ComApartment() = default;
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  // Joins the apartment the thread is already in, or enters one; true when COM can be used on this
  // thread (also where the thread is already in a multi-threaded apartment). Asked again after a
  // success, it does nothing.
  bool Enter();

 private:
  bool entered_ = false;  // this owner holds a CoInitializeEx to balance
  bool usable_ = false;
};

}  // namespace dm::win
