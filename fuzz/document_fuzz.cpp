// Any file as a document of the document drill: at most 300 lines, each
// either a document line or a question with its answer, at least one
// question, questions and answers held at exactly 100 characters; or a
// DataError that names a line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "check.h"
#include "data/cp932.h"
#include "data/data_error.h"
#include "data/document_file.h"
#include "scratch_file.h"

using namespace zunobi::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!writeScratch(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
  try {
    DocumentFile doc = readDocumentFile(scratchPath());
    FUZZ_CHECK(doc.fileLines >= 0 && doc.fileLines <= kMaxDocumentLines);
    FUZZ_CHECK(doc.lines.size() + doc.questions.size() == static_cast<std::size_t>(doc.fileLines));
    FUZZ_CHECK(!doc.questions.empty() && doc.questions.size() == doc.answers.size());
    for (const auto* texts : {&doc.questions, &doc.answers})
      for (const auto& t : *texts) FUZZ_CHECK(utf8Characters(t).size() == kMaxQuestionChars);
    const std::string text = documentText(doc);
    std::size_t breaks = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2))
      ++breaks;
    FUZZ_CHECK(breaks >= doc.lines.size());
  } catch (const DataError& e) {
    FUZZ_CHECK(!e.message().empty());
    FUZZ_CHECK(e.line() >= 0 && e.line() <= static_cast<std::int32_t>(size) + 1);
  }
  return 0;
}
