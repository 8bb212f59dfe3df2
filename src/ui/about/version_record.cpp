#include "ui/about/version_record.h"

#include <algorithm>
#include <string>
#include <string_view>
#include "text/utf8.h"

namespace dm {

namespace {

// Every block starts with its total length, the length of its value, the value's kind (0 binary,
// 1 text) and a zero-terminated UTF-16 key; the value and the child blocks that follow each start
// on a four-byte boundary.
struct Block {
  std::u16string key;
  bool isText = false;
  std::span<const std::uint8_t> value;     // binary value, or the rest of the block for text
  std::span<const std::uint8_t> children;  // empty when the value runs to the end
};

constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t kFixedInfoSize = 52;

std::size_t AlignUp(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::uint32_t DoubleWord(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(Word(bytes, offset)) |
         (static_cast<std::uint32_t>(Word(bytes, offset + 2)) << 16);
}

// The zero-terminated UTF-16 text at the start of bytes (all of it if no terminator).
std::u16string ReadText(std::span<const std::uint8_t> bytes, std::size_t* consumed = nullptr) {
  std::u16string text;
  std::size_t offset = 0;
  while (offset + 1 < bytes.size()) {
    const char16_t c = static_cast<char16_t>(Word(bytes, offset));
    offset += 2;
    if (c == 0) break;
    text.push_back(c);
  }
  if (consumed) *consumed = offset;
  return text;
}

std::optional<Block> ReadBlock(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 6) return std::nullopt;
  const std::size_t length = Word(bytes, 0);
  if (length < 6 || length > bytes.size()) return std::nullopt;
  bytes = bytes.first(length);
  Block block;
  block.isText = Word(bytes, 4) == 1;
  std::size_t keyBytes = 0;
  block.key = ReadText(bytes.subspan(6), &keyBytes);
  const std::size_t valueStart = std::min(AlignUp(6 + keyBytes), length);
  const std::size_t valueLength = Word(bytes, 2);
  if (block.isText) {
    // Resource compilers disagree on whether a text length counts characters or bytes, so a text
    // value is read up to its terminator instead.
    block.value = bytes.subspan(valueStart);
    if (valueLength == 0) block.children = block.value;
    return block;
  }
  const std::size_t valueEnd = valueStart + valueLength;
  if (valueEnd > length) return std::nullopt;
  block.value = bytes.subspan(valueStart, valueLength);
  block.children = bytes.subspan(std::min(AlignUp(valueEnd), length));
  return block;
}

template <typename Visit>
void ForEachChild(std::span<const std::uint8_t> children, Visit visit) {
  std::size_t offset = 0;
  while (offset < children.size()) {
    const auto block = ReadBlock(children.subspan(offset));
    if (!block) return;
    if (visit(*block)) return;
    offset = AlignUp(offset + Word(children, offset));
  }
}

std::optional<std::string> FindFileDescription(std::span<const std::uint8_t> rootChildren) {
  std::optional<std::string> description;
  ForEachChild(rootChildren, [&](const Block& fileInfo) {
    if (fileInfo.key != u"StringFileInfo") return false;
    ForEachChild(fileInfo.children, [&](const Block& table) {
      ForEachChild(table.children, [&](const Block& entry) {
        if (entry.key != u"FileDescription") return false;
        description = Utf16ToUtf8(ReadText(entry.value));
        return true;
      });
      return description.has_value();
    });
    return description.has_value();
  });
  return description;
}

}  // namespace

std::optional<VersionRecord> ParseVersionResource(std::span<const std::uint8_t> resource) {
  const auto root = ReadBlock(resource);
  if (!root || root->key != u"VS_VERSION_INFO" || root->value.size() < kFixedInfoSize ||
      DoubleWord(root->value, 0) != kFixedInfoSignature) {
    return std::nullopt;
  }
  const std::uint32_t versionHigh = DoubleWord(root->value, 8);
  const std::uint32_t versionLow = DoubleWord(root->value, 12);
  VersionRecord record;
  record.major = versionHigh >> 16;
  record.minor = versionHigh & 0xFFFF;
  record.build = versionLow >> 16;
  record.revision = versionLow & 0xFFFF;
  record.fileDescription = FindFileDescription(root->children).value_or("");
  return record;
}

std::string ProgramLine(const VersionRecord& record) {
  return record.fileDescription + ", " + std::to_string(record.major) + "." + std::to_string(record.minor);
}

}  // namespace dm
