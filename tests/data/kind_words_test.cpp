// The compound puzzle asks for no word on the maintainers' list of grim words
// (tools/content/grim_words.txt): no death, war, disaster, violence or prison.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "data/cp932.h"
#include "data/field_reader.h"
#include "data/folders.h"
#include "data/limits.h"
#include "support/temp_folder.h"

#ifndef ZUNOBI_CONTENT_TOOLS
#error "the build names the folder of the content tools"
#endif

namespace zunobi::data {
namespace {

constexpr const char* kGrimWords = ZUNOBI_CONTENT_TOOLS "/grim_words.txt";

// One word a line; blank lines and lines starting with # are comments.
std::vector<std::string> readWordList(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> words;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    words.push_back(line);
  }
  return words;
}

// The compounds of a compound-puzzle file that stand in `words`, each with its
// centre kanji, in file order.
std::vector<std::string> compoundsInList(const std::string& path,
                                         const std::set<std::string>& words) {
  std::vector<std::string> found;
  for (FieldReader in = FieldReader::open(path); !in.atEnd();) {
    const auto record = in.read(kJyukugoFields);
    // Fields 2 to 31 and 33 to 62 are the compound slots; the count follows each run.
    for (int field = 1; field < 62; ++field) {
      if (field == 31) continue;
      const std::string& compound = record[static_cast<std::size_t>(field)].text();
      if (words.count(compound)) found.push_back(compound);
    }
  }
  return found;
}

std::string recordLine(int n, const std::vector<std::string>& saki,
                       const std::vector<std::string>& ato) {
  std::string line = std::to_string(n);
  for (const auto* list : {&saki, &ato}) {
    for (std::size_t i = 0; i < 30; ++i)
      line += i < list->size() ? ",\"" + (*list)[i] + "\"" : std::string(",");
    line.append(",").append(std::to_string(list->size()));  // not "," + …: GCC 12 -Wrestrict
  }
  return line + "\r\n";
}

TEST(KindWords, TheListHoldsTwoCharacterWordsEachOnce) {
  const auto words = readWordList(kGrimWords);
  ASSERT_GT(words.size(), 100u) << kGrimWords << " is missing or cut short";
  std::set<std::string> seen;
  for (const auto& w : words) {
    EXPECT_EQ(utf8Characters(w).size(), 2u) << "「" << w << "」 is no two-kanji compound";
    EXPECT_TRUE(seen.insert(w).second) << "「" << w << "」 stands twice";
    EXPECT_NO_THROW(utf8ToCp932(w)) << "「" << w << "」 cannot be written in the data files";
  }
}

TEST(KindWords, ACompoundOnTheListIsFoundInEitherRunOfAnyRecord) {
  testing::TempFolder dir;
  const std::string path = dir / "二字熟語.csv";
  testing::writeBytes(path, utf8ToCp932(recordLine(1, {"人生", "人気"}, {"美人", "犯人"}) +
                                        recordLine(2, {"戦争", "戦術"}, {"作戦", "挑戦"}) +
                                        recordLine(3, {"花火", "花見"}, {"開花", "生花"})));
  const std::set<std::string> words = {"犯人", "戦争", "火事"};
  EXPECT_EQ(compoundsInList(path, words), (std::vector<std::string>{"犯人", "戦争"}));
}

TEST(KindWords, NoShippedCompoundIsOnTheList) {
  const auto list = readWordList(kGrimWords);
  const std::set<std::string> words(list.begin(), list.end());
  ASSERT_FALSE(words.empty()) << kGrimWords;
  const std::string path = DataFolder() + std::string(kNijiJyukugoFile);
  for (const auto& compound : compoundsInList(path, words))
    ADD_FAILURE() << "「" << compound << "」 in " << path << " is on " << kGrimWords;
}

}  // namespace
}  // namespace zunobi::data
