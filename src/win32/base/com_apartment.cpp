#include "win32/base/com_apartment.h"

#include <objbase.h>

#include "win32/base/bindings.h"

namespace dm::win {

ComApartment::~ComApartment() {
  if (entered_) bindings::CoUninitialize();
}

bool ComApartment::Enter() {
  if (usable_) return true;
  const HRESULT result = bindings::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  entered_ = SUCCEEDED(result);
  usable_ = entered_ || result == RPC_E_CHANGED_MODE;
  return usable_;
}

}  // namespace dm::win
