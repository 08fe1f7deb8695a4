#include "drills/memory/suujiretu_rules.h"

#include <utility>

#include "ui/form.h"
#include "ui/text.h"

namespace zunobi::drills::suujiretu {
namespace {

// Seven ideographic spaces indent the position numbers under the heading.
constexpr std::string_view kIndent = "　　　　　　　";

bool before(const SortEntry& a, const SortEntry& b) {
  if (a.ransuu != b.ransuu) return a.ransuu < b.ransuu;
  return a.junban < b.junban;
}

}  // namespace

void exchangeSort(std::span<SortEntry> entries) {
  for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
    for (std::size_t j = i + 1; j < entries.size(); ++j) {
      if (before(entries[j], entries[i])) std::swap(entries[i], entries[j]);
    }
  }
}

std::string recallQuestion(std::span<const SortEntry> asked) {
  std::string text = "数字列番号";
  text += ui::kCrLf;
  text += kIndent;
  for (std::size_t k = 0; k < 4; ++k) {
    if (k > 0) text += "、";
    text += ui::decimal(asked[k].junban);
  }
  text += "　の順に数字を答えなさい";
  return text;
}

std::string recallAnswer(std::span<const SortEntry> asked) {
  std::string seikai;
  for (std::size_t k = 0; k < 4; ++k) seikai += ui::decimal(asked[k].suuji);
  return seikai;
}

std::string sumQuestion(std::span<const SortEntry> asked) {
  std::string text = "数字列番号";
  text += ui::kCrLf;
  text += kIndent;
  text += ui::decimal(asked[0].junban) + "、" + ui::decimal(asked[1].junban);
  text += "番目の２桁の数値と、";
  text += ui::kCrLf;
  text += kIndent;
  text += ui::decimal(asked[2].junban) + "、" + ui::decimal(asked[3].junban);
  text += "番目の２桁の数値の";
  text += ui::kCrLf;
  text += "　　　　　　　　　　　　　　　　　　　合計を答えなさい";
  return text;
}

std::string sumAnswer(std::span<const SortEntry> asked) {
  const int kazu1 = 10 * asked[0].suuji + asked[1].suuji;
  const int kazu2 = 10 * asked[2].suuji + asked[3].suuji;
  return ui::decimal(kazu1 + kazu2);
}

std::string elapsedText(std::int32_t keikaByou) {
  return "経過時間　" + ui::decimal(keikaByou) + "秒";
}

}  // namespace zunobi::drills::suujiretu
