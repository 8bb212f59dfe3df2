#include "deliver/delivery_keys.h"

#include "text/utf8.h"

namespace dm {

std::optional<KeySequence> TypedText(std::string_view text) {
  const std::optional<std::u32string> characters = DecodeUtf8(text);
  if (!characters) return std::nullopt;
  KeySequence keys;
  keys.reserve(characters->size());
  for (const char32_t c : *characters) keys.push_back(KeyPress::Character(c));
  return keys;
}

}  // namespace dm
