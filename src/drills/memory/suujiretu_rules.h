// The pure rules of the digit-sequence drills: the order of the asked
// positions, the question and expected-answer texts and the elapsed-time
// text. Kept apart from the window so they can be checked alone.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zunobi::drills::suujiretu {

// One position of the row: its number (1-based), its random key and the
// digit shown there. The sort moves the three together.
struct SortEntry {
  int junban = 0;
  int ransuu = 0;
  int suuji = 0;
  friend bool operator==(const SortEntry&, const SortEntry&) = default;
};

// Exchange sort by ascending key. Equal keys keep their order: a tie is
// broken by the position number, which the simple exchange alone would
// reverse when a smaller key follows two equal ones.
void exchangeSort(std::span<SortEntry> entries);

// Each rule reads the first four entries; a row holds at least four.
// Recall: the first four positions are asked in order, their digits typed
// one after another.
std::string recallQuestion(std::span<const SortEntry> asked);
std::string recallAnswer(std::span<const SortEntry> asked);

// Sum: the first two and the next two positions form two-digit numbers
// (tens digit first) whose sum is typed.
std::string sumQuestion(std::span<const SortEntry> asked);
std::string sumAnswer(std::span<const SortEntry> asked);

// The elapsed-seconds label of a turn.
std::string elapsedText(std::int32_t keikaByou);

}  // namespace zunobi::drills::suujiretu
