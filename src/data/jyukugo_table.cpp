#include "data/jyukugo_table.h"

#include <cmath>

#include "data/cp932.h"

namespace zunobi::data {

std::optional<std::vector<std::string>> usableCompounds(const std::vector<Field>& slots,
                                                        double count) {
  if (count != std::floor(count) || count < 2 || count > kMaxCompounds) return std::nullopt;
  std::vector<std::string> compounds;
  for (int i = 0; i < static_cast<int>(count); ++i) {
    const std::string& c = slots.at(static_cast<std::size_t>(i)).text();
    if (utf8Characters(c).size() != 2) return std::nullopt;
    compounds.push_back(c);
  }
  return compounds;
}

std::string centreKanji(const JyukugoRecord& record) {
  return record.saki.empty() ? std::string() : utf8Characters(record.saki.front()).front();
}

std::vector<JyukugoRecord> readJyukugo(const std::string& path) {
  FieldReader in = FieldReader::open(path);
  std::vector<JyukugoRecord> records;
  while (!in.atEnd() && static_cast<std::int32_t>(records.size()) < kMaxJyukugo) {
    in.readInt16();  // a sequence number, not used
    auto sakiSlots = in.read(kMaxCompounds);
    double sakiCount = in.readNumber();
    auto atoSlots = in.read(kMaxCompounds);
    double atoCount = in.readNumber();
    auto saki = usableCompounds(sakiSlots, sakiCount);
    auto ato = usableCompounds(atoSlots, atoCount);
    if (saki && ato) records.push_back({std::move(*saki), std::move(*ato)});
  }
  return records;
}

}  // namespace zunobi::data
