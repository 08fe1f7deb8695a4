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

// A second field that reads as the number 1 marks a document line; questions
// and answers are filled or cut to 100 characters.
TEST(DocumentFileTest, SplitsDocumentLinesFromQuestions) {
  auto doc = readText(
      "\"回覧板\",1\r\n"
      "\"清掃は５月９日（日）\", 1.0 \r\n"
      "\"" +
      testing::repeat("問", 101) + "\",\"" + testing::repeat("答", 101) +
      "\"\r\n"
      "\"集合場所は？\",\"１\"\r\n"
      "\"持ち物は軍手、ごみ袋\",\"1\"\r\n"
      "\"\",1\r\n"
      "\"何個？\",\"1個\"");  // no line end after the last line
  EXPECT_EQ(documentText(doc), "回覧板\r\n清掃は５月９日（日）\r\n持ち物は軍手、ごみ袋\r\n\r\n");
  EXPECT_EQ(doc.fileLines, 7);
  ASSERT_EQ(doc.questions.size(), 3u);
  EXPECT_EQ(doc.questions[0], testing::repeat("問", 100));
  EXPECT_EQ(doc.answers[0], testing::repeat("答", 100));
  EXPECT_EQ(doc.questions[1], padded("集合場所は？", 6));
  EXPECT_EQ(doc.answers[1], padded("１", 1));
  EXPECT_EQ(doc.answers[2], padded("1個", 2));
}

TEST(DocumentFileTest, RefusesWhatTheDrillCannotHold) {
  std::string text =
      "\"質問\",\"答え\"\r\n" + testing::repeat("\"行\",1\r\n", kMaxDocumentLines - 1);
  EXPECT_EQ(readText(text).fileLines, kMaxDocumentLines);
  for (const auto& [bad, message] :
       {std::pair{text + "\"行\",1\r\n",
                  "「b001.csv」の301行目：件数が上限を超えています（上限300件）"},
        std::pair{std::string("\"本文\",1\r\n"), "「b001.csv」：質問の行がありません"}}) {
    EXPECT_EQ(testing::messageOf([&] { readText(bad); }), message);
  }
}

}  // namespace
}  // namespace zunobi::data
