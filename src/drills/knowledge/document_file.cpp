#include "drills/knowledge/document_file.h"

#include "data/cp932.h"
#include "data/data_error.h"
#include "data/field_reader.h"
#include "ui/text.h"

namespace zunobi::drills {

std::string fixedWidthText(const std::string& utf8) {
  auto chars = data::utf8Characters(utf8);
  std::string out;
  for (std::size_t i = 0; i < chars.size() && i < data::kMaxQuestionChars; ++i) out += chars[i];
  if (chars.size() < data::kMaxQuestionChars)
    out.append(data::kMaxQuestionChars - chars.size(), ' ');
  return out;
}

DocumentFile readDocumentFile(const std::string& path) {
  data::FieldReader in = data::FieldReader::open(path);
  DocumentFile doc;
  while (!in.atEnd()) {
    if (doc.lineCount == data::kMaxDocumentLines)
      throw data::DataError(data::DataProblem::TooManyRecords, path, in.line(),
                            ui::decimal(data::kMaxDocumentLines));
    ++doc.lineCount;
    data::Field first = in.read();
    data::Field second = in.read();
    if (second.equals("1")) {
      doc.text += first.text() + "\r\n";
    } else {
      doc.questions.push_back(fixedWidthText(first.text()));
      doc.answers.push_back(fixedWidthText(second.text()));
    }
  }
  return doc;
}

}  // namespace zunobi::drills
