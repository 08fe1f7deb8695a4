#include "data/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/cp932.h"
#include "data/data_error.h"
#include "temp_folder.h"

namespace zunobi::data {
namespace {

std::vector<std::string> texts(const std::vector<Field>& fields) {
  std::vector<std::string> out;
  for (const auto& f : fields) out.push_back(f.text());
  return out;
}

// Reads k fields at a time until the end, as every reader's loop does.
std::vector<std::vector<std::string>> records(const std::string& text, int k) {
  FieldReader in("t.csv", text);
  std::vector<std::vector<std::string>> out;
  while (!in.atEnd()) out.push_back(texts(in.read(k)));
  return out;
}

using Records = std::vector<std::vector<std::string>>;

TEST(FieldReader, FieldRules) {
  struct Case {
    const char* what;
    std::string text;
    int k;
    Records expected;
  } cases[] = {
      {"plain fields, one line each", "a,b\r\nc,d\r\n", 2, {{"a", "b"}, {"c", "d"}}},
      {"leading spaces skipped", "  a,   b\r\n", 2, {{"a", "b"}}},
      {"trailing spaces trimmed", "a  ,b   \r\n", 2, {{"a", "b"}}},
      {"spaces inside a field kept", " a b ,c\r\n", 2, {{"a b", "c"}}},
      {"full-width spaces are text", "\u3000a\u3000,b\r\n", 2, {{"\u3000a\u3000", "b"}}},
      {"quoted field holds a comma", "\"a,b\",c\r\n", 2, {{"a,b", "c"}}},
      {"quoted field keeps its spaces", "\" a \",c\r\n", 2, {{" a ", "c"}}},
      {"spaces before a quote skipped", "   \"q\",c\r\n", 2, {{"q", "c"}}},
      {"text after the closing quote skipped", "\"a\"xyz,b\r\n", 2, {{"a", "b"}}},
      {"text after the closing quote up to the line end",
       "a,\"b\" junk\r\nc,d",
       2,
       {{"a", "b"}, {"c", "d"}}},
      {"quoted field across a line end", "\"x\r\ny\",z\r\n", 2, {{"x\r\ny", "z"}}},
      {"empty quoted field", "\"\",b\r\n", 2, {{"", "b"}}},
      {"two commas give an empty field", "a,,c\r\n", 3, {{"a", "", "c"}}},
      {"comma at the line end gives an empty field",
       "a,b,\r\nc,d,\r\n",
       3,
       {{"a", "b", ""}, {"c", "d", ""}}},
      {"comma at the very end gives an empty field", "a,b,", 3, {{"a", "b", ""}}},
      {"a short line lends from the next",
       "a,b\r\nc\r\nd,e,f\r\n",
       3,
       {{"a", "b", "c"}, {"d", "e", "f"}}},
      {"last line without a line end", "a,b\r\nc,d", 2, {{"a", "b"}, {"c", "d"}}},
      {"bare LF ends a line", "a,b\nc,d\n", 2, {{"a", "b"}, {"c", "d"}}},
      {"bare CR ends a line", "a,b\rc,d\r", 2, {{"a", "b"}, {"c", "d"}}},
      {"empty file has no records", "", 2, {}},
      {"trailing blank lines are no data", "a,b\r\n\r\n  \r\n", 2, {{"a", "b"}}},
      {"a blank line inside is an empty field", "a\r\n\r\nb\r\n", 1, {{"a"}, {""}, {"b"}}},
      {"a quote inside an unquoted field is text", "ab\"c,d\r\n", 2, {{"ab\"c", "d"}}},
      {"Japanese text", "１,なぞなぞ,答え\r\n", 3, {{"１", "なぞなぞ", "答え"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(records(c.text, c.k), c.expected) << c.what;
}

TEST(FieldReader, NumbersInGeneralFields) {
  struct Case {
    std::string text;
    bool isNumber;
    double value;
  } cases[] = {
      {"1", true, 1},     {"-12", true, -12},  {"+3", true, 3},     {"2.5", true, 2.5},
      {".5", true, 0.5},  {"1.", true, 1},     {"1e3", true, 1000}, {"007", true, 7},
      {"", false, 0},     {"abc", false, 0},   {"1a", false, 0},    {"1 2", false, 0},
      {"-", false, 0},    {".", false, 0},     {"1e", false, 0},    {"１", false, 0},
      {"0x10", false, 0}, {"1e999", false, 0}, {"inf", false, 0},   {"nan", false, 0},
  };
  for (const auto& c : cases) {
    Field f(c.text);
    EXPECT_EQ(f.isNumber(), c.isNumber) << c.text;
    if (c.isNumber) {
      EXPECT_EQ(f.number(), c.value) << c.text;
    }
    EXPECT_EQ(f.text(), c.text) << "the text is kept as read";
  }
}

TEST(FieldReader, ANumberEqualsItsDigits) {
  struct Case {
    std::string field;
    std::string other;
    bool equal;
  } cases[] = {
      {"1", "1", true},  {"1", "1.0", true}, {"01", "1", true},  {"1", "2", false},
      {"1", "", false},  {"a", "a", true},   {"a", "b", false},  {"", "", true},
      {"2", "1", false}, {"1", "一", false}, {"1.0", "1", true}, {"x1", "1", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Field(c.field).equals(c.other), c.equal) << c.field << " vs " << c.other;
}

TEST(FieldReader, NumberFields) {
  FieldReader in("n.csv", "12, -3 ,2.5\r\n40000,1.5,abc\r\n,\"7\"\r\n");
  EXPECT_EQ(in.readInt16(), 12);
  EXPECT_EQ(in.readInt16(), -3);
  EXPECT_EQ(in.readNumber(), 2.5);
  struct Bad {
    DataProblem problem;
    bool whole;
  } bad[] = {
      {DataProblem::NotAWholeNumber, true},  // 40000 is beyond 16 bits
      {DataProblem::NotAWholeNumber, true},  // 1.5 has a fraction
      {DataProblem::NotANumber, false},      // abc
      {DataProblem::NotANumber, false},      // empty
  };
  std::int32_t lines[] = {2, 2, 2, 3};
  for (std::size_t i = 0; i < std::size(bad); ++i) {
    try {
      if (bad[i].whole)
        in.readInt16();
      else
        in.readNumber();
      ADD_FAILURE() << "field " << i << " accepted";
    } catch (const DataError& e) {
      EXPECT_EQ(e.problem(), bad[i].problem) << i;
      EXPECT_EQ(e.line(), lines[i]) << i;
    }
  }
  EXPECT_EQ(in.readInt16(), 7) << "a quoted number is a number";
  EXPECT_TRUE(in.atEnd());
}

TEST(FieldReader, ErrorsCarryFileAndLine) {
  struct Case {
    const char* what;
    std::string text;
    int k;
    DataProblem problem;
    std::int32_t line;
  } cases[] = {
      {"too few fields on the last line", "a,b,c\r\nd,e\r\n", 3, DataProblem::PastEnd, 2},
      {"too few fields, no final line end", "a,b,c\r\nd", 3, DataProblem::PastEnd, 2},
      {"too few before trailing blank lines", "a,b,c\r\nd,e\r\n\r\n\r\n", 3, DataProblem::PastEnd,
       2},
      {"unclosed quote", "a,b\r\n\"c,d\r\ne,f\r\n", 2, DataProblem::UnclosedQuote, 2},
  };
  for (const auto& c : cases) {
    try {
      records(c.text, c.k);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const DataError& e) {
      EXPECT_EQ(e.problem(), c.problem) << c.what;
      EXPECT_EQ(e.line(), c.line) << c.what;
      EXPECT_EQ(e.fileName(), "t.csv") << c.what;
    }
  }
}

TEST(FieldReader, AReadPastTheEndIsAnError) {
  for (std::string text : {"", "a\r\n", "a", "a\r\n\r\n  "}) {
    FieldReader in("e.csv", text);
    while (!in.atEnd()) in.read();
    EXPECT_THROW(in.read(), DataError) << text;
  }
}

TEST(FieldReader, LinesTrackQuotedLineEnds) {
  FieldReader in("l.csv", "a\r\n\"b\r\nc\"\r\nd\re\nf");
  std::vector<std::pair<std::string, std::int32_t>> seen;
  while (!in.atEnd()) {
    auto f = in.read();
    seen.emplace_back(f.text(), in.lastLine());
  }
  std::vector<std::pair<std::string, std::int32_t>> expected{
      {"a", 1}, {"b\r\nc", 2}, {"d", 4}, {"e", 5}, {"f", 6}};
  EXPECT_EQ(seen, expected);
}

TEST(FieldReader, ReadLineTakesOneLine) {
  FieldReader in("r.csv", "a,b,c\r\nd\r\n,\r\n\"x,y\",z");
  Records lines;
  while (!in.atEnd()) lines.push_back(texts(in.readLine()));
  EXPECT_EQ(lines, (Records{{"a", "b", "c"}, {"d"}, {"", ""}, {"x,y", "z"}}));
}

TEST(FieldReader, OpensCp932Files) {
  testing::TempFolder dir;
  testing::writeBytes(dir / "ok.csv", utf8ToCp932("1,\"表示,ソ\",～\r\n2,b,c"));
  EXPECT_EQ(texts(readRecords(dir / "ok.csv", 3)[0]),
            (std::vector<std::string>{"1", "表示,ソ", "～"}))
      << "0x5C trail bytes of 表 and ソ are no separators";

  testing::writeBytes(dir / "bad.csv", "a,b\r\nc,d\r\ne,\x80\r\n");
  try {
    FieldReader::open(dir / "bad.csv");
    ADD_FAILURE() << "not CP932, yet read";
  } catch (const DataError& e) {
    EXPECT_EQ(e.problem(), DataProblem::NotCp932);
    EXPECT_EQ(e.line(), 3);
    EXPECT_EQ(e.message(),
              "「bad.csv」の3行目：CP932（シフトJIS）の文字として読めないバイトがあります");
  }

  try {
    FieldReader::open(dir / "none.csv");
    ADD_FAILURE() << "missing file opened";
  } catch (const DataError& e) {
    EXPECT_EQ(e.problem(), DataProblem::Missing);
    EXPECT_EQ(e.message(), "「none.csv」：ファイルが見つかりません");
  }
  EXPECT_THROW(FieldReader::open(dir.path()), DataError) << "a folder is no file";
}

TEST(FieldReader, ReadRecordsStopsAtItsLimit) {
  testing::TempFolder dir;
  testing::writeBytes(dir / "m.csv", "1,a\r\n2,b\r\n3,c\r\n");
  EXPECT_EQ(readRecords(dir / "m.csv", 2, 3).size(), 3u);
  try {
    readRecords(dir / "m.csv", 2, 2);
    ADD_FAILURE() << "limit ignored";
  } catch (const DataError& e) {
    EXPECT_EQ(e.problem(), DataProblem::TooManyRecords);
    EXPECT_EQ(e.line(), 3);
  }
}

}  // namespace
}  // namespace zunobi::data
