// One everyday document of the document drill: "bun/b001.csv" … Each line
// holds a document line and 1, or a question about it and its answer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/limits.h"

namespace zunobi::drills {

struct DocumentFile {
  std::string text;                    // every document line followed by CR LF, in file order
  std::vector<std::string> questions;  // each cut or filled to 100 characters
  std::vector<std::string> answers;    // likewise, at the question's position
  std::int32_t lineCount = 0;
};

// A text held in a fixed 100-character field: cut to 100 characters, or
// filled with spaces to 100.
std::string fixedWidthText(const std::string& utf8);

// Throws data::DataError for a missing or unreadable file, a last line cut
// short, or more than 300 lines.
DocumentFile readDocumentFile(const std::string& path);

}  // namespace zunobi::drills
