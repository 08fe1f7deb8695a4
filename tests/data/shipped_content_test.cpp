// The data files that ship with the program, read by the drills' own readers.
#include <gtest/gtest.h>
#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "data/cp932.h"
#include "data/document_file.h"
#include "data/folders.h"
#include "data/jyukugo_table.h"
#include "data/quiz_preparation.h"
#include "data/record_file.h"

namespace zunobi::data {
namespace {

constexpr const char* kDictionary = "/usr/share/mecab/dic/ipadic";

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

// Every two-character word of the dictionary's word lists.
std::set<std::string> dictionaryWords() {
  std::set<std::string> words;
  for (const auto& entry : std::filesystem::directory_iterator(kDictionary)) {
    if (entry.path().extension() != ".csv") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string text = fromEucJp(bytes);
    for (std::size_t start = 0; start < text.size();) {
      std::size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string word = text.substr(start, text.find(',', start) - start);
      if (data::utf8Characters(word).size() == 2) words.insert(word);
      start = end + 1;
    }
  }
  return words;
}

std::size_t lines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::size_t n = 0;
  for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2) ++n;
  return n;
}

TEST(ShippedContentTest, EveryCompoundIsADictionaryWord) {
  ASSERT_TRUE(std::filesystem::is_directory(kDictionary))
      << kDictionary << " is missing: tools/setup.sh installs mecab-ipadic";
  const auto words = dictionaryWords();
  ASSERT_GT(words.size(), 10000u);
  const std::string path = data::DataFolder() + std::string(data::kNijiJyukugoFile);
  auto records = readJyukugo(path);
  // No record of the file is dropped as unusable.
  EXPECT_EQ(records.size(), lines(path));
  EXPECT_GE(records.size(), 800u);
  std::set<std::string> centres;
  for (const auto& r : records) {
    const std::string centre = centreKanji(r);
    EXPECT_TRUE(centres.insert(centre).second) << centre << " is the centre of two records";
    for (const auto* list : {&r.saki, &r.ato})
      for (const auto& c : list->list())
        EXPECT_TRUE(words.count(c)) << c << " (centre " << centre << ")";
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
    auto file = data::RecordFile::open(data::DataFolder() + std::string(files.target),
                                       data::RecordFile::Access::Read);
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
