#include "data/jyukugo_table.h"

#include <gtest/gtest.h>

#include "data/data_files.h"

namespace zunobi::data {
namespace {

using testing::TempFolder;

std::string record(int n, const std::vector<std::string>& saki, const std::vector<std::string>& ato,
                   std::string sakiCount = {}) {
  return testing::jyukugoRecord(n, saki, ato, std::move(sakiCount));
}

std::vector<JyukugoRecord> readText(const std::string& utf8) {
  return testing::readCp932("二字熟語.csv", utf8,
                            [](const std::string& p) { return readJyukugo(p); });
}

std::vector<std::string> list(const Compounds& compounds) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < compounds.size(); ++i) out.push_back(compounds[i]);
  return out;
}

const std::vector<std::string> kYamaSaki{"山道", "山林", "山頂"};
const std::vector<std::string> kYamaAto{"登山", "火山"};
const std::vector<std::string> kKawaSaki{"川岸", "川上"};
const std::vector<std::string> kKawaAto{"小川", "河川"};

// The first compound of each record kept, or none: a file without a record
// the drill can use is an error.
TEST(JyukugoTableTest, KeepsOnlyRecordsThatCanMakeAPuzzle) {
  const std::string yama = record(1, kYamaSaki, kYamaAto);
  const std::string kawa = record(2, kKawaSaki, kKawaAto);
  // The record goes on after its saki count, on the next line.
  std::string broken = yama;
  broken.replace(broken.find(",3,\""), 3, ",3\r\n");
  const std::string none = "「二字熟語.csv」：使える問題がありません";
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> firsts;
    std::string error;
  } cases[] = {
      {"a record over two lines", broken + kawa, {"山道", "川岸"}, {}},
      {"a record with one compound is dropped", record(1, {"山道"}, kYamaAto) + kawa, {"川岸"}, {}},
      {"a count of 30 fills every slot",
       record(1, std::vector<std::string>(30, "山道"), kYamaAto),
       {"山道"},
       {}},
      {"a count above the slots", record(1, kYamaSaki, kYamaAto, "31"), {}, none},
      {"a count with a fraction", record(1, kYamaSaki, kYamaAto, "2.5"), {}, none},
      {"a count naming an empty slot", record(1, kYamaSaki, kYamaAto, "4"), {}, none},
  };
  for (const auto& c : cases) {
    std::string error = testing::messageOf([&] {
      std::vector<std::string> firsts;
      for (const auto& r : readText(c.text)) firsts.push_back(r.saki.front());
      EXPECT_EQ(firsts, c.firsts) << c.what;
    });
    EXPECT_EQ(error, c.error) << c.what;
  }
}

TEST(JyukugoTableTest, CompoundsAreTwoCharactersOfAnyWidth) {
  struct Case {
    std::string compound;
    bool taken;
  } cases[] = {
      {"山道", true}, {"ab", true},      {"𠮷野", true}, {"a山", true},
      {"山", false},  {"山道路", false}, {"", false},
  };
  Compounds compounds;
  std::vector<std::string> taken;
  for (const auto& c : cases) {
    EXPECT_EQ(compounds.add(c.compound), c.taken) << c.compound;
    if (c.taken) taken.push_back(c.compound);
  }
  EXPECT_EQ(list(compounds), taken);
}

TEST(JyukugoTableTest, ReadsAtMostFifteenHundredUsableRecords) {
  std::string text;
  for (int i = 1; i <= kMaxJyukugo + 2; ++i) text += record(i, kYamaSaki, kYamaAto);
  text += "not even a record";
  EXPECT_EQ(readText(text).size(), static_cast<std::size_t>(kMaxJyukugo));
}

// A read ahead is handed over only for the same bytes, and only once.
TEST(JyukugoTableTest, AReadAheadIsUsedOnlyForTheSameFileUnchanged) {
  const std::string yama = record(1, kYamaSaki, kYamaAto);
  const std::string changed = record(1, kYamaSaki, {"下山", "火山"});
  ASSERT_EQ(yama.size(), changed.size());
  TempFolder dir;
  const std::string file = dir / "二字熟語.csv";
  testing::writeBytes(file, utf8ToCp932(yama));
  readJyukugoAhead(file);
  EXPECT_EQ(list(readJyukugo(file)[0].ato), kYamaAto);
  readJyukugoAhead(file);
  testing::writeBytes(file, utf8ToCp932(changed));
  EXPECT_EQ(list(readJyukugo(file)[0].ato), (std::vector<std::string>{"下山", "火山"}));
  testing::writeBytes(file, utf8ToCp932(yama + changed));
  EXPECT_EQ(readJyukugo(file).size(), 2u);
}

}  // namespace
}  // namespace zunobi::data
