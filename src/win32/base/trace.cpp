#include "win32/base/trace.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cwchar>
#include <iterator>
#include <string>

namespace dm::win {

namespace {

constexpr wchar_t kPrefix[] = L"Dashmarks: ";
constexpr std::size_t kPrefixLength = std::size(kPrefix) - 1;

// Converts text into out (room for capacity characters) after the prefix, and ends the line;
// false when it does not fit.
bool Compose(std::string_view text, wchar_t* out, std::size_t capacity) {
  if (text.size() > INT_MAX || capacity < kPrefixLength + 2) return false;
  std::wmemcpy(out, kPrefix, kPrefixLength);
  const std::size_t room = capacity - kPrefixLength - 2;  // the line's end and the terminator
  int converted = 0;
  if (!text.empty()) {
    converted = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    out + kPrefixLength, static_cast<int>(room));
    if (converted <= 0) return false;
  }
  out[kPrefixLength + static_cast<std::size_t>(converted)] = L'\n';
  out[kPrefixLength + static_cast<std::size_t>(converted) + 1] = L'\0';
  return true;
}

}  // namespace

void Trace(std::string_view line) noexcept {
  wchar_t buffer[512];
  if (Compose(line, buffer, std::size(buffer))) {
    OutputDebugStringW(buffer);
    return;
  }
  // A longer line (a path or two in it) is converted on the heap; where even that fails, its
  // beginning is written, cut short, rather than nothing.
  try {
    std::wstring longer(kPrefixLength + line.size() + 2, L'\0');
    if (Compose(line, longer.data(), longer.size())) {
      OutputDebugStringW(longer.c_str());
      return;
    }
  } catch (...) {
  }
  const int cut =
      MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(std::min<std::size_t>(line.size(), 400)),
                          buffer + kPrefixLength, 400);
  std::wmemcpy(buffer, kPrefix, kPrefixLength);
  const std::size_t end = kPrefixLength + static_cast<std::size_t>(cut > 0 ? cut : 0);
  buffer[end] = L'\n';
  buffer[end + 1] = L'\0';
  OutputDebugStringW(buffer);
}

}  // namespace dm::win
