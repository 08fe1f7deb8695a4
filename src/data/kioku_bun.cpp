#include "data/kioku_bun.h"

#include "ui/text.h"

namespace zunobi::data {

std::vector<std::string> readKiokuBun(const std::string& path) {
  FieldReader in = FieldReader::open(path);
  std::vector<std::string> rows;
  // The drills' table holds 500 rows: the lines after those are not read.
  while (!in.atEnd() && static_cast<std::int32_t>(rows.size()) < kMaxKiokuBun) {
    in.readInt16();  // a sequence number, not used
    in.read();       // a category, not shown
    rows.push_back(in.read().text());
  }
  return rows;
}

std::string kiokuBunShortage(std::size_t rows, int perQuestion) {
  constexpr std::int64_t kQuestionsPerRun = 10;
  const std::int64_t needed = kQuestionsPerRun * perQuestion;
  const auto count = static_cast<std::int64_t>(rows);
  if (count >= needed) return {};
  return "文章が" + ui::decimal(count) + "件しかありません（" + ui::decimal(needed) +
         "件以上必要です）";
}

}  // namespace zunobi::data
