#include "data/kioku_bun.h"

#include <gtest/gtest.h>

#include "data/data_files.h"

namespace zunobi::data {
namespace {

std::vector<std::string> readText(const std::string& utf8) {
  return testing::readCp932("記憶用文章.csv", utf8,
                            [](const std::string& p) { return readKiokuBun(p); });
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
