// Any file: the reader reads it to its end or stops with a DataError, and
// every read moves forward. A twin reading texts without copying them sees
// the same fields.
#include <cstddef>
#include <cstdint>
#include <string>

#include "check.h"
#include "data/cp932.h"
#include "data/data_error.h"
#include "data/field_reader.h"

using namespace zunobi::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses how the file is read, the rest is the file.
  const unsigned mode = data[0];
  std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string text;
  try {
    text = cp932ToUtf8(bytes);
  } catch (const Cp932Error&) {
    return 0;
  }
  const std::size_t length = text.size();
  FieldReader twin("fuzz.csv", text);
  FieldReader in("fuzz.csv", std::move(text));
  int k = static_cast<int>(mode % 8) + 1;
  std::int32_t lastLine = 0;
  try {
    while (!in.atEnd()) {
      switch ((mode >> 3) % 4) {
        case 0:
          for (const Field& f : in.read(k)) FUZZ_CHECK(twin.readText() == f.text());
          break;
        case 1:
          FUZZ_CHECK(!in.readLine().empty());
          break;
        case 2:
          in.readInt16();
          break;
        default:
          in.readNumber();
          break;
      }
      FUZZ_CHECK(in.lastLine() >= lastLine);
      FUZZ_CHECK(in.line() >= in.lastLine());
      FUZZ_CHECK(static_cast<std::size_t>(in.line()) <= length + 1);
      lastLine = in.lastLine();
    }
  } catch (const DataError& e) {
    FUZZ_CHECK(e.line() >= 1);
    FUZZ_CHECK(!e.message().empty());
  }
  return 0;
}
