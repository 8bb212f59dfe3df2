#pragma once
// How wide a text is drawn in a given font, for fitting text to the space it has.

#include <string_view>

namespace dm {

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // The width of text (UTF-8, drawn as it is: no access-key markers) in pixels.
  virtual int Width(std::string_view text) const = 0;
};

}  // namespace dm
