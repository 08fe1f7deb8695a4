#include "drills/knowledge/jyukugo_table.h"

#include <cmath>
#include <optional>

#include "data/cp932.h"
#include "data/field_reader.h"

namespace zunobi::drills {
namespace {

// The compounds a count and its slots name, or nothing when the list
// cannot make a puzzle.
std::optional<std::vector<std::string>> counted(const std::vector<data::Field>& slots,
                                                double count) {
  if (count != std::floor(count) || count < 2 || count > data::kMaxCompounds) return std::nullopt;
  std::vector<std::string> compounds;
  for (int i = 0; i < static_cast<int>(count); ++i) {
    const std::string& c = slots[static_cast<std::size_t>(i)].text();
    if (data::utf8Characters(c).size() != 2) return std::nullopt;
    compounds.push_back(c);
  }
  return compounds;
}

}  // namespace

std::vector<JyukugoRecord> readJyukugo(const std::string& path) {
  data::FieldReader in = data::FieldReader::open(path);
  std::vector<JyukugoRecord> records;
  while (!in.atEnd() && static_cast<std::int32_t>(records.size()) < data::kMaxJyukugo) {
    in.readInt16();  // a sequence number, not used
    auto sakiSlots = in.read(data::kMaxCompounds);
    double sakiCount = in.readNumber();
    auto atoSlots = in.read(data::kMaxCompounds);
    double atoCount = in.readNumber();
    auto saki = counted(sakiSlots, sakiCount);
    auto ato = counted(atoSlots, atoCount);
    if (saki && ato) records.push_back({std::move(*saki), std::move(*ato)});
  }
  return records;
}

}  // namespace zunobi::drills
