#include "data/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace zunobi::data {
namespace {

struct Mapping {
  std::string cp932;
  std::string utf8;
  const char* what;
};

// The characters where CP932 differs from plain Shift_JIS, and a few that
// show the lead-byte ranges.
const Mapping kMappings[] = {
    {"\x5C", "\\", "0x5C is the backslash, not the yen sign"},
    {"\x7E", "~", "0x7E is the tilde, not the overline"},
    {"\x81\x60", "\xEF\xBD\x9E", "wave dash is the full-width tilde U+FF5E"},
    {"\x81\x7C", "\xEF\xBC\x8D", "minus is the full-width hyphen-minus U+FF0D"},
    {"\x81\x5F", "\xEF\xBC\xBC", "full-width backslash U+FF3C"},
    {"\x81\x61", "\xE2\x88\xA5", "double vertical line is U+2225"},
    {"\x81\x91", "\xEF\xBF\xA0", "cent sign is U+FFE0"},
    {"\x81\x92", "\xEF\xBF\xA1", "pound sign is U+FFE1"},
    {"\x81\xCA", "\xEF\xBF\xA2", "not sign is U+FFE2"},
    {"\x87\x40", "\xE2\x91\xA0", "NEC special row: circled one"},
    {"\x87\x54", "\xE2\x85\xA0", "NEC special row: Roman numeral one"},
    {"\xFB\xFC", "\xE9\xAB\x99", "IBM extension: 髙"},
    {"\xB1", "\xEF\xBD\xB1", "half-width katakana ｱ"},
    {"\x83\x5C", "\xE3\x82\xBD", "ソ: its trail byte is 0x5C"},
    {"\x95\x5C", "\xE8\xA1\xA8", "表: its trail byte is 0x5C"},
    {"\x88\x9F", "\xE4\xBA\x9C", "亜, the first kanji"},
    {"\xE0\x40", "\xE6\xBC\xBE", "a kanji with a lead byte above 0xDF"},
    {"a,\"b\"\r\n", "a,\"b\"\r\n", "ASCII passes unchanged"},
    {std::string("\0x", 2), std::string("\0x", 2), "a NUL byte is kept"},
};

TEST(Cp932, ReadsWithMicrosoftsMapping) {
  for (const auto& m : kMappings) EXPECT_EQ(cp932ToUtf8(m.cp932), m.utf8) << m.what;
}

TEST(Cp932, WritesWithMicrosoftsMapping) {
  for (const auto& m : kMappings) EXPECT_EQ(utf8ToCp932(m.utf8), m.cp932) << m.what;
}

TEST(Cp932, ReportsBytesThatAreNotCp932AtTheirOffset) {
  struct Case {
    std::string bytes;
    std::size_t offset;
    const char* what;
  } cases[] = {
      {"ab\x80", 2, "0x80 is no character"},
      {"\xA0", 0, "0xA0 is no character"},
      {"x\xFD", 1, "0xFD is no character"},
      {"\xFF", 0, "0xFF is no character"},
      {"ok\x81", 2, "a lead byte at the end"},
      {"\x82\xA0\x81\x20", 2, "a lead byte followed by a space"},
      {"\x81\x7F", 0, "0x7F is no trail byte"},
      {"\xEF\x40", 0, "row 0xEF is not assigned"},
      {"\xEF\xBB\xBF", 0, "a UTF-8 byte order mark"},
  };
  for (const auto& c : cases) {
    try {
      cp932ToUtf8(c.bytes);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const Cp932Error& e) {
      EXPECT_EQ(e.offset(), c.offset) << c.what;
    }
  }
}

TEST(Cp932, ReportsTextThatCp932CannotHold) {
  struct Case {
    std::string utf8;
    std::size_t offset;
    const char* what;
  } cases[] = {
      {"caf\xC3\xA9", 3, "é"},
      {"\xF0\x9F\x98\x80", 0, "an emoji"},
      {"a\xE3\x80\x9C", 1, "U+301C would come back as U+FF5E"},
      {"\xE2\x88\x92", 0, "U+2212 would come back as U+FF0D"},
      {"\xC2\xA5", 0, "the yen sign U+00A5 would come back as a backslash"},
      {"ok\xFF", 2, "not UTF-8"},
      {"ok\xE3\x81", 2, "a cut UTF-8 sequence"},
  };
  for (const auto& c : cases) {
    try {
      utf8ToCp932(c.utf8);
      ADD_FAILURE() << c.what << ": written";
    } catch (const Cp932Error& e) {
      EXPECT_EQ(e.offset(), c.offset) << c.what;
    }
  }
}

TEST(Cp932, JapaneseTextGoesThereAndBack) {
  const std::string texts[] = {
      "なぞなぞ：パンはパンでも食べられないパンは？",
      "１９６４年　東京オリンピック（開会式は10月10日）",
      "ｶﾀｶﾅ、ひらがな、漢字、①②Ⅲ、～－￠￡￢",
      "",
  };
  for (const auto& t : texts) EXPECT_EQ(cp932ToUtf8(utf8ToCp932(t)), t);
}

}  // namespace
}  // namespace zunobi::data
