// The two conversions of the preparation window: a riddle or quiz source
// list (five fields a line) becomes the question file the quiz reads.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/record_file.h"

namespace zunobi::data {

enum class QuizList { Omoide, Nazonazo };

struct QuizListFiles {
  std::string_view source;  // in WorkFolder
  std::string_view target;  // in DataFolder
};
QuizListFiles filesOf(QuizList list);

// The quiz windows use at most this many records.
inline constexpr std::int32_t kMaxQuizRecords = 10000;
inline constexpr int kSourceFields = 5;

// The records of a source list: field 3 the answer, 4 the explanation, 5 the
// question. Every line must hold exactly five fields; throws DataError
// (Missing, NotCp932, WrongFieldCount, UnclosedQuote, TooManyRecords,
// NotWritable) with the line.
std::vector<QuizRecord> readSourceList(const std::string& path);

// The question file's new bytes: the records over the old file's bytes,
// whose records beyond the new ones keep their contents.
std::string questionFileBytes(const std::vector<QuizRecord>& records, std::string_view oldBytes);

struct PreparationResult {
  bool ok = false;
  std::int32_t written = 0;
  std::string message;  // what the window shows in lblMsg1
};

// Reads and checks the whole list, then puts the new question file in place
// in one step. On any failure the question file is left exactly as it was
// and the message says what went wrong and where; a data folder that this
// user may not write (an installed program's) is named in full.
PreparationResult prepareQuestionFile(QuizList list, std::string_view programFolder);

// "3件　終了"
std::string finishedMessage(std::int32_t written);

}  // namespace zunobi::data
