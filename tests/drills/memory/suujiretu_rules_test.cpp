#include "drills/memory/suujiretu_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zunobi::drills::suujiretu {
namespace {

// Positions 1..n with the given keys and digits, sorted.
std::vector<SortEntry> sorted(const std::vector<int>& keys, const std::vector<int>& digits) {
  std::vector<SortEntry> out;
  for (std::size_t k = 0; k < keys.size(); ++k)
    out.push_back({static_cast<int>(k) + 1, keys[k], digits[k]});
  exchangeSort(out);
  return out;
}

TEST(SuujiretuExchangeSort, OrdersPositionsByKey) {
  struct Case {
    const char* what;
    std::vector<int> keys;
    std::vector<int> junban;
  };
  const std::vector<Case> cases{
      {"asks 3, 1, 4, 2", {200, 400, 100, 300}, {3, 1, 4, 2}},
      {"descending", {1000, 999, 2, 1}, {4, 3, 2, 1}},
      {"equal keys before a smaller one keep their order", {500, 500, 100, 700}, {3, 1, 2, 4}},
      {"three equal keys", {7, 7, 7, 3}, {4, 1, 2, 3}},
      {"all keys equal", {42, 42, 42, 42}, {1, 2, 3, 4}},
      {"six positions", {600, 150, 550, 650, 250, 350}, {2, 5, 6, 3, 1, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<int> junban;
    for (const auto& e : sorted(c.keys, c.keys)) junban.push_back(e.junban);
    EXPECT_EQ(junban, c.junban);
  }
}

// The sums carry each digit with its position through the sort.
TEST(SuujiretuRules, SumAddsThePairsAsTwoDigitNumbers) {
  struct Case {
    const char* what;
    std::vector<int> keys;
    std::vector<int> digits;
    std::string seikai;
  };
  const std::vector<Case> cases{
      // Order 2, 5, 6, 1; positions 3 and 4 are not asked.
      {"01 + 93", {450, 150, 550, 650, 250, 350}, {3, 0, 8, 5, 1, 9}, "94"},
      {"smallest", {1, 2, 3, 4, 5, 6}, {0, 0, 0, 0, 7, 7}, "0"},
      {"largest", {1, 2, 3, 4, 5, 6}, {9, 9, 9, 9, 0, 0}, "198"},
      {"three digits", {1, 2, 3, 4, 5, 6}, {5, 0, 5, 5, 9, 9}, "105"},
      {"last four asked, reversed", {6, 5, 4, 3, 2, 1}, {9, 9, 1, 2, 3, 4}, "64"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(sumAnswer(sorted(c.keys, c.digits)), c.seikai);
  }
}

}  // namespace
}  // namespace zunobi::drills::suujiretu
