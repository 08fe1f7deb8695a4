#include "drills/memory/frm2_kioku_suujiretu2.h"

namespace zunobi::drills {

const SuujiretuVariant Frm2KiokuSuujiretu2::kVariant{
    .formName = kName,
    .title = "記憶・数字列２",
    .answerInstruction = "②質問の結果の数字を入力してください（入力したら、「ENTER」キーを押す）",
    .header =
        "　１　　　　　　　　　２　　　　　　　　　３　　　　　　　　　４　　　　　　　　　５　　　"
        "　　　　　　６　　（数字列番号）",
    .digitCount = 6,
    .clientWidth = 11535,
    .clientHeight = 6840,
    .mondaiWidth = 7935,
    .shitumonHeight = 1695,
    .timeOverLeft = 2520,
    .timeOverWidth = 5055,
    .kotaeWidth = 1815,
    .resultPoints = 11.25,
    .question = suujiretu::sumQuestion,
    .answer = suujiretu::sumAnswer,
};

Frm2KiokuSuujiretu2::Frm2KiokuSuujiretu2(ui::Services& services)
    : SuujiretuWindow(services, kVariant) {}

}  // namespace zunobi::drills
