// Any bytes as a question file: every record reads or is reported, a record
// that reads is written back unchanged in text, and a field is always cut
// at a character boundary and filled to its width.
#include <cstddef>
#include <cstdint>
#include <string>

#include "check.h"
#include "data/cp932.h"
#include "data/data_error.h"
#include "data/record_file.h"
#include "scratch_file.h"

using namespace zunobi::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // A field cut from any bytes: its width, a prefix of the input, and no
  // lead byte left without its trail.
  std::size_t width = size == 0 ? 0 : data[0] % 64;
  std::string field = fitField(bytes, width);
  FUZZ_CHECK(field.size() == width);
  std::size_t kept =
      field.find_last_not_of(' ') == std::string::npos ? 0 : field.find_last_not_of(' ') + 1;
  FUZZ_CHECK(bytes.substr(0, kept) == std::string_view(field).substr(0, kept));
  bool valid = true;
  try {
    cp932ToUtf8(bytes);
  } catch (const Cp932Error&) {
    valid = false;
  }
  if (valid) {
    try {
      cp932ToUtf8(field);
    } catch (const Cp932Error&) {
      FUZZ_CHECK(!"a cut split a character");
    }
  }

  for (std::size_t at = 0; at + kRecordLength <= size; at += kRecordLength) {
    QuizRecord r;
    try {
      r = decodeRecord(bytes.substr(at, kRecordLength));
    } catch (const Cp932Error& e) {
      FUZZ_CHECK(e.offset() < kRecordLength);
      continue;
    }
    try {
      std::string again = encodeRecord(r);
      FUZZ_CHECK(again.size() == kRecordLength);
      FUZZ_CHECK(decodeRecord(again) == r);
    } catch (const Cp932Error&) {
      FUZZ_CHECK(!"a record that reads could not be written back");
    }
  }

  if (!writeScratch(bytes)) return 0;
  try {
    auto file = RecordFile::open(scratchPath());
    FUZZ_CHECK(file.count() == static_cast<std::int32_t>(size / kRecordLength));
    for (std::int32_t n = 0; n <= file.count() + 1; ++n) {
      try {
        file.read(n);
      } catch (const DataError& e) {
        FUZZ_CHECK(e.problem() == DataProblem::NotCp932 ||
                   e.problem() == DataProblem::NoSuchRecord);
      }
    }
  } catch (const DataError&) {
  }
  return 0;
}
