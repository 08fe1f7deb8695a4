#include "data/field_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/data_files.h"

namespace zunobi::data {
namespace {

using Records = std::vector<std::vector<std::string>>;

std::vector<std::string> texts(const std::vector<Field>& fields) {
  std::vector<std::string> out;
  for (const auto& f : fields) out.push_back(f.text());
  return out;
}

// The reading loop: k fields at a time until the end.
Records records(const std::string& text, int k) {
  FieldReader in("t.csv", text);
  Records out;
  while (!in.atEnd()) out.push_back(texts(in.read(k)));
  return out;
}

TEST(FieldReader, FieldRules) {
  struct Case {
    const char* what;
    std::string text;
    int k;
    Records expected;
  } cases[] = {
      {"leading spaces skipped, trailing trimmed", "  a  ,   b c \r\n", 2, {{"a", "b c"}}},
      {"full-width spaces are text", "\u3000a\u3000,b", 2, {{"\u3000a\u3000", "b"}}},
      {"quoted comma and spaces", "  \"a, b \",c\r\n", 2, {{"a, b ", "c"}}},
      {"text after the closing quote skipped",
       "\"a\"xyz,\"b\" junk\r\nc,d",
       2,
       {{"a", "b"}, {"c", "d"}}},
      {"quoted line end", "\"x\r\ny\",z\r\n", 2, {{"x\r\ny", "z"}}},
      {"empty fields", "a,,\"\"\r\n", 3, {{"a", "", ""}}},
      {"comma at the very end", "a,b,", 3, {{"a", "b", ""}}},
      {"a short line lends from the next",
       "a,b\r\nc\r\nd,e,f\r\n",
       3,
       {{"a", "b", "c"}, {"d", "e", "f"}}},
      {"bare LF and CR end lines", "a,b\nc,d\re,f", 2, {{"a", "b"}, {"c", "d"}, {"e", "f"}}},
      {"trailing blank lines are no data", "a,b\r\n\r\n  \r\n", 2, {{"a", "b"}}},
      {"a blank line inside is an empty field", "a\r\n\r\nb\r\n", 1, {{"a"}, {""}, {"b"}}},
      {"a quote inside an unquoted field", "ab\"c,d\r\n", 2, {{"ab\"c", "d"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(records(c.text, c.k), c.expected) << c.what;
}

TEST(FieldReader, GeneralFieldsThatReadAsNumbers) {
  struct Case {
    std::string text;
    bool isNumber;
    std::string same;  // a text it equals as the drills compare
  } cases[] = {
      {"1", true, "1.0"},      {"-12", true, "-12"},      {".5", true, "0.5"},
      {"1e3", true, "1000"},   {"2E+2", true, "200"},     {"007", true, "7"},
      {"", false, ""},         {"1a", false, "1a"},       {"１", false, "１"},
      {"0x10", false, "0x10"}, {"1e999", false, "1e999"}, {"1e", false, "1e"},
  };
  for (const auto& c : cases) {
    Field f(c.text);
    EXPECT_EQ(f.isNumber(), c.isNumber) << c.text;
    EXPECT_TRUE(f.equals(c.same)) << c.text;
    EXPECT_FALSE(f.equals("2")) << c.text;
  }
}

TEST(FieldReader, NumberFields) {
  FieldReader in("n.csv", "12, -3 ,2.5\r\n40000,1.5,abc\r\n,\"7\"\r\n");
  EXPECT_EQ(in.readInt16(), 12);
  EXPECT_EQ(in.readInt16(), -3);
  EXPECT_EQ(in.readNumber(), 2.5);
  // 40000 is beyond 16 bits.
  for (auto [whole, message] :
       {std::pair{true, "「n.csv」の2行目：整数の項目が範囲外か、整数ではありません「40000」"},
        std::pair{true, "「n.csv」の2行目：整数の項目が範囲外か、整数ではありません「1.5」"},
        std::pair{false, "「n.csv」の2行目：数値の項目が数値ではありません「abc」"},
        std::pair{false, "「n.csv」の3行目：数値の項目が数値ではありません「」"}})
    EXPECT_EQ(testing::messageOf([&] { whole ? in.readInt16() : in.readNumber(); }), message);
  EXPECT_EQ(in.readInt16(), 7) << "a quoted number is a number";
}

TEST(FieldReader, ErrorsCarryFileAndLine) {
  struct Case {
    std::string text;
    int k;
    const char* message;
  } cases[] = {
      {"a,b,c\r\nd", 3, "「t.csv」の2行目：項目が足りません"},
      {"a,b,c\r\nd\r\n\r\n", 3, "「t.csv」の2行目：項目が足りません"},
      {"  \r\n", 1, "「t.csv」の1行目：項目が足りません"},
      {"a,b\r\n\"c,d\r\ne,f\r\n", 2, "「t.csv」の2行目：引用符（\"）が閉じていません"},
      {"\"a\r\nb\",c\r\n\"d", 2, "「t.csv」の3行目：引用符（\"）が閉じていません"},
  };
  for (const auto& c : cases) {
    FieldReader in("t.csv", c.text);
    auto readAll = [&] {
      do in.read(c.k);
      while (!in.atEnd());
    };
    EXPECT_EQ(testing::messageOf(readAll), c.message) << c.text;
  }
}

TEST(FieldReader, OpensCp932Files) {
  testing::TempFolder dir;
  testing::writeBytes(dir / "bad.csv", "a,b\r\nc,d\r\ne,\x80\r\n");
  // A pipe would never end; a sparse file is large without the disk space.
  ASSERT_EQ(::mkfifo((dir / "pipe.csv").c_str(), 0600), 0);
  testing::writeBytes(dir / "huge.csv", "");
  std::filesystem::resize_file(dir / "huge.csv", 16 * 1024 * 1024 + 1);
  for (auto [file, message] :
       {std::pair{"bad.csv",
                  "「bad.csv」の3行目：CP932（シフトJIS）の文字として読めないバイトがあります"},
        std::pair{"none.csv", "「none.csv」：ファイルが見つかりません"},
        std::pair{"", "「」：ファイルを読めません"},
        std::pair{"pipe.csv", "「pipe.csv」：ファイルを読めません"},
        std::pair{"huge.csv", "「huge.csv」：ファイルが大きすぎます"}}) {
    EXPECT_EQ(testing::messageOf([&] { FieldReader::open(dir / file); }), message);
  }
}

}  // namespace
}  // namespace zunobi::data
