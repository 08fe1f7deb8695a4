// Any bytes as a quiz's question file, read the way the quiz reads it: the
// record count, every record up to 10000 in turn, and their decoding. A
// record reads as three texts that take at most their field's bytes, or is
// reported as a DataError naming it; nothing else can happen.
#include <cstddef>
#include <cstdint>
#include <string>

#include "check.h"
#include "data/cp932.h"
#include "data/data_error.h"
#include "data/quiz_preparation.h"
#include "data/record_file.h"
#include "scratch_file.h"

using namespace zunobi::data;

namespace {

// A decoded field: UTF-8 of at most 3 bytes per CP932 byte, and the same
// bytes again once encoded.
void checkField(const std::string& text, std::size_t width) {
  FUZZ_CHECK(text.size() <= 3 * width);
  FUZZ_CHECK(utf8ToCp932(text).size() == width);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!writeScratch(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
  try {
    const auto file = RecordFile::open(scratchPath(), RecordFile::Access::Read);
    const std::int32_t count = file.count();
    FUZZ_CHECK(count == static_cast<std::int32_t>(size / kRecordLength));
    const std::int32_t used = count < kMaxQuizRecords ? count : kMaxQuizRecords;
    for (std::int32_t n = 1; n <= used; ++n) {
      try {
        const QuizRecord r = file.read(n);
        checkField(r.Answer, kAnswerWidth);
        checkField(r.Explanation, kExplanationWidth);
        checkField(r.Question, kQuestionWidth);
      } catch (const DataError& e) {
        FUZZ_CHECK(e.problem() == DataProblem::NotCp932);
        FUZZ_CHECK(e.placeKind() == PlaceKind::Record && e.place() == n);
        FUZZ_CHECK(!e.message().empty());
      }
    }
  } catch (const DataError& e) {
    FUZZ_CHECK(!e.message().empty());
  }
  return 0;
}
