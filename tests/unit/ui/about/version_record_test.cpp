#include "ui/about/version_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace dm {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutWord(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutText(Bytes& out, const std::u16string& text) {
  for (char16_t c : text) PutWord(out, c);
  PutWord(out, 0);
}

void Pad(Bytes& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}

// One block as a resource compiler lays it out: length, value length, kind, key, value, children.
Bytes MakeBlock(const std::u16string& key, bool text, const Bytes& value, std::uint16_t valueLength,
                const std::vector<Bytes>& children = {}) {
  Bytes out;
  PutWord(out, 0);
  PutWord(out, valueLength);
  PutWord(out, text ? 1 : 0);
  PutText(out, key);
  Pad(out);
  out.insert(out.end(), value.begin(), value.end());
  for (const Bytes& child : children) {
    Pad(out);
    out.insert(out.end(), child.begin(), child.end());
  }
  out[0] = static_cast<std::uint8_t>(out.size() & 0xFF);
  out[1] = static_cast<std::uint8_t>(out.size() >> 8);
  return out;
}

enum class TextLength { Characters, Bytes };

Bytes MakeString(const std::u16string& key, const std::u16string& value, TextLength unit) {
  Bytes encoded;
  PutText(encoded, value);
  const auto length =
      static_cast<std::uint16_t>(unit == TextLength::Bytes ? encoded.size() : value.size() + 1);
  return MakeBlock(key, true, encoded, length);
}

Bytes FixedInfo(std::uint32_t signature, std::uint16_t major, std::uint16_t minor, std::uint16_t build,
                std::uint16_t revision) {
  Bytes out;
  PutWord(out, signature & 0xFFFF);
  PutWord(out, signature >> 16);
  PutWord(out, 0);  // structure version
  PutWord(out, 1);
  PutWord(out, minor);
  PutWord(out, major);
  PutWord(out, revision);
  PutWord(out, build);
  out.resize(52, 0);
  return out;
}

Bytes MakeVersionResource(const std::vector<Bytes>& tables, std::uint32_t signature = 0xFEEF04BD,
                          std::u16string rootKey = u"VS_VERSION_INFO") {
  const Bytes fixed = FixedInfo(signature, 1, 32, 0, 1);
  Bytes translation;
  PutWord(translation, 0x409);
  PutWord(translation, 1200);
  const Bytes varInfo =
      MakeBlock(u"VarFileInfo", true, {}, 0, {MakeBlock(u"Translation", false, translation, 4)});
  const Bytes stringInfo = MakeBlock(u"StringFileInfo", true, {}, 0, tables);
  return MakeBlock(rootKey, false, fixed, static_cast<std::uint16_t>(fixed.size()), {stringInfo, varInfo});
}

Bytes Table(const std::u16string& language, const std::vector<Bytes>& strings) {
  return MakeBlock(language, true, {}, 0, strings);
}

TEST(ParseVersionResource, ReadsVersionNumbersAndFileDescription) {
  for (TextLength unit : {TextLength::Characters, TextLength::Bytes}) {
    const Bytes resource =
        MakeVersionResource({Table(u"040904B0", {MakeString(u"CompanyName", u"Vantrel", unit),
                                                 MakeString(u"FileDescription", u"Dashmark Access", unit),
                                                 MakeString(u"FileVersion", u"1.32.0.1", unit)})});
    const auto record = ParseVersionResource(resource);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->fileDescription, "Dashmark Access");
    EXPECT_EQ(record->major, 1u);
    EXPECT_EQ(record->minor, 32u);
    EXPECT_EQ(record->build, 0u);
    EXPECT_EQ(record->revision, 1u);
    EXPECT_EQ(ProgramLine(*record), "Dashmark Access, 1.32");
  }
}

TEST(ParseVersionResource, TakesTheFirstTableThatHasADescription) {
  const Bytes resource = MakeVersionResource(
      {Table(u"040704B0", {MakeString(u"CompanyName", u"Vantrel", TextLength::Characters)}),
       Table(u"040904B0", {MakeString(u"FileDescription", u"Lesezeichen f\u00FCr Ordner \U0001F4C1",
                                      TextLength::Characters)}),
       Table(u"040C04B0", {MakeString(u"FileDescription", u"Autre", TextLength::Characters)})});
  const auto record = ParseVersionResource(resource);
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->fileDescription, "Lesezeichen f\xC3\xBCr Ordner \xF0\x9F\x93\x81");
}

TEST(ParseVersionResource, RejectsWhatIsNotAVersionResource) {
  const Bytes good = MakeVersionResource({});
  const Bytes truncated(good.begin(), good.begin() + 40);
  struct Case {
    const char* name;
    Bytes bytes;
  };
  const Case cases[] = {
      {"empty", {}},
      {"truncated", truncated},
      {"wrong signature", MakeVersionResource({}, 0x12345678)},
      {"wrong key", MakeVersionResource({}, 0xFEEF04BD, u"VS_OTHER_INFO")},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(ParseVersionResource(c.bytes).has_value()) << c.name;
  }
  const auto withoutStrings = ParseVersionResource(good);
  ASSERT_TRUE(withoutStrings.has_value());
  EXPECT_EQ(withoutStrings->fileDescription, "");
  EXPECT_EQ(ProgramLine(*withoutStrings), ", 1.32");
}

}  // namespace
}  // namespace dm
