// The key-string parser and the escaping of paths. Any input: parsing never crashes and a
// failure points inside the string. The input as a path: its escaped form parses back to exactly
// its characters, each typed plainly, when it is well-formed UTF-8, and is refused otherwise.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "deliver/key_string.h"
#include "fuzz_check.h"
#include "text/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  const dm::ParsedKeyString parsed = dm::ParseKeyString(input);
  if (!parsed.ok) {
    DM_FUZZ_CHECK(!parsed.error.empty());
    DM_FUZZ_CHECK(parsed.offset <= input.size());
  }

  const std::string escaped = dm::EscapeKeyString(input);
  const dm::ParsedKeyString typed = dm::ParseKeyString(escaped);
  const std::optional<std::u32string> chars = dm::DecodeUtf8(input);
  DM_FUZZ_CHECK(typed.ok == chars.has_value());
  if (!chars) return 0;
  DM_FUZZ_CHECK(typed.keys.size() == chars->size());
  for (std::size_t i = 0; i < chars->size(); ++i) {
    const dm::KeyPress plain{dm::modifier::kNone, false, dm::NamedKey::Enter, (*chars)[i]};
    DM_FUZZ_CHECK(typed.keys[i] == plain);
  }
  return 0;
}
