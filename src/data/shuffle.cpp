#include "data/shuffle.h"

#include <stdexcept>

namespace zunobi::data {
namespace {

void checkCount(std::int16_t n) {
  if (n < 0 || n > kShuffleMax) throw std::out_of_range("shuffle count outside 0..10000");
}

}  // namespace

void ShuffleSort(ShuffleArrays& a, const std::int16_t& n) {
  checkCount(n);
  auto& key = a.ShuffleKey;
  auto& index = a.ShuffleIndex;
  int gap = n;
  while (gap >= 1) {
    gap /= 2;
    for (int k = 1; k <= gap; ++k) {
      for (int i = k + gap; i <= n; i += gap) {
        int j = i - gap;
        while (j >= 1) {
          if (key[j] > key[j + gap]) {
            // Element 0 is the swap space of both arrays.
            index[0] = index[j];
            index[j] = index[j + gap];
            index[j + gap] = index[0];
            key[0] = key[j];
            key[j] = key[j + gap];
            key[j + gap] = key[0];
            j -= gap;
          } else {
            break;
          }
        }
      }
    }
  }
}

std::int16_t ShuffleKeyFor(double r, std::int32_t range) {
  if (range < 1 || range > 32767) throw std::out_of_range("shuffle key range outside 1..32767");
  return static_cast<std::int16_t>(ui::drawOneTo(r, range));
}

void FillShuffleKeys(ShuffleArrays& a, std::int16_t n, std::int32_t range,
                     ui::RandomSource& random) {
  checkCount(n);
  ShuffleKeyFor(0.0, range);  // range check before anything is drawn
  for (int i = 1; i <= n; ++i) {
    a.ShuffleIndex[i] = static_cast<std::int16_t>(i);
    a.ShuffleKey[i] = ShuffleKeyFor(random.draw(), range);
  }
}

void Shuffle(ShuffleArrays& a, std::int16_t n, std::int32_t range, ui::RandomSource& random) {
  FillShuffleKeys(a, n, range, random);
  ShuffleSort(a, n);
}

}  // namespace zunobi::data
