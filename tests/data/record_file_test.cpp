#include "data/record_file.h"

#include <gtest/gtest.h>

#include <string>

#include "data/data_files.h"

namespace zunobi::data {
namespace {

TEST(RecordFile, FieldsAreFilledAndCutAtCharacters) {
  struct Case {
    const char* what;
    std::string text;  // UTF-8
    std::size_t width;
    std::string expected;  // CP932
  } cases[] = {
      {"filled with spaces", "AB", 5, "AB   "},
      {"exact fit", "ABCDE", 5, "ABCDE"},
      {"cut", "ABCDEFG", 5, "ABCDE"},
      {"a cut inside a character falls before it", "あい", 3, "\x82\xA0 "},
      {"half-width katakana are one byte", "ｱｲｳ", 2, "\xB1\xB2"},
      {"a 0x5C trail byte belongs to its character", "表表", 3, "\x95\x5C "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(fitField(utf8ToCp932(c.text), c.width), c.expected) << c.what;
}

TEST(RecordFile, ReadsByNumberAndNeverCreatesAFile) {
  testing::TempFolder dir;
  std::string path = dir / "q.ran";
  EXPECT_EQ(testing::messageOf([&] { RecordFile::open(path); }),
            "「q.ran」：ファイルが見つかりません");

  testing::writeBytes(path, encodeRecord({"A1", "E1", "R1"}) + encodeRecord({"A2", "E2", "Q2"}));
  auto file = RecordFile::open(path);
  EXPECT_EQ(file.read(2).Question, "Q2" + std::string(198, ' '));
  EXPECT_EQ(file.read(1).Question, "R1" + std::string(198, ' '));
  for (std::int32_t n : {0, 3}) EXPECT_THROW(file.read(n), DataError) << n;

  // The count is the length ÷ 700; a partial last record does not count.
  for (auto [bytes, count] : {std::pair{699u, 0}, std::pair{700u, 1}}) {
    testing::writeBytes(path, std::string(bytes, ' '));
    EXPECT_EQ(RecordFile::open(path).count(), count) << bytes;
  }
}

TEST(RecordFile, BadRecordsAreReportedOrMarked) {
  testing::TempFolder dir;
  std::string good = encodeRecord({"a", "b", "c"});
  std::string bad = good;
  bad[199] = '\x82';  // a lead byte whose trail would lie in the next field
  testing::writeBytes(dir / "b.ran", good + bad);
  auto file = RecordFile::open(dir / "b.ran");
  EXPECT_EQ(testing::messageOf([&] { file.read(2); }),
            "「b.ran」の2番目のレコード：CP932（シフトJIS）の文字として読めないバイトがあります");
  // Marked, the fields show where encodeRecord put them.
  EXPECT_EQ(file.read(2, "〓"),
            (QuizRecord{"a" + std::string(198, ' ') + "〓", "b" + std::string(299, ' '),
                        "c" + std::string(199, ' ')}));
  EXPECT_EQ(file.read(1, "〓"), decodeRecord(good));
}

}  // namespace
}  // namespace zunobi::data
