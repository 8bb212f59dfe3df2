#include "deliver/key_string.h"

#include <array>
#include <cctype>
#include <optional>
#include <utility>

#include "text/utf8.h"

namespace dm {
namespace {

constexpr std::size_t kMaxRepeat = 10000;
// Groups inside groups, at most; each level is a level of recursion of the parser.
constexpr std::size_t kMaxGroupDepth = 64;

constexpr std::array<std::pair<std::string_view, NamedKey>, 30> kNames{{
    {"ENTER", NamedKey::Enter},
    {"BS", NamedKey::Backspace},
    {"BACKSPACE", NamedKey::Backspace},
    {"BKSP", NamedKey::Backspace},
    {"TAB", NamedKey::Tab},
    {"ESC", NamedKey::Escape},
    {"LEFT", NamedKey::Left},
    {"RIGHT", NamedKey::Right},
    {"UP", NamedKey::Up},
    {"DOWN", NamedKey::Down},
    {"HOME", NamedKey::Home},
    {"END", NamedKey::End},
    {"PGUP", NamedKey::PageUp},
    {"PGDN", NamedKey::PageDown},
    {"INSERT", NamedKey::Insert},
    {"INS", NamedKey::Insert},
    {"DELETE", NamedKey::Delete},
    {"DEL", NamedKey::Delete},
    {"BREAK", NamedKey::Break},
    {"CAPSLOCK", NamedKey::CapsLock},
    {"NUMLOCK", NamedKey::NumLock},
    {"SCROLLLOCK", NamedKey::ScrollLock},
    {"PRTSC", NamedKey::PrintScreen},
    {"HELP", NamedKey::Help},
    {"ADD", NamedKey::Add},
    {"SUBTRACT", NamedKey::Subtract},
    {"MULTIPLY", NamedKey::Multiply},
    {"DIVIDE", NamedKey::Divide},
    {"ESCAPE", NamedKey::Escape},
    {"RETURN", NamedKey::Enter},
}};

std::optional<NamedKey> LookUpName(std::string_view name) {
  std::string upper;
  for (char c : name) upper.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
  for (const auto& [text, key] : kNames) {
    if (text == upper) return key;
  }
  if (upper.size() >= 2 && upper.size() <= 3 && upper[0] == 'F') {
    int n = 0;
    for (std::size_t i = 1; i < upper.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(upper[i]))) return std::nullopt;
      n = n * 10 + (upper[i] - '0');
    }
    if (upper[1] != '0' && n >= 1 && n <= 16) {
      return static_cast<NamedKey>(static_cast<int>(NamedKey::F1) + n - 1);
    }
  }
  return std::nullopt;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  ParsedKeyString Run() {
    ParsedKeyString result;
    if (!DecodeUtf8(text_)) return Fail(0, "the key string is not valid UTF-8");
    ParseItems(modifier::kNone, /*inGroup=*/false);
    if (failed_) return std::move(failure_);
    result.ok = true;
    result.keys = std::move(keys_);
    return result;
  }

 private:
  ParsedKeyString Fail(std::size_t offset, std::string message) {
    if (!failed_) {
      failed_ = true;
      failure_.ok = false;
      failure_.error = std::move(message);
      failure_.offset = offset;
    }
    return failure_;
  }

  // Parses items until the end or, inside a group, its ")"; held applies to every press.
  void ParseItems(std::uint8_t held, bool inGroup) {
    while (!failed_ && pos_ < text_.size()) {
      if (text_[pos_] == ')') {
        if (!inGroup) Fail(pos_, "\")\" without its \"(\"");
        return;
      }
      ParseItem(held);
    }
  }

  void ParseItem(std::uint8_t held) {
    const std::size_t itemStart = pos_;
    std::uint8_t mods = held;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      const std::uint8_t bit = c == '+'   ? modifier::kShift
                               : c == '^' ? modifier::kCtrl
                               : c == '%' ? modifier::kAlt
                                          : modifier::kNone;
      if (bit == modifier::kNone) break;
      mods |= bit;
      ++pos_;
    }
    if (pos_ >= text_.size()) {
      Fail(itemStart, "a modifier key without the key it modifies");
      return;
    }
    const char c = text_[pos_];
    if (c == '(') {
      const std::size_t open = pos_++;
      if (++groupDepth_ > kMaxGroupDepth) {
        Fail(open, "groups nested more than " + std::to_string(kMaxGroupDepth) + " deep");
        return;
      }
      ParseItems(mods, /*inGroup=*/true);
      --groupDepth_;
      if (failed_) return;
      if (pos_ >= text_.size()) {
        Fail(open, "\"(\" without its \")\"");
        return;
      }
      ++pos_;  // ")"
    } else if (c == ')') {
      Fail(itemStart, "a modifier key without the key it modifies");
    } else if (c == '{') {
      ParseBraced(mods);
    } else if (c == '}') {
      Fail(pos_, "\"}\" without its \"{\"");
    } else if (c == '~') {
      ++pos_;
      keys_.push_back({mods, true, NamedKey::Enter, 0});
    } else {
      const std::size_t start = pos_++;
      while (pos_ < text_.size() && IsUtf8Continuation(text_[pos_])) ++pos_;
      keys_.push_back({mods, false, NamedKey::Enter, (*DecodeUtf8(text_.substr(start, pos_ - start)))[0]});
    }
  }

  void ParseBraced(std::uint8_t mods) {
    const std::size_t open = pos_;
    // The first character after "{" is part of the name even when it is "}" ("{}}").
    if (open + 1 >= text_.size()) {
      Fail(open, "\"{\" without its \"}\"");
      return;
    }
    std::size_t nameEnd = open + 2;
    while (nameEnd < text_.size() && IsUtf8Continuation(text_[nameEnd])) ++nameEnd;
    const std::size_t close = text_.find('}', nameEnd);
    if (close == std::string_view::npos) {
      Fail(open, "\"{\" without its \"}\"");
      return;
    }
    std::string_view body = text_.substr(open + 1, close - open - 1);
    if (body.empty()) {
      Fail(open, "an empty key name \"{}\"");
      return;
    }
    std::size_t count = 1;
    const std::size_t space = body.rfind(' ');
    if (space != std::string_view::npos && space > 0) {
      const std::string_view digits = body.substr(space + 1);
      if (digits.empty()) {
        Fail(open, "a repeat count is missing after the space");
        return;
      }
      count = 0;
      for (char d : digits) {
        if (!std::isdigit(static_cast<unsigned char>(d))) {
          Fail(open, "the repeat count \"" + std::string(digits) + "\" is not a number");
          return;
        }
        count = count * 10 + static_cast<std::size_t>(d - '0');
        if (count > kMaxRepeat) {
          Fail(open, "the repeat count is larger than " + std::to_string(kMaxRepeat));
          return;
        }
      }
      body = body.substr(0, space);
    }
    KeyPress press{mods, false, NamedKey::Enter, 0};
    const std::optional<std::u32string> chars = DecodeUtf8(body);
    if (chars && chars->size() == 1) {
      press.character = (*chars)[0];
    } else if (const std::optional<NamedKey> key = LookUpName(body)) {
      press.named = true;
      press.key = *key;
    } else {
      Fail(open, "unknown key name \"" + std::string(body) + "\"");
      return;
    }
    keys_.insert(keys_.end(), count, press);
    pos_ = close + 1;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t groupDepth_ = 0;
  KeySequence keys_;
  bool failed_ = false;
  ParsedKeyString failure_;
};

}  // namespace

ParsedKeyString ParseKeyString(std::string_view keys) { return Parser(keys).Run(); }

std::string EscapeKeyString(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '+':
      case '^':
      case '%':
      case '~':
      case '(':
      case ')':
      case '{':
      case '}':
      case '[':
      case ']':
        out.push_back('{');
        out.push_back(c);
        out.push_back('}');
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

}  // namespace dm
