#include "ui/services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "support/draws.h"
#include "ui/services_real.h"
#include "ui/testing.h"

namespace zunobi::ui {
namespace {

using testing::kTop;

TEST(DateTimeTest, TimeOfDayTextAndSeconds) {
  struct Case {
    int h, m, s;
    const char* text;
    int sinceMidnight;
  } cases[] = {{9, 5, 3, "9:05:03", 32703},
               {0, 0, 0, "0:00:00", 0},
               {23, 59, 59, "23:59:59", 86399},
               {10, 10, 10, "10:10:10", 36610}};
  for (const auto& c : cases) {
    DateTime t = DateTime::fromCivil(2026, 12, 6, c.h, c.m, c.s);
    EXPECT_EQ(t.timeText(), c.text);
    EXPECT_EQ(t.secondsSinceMidnight(), c.sinceMidnight) << c.text;
  }
}

TEST(DateTimeTest, ArithmeticCrossesMidnightAndDates) {
  DateTime t = DateTime::fromCivil(2026, 12, 31, 23, 59, 30);
  EXPECT_EQ(t.plusSeconds(45), DateTime::fromCivil(2027, 1, 1, 0, 0, 15));
  EXPECT_EQ(t.plusMinutes(1), DateTime::fromCivil(2027, 1, 1, 0, 0, 30));
  EXPECT_EQ(t.plusHours(25), DateTime::fromCivil(2027, 1, 2, 0, 59, 30));
  // Leap day and times before the epoch still split correctly.
  EXPECT_EQ(DateTime::fromCivil(2028, 2, 29, 0, 0, 0).plusSeconds(-1),
            DateTime::fromCivil(2028, 2, 28, 23, 59, 59));
  EXPECT_EQ(DateTime::fromCivil(1969, 12, 31, 22, 30, 1).timeText(), "22:30:01");
}

TEST(DrawOneToTest, EachValueGetsItsShareAndTheEdgesStayInside) {
  struct Case {
    double r;
    std::int32_t n, expected;
  } cases[] = {
      {0.0, 68, 1},   {0.5, 68, 35},  {kTop, 68, 68}, {1.0, 68, 68},        {1.5, 3, 3},
      {-0.1, 3, 1},   {NAN, 3, 1},    {0.0, 1, 1},    {kTop, 1, 1},         {2.0 / 3.0, 3, 3},
      {0.3333, 3, 1}, {0.9999, 6, 6}, {0.25, 4, 2},   {kTop, 20000, 20000},
  };
  for (const auto& c : cases) EXPECT_EQ(drawOneTo(c.r, c.n), c.expected) << c.r << " of " << c.n;
}

TEST(DrawNearestTest, RoundsHalvesToEvenAndTheEdgesStayInside) {
  struct Case {
    double r;
    std::int32_t n, expected;
  } cases[] = {
      {0.0, 8, 0},    {0.0625, 8, 0}, {0.0626, 8, 1}, {0.1875, 8, 2}, {0.3125, 8, 2},
      {0.5625, 8, 4}, {0.9375, 8, 8}, {kTop, 8, 8},   {1.0, 8, 8},    {1.5, 8, 8},
      {-0.1, 8, 0},   {NAN, 8, 0},    {0.5, 1, 0},    {0.75, 2, 2},   {kTop, 0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(drawNearest(c.r, c.n), c.expected) << c.r << " of " << c.n;
}

// Draws, with and without a re-seed, stay in [0, 1) and spread evenly over
// it; a re-seed mixes the clock into the state rather than restarting.
TEST(ClockSeededRandomTest, DrawsAreUniformAndAReseedMixesRatherThanRestarts) {
  testing::FakeClock clock;  // never moves
  ClockSeededRandom random(clock);
  int buckets[10] = {};
  const int n = 200000;
  for (int i = 0; i < n; ++i) {
    double r = i % 3 ? random.next() : random.draw();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    ++buckets[static_cast<int>(r * 10)];
  }
  for (int b : buckets) EXPECT_NEAR(b, n / 10, n / 100);
  ClockSeededRandom a(clock), b(clock);
  // Same clock, same start: the generator is a function of its seed.
  EXPECT_EQ(a.next(), b.next());
  const double fresh = ClockSeededRandom(clock).draw();
  a.reseed();
  b.reseed();
  EXPECT_EQ(a.next(), b.next());
  // A re-seeded generator that has already drawn is not a fresh one, and
  // re-seeds within one second never repeat a draw.
  EXPECT_NE(a.draw(), fresh);
  std::set<double> seen;
  for (int i = 0; i < 1000; ++i) seen.insert(a.draw());
  EXPECT_EQ(seen.size(), 1000u);
  // A different clock reading changes the sequence.
  testing::FakeClock later;
  later.advance(1);
  EXPECT_NE(ClockSeededRandom(later).next(), ClockSeededRandom(clock).next());
}

}  // namespace
}  // namespace zunobi::ui
