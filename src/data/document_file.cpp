#include "data/document_file.h"

#include "data/cp932.h"
#include "data/data_error.h"
#include "ui/text.h"

namespace zunobi::data {

bool isDocumentLine(const Field& mark) { return mark.equals("1"); }

std::string documentText(const DocumentFile& doc) {
  std::string text;
  for (const auto& line : doc.lines) text += line + "\r\n";
  return text;
}

std::string fixedWidthText(const std::string& utf8) {
  auto chars = utf8Characters(utf8);
  std::string out;
  for (std::size_t i = 0; i < chars.size() && i < kMaxQuestionChars; ++i) out += chars[i];
  if (chars.size() < kMaxQuestionChars) out.append(kMaxQuestionChars - chars.size(), ' ');
  return out;
}

DocumentFile readDocumentFile(const std::string& path) {
  FieldReader in = FieldReader::open(path);
  DocumentFile doc;
  while (!in.atEnd()) {
    if (doc.fileLines == kMaxDocumentLines)
      throw DataError(DataProblem::TooManyRecords, path, in.line(), ui::decimal(kMaxDocumentLines));
    ++doc.fileLines;
    Field first = in.read();
    Field second = in.read();
    if (isDocumentLine(second)) {
      doc.lines.push_back(first.text());
    } else {
      doc.questions.push_back(fixedWidthText(first.text()));
      doc.answers.push_back(fixedWidthText(second.text()));
    }
  }
  if (doc.questions.empty()) throw DataError(DataProblem::NoQuestions, path);
  return doc;
}

}  // namespace zunobi::data
