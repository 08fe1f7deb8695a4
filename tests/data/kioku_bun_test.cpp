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
  EXPECT_EQ(rows, (std::vector<std::string>{"昨日の夕食に何を食べましたか？",
                                            "春といえば、何を思い浮かべますか？",
                                            "好きな色は、何色ですか？"}));
}

TEST(KiokuBunTest, TakesTheFirst500RowsAndReadsNoFurther) {
  std::string full;
  for (int i = 1; i <= kMaxKiokuBun; ++i)
    full += std::to_string(i) + ",\"a\",\"問" + std::to_string(i) + "\"\r\n";
  auto rows = readText(full + "\"壊れた行\"\r\n");
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kMaxKiokuBun));
  EXPECT_EQ(rows.back(), "問500");
}

}  // namespace
}  // namespace zunobi::data
