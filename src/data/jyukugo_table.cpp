#include "data/jyukugo_table.h"

#include <array>
#include <cmath>
#include <utility>

#include "data/cp932.h"
#include "data/data_error.h"

namespace zunobi::data {

bool Compounds::add(std::string_view compound) {
  std::size_t first = utf8CharSize(compound, 0);
  std::size_t second = utf8CharSize(compound, first);
  if (first == 0 || second == 0 || first + second != compound.size()) return false;
  text_ += compound;
  ++size_;
  return true;
}

std::string Compounds::operator[](std::size_t i) const {
  if (i >= size_) return {};
  std::size_t start = 0;
  for (std::size_t chars = 0; chars < 2 * i; ++chars) start += utf8CharSize(text_, start);
  std::size_t first = utf8CharSize(text_, start);
  return text_.substr(start, first + utf8CharSize(text_, start + first));
}

std::optional<Compounds> usableCompounds(std::span<const std::string_view> slots, double count) {
  if (count != std::floor(count) || count < 2 || count > kMaxCompounds) return std::nullopt;
  const auto n = static_cast<std::size_t>(count);
  if (n > slots.size()) return std::nullopt;
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < n; ++i) bytes += slots[i].size();
  Compounds compounds;
  compounds.reserve(bytes);
  for (std::size_t i = 0; i < n; ++i)
    if (!compounds.add(slots[i])) return std::nullopt;
  return compounds;
}

std::string centreKanji(const JyukugoRecord& record) {
  return record.saki.empty() ? std::string() : utf8CharAt(record.saki.front(), 0);
}

namespace {

std::vector<JyukugoRecord> parse(const std::string& path, std::string_view bytes) {
  FieldReader in = FieldReader::fromBytes(path, bytes);
  std::vector<JyukugoRecord> records;
  // Slot texts are looked at, and only the usable compounds copied.
  std::array<std::string_view, kMaxCompounds> sakiSlots, atoSlots;
  while (!in.atEnd() && static_cast<std::int32_t>(records.size()) < kMaxJyukugo) {
    in.readInt16();  // a sequence number, not used
    for (auto& slot : sakiSlots) slot = in.readText();
    double sakiCount = in.readNumber();
    for (auto& slot : atoSlots) slot = in.readText();
    double atoCount = in.readNumber();
    auto saki = usableCompounds(sakiSlots, sakiCount);
    auto ato = usableCompounds(atoSlots, atoCount);
    if (saki && ato) records.push_back({std::move(*saki), std::move(*ato)});
  }
  if (records.empty()) throw DataError(DataProblem::NoPuzzles, path);
  return records;
}

// A table read ahead, with the bytes it was read from: the records depend
// on nothing else. Read ahead and taken on the one user-interface thread,
// between events, so it is handed over without a lock.
struct ReadAhead {
  std::string bytes;
  std::vector<JyukugoRecord> records;
};

std::optional<ReadAhead> ahead;

}  // namespace

std::vector<JyukugoRecord> readJyukugo(const std::string& path) {
  std::string bytes = FieldReader::readBytes(path);
  auto taken = std::exchange(ahead, std::nullopt);
  if (taken && taken->bytes == bytes) return std::move(taken->records);
  return parse(path, bytes);
}

void readJyukugoAhead(const std::string& path) {
  ahead.reset();
  try {
    std::string bytes = FieldReader::readBytes(path);
    auto records = parse(path, bytes);
    ahead = ReadAhead{std::move(bytes), std::move(records)};
  } catch (const DataError&) {
  }
}

}  // namespace zunobi::data
