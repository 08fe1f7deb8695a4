#include "drills/memory/frm2_kioku_suujiretu1.h"

namespace zunobi::drills {

const SuujiretuVariant Frm2KiokuSuujiretu1::kVariant{
    .formName = kName,
    .title = "記憶・数字列１",
    .answerInstruction = "②質問の位置順に数字を入力してください（入力したら、「ENTER」キーを押す）",
    .header = "　１　　　　　　　　　２　　　　　　　　　３　　　　　　　　　４　　（数字列番号）",
    .digitCount = 4,
    .clientWidth = 11535,
    .clientHeight = 6840,
    .mondaiWidth = 5415,
    .shitumonHeight = 855,
    .timeOverLeft = 2640,
    .timeOverWidth = 4935,
    .kotaeWidth = 1935,
    .resultPoints = 12,
    .question = suujiretu::recallQuestion,
    .answer = suujiretu::recallAnswer,
};

Frm2KiokuSuujiretu1::Frm2KiokuSuujiretu1(ui::Services& services)
    : SuujiretuWindow(services, kVariant) {}

}  // namespace zunobi::drills
