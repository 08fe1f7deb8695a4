#include "data/kioku_bun.h"

#include <gtest/gtest.h>

#include "data/data_files.h"

namespace zunobi::data {
namespace {

std::vector<std::string> readText(const std::string& utf8) {
  return testing::readCp932("記憶用文章.csv", utf8,
                            [](const std::string& p) { return readKiokuBun(p); });
}

TEST(KiokuBunTest, ReadsTheQuestionOfEveryLine) {
  auto rows = readText(
      "1,\"食事\",\"昨日の夕食に何を食べましたか？\"\r\n"
      " 2 , 季節 , \"春といえば、何を思い浮かべますか？\" \r\n"
      "3,\"\",\"好きな色は、何色ですか？\"");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows, (std::vector<std::string>{"昨日の夕食に何を食べましたか？",
                                            "春といえば、何を思い浮かべますか？",
                                            "好きな色は、何色ですか？"}));
  EXPECT_TRUE(readText("").empty());
}

TEST(KiokuBunTest, TakesTheFirst500RowsAndReadsNoFurther) {
  std::string full;
  for (int i = 1; i <= kMaxKiokuBun; ++i)
    full += std::to_string(i) + ",\"a\",\"問" + std::to_string(i) + "\"\r\n";
  for (const std::string& rest :
       {std::string(), std::string("501,\"a\",\"問501\"\r\n"), std::string("\"壊れた行\"\r\n")}) {
    auto rows = readText(full + rest);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kMaxKiokuBun)) << rest;
    EXPECT_EQ(rows.front(), "問1");
    EXPECT_EQ(rows.back(), "問500");
  }
}

TEST(KiokuBunTest, RefusesFilesTheDrillCannotUse) {
  struct Case {
    const char* what;
    std::string text;
    DataProblem problem;
  } cases[] = {
      {"a number beyond 16 bits", "40000,\"a\",\"b\"\r\n", DataProblem::NotAWholeNumber},
      {"a first field of text", "\"一\",\"a\",\"b\"\r\n", DataProblem::NotANumber},
      {"a last line cut short", "1,\"a\"\r\n", DataProblem::PastEnd},
  };
  for (const auto& c : cases) {
    auto e = testing::errorOf([&] { readText(c.text); });
    ASSERT_TRUE(e) << c.what << ": no error";
    EXPECT_EQ(e->problem(), c.problem) << c.what;
  }
  auto e = testing::errorOf([&] { readKiokuBun("/nonexistent/記憶用文章.csv"); });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->problem(), DataProblem::Missing);
}

}  // namespace
}  // namespace zunobi::data
