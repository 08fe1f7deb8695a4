#include "data/jyukugo_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "data/data_files.h"

namespace zunobi::data {
namespace {

using testing::errorOf;
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

TEST(JyukugoTableTest, KeepsOnlyRecordsThatCanMakeAPuzzle) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> centres;  // first saki compound of each kept record; none: NoPuzzles
  } cases[] = {
      {"two usable records",
       record(1, kYamaSaki, kYamaAto) + record(2, kKawaSaki, kKawaAto),
       {"山道", "川岸"}},
      {"counts of two and two are enough", record(1, kKawaSaki, kKawaAto), {"川岸"}},
      {"a last record with one compound is dropped",
       record(1, kYamaSaki, kYamaAto) + record(2, kKawaSaki, {"小川"}),
       {"山道"}},
      {"a first record with a count of one is dropped",
       record(1, {"山道"}, kYamaAto) + record(2, kKawaSaki, kKawaAto),
       {"川岸"}},
      {"a count above the slots is dropped", record(1, kYamaSaki, kYamaAto, "31"), {}},
      {"a count with a fraction is dropped", record(1, kYamaSaki, kYamaAto, "2.5"), {}},
      {"a count naming an empty slot is dropped", record(1, kYamaSaki, kYamaAto, "4"), {}},
      {"a slot of one character is dropped", record(1, {"山", "山林"}, kYamaAto), {}},
      {"no line end after the last record",
       [] {
         std::string r = record(1, kYamaSaki, kYamaAto);
         return r.substr(0, r.size() - 2);
       }(),
       {"山道"}},
      {"an empty file", "", {}},
  };
  for (const auto& c : cases) {
    if (c.centres.empty()) {
      auto e = errorOf([&] { readText(c.text); });
      ASSERT_TRUE(e) << c.what;
      EXPECT_EQ(e->message(), "「二字熟語.csv」：使える問題がありません") << c.what;
      continue;
    }
    auto records = readText(c.text);
    std::vector<std::string> firsts;
    for (const auto& r : records) firsts.push_back(r.saki.front());
    EXPECT_EQ(firsts, c.centres) << c.what;
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
  EXPECT_EQ(compounds[taken.size()], "");
}

TEST(JyukugoTableTest, ARecordIsSixtyThreeFieldsWhereverTheLinesBreak) {
  std::string r = record(1, kYamaSaki, kYamaAto);
  // Break the record after its saki count.
  std::size_t at = 0;
  for (int commas = 0; commas < 32; ++at)
    if (r[at] == ',') ++commas;
  r[at - 1] = '\r';
  // A char, not "\n": GCC 12 warns (-Wrestrict, wrongly) on inserting a literal.
  r.insert(r.begin() + static_cast<std::ptrdiff_t>(at), '\n');
  auto records = readText(r + record(2, kKawaSaki, kKawaAto));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(list(records[0].saki), kYamaSaki);
  EXPECT_EQ(list(records[0].ato), kYamaAto);
  EXPECT_EQ(list(records[1].ato), kKawaAto);
}

TEST(JyukugoTableTest, ReadsAtMostFifteenHundredUsableRecords) {
  std::string text;
  for (int i = 1; i <= kMaxJyukugo + 2; ++i) text += record(i, kYamaSaki, kYamaAto);
  text += "not even a record";
  EXPECT_EQ(readText(text).size(), static_cast<std::size_t>(kMaxJyukugo));
}

// What a read finds after a read ahead and a change to the files between.
TEST(JyukugoTableTest, AReadAheadIsUsedOnlyForTheSameFileUnchanged) {
  const std::string yama = record(1, kYamaSaki, kYamaAto);
  const std::string kawa = record(1, kKawaSaki, kKawaAto);
  ASSERT_EQ(yama.size(), record(1, kYamaSaki, {"下山", "火山"}).size());
  struct Case {
    const char* what;
    std::function<void(const std::string& file, const std::string& other)> between;
    bool readsOther;
    std::vector<std::string> ato;  // of the one record read; empty for an error
  } cases[] = {
      {"unchanged", [](auto&, auto&) {}, false, kYamaAto},
      {"changed, same size",
       [&](auto& file, auto&) {
         testing::writeBytes(file, utf8ToCp932(record(1, kYamaSaki, {"下山", "火山"})));
       },
       false,
       {"下山", "火山"}},
      {"changed", [&](auto& file, auto&) { testing::writeBytes(file, utf8ToCp932(kawa)); }, false,
       kKawaAto},
      {"removed", [](auto& file, auto&) { std::filesystem::remove(file); }, false, {}},
      {"another file read",
       [&](auto&, auto& other) { testing::writeBytes(other, utf8ToCp932(kawa)); }, true, kKawaAto},
  };
  for (const auto& c : cases) {
    TempFolder dir;
    const std::string file = dir / "二字熟語.csv";
    const std::string other = dir / "別.csv";
    testing::writeBytes(file, utf8ToCp932(yama));
    readJyukugoAhead(file);
    c.between(file, other);
    const std::string& read = c.readsOther ? other : file;
    if (c.ato.empty()) {
      EXPECT_TRUE(errorOf([&] { readJyukugo(read); })) << c.what;
      continue;
    }
    auto records = readJyukugo(read);
    ASSERT_EQ(records.size(), 1u) << c.what;
    EXPECT_EQ(list(records[0].ato), c.ato) << c.what;
    // The read after it reads the file as it is then.
    testing::writeBytes(read, utf8ToCp932(yama + kawa));
    EXPECT_EQ(readJyukugo(read).size(), 2u) << c.what;
  }
}

TEST(JyukugoTableTest, BrokenFilesAreErrorsThatNameTheirTrouble) {
  struct Case {
    const char* what;
    std::string text;
    DataProblem problem;
  } cases[] = {
      {"first field not a whole number", "1.5" + record(1, kYamaSaki, kYamaAto).substr(1),
       DataProblem::NotAWholeNumber},
      {"count not a number", record(1, kYamaSaki, kYamaAto, "三"), DataProblem::NotANumber},
      {"record cut short", record(1, kYamaSaki, kYamaAto) + "2,\"川岸\",\"川上\"\r\n",
       DataProblem::PastEnd},
  };
  for (const auto& c : cases) {
    auto e = errorOf([&] { readText(c.text); });
    ASSERT_TRUE(e) << c.what << ": no error";
    EXPECT_EQ(e->problem(), c.problem) << c.what;
  }
  auto missing = errorOf([] { readJyukugo("/nonexistent/二字熟語.csv"); });
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->problem(), DataProblem::Missing);
}

}  // namespace
}  // namespace zunobi::data
