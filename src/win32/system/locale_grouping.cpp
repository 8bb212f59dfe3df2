#include "win32/system/locale_grouping.h"

#include <windows.h>

#include "win32/base/text_conversion.h"

namespace dm::win {

DigitGrouping UserDigitGrouping() {
  wchar_t separator[8] = {};
  wchar_t grouping[16] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, separator, ARRAYSIZE(separator)) == 0 ||
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SGROUPING, grouping, ARRAYSIZE(grouping)) == 0) {
    return {};
  }
  return DigitGrouping::FromPattern(WideToUtf8(separator), WideToUtf8(grouping));
}

}  // namespace dm::win
