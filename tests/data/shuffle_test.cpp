#include "data/shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "ui/testing.h"

namespace zunobi::data {
namespace {

// Items 1..n with the given keys, sorted; the items in their new order.
// The positions above n, filled with descending keys, stay as they were.
std::vector<std::int16_t> sortItems(const std::vector<std::int16_t>& keys) {
  auto a = std::make_unique<ShuffleArrays>();
  auto n = static_cast<std::int16_t>(keys.size());
  for (int i = 1; i <= kShuffleMax; ++i) {
    a->ShuffleKey[i] = i <= n ? keys[i - 1] : static_cast<std::int16_t>(kShuffleMax - i);
    a->ShuffleIndex[i] = static_cast<std::int16_t>(i);
  }
  auto before = std::make_unique<ShuffleArrays>(*a);
  ShuffleSort(*a, n);
  EXPECT_TRUE(std::is_sorted(a->ShuffleKey.begin() + 1, a->ShuffleKey.begin() + 1 + n));
  EXPECT_TRUE(std::equal(a->ShuffleKey.begin() + 1 + n, a->ShuffleKey.end(),
                         before->ShuffleKey.begin() + 1 + n));
  EXPECT_TRUE(std::equal(a->ShuffleIndex.begin() + 1 + n, a->ShuffleIndex.end(),
                         before->ShuffleIndex.begin() + 1 + n));
  return {a->ShuffleIndex.begin() + 1, a->ShuffleIndex.begin() + 1 + n};
}

TEST(Shuffle, SortsItemsByKey) {
  struct Case {
    const char* what;
    std::vector<std::int16_t> keys, items;
  } cases[] = {
      {"worked example", {30, 10, 20, 50, 40}, {2, 3, 1, 5, 4}},
      {"equal keys are never exchanged", {7, 7, 3}, {3, 1, 2}},
      // The gap-2 pass puts item 3 before item 2 though their keys are equal:
      // the Shell sort is not stable, and this order shows which sort ran.
      {"the Shell sort's own order", {2, 1, 1, 1}, {3, 2, 4, 1}},
      {"signed keys", {1, -1, 32767, -32768}, {4, 2, 1, 3}},
      {"n = 0", {}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(sortItems(c.keys), c.items) << c.what;
}

TEST(Shuffle, AFullSortIsAPermutation) {
  std::mt19937 gen(20261206);
  std::uniform_int_distribution<int> key(1, kQuizKeyRange);
  std::vector<std::int16_t> keys(kShuffleMax);
  for (auto& k : keys) k = static_cast<std::int16_t>(key(gen));
  auto items = sortItems(keys);
  std::sort(items.begin(), items.end());
  for (int i = 0; i < kShuffleMax; ++i) ASSERT_EQ(items[i], i + 1);
}

TEST(Shuffle, KeysComeFromTheCallersRangeWithAReseedEach) {
  ui::testing::ScriptedRandom random{0.5, 0.1, 0.9, 0.0};
  auto a = std::make_unique<ShuffleArrays>();
  Shuffle(*a, 4, kJyukugoKeyRange, random);
  EXPECT_EQ(random.reseeds(), 4u);
  EXPECT_EQ(random.draws(), 4u);
  // Keys 51, 11, 91, 1.
  std::vector<std::int16_t> order(a->ShuffleIndex.begin() + 1, a->ShuffleIndex.begin() + 5);
  EXPECT_EQ(order, (std::vector<std::int16_t>{4, 2, 1, 3}));

  for (std::int16_t n : {-1, 10001}) EXPECT_THROW(ShuffleSort(*a, n), std::out_of_range) << n;
  for (std::int32_t range : {1, 32767}) EXPECT_NO_THROW(FillShuffleKeys(*a, 0, range, random));
  for (std::int32_t range : {0, 32768})
    EXPECT_THROW(FillShuffleKeys(*a, 3, range, random), std::out_of_range) << range;
  EXPECT_EQ(random.draws(), 4u) << "nothing is drawn for a refused call";
}

}  // namespace
}  // namespace zunobi::data
