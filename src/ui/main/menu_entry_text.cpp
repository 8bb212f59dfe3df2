#include "ui/main/menu_entry_text.h"

#include <cstddef>
#include <vector>

#include "text/utf8.h"

namespace dm {

namespace {

// caption with each control character (C0, DEL, C1) as one space: a menu splits an entry at a tab
// and draws the others as boxes or not at all.
std::string ControlsAsSpaces(std::string_view caption) {
  std::string text;
  text.reserve(caption.size());
  for (std::size_t pos = 0; pos < caption.size(); ++pos) {
    const auto byte = static_cast<unsigned char>(caption[pos]);
    if (byte < 0x20 || byte == 0x7F) {
      text += ' ';
    } else if (byte == 0xC2 && pos + 1 < caption.size() &&
               static_cast<unsigned char>(caption[pos + 1]) >= 0x80 &&
               static_cast<unsigned char>(caption[pos + 1]) <= 0x9F) {
      text += ' ';  // U+0080 to U+009F
      ++pos;
    } else {
      text += caption[pos];
    }
  }
  return text;
}

// A caption cut into the pieces that are kept or cut whole: a character, "&&", or "&" with the
// character it marks. begin[i] is where piece i starts in the caption and shown[i] where its shown
// text starts; both hold one more entry, the ends.
class Pieces {
 public:
  explicit Pieces(std::string_view caption) : caption_(caption) {
    std::size_t pos = 0;
    while (pos < caption.size()) {
      begin_.push_back(pos);
      shownBegin_.push_back(shownText_.size());
      if (caption[pos] == '&') {
        ++pos;
        if (pos == caption.size()) break;  // a marker with nothing after it shows nothing
        if (caption[pos] == '&') {
          shownText_ += '&';
          ++pos;
          continue;
        }
      }
      const std::size_t start = pos;
      if (!NextCodePoint(caption, pos)) pos = start + 1;  // a stray byte goes on its own
      shownText_.append(caption.substr(start, pos - start));
    }
    begin_.push_back(caption.size());
    shownBegin_.push_back(shownText_.size());
  }

  std::size_t Count() const { return begin_.size() - 1; }
  const std::string& Shown() const { return shownText_; }
  std::string_view ShownPiece(std::size_t i) const {
    return std::string_view(shownText_).substr(shownBegin_[i], shownBegin_[i + 1] - shownBegin_[i]);
  }
  bool IsSeparator(std::size_t i) const {
    const std::string_view piece = ShownPiece(i);
    return piece == "\\" || piece == "/";
  }

  // Pieces [0, head), the ellipsis, pieces [tail, Count()).
  std::string ShownCut(std::size_t head, std::size_t tail) const {
    std::string text = shownText_.substr(0, shownBegin_[head]);
    text += kMenuEllipsis;
    text.append(shownText_, shownBegin_[tail]);
    return text;
  }
  std::string CaptionCut(std::size_t head, std::size_t tail) const {
    std::string text(caption_.substr(0, begin_[head]));
    text += kMenuEllipsis;
    text.append(caption_.substr(begin_[tail]));
    return text;
  }

  // The pieces of the root that stays readable: "C:\" (or "C:"), "\\server\share\"; none for
  // other text.
  std::size_t Root() const {
    const std::size_t n = Count();
    if (n >= 2 && ShownPiece(1) == ":" && ShownPiece(0).size() == 1) {
      const char letter = ShownPiece(0)[0];
      if ((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z'))
        return n > 2 && IsSeparator(2) ? 3 : 2;
    }
    if (n >= 2 && IsSeparator(0) && IsSeparator(1)) {
      std::size_t i = 2;
      for (int part = 0; part < 2; ++part) {  // the server, then the share
        while (i < n && !IsSeparator(i)) ++i;
        if (i < n) ++i;
      }
      return i;
    }
    return 0;
  }

 private:
  std::string_view caption_;
  std::string shownText_;
  std::vector<std::size_t> begin_;
  std::vector<std::size_t> shownBegin_;
};

// The smallest value in [low, high] for which fits holds, given that it holds at high and, once it
// holds, for every larger value.
template <typename Fits>
std::size_t SmallestFitting(std::size_t low, std::size_t high, Fits fits) {
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (fits(middle)) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return high;
}

}  // namespace

std::string ShownMenuText(std::string_view caption) { return Pieces(ControlsAsSpaces(caption)).Shown(); }

std::string FitMenuEntryText(std::string_view caption, int maxWidth, const TextMeasure& measure) {
  std::string spaced = ControlsAsSpaces(caption);
  const Pieces pieces(spaced);
  if (measure.Width(pieces.Shown()) <= maxWidth) return spaced;
  const std::size_t n = pieces.Count();
  const auto fits = [&](std::size_t head, std::size_t tail) {
    return measure.Width(pieces.ShownCut(head, tail)) <= maxWidth;
  };

  const std::size_t root = pieces.Root();
  if (!fits(root, n)) {
    // Not even the root fits beside the ellipsis: as much of the beginning and the end, half each.
    // k pieces kept, the beginning taking the odd one.
    const auto keep = [&](std::size_t k) { return fits((k + 1) / 2, n - k / 2); };
    const std::size_t dropped = SmallestFitting(0, n, [&](std::size_t d) { return keep(n - d); });
    const std::size_t k = n - dropped;
    return pieces.CaptionCut((k + 1) / 2, n - k / 2);
  }

  // The longest end that fits after the root and the ellipsis ...
  std::size_t tail = SmallestFitting(root, n, [&](std::size_t t) { return fits(root, t); });
  // ... begins at a separator where that still shows the last folder whole.
  std::size_t end = n;  // past the last piece that shows
  while (end > 0 && pieces.ShownPiece(end - 1).empty()) --end;
  std::size_t lastName = n;  // the separator before the last folder's name
  for (std::size_t i = end; i-- > 0;) {
    if (pieces.IsSeparator(i) && i + 1 < end) {
      lastName = i;
      break;
    }
  }
  if (lastName < n && tail <= lastName) {
    while (!pieces.IsSeparator(tail)) ++tail;
  }
  // The room left goes to the first folders after the root, whole ones.
  const std::size_t longestHead =
      tail - SmallestFitting(0, tail - root, [&](std::size_t d) { return fits(tail - d, tail); });
  std::size_t head = longestHead;
  while (head > root && !pieces.IsSeparator(head - 1)) --head;
  return pieces.CaptionCut(head, tail);
}

}  // namespace dm
