// Any file as "二字熟語.csv": the reader keeps one to 1500 records, each a
// puzzle the window can draw from (two to thirty two-character compounds a
// list, the centre kanji shared by the first compound of the first list),
// or stops with a DataError that names a line. Read ahead and handed over,
// the records are the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "check.h"
#include "data/cp932.h"
#include "data/data_error.h"
#include "data/jyukugo_table.h"
#include "scratch_file.h"

using namespace zunobi::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!writeScratch(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
  try {
    auto records = readJyukugo(scratchPath());
    FUZZ_CHECK(!records.empty() && records.size() <= static_cast<std::size_t>(kMaxJyukugo));
    for (const auto& r : records) {
      for (const auto* list : {&r.saki, &r.ato}) {
        FUZZ_CHECK(list->size() >= 2 && list->size() <= static_cast<std::size_t>(kMaxCompounds));
        for (std::size_t i = 0; i < list->size(); ++i)
          FUZZ_CHECK(utf8Characters((*list)[i]).size() == 2);
      }
      const std::string centre = centreKanji(r);
      FUZZ_CHECK(!centre.empty() && r.saki.front().rfind(centre, 0) == 0);
      // What the window writes in the boxes converts back to the file's code.
      utf8ToCp932(centre);
    }
    readJyukugoAhead(scratchPath());
    auto handed = readJyukugo(scratchPath());
    FUZZ_CHECK(handed.size() == records.size());
    const auto same = [](const Compounds& a, const Compounds& b) {
      if (a.size() != b.size()) return false;
      for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
      return true;
    };
    for (std::size_t i = 0; i < handed.size(); ++i)
      FUZZ_CHECK(same(handed[i].saki, records[i].saki) && same(handed[i].ato, records[i].ato));
  } catch (const DataError& e) {
    FUZZ_CHECK(!e.message().empty());
    FUZZ_CHECK(e.line() >= 0);
  }
  return 0;
}
