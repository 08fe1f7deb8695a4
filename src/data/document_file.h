// One everyday document of the document drill: "bun/b001.csv" … Each line
// holds a document line and 1, or a question about it and its answer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/field_reader.h"
#include "data/limits.h"

namespace zunobi::data {

struct DocumentFile {
  std::vector<std::string> lines;      // the document's lines, in file order
  std::vector<std::string> questions;  // each cut or filled to 100 characters
  std::vector<std::string> answers;    // likewise, at the question's position
  std::int32_t fileLines = 0;          // lines of the file: document and question lines
};

// A second field of 1 marks a document line; anything else is an answer.
bool isDocumentLine(const Field& mark);

// The document as its label shows it: every line followed by CR LF.
std::string documentText(const DocumentFile& doc);

// A text held in a fixed 100-character field: cut to 100 characters, or
// filled with spaces to 100.
std::string fixedWidthText(const std::string& utf8);

// Throws DataError for a missing or unreadable file, a last line cut short,
// more than 300 lines, or no question line (NoQuestions): a document the
// drill cannot ask about.
DocumentFile readDocumentFile(const std::string& path);

}  // namespace zunobi::data
