#include "data/document_file.h"

#include <gtest/gtest.h>

#include "data/data_files.h"

namespace zunobi::data {
namespace {

DocumentFile readText(const std::string& utf8) {
  return testing::readCp932("b001.csv", utf8,
                            [](const std::string& p) { return readDocumentFile(p); });
}

std::string padded(const std::string& text, std::size_t chars) {
  return text + std::string(kMaxQuestionChars - chars, ' ');
}

TEST(DocumentFileTest, SplitsDocumentLinesFromQuestions) {
  auto doc = readText(
      "\"回覧板\",1\r\n"
      "\"清掃は５月９日（日）\",1\r\n"
      "\"清掃は何日？\",\"５月９日\"\r\n"
      "\"集合場所は？\",\"公民館前\"\r\n"
      "\"持ち物は軍手、ごみ袋\",1\r\n"
      "\"\",1\r\n"
      "\"何個？\",\"1個\"");  // no line end after the last line
  EXPECT_EQ(doc.lines, (std::vector<std::string>{"回覧板", "清掃は５月９日（日）",
                                                 "持ち物は軍手、ごみ袋", ""}));
  EXPECT_EQ(documentText(doc), "回覧板\r\n清掃は５月９日（日）\r\n持ち物は軍手、ごみ袋\r\n\r\n");
  EXPECT_EQ(doc.fileLines, 7);
  ASSERT_EQ(doc.questions.size(), 3u);
  EXPECT_EQ(doc.questions[0], padded("清掃は何日？", 6));
  EXPECT_EQ(doc.answers[1], padded("公民館前", 4));
  EXPECT_EQ(doc.answers[2], padded("1個", 2));
}

TEST(DocumentFileTest, TheDocumentMarkIsTheNumberOne) {
  struct Case {
    const char* mark;
    bool documentLine;
  } cases[] = {{"1", true},       {"\"1\"", true}, {" 1 ", true},      {"1.0", true},
               {"\"１\"", false}, {"2", false},    {"\"1個\"", false}, {"\"\"", false}};
  for (const auto& c : cases) {
    auto doc = readText(std::string("\"本文\",") + c.mark + "\r\n\"質問\",\"答え\"\r\n");
    EXPECT_EQ(doc.lines.empty(), !c.documentLine) << c.mark;
    EXPECT_EQ(doc.questions.size(), c.documentLine ? 1u : 2u) << c.mark;
  }
}

TEST(DocumentFileTest, QuestionsAndAnswersAreHeldInOneHundredCharacters) {
  std::string longText;
  for (int i = 0; i < 12; ++i) longText += "あいうえおかきくけ" + std::to_string(i % 10);
  auto doc = readText("\"本文\",1\r\n\"" + longText + "\",\"" + longText + "\"\r\n");
  auto chars = utf8Characters(longText);
  std::string first100;
  for (std::size_t i = 0; i < kMaxQuestionChars; ++i) first100 += chars[i];
  EXPECT_EQ(doc.questions[0], first100);
  EXPECT_EQ(doc.answers[0], first100);
  EXPECT_EQ(fixedWidthText(""), std::string(kMaxQuestionChars, ' '));
}

TEST(DocumentFileTest, RefusesWhatTheDrillCannotHold) {
  std::string text = "\"質問\",\"答え\"\r\n";
  for (int i = 1; i < kMaxDocumentLines; ++i) text += "\"行\",1\r\n";
  EXPECT_EQ(readText(text).fileLines, kMaxDocumentLines);
  struct Case {
    const char* what;
    std::string text;
    DataProblem problem;
  } cases[] = {
      {"301 lines", text + "\"行\",1\r\n", DataProblem::TooManyRecords},
      {"a last line of one field", "\"本文\",1\r\n\"質問\"\r\n", DataProblem::PastEnd},
      {"an open quote", "\"本文,1\r\n", DataProblem::UnclosedQuote},
      {"no question to ask", "\"本文\",1\r\n", DataProblem::NoQuestions},
  };
  for (const auto& c : cases) {
    auto e = testing::errorOf([&] { readText(c.text); });
    ASSERT_TRUE(e) << c.what << ": no error";
    EXPECT_EQ(e->problem(), c.problem) << c.what;
  }
}

}  // namespace
}  // namespace zunobi::data
