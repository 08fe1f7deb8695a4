#include "data/shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "ui/testing.h"

namespace zunobi::data {
namespace {

struct Sorted {
  std::vector<std::int16_t> items;
  std::vector<std::int16_t> keys;
};

// Items 1..n with the given keys, sorted.
Sorted sort(const std::vector<std::int16_t>& keys) {
  auto a = std::make_unique<ShuffleArrays>();
  auto n = static_cast<std::int16_t>(keys.size());
  for (int i = 1; i <= n; ++i) {
    a->ShuffleKey[i] = keys[i - 1];
    a->ShuffleIndex[i] = static_cast<std::int16_t>(i);
  }
  ShuffleSort(*a, n);
  Sorted out;
  for (int i = 1; i <= n; ++i) {
    out.items.push_back(a->ShuffleIndex[i]);
    out.keys.push_back(a->ShuffleKey[i]);
  }
  return out;
}

TEST(Shuffle, SortsItemsByKey) {
  struct Case {
    const char* what;
    std::vector<std::int16_t> keys;
    std::vector<std::int16_t> items;
  } cases[] = {
      {"worked example", {30, 10, 20, 50, 40}, {2, 3, 1, 5, 4}},
      {"equal keys are never exchanged", {7, 7, 3}, {3, 1, 2}},
      // The gap-2 pass moves item 3 ahead of item 2, though their keys are
      // equal: the sort is not stable, and the order shows which sort ran.
      {"the Shell sort's own order", {2, 1, 1, 1}, {3, 2, 4, 1}},
      {"n = 2 in order", {1, 2}, {1, 2}},
      {"n = 2 reversed", {2, 1}, {2, 1}},
      {"n = 2 equal", {5, 5}, {1, 2}},
      {"signed keys", {1, -1, 32767, -32768}, {4, 2, 1, 3}},
      {"already sorted", {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}},
      {"reversed", {6, 5, 4, 3, 2, 1}, {6, 5, 4, 3, 2, 1}},
      {"n = 1", {9}, {1}},
      {"n = 0", {}, {}},
  };
  for (const auto& c : cases) {
    auto s = sort(c.keys);
    EXPECT_EQ(s.items, c.items) << c.what;
    EXPECT_TRUE(std::is_sorted(s.keys.begin(), s.keys.end())) << c.what;
  }
}

TEST(Shuffle, SmallCountsAndHigherPositionsAreLeftAlone) {
  struct Case {
    std::int16_t n;
    int firstUntouched;
  } cases[] = {{0, 1}, {1, 1}, {3, 4}};
  for (const auto& c : cases) {
    auto a = std::make_unique<ShuffleArrays>();
    for (int i = 1; i <= kShuffleMax; ++i) {
      a->ShuffleKey[i] = static_cast<std::int16_t>(kShuffleMax - i);  // descending
      a->ShuffleIndex[i] = static_cast<std::int16_t>(i);
    }
    auto before = std::make_unique<ShuffleArrays>(*a);
    ShuffleSort(*a, c.n);
    for (int i = c.firstUntouched; i <= kShuffleMax; ++i) {
      ASSERT_EQ(a->ShuffleKey[i], before->ShuffleKey[i]) << "n " << c.n << " position " << i;
      ASSERT_EQ(a->ShuffleIndex[i], before->ShuffleIndex[i]) << "n " << c.n << " position " << i;
    }
  }
  std::int16_t n = 3;
  auto a = std::make_unique<ShuffleArrays>();
  a->ShuffleKey = {0, 3, 2, 1};
  a->ShuffleIndex = {0, 1, 2, 3};
  ShuffleSort(*a, n);
  EXPECT_EQ(n, 3) << "n is left unchanged";
  EXPECT_EQ(a->ShuffleIndex[1], 3);
}

TEST(Shuffle, EverySortIsAPermutation) {
  std::mt19937 gen(20261206);
  for (int n : {2, 3, 7, 100, 1000, int{kShuffleMax}}) {
    for (int range : {1, 3, 100, 20000}) {
      std::uniform_int_distribution<int> key(1, range);
      std::vector<std::int16_t> keys(static_cast<std::size_t>(n));
      for (auto& k : keys) k = static_cast<std::int16_t>(key(gen));
      auto s = sort(keys);
      auto items = s.items;
      std::sort(items.begin(), items.end());
      for (int i = 0; i < n; ++i) ASSERT_EQ(items[i], i + 1) << "n " << n << " range " << range;
      ASSERT_TRUE(std::is_sorted(s.keys.begin(), s.keys.end()));
      for (int i = 0; i < n; ++i)
        ASSERT_EQ(s.keys[i], keys[s.items[i] - 1]) << "each item keeps its key";
    }
  }
}

TEST(Shuffle, CountsOutOfRangeAreRefused) {
  auto a = std::make_unique<ShuffleArrays>();
  ui::testing::ScriptedRandom random{0.5};
  for (std::int16_t n : {-1, 10001, 32767}) {
    EXPECT_THROW(ShuffleSort(*a, n), std::out_of_range) << n;
    EXPECT_THROW(FillShuffleKeys(*a, n, 100, random), std::out_of_range) << n;
  }
  for (std::int32_t range : {0, -5, 32768})
    EXPECT_THROW(FillShuffleKeys(*a, 3, range, random), std::out_of_range) << range;
  EXPECT_EQ(random.draws(), 0u) << "nothing is drawn for a refused call";
}

TEST(Shuffle, KeysComeFromTheCallersRange) {
  struct Case {
    double r;
    std::int32_t range;
    std::int16_t key;
  } cases[] = {
      {0.0, 20000, 1},    {0.5, 20000, 10001},      {0.99999, 20000, 20000}, {0.0, 1000, 1},
      {0.123, 1000, 124}, {0.999, 1000, 1000},      {0.0, 100, 1},           {0.995, 100, 100},
      {0.5, 100, 51},     {0.9999999999, 100, 100}, {1.0, 100, 100},         {-0.1, 100, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ShuffleKeyFor(c.r, c.range), c.key) << c.r << " × " << c.range;
}

TEST(Shuffle, FillingReseedsBeforeEveryKey) {
  ui::testing::ScriptedRandom random{0.5, 0.1, 0.9, 0.0};
  auto a = std::make_unique<ShuffleArrays>();
  a->ShuffleKey[5] = 77;
  FillShuffleKeys(*a, 4, 100, random);
  EXPECT_EQ(random.draws(), 4u);
  EXPECT_EQ(random.reseeds(), 4u);
  std::vector<std::int16_t> keys(a->ShuffleKey.begin() + 1, a->ShuffleKey.begin() + 6);
  std::vector<std::int16_t> index(a->ShuffleIndex.begin() + 1, a->ShuffleIndex.begin() + 5);
  EXPECT_EQ(keys, (std::vector<std::int16_t>{51, 11, 91, 1, 77}));
  EXPECT_EQ(index, (std::vector<std::int16_t>{1, 2, 3, 4}));

  ui::testing::ScriptedRandom again{0.5, 0.1, 0.9, 0.0};
  Shuffle(*a, 4, 100, again);
  std::vector<std::int16_t> order(a->ShuffleIndex.begin() + 1, a->ShuffleIndex.begin() + 5);
  EXPECT_EQ(order, (std::vector<std::int16_t>{4, 2, 1, 3}));
}

}  // namespace
}  // namespace zunobi::data
