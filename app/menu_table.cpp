// The rows of the menu bar.
#include "app/menu_table.h"

namespace zelkora {
namespace {

using F = Form1;

// Start-up corrects the marks set here: it turns "移動指導" off, keeps "BGM" on
// and marks the background read from the settings.
const MenuItem MENU[] = {
    {"TAIKYOKU", "対局", nullptr, &F::TAIKYOKU_Click, false},
    {"MATCH_MAN", "対局(人間)", "TAIKYOKU", &F::MATCH_MAN_Click, false},
    {"START", "スタート", "MATCH_MAN", &F::START_Click, false},
    {"START2", "対局(COM)", "TAIKYOKU", nullptr, false},
    {"SENTE", "先手", "START2", &F::SENTE_Click, false},
    {"GOTE", "後手", "START2", &F::GOTE_Click, false},
    {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU", nullptr, false},
    {"LEVEL1", "LEVEL1", "LEVEL", &F::LEVEL1_Click, false},
    {"LEVEL2", "LEVEL2", "LEVEL", &F::LEVEL2_Click, false},
    {"LEVEL3", "LEVEL3", "LEVEL", &F::LEVEL3_Click, false},
    {"LEVEL4", "LEVEL4", "LEVEL", &F::LEVEL4_Click, false},
    {"LEVEL5", "LEVEL5", "LEVEL", &F::LEVEL5_Click, false},
    {"OWARI", "終わり", "TAIKYOKU", &F::OWARI_Click, false},

    {"STOP", "局面", nullptr, &F::STOP_Click, false},
    {"CANCEL", "最初", "STOP", &F::CANCEL_Click, false},
    {"REVERSE", "反転", "STOP", &F::REVERSE_Click, false},

    {"REPLAY", "戻", nullptr, &F::REPLAY_Click, false},
    {"AFTER", "進", nullptr, &F::AFTER_Click, false},
    {"LBEL_UP", "△", nullptr, &F::LBEL_UP_Click, false},
    {"LEBEL_DOWN", "▽", nullptr, &F::LEBEL_DOWN_Click, false},

    {"KIFU", "棋譜", nullptr, nullptr, false},
    {"KIFU_READ", "読込", "KIFU", &F::KIFU_READ_Click, false},
    {"KIFU_WRITE", "書込", "KIFU", &F::KIFU_WRITE_Click, false},

    {"OPTION", "ｵﾌﾟｼｮﾝ", nullptr, &F::OPTION_Click, false},
    {"HAIKEI_GA", "背景画", "OPTION", nullptr, false},
    {"MIDORI", "緑", "HAIKEI_GA", &F::MIDORI_Click, false},
    {"TATAMI", "畳", "HAIKEI_GA", &F::TATAMI_Click, true},
    {"TAKE", "竹", "HAIKEI_GA", &F::TAKE_Click, false},
    {"UCHU", "宇宙", "HAIKEI_GA", &F::UCHU_Click, false},
    {"RENGA", "煉瓦", "HAIKEI_GA", &F::RENGA_Click, false},
    {"SIDOU", "移動指導", "OPTION", &F::SIDOU_Click, true},
    {"BGM", "BGM", "OPTION", &F::BGM_Click, true},

    {"VER", "その他", nullptr, &F::VER_Click, false},
};

}  // namespace

std::span<const MenuItem> menuTable() { return MENU; }

}  // namespace zelkora
