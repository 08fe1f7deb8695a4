// A random order without repetition: number the items 1 to n, give each a
// random key, and sort the numbers by their keys with ShuffleSort.
#pragma once

#include <array>
#include <cstdint>

#include "ui/services.h"

namespace zunobi::data {

inline constexpr std::int16_t kShuffleMax = 10000;

// Indices 0 to 10000; element 0 is the sort's swap space, items sit at 1..n.
using ShuffleArray = std::array<std::int16_t, kShuffleMax + 1>;

// The arrays of one caller. Positions above the n of the last sort keep
// whatever was there before.
struct ShuffleArrays {
  ShuffleArray ShuffleKey{};
  ShuffleArray ShuffleIndex{};
};

// Shell sort of positions 1..n by ShuffleKey (signed, ascending), carrying
// ShuffleIndex along; equal keys are never exchanged. In place, no
// allocation. Throws std::out_of_range unless 0 ≤ n ≤ 10000.
void ShuffleSort(ShuffleArrays& arrays, const std::int16_t& n);

// Position i (1..n): ShuffleIndex[i] = i, ShuffleKey[i] = ShuffleKeyFor(r)
// with a fresh re-seeded draw for every key.
// Throws std::out_of_range unless 0 ≤ n ≤ 10000 and 1 ≤ range ≤ 32767.
void FillShuffleKeys(ShuffleArrays& arrays, std::int16_t n, std::int32_t range,
                     ui::RandomSource& random);

// One key for a caller that draws its keys itself (the quiz draws them while
// it counts its records): the draw of 1..range, ui::drawOneTo. Checks the
// range, which must fit the 16-bit keys.
std::int16_t ShuffleKeyFor(double r, std::int32_t range);

// FillShuffleKeys, then ShuffleSort: ShuffleIndex[1..n] is a random order of
// 1..n.
void Shuffle(ShuffleArrays& arrays, std::int16_t n, std::int32_t range, ui::RandomSource& random);

// The key ranges of the callers.
inline constexpr std::int32_t kQuizKeyRange = 20000;
inline constexpr std::int32_t kKiokuKeyRange = 1000;
inline constexpr std::int32_t kJyukugoKeyRange = 100;

}  // namespace zunobi::data
