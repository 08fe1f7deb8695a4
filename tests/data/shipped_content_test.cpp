// The data files that ship with the program, read by the drills' own readers.
#include <gtest/gtest.h>
#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "data/cp932.h"
#include "data/document_file.h"
#include "data/folders.h"
#include "data/jyukugo_table.h"
#include "data/quiz_preparation.h"
#include "data/record_file.h"

namespace zunobi::data {
namespace {

constexpr const char* kDictionary = "/usr/share/mecab/dic/ipadic";
constexpr const char* kKanjidic = "/usr/share/edict/kanjidic";
constexpr const char* kHomophones = ZUNOBI_CONTENT_TOOLS "/homophones.txt";

std::string fromEucJp(const std::string& bytes) {
  iconv_t cd = iconv_open("UTF-8", "EUC-JP");
  std::string out(bytes.size() * 2, '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* o = out.data();
  std::size_t outLeft = out.size();
  while (inLeft > 0 && iconv(cd, &in, &inLeft, &o, &outLeft) == static_cast<std::size_t>(-1)) {
    ++in;  // a byte the table lacks: the word it belongs to is simply not found
    --inLeft;
  }
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

// The lines of an EUC-JP file, as UTF-8.
std::vector<std::string> eucJpLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> lines;
  std::istringstream text(fromEucJp(bytes));
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> fields(const std::string& line, char separator) {
  std::vector<std::string> out;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, separator);) out.push_back(field);
  return out;
}

// Every two-character word of the dictionary's word lists, with its readings.
std::map<std::string, std::set<std::string>> dictionaryWords() {
  std::map<std::string, std::set<std::string>> words;
  for (const auto& entry : std::filesystem::directory_iterator(kDictionary)) {
    if (entry.path().extension() != ".csv") continue;
    for (const auto& line : eucJpLines(entry.path())) {
      // Surface form first, the reading twelfth.
      auto f = fields(line, ',');
      if (f.size() > 11 && utf8Characters(f[0]).size() == 2) words[f[0]].insert(f[11]);
    }
  }
  return words;
}

// The kanji of the jouyou list: kanjidic grades 1 to 6 (taught at primary
// school) and 8 (the rest); 9 and 10 are the name kanji, outside the list.
std::set<std::string> joyoKanji() {
  std::set<std::string> kanji;
  for (const auto& line : eucJpLines(kKanjidic)) {
    auto f = fields(line, ' ');
    for (std::size_t i = 1; i < f.size(); ++i)
      if (f[i].size() == 2 && f[i][0] == 'G' && f[i][1] >= '1' && f[i][1] <= '8')
        kanji.insert(f[0]);
  }
  return kanji;
}

// Pairs of compounds judged different words though they sound alike, one
// pair a line ("関心 感心").
std::set<std::pair<std::string, std::string>> homophones() {
  std::ifstream in(kHomophones);
  std::set<std::pair<std::string, std::string>> pairs;
  for (std::string line; std::getline(in, line);) {
    auto f = fields(line, ' ');
    if (f.size() == 2 && line[0] != '#') pairs.insert({std::min(f[0], f[1]), std::max(f[0], f[1])});
  }
  return pairs;
}

std::size_t lines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::size_t n = 0;
  for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2) ++n;
  return n;
}

TEST(ShippedContentTest, EveryCompoundIsAnEverydayDictionaryWord) {
  ASSERT_TRUE(std::filesystem::is_directory(kDictionary))
      << kDictionary << " is missing: tools/setup.sh installs mecab-ipadic";
  ASSERT_TRUE(std::filesystem::exists(kKanjidic))
      << kKanjidic << " is missing: tools/setup.sh installs kanjidic";
  const auto words = dictionaryWords();
  const auto joyo = joyoKanji();
  const auto alike = homophones();
  ASSERT_GT(words.size(), 10000u);
  ASSERT_GT(joyo.size(), 2000u);
  ASSERT_LT(joyo.size(), 2200u);
  ASSERT_FALSE(alike.empty()) << kHomophones;
  const std::string path = data::DataFolder() + std::string(data::kNijiJyukugoFile);
  auto records = readJyukugo(path);
  // No record of the file is dropped as unusable.
  EXPECT_EQ(records.size(), lines(path));
  EXPECT_GE(records.size(), 800u);
  std::set<std::string> centres;
  for (const auto& r : records) {
    const std::string centre = centreKanji(r);
    EXPECT_TRUE(centres.insert(centre).second) << centre << " is the centre of two records";
    for (const auto* list : {&r.saki, &r.ato}) {
      std::vector<std::string> compounds;
      for (std::size_t i = 0; i < list->size(); ++i) compounds.push_back((*list)[i]);
      for (std::size_t i = 0; i < compounds.size(); ++i) {
        const std::string& c = compounds[i];
        auto word = words.find(c);
        if (word == words.end()) {
          ADD_FAILURE() << c << " (centre " << centre << ") is no dictionary word";
          continue;
        }
        for (const auto& k : utf8Characters(c))
          EXPECT_TRUE(joyo.count(k))
              << c << " (centre " << centre << "): " << k << " is no jouyou kanji";
        // One word written two ways (淡白, 淡泊) would stand twice in the list.
        for (std::size_t j = i + 1; j < compounds.size(); ++j) {
          auto other = words.find(compounds[j]);
          if (other == words.end() ||
              alike.count({std::min(c, compounds[j]), std::max(c, compounds[j])}))
            continue;
          for (const auto& reading : word->second)
            EXPECT_FALSE(other->second.count(reading))
                << c << " and " << compounds[j] << " (centre " << centre << ") both read "
                << reading << "; if they are different words, list them in " << kHomophones;
        }
      }
    }
  }
}

TEST(ShippedContentTest, EveryDocumentLoadsWithItsQuestions) {
  for (int n = 1; n <= data::kDocumentCount; ++n) {
    const std::string name = data::DocumentFileName(n);
    auto doc = readDocumentFile(data::DocumentFolder() + name);
    EXPECT_GE(doc.lines.size(), 6u) << name;
    EXPECT_LE(doc.lines.size(), 20u) << name;
    EXPECT_GE(doc.questions.size(), 4u) << name;
    for (std::size_t q = 0; q < doc.questions.size(); ++q) {
      EXPECT_NE(doc.questions[q], fixedWidthText("")) << name << " question " << q + 1;
      EXPECT_NE(doc.answers[q], fixedWidthText("")) << name << " answer " << q + 1;
    }
  }
}

TEST(ShippedContentTest, BothQuizzesHoldEveryLineOfTheirLists) {
  for (auto list : {data::QuizList::Nazonazo, data::QuizList::Omoide}) {
    auto files = data::filesOf(list);
    auto source = data::readSourceList(data::WorkFolder() + std::string(files.source));
    auto file = data::RecordFile::open(data::DataFolder() + std::string(files.target));
    EXPECT_GE(source.size(), 300u) << files.source;
    ASSERT_EQ(static_cast<std::size_t>(file.count()), source.size()) << files.target;
    std::set<std::string> questions;
    for (std::int32_t n = 1; n <= file.count(); ++n) {
      auto r = file.read(n);
      EXPECT_TRUE(questions.insert(r.Question).second) << files.target << " " << n << " again";
      EXPECT_EQ(r.Question.substr(0, source[n - 1].Question.size()), source[n - 1].Question);
    }
  }
}

}  // namespace
}  // namespace zunobi::data
