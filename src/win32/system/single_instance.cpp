#include "win32/system/single_instance.h"

namespace dm::win {

namespace {
constexpr wchar_t kMutexName[] = L"Local\\Vantrel.Dashmarks.SingleInstance";
}

SingleInstance::SingleInstance() : mutex_(CreateMutexW(nullptr, FALSE, kMutexName)) {
  anotherCopy_ = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace dm::win
