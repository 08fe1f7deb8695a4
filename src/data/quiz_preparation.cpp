#include "data/quiz_preparation.h"

#include "data/cp932.h"
#include "data/data_error.h"
#include "data/field_reader.h"
#include "data/file_io.h"
#include "data/folders.h"
#include "ui/text.h"

namespace zunobi::data {

QuizListFiles filesOf(QuizList list) {
  if (list == QuizList::Nazonazo) return {kNazonazoList, kNazonazoQuestions};
  return {kOmoideList, kOmoideQuestions};
}

std::vector<QuizRecord> readSourceList(const std::string& path) {
  FieldReader in = FieldReader::open(path);
  std::vector<QuizRecord> records;
  while (!in.atEnd()) {
    std::int32_t line = in.line();
    if (static_cast<std::int32_t>(records.size()) == kMaxQuizRecords)
      throw DataError(DataProblem::TooManyRecords, path, line, ui::decimal(kMaxQuizRecords));
    // A line with too few or too many fields would shift every later
    // record; it is refused rather than read across lines.
    auto fields = in.readLine();
    if (fields.size() != kSourceFields)
      throw DataError(
          DataProblem::WrongFieldCount, path, line,
          ui::decimal(kSourceFields) + "つのところ" + ui::decimal(fields.size()) + "つ");
    QuizRecord record{fields[2].text(), fields[3].text(), fields[4].text()};
    std::string bad = unwritableCharacter(record);
    if (!bad.empty()) throw DataError(DataProblem::NotWritable, path, line, bad);
    records.push_back(std::move(record));
  }
  return records;
}

std::string questionFileBytes(const std::vector<QuizRecord>& records, std::string_view oldBytes) {
  std::string bytes;
  bytes.reserve(std::max(records.size() * kRecordLength, oldBytes.size()));
  for (const auto& r : records) bytes += encodeRecord(r);
  if (oldBytes.size() > bytes.size()) bytes += oldBytes.substr(bytes.size());
  return bytes;
}

std::string finishedMessage(std::int32_t written) { return ui::decimal(written) + "件　終了"; }

PreparationResult prepareQuestionFile(QuizList list, std::string_view programFolder) {
  auto files = filesOf(list);
  std::string source = WorkFolder(programFolder) + std::string(files.source);
  std::string target = DataFolder(programFolder) + std::string(files.target);
  try {
    // Refused before the list is read: on an installed system no list,
    // however sound, can be written.
    requireWritableFolder(DataFolder(programFolder));
    auto records = readSourceList(source);
    auto old = readBytesIfPresent(target);
    replaceFile(target, questionFileBytes(records, old.value_or("")));
    auto written = static_cast<std::int32_t>(records.size());
    return {true, written, finishedMessage(written)};
  } catch (const DataError& e) {
    return {false, 0, "中止：" + e.message() + "　問題ファイルは変更していません"};
  } catch (const std::exception&) {
    return {false, 0,
            "中止：「" + std::string(files.target) +
                "」を作れませんでした　問題ファイルは変更していません"};
  }
}

}  // namespace zunobi::data
