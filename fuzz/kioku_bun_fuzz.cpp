// Any file as "記憶用文章.csv": at most 500 questions, or a DataError that
// names a line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "check.h"
#include "data/data_error.h"
#include "data/kioku_bun.h"
#include "scratch_file.h"

using namespace zunobi::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!writeScratch(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
  try {
    auto rows = readKiokuBun(scratchPath());
    FUZZ_CHECK(rows.size() <= static_cast<std::size_t>(kMaxKiokuBun));
    std::size_t text = 0;
    for (const auto& r : rows) text += r.size();
    // The texts come out of the file: never more of them than it held, in UTF-8
    // at most three bytes for each CP932 byte.
    FUZZ_CHECK(text <= 3 * size);
  } catch (const DataError& e) {
    FUZZ_CHECK(!e.message().empty());
    FUZZ_CHECK(e.line() >= 0 && e.line() <= static_cast<std::int32_t>(size) + 1);
  }
  return 0;
}
