#include "data/record_file.h"

#include <gtest/gtest.h>

#include <string>

#include "data/cp932.h"
#include "data/data_error.h"
#include "temp_folder.h"

namespace zunobi::data {
namespace {

TEST(RecordFile, FieldsAreFilledAndCutAtCharacters) {
  struct Case {
    const char* what;
    std::string text;  // UTF-8
    std::size_t width;
    std::string expected;  // CP932 bytes
  } cases[] = {
      {"short text is filled with spaces", "AB", 5, "AB   "},
      {"exact fit", "ABCDE", 5, "ABCDE"},
      {"long text is cut", "ABCDEFG", 5, "ABCDE"},
      {"empty text is all spaces", "", 3, "   "},
      {"double-byte text that fits", "あい", 4, "\x82\xA0\x82\xA2"},
      {"a cut inside a character falls before it", "あい", 3, "\x82\xA0 "},
      {"cut after a single byte", "Aあ", 2, "A "},
      {"half-width katakana are single bytes", "ｱｲｳ", 2, "\xB1\xB2"},
      {"mixed, cut inside the last character", "aあbい", 5,
       "a\x82\xA0"
       "b "},
      {"a 0x5C trail byte is part of its character", "表表", 3, "\x95\x5C "},
  };
  for (const auto& c : cases) {
    auto field = fitField(utf8ToCp932(c.text), c.width);
    EXPECT_EQ(field, c.expected) << c.what;
    EXPECT_EQ(field.size(), c.width) << c.what;
  }
}

TEST(RecordFile, ACutFieldStillReadsAsText) {
  // 101 double-byte characters do not fit a 200-byte field: 100 remain.
  std::string long_(101 * 3, '\0');
  long_.clear();
  for (int i = 0; i < 101; ++i) long_ += "漢";
  QuizRecord r{long_, "E", "Q"};
  QuizRecord back = decodeRecord(encodeRecord(r));
  std::string expected;
  for (int i = 0; i < 100; ++i) expected += "漢";
  EXPECT_EQ(back.Answer, expected);

  // An odd width: 149 characters of explanation plus one byte too many.
  std::string explanation = "a";
  for (int i = 0; i < 150; ++i) explanation += "字";
  back = decodeRecord(encodeRecord({"A", explanation, "Q"}));
  EXPECT_EQ(back.Explanation.size(), explanation.size() - 3 + 1)
      << "the last character goes, a space fills its first byte";
  EXPECT_EQ(back.Explanation.back(), ' ');
}

TEST(RecordFile, RecordLayout) {
  std::string bytes = encodeRecord({"答え", "説明", "問題"});
  ASSERT_EQ(bytes.size(), kRecordLength);
  EXPECT_EQ(bytes.substr(0, 4), utf8ToCp932("答え"));
  EXPECT_EQ(bytes.substr(200, 4), utf8ToCp932("説明"));
  EXPECT_EQ(bytes.substr(500, 4), utf8ToCp932("問題"));
  EXPECT_EQ(bytes.substr(4, 196), std::string(196, ' '));
  EXPECT_EQ(bytes.substr(204, 296), std::string(296, ' '));
  EXPECT_EQ(bytes.substr(504, 196), std::string(196, ' '));

  // A field of 150 bytes reads back with its 50 fill spaces.
  QuizRecord back = decodeRecord(encodeRecord({std::string(150, 'x'), "", ""}));
  EXPECT_EQ(back.Answer, std::string(150, 'x') + std::string(50, ' '));
  EXPECT_EQ(back.Explanation, std::string(300, ' '));
}

TEST(RecordFile, ReadAndWriteByNumber) {
  testing::TempFolder dir;
  std::string path = dir / "q.ran";
  auto file = RecordFile::open(path);
  EXPECT_EQ(file.count(), 0) << "opening creates an empty file";
  EXPECT_TRUE(std::filesystem::exists(path));

  file.write(1, {"A1", "E1", "Q1"});
  file.write(3, {"A3", "E3", "Q3"});
  file.write(2, {"A2", "E2", "Q2"});
  EXPECT_EQ(file.count(), 3);
  EXPECT_EQ(std::filesystem::file_size(path), 3 * kRecordLength);
  file.write(1, {"B1", "F1", "R1"});  // overwrite in place
  EXPECT_EQ(file.count(), 3);

  auto again = RecordFile::open(path, RecordFile::Access::Read);
  struct Case {
    std::int32_t n;
    const char* question;
  } cases[] = {{1, "R1"}, {2, "Q2"}, {3, "Q3"}};
  for (const auto& c : cases)
    EXPECT_EQ(again.read(c.n).Question, c.question + std::string(198, ' ')) << c.n;
  EXPECT_THROW(again.write(4, {"", "", ""}), DataError) << "a read-only file is not written";
  for (std::int32_t n : {0, -1, 4}) {
    try {
      again.read(n);
      ADD_FAILURE() << n << " read";
    } catch (const DataError& e) {
      EXPECT_EQ(e.problem(), DataProblem::NoSuchRecord);
      EXPECT_EQ(e.placeKind(), PlaceKind::Record);
    }
  }
}

TEST(RecordFile, CountIgnoresAPartialLastRecord) {
  testing::TempFolder dir;
  struct Case {
    std::size_t bytes;
    std::int32_t count;
  } cases[] = {{0, 0}, {699, 0}, {700, 1}, {1399, 1}, {1400, 2}, {2101, 3}};
  for (const auto& c : cases) {
    testing::writeBytes(dir / "p.ran", std::string(c.bytes, ' '));
    EXPECT_EQ(RecordFile::open(dir / "p.ran", RecordFile::Access::Read).count(), c.count)
        << c.bytes;
  }
}

TEST(RecordFile, BadRecordsAreReported) {
  testing::TempFolder dir;
  std::string good = encodeRecord({"a", "b", "c"});
  std::string bad = good;
  bad[199] = '\x82';  // a lead byte whose trail lies in the next field
  testing::writeBytes(dir / "b.ran", good + bad);
  auto file = RecordFile::open(dir / "b.ran", RecordFile::Access::Read);
  EXPECT_EQ(file.read(1).Answer.substr(0, 1), "a");
  try {
    file.read(2);
    ADD_FAILURE() << "broken record read";
  } catch (const DataError& e) {
    EXPECT_EQ(e.problem(), DataProblem::NotCp932);
    EXPECT_EQ(e.place(), 2);
    EXPECT_EQ(e.message(),
              "「b.ran」の2番目のレコード：CP932（シフトJIS）の文字として読めないバイトがあります");
  }

  auto rw = RecordFile::open(dir / "b.ran");
  try {
    rw.write(1, {"ok", "caf\xC3\xA9", "q"});
    ADD_FAILURE() << "unwritable text written";
  } catch (const DataError& e) {
    EXPECT_EQ(e.problem(), DataProblem::NotWritable);
    EXPECT_EQ(e.detail(), "\xC3\xA9");
  }
  EXPECT_EQ(rw.read(1).Answer.substr(0, 1), "a") << "the failed write changed nothing";
}

TEST(RecordFile, OpeningWhereNoFileCanBeIsAnError) {
  testing::TempFolder dir;
  EXPECT_THROW(RecordFile::open(dir / "no-such-folder/q.ran"), DataError);
  EXPECT_THROW(RecordFile::open(dir.path()), DataError);
}

}  // namespace
}  // namespace zunobi::data
