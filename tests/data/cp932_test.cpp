#include "data/cp932.h"

#include <gtest/gtest.h>

#include <string>

#include "data/data_files.h"

namespace zunobi::data {
namespace {

// Where CP932 differs from plain Shift_JIS, and the byte ranges around it.
TEST(Cp932, MicrosoftsMappingBothWays) {
  struct Case {
    std::string cp932, utf8;
    const char* what;
  } cases[] = {
      {"\x5C", "\\", "0x5C is the backslash, not the yen sign"},
      {"\x7E", "~", "0x7E is the tilde, not the overline"},
      {"\x81\x60", "\xEF\xBD\x9E", "wave dash is U+FF5E"},
      {"\x81\x7C", "\xEF\xBC\x8D", "minus is U+FF0D"},
      {"\x81\x61", "\xE2\x88\xA5", "double vertical line is U+2225"},
      {"\x81\x91\x81\x92\x81\xCA", "\xEF\xBF\xA0\xEF\xBF\xA1\xEF\xBF\xA2", "cent, pound, not"},
      {"\x87\x40\x87\x54", "\xE2\x91\xA0\xE2\x85\xA0", "NEC row: ① and Ⅰ"},
      {"\xFB\xFC", "\xE9\xAB\x99", "IBM extension: 髙"},
      {"\xB1", "\xEF\xBD\xB1", "half-width katakana"},
      {"\x83\x5C\x95\x5C", "ソ表", "trail byte 0x5C"},
      {"a,\"b\"\r\n", "a,\"b\"\r\n", "ASCII unchanged"},
      {std::string("\0x", 2), std::string("\0x", 2), "a NUL byte is kept"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cp932ToUtf8(c.cp932), c.utf8) << c.what;
    EXPECT_EQ(utf8ToCp932(c.utf8), c.cp932) << c.what;
  }
}

using testing::repeat;

// Bytes that are not CP932: where the first stands, and the text read with
// one mark for each character that is not CP932.
TEST(Cp932, BadBytesAreReportedWhereTheyStandOrMarked) {
  const auto good = std::string::npos;
  struct Case {
    std::string bytes, shown;
    std::size_t offset;
    const char* what;
  } cases[] = {
      {"\x82\xA0\x82\xA2", "あい", good, "good text unchanged"},
      {"ab\x80", "ab#", 2, "a bad byte at the end"},
      {"\xA0", "#", 0, "0xA0"},
      {"x\xFD", "x#", 1, "0xFD"},
      {"\xFF\xFF"
       "a",
       "##a", 0, "two bad bytes, two marks"},
      {"\x81\x7F\x82\xA0", "#\x7F\xE3\x81\x82", 0,
       "a lead byte whose next byte may not follow one"},
      {"\xEF\x40\x82\xA0", "#あ", 0, "an unassigned pair is one character"},
      {"\x82\xA0\x81", "あ#", 2, "a lead byte cut off at the end"},
      {"\xEF\xFCx", "#x", 0, "trail bytes run to 0xFC"},
      {"\xEF\xFDx", "##x", 0, "0xFD is no trail byte"},
      {std::string("\xFF").append(repeat("\x82\xA0", 200)) + "\xFF" + repeat("\xB1", 200),
       std::string("#").append(repeat("あ", 200)) + "#" + repeat("ｱ", 200), 0,
       "long good text after bad bytes"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cp932ToUtf8Marking(c.bytes, "#"), c.shown) << c.what;
    try {
      cp932ToUtf8(c.bytes);
      EXPECT_EQ(c.offset, good) << c.what << ": accepted";
    } catch (const Cp932Error& e) {
      EXPECT_EQ(e.offset(), c.offset) << c.what;
    }
  }
}

TEST(Cp932, TextThatCp932CannotHoldIsReported) {
  struct Case {
    std::string utf8;
    std::size_t offset;
    const char* what;
  } cases[] = {
      {"caf\xC3\xA9", 3, "é"},
      {"\xF0\x9F\x98\x80", 0, "an emoji"},
      {"a\xE3\x80\x9C", 1, "U+301C would read back as U+FF5E"},
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

}  // namespace
}  // namespace zunobi::data
