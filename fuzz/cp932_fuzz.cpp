// Any bytes: a conversion either succeeds or says where it failed; text that
// was read can always be written back and reads the same; a damaged text
// reads with its bad characters marked.
#include <cstddef>
#include <cstdint>
#include <string>

#include "check.h"
#include "data/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);

  std::string text;
  bool read = false;
  try {
    text = zunobi::data::cp932ToUtf8(bytes);
    read = true;
  } catch (const zunobi::data::Cp932Error& e) {
    FUZZ_CHECK(e.offset() < size);
  }
  if (read) {
    try {
      FUZZ_CHECK(zunobi::data::cp932ToUtf8(zunobi::data::utf8ToCp932(text)) == text);
    } catch (const zunobi::data::Cp932Error&) {
      FUZZ_CHECK(!"text read from CP932 could not be written back");
    }
  }

  // Marking the bad characters never throws and leaves text that reads as
  // it is; what stands between the marks can be written back.
  const std::string marked = zunobi::data::cp932ToUtf8Marking(bytes, "#");
  if (read) FUZZ_CHECK(marked == text);
  try {
    (void)zunobi::data::utf8ToCp932(zunobi::data::cp932ToUtf8Marking(bytes, ""));
  } catch (const zunobi::data::Cp932Error&) {
    FUZZ_CHECK(!"the text around bad bytes could not be written back");
  }

  try {
    std::string cp932 = zunobi::data::utf8ToCp932(bytes);
    FUZZ_CHECK(zunobi::data::cp932ToUtf8(cp932) == bytes);
  } catch (const zunobi::data::Cp932Error& e) {
    FUZZ_CHECK(e.offset() < size);
  }
  return 0;
}
