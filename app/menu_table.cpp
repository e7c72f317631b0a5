// The rows of the menu bar.
#include "app/menu_table.h"

namespace zelkora {
namespace {

using F = Form1;

// Start-up corrects the marks set here: it turns "移動指導" and "先読み" off, sets "BGM" and "読み上げ"
// and marks the background and the enlargement read from the settings.
const MenuItem MENU[] = {
    {"TAIKYOKU", Text::MENU_TAIKYOKU, nullptr, &F::TAIKYOKU_Click, false, nullptr, 'G'},
    {"MATCH_MAN", Text::MENU_MATCH_MAN, "TAIKYOKU", &F::MATCH_MAN_Click, false},
    {"START", Text::MENU_START, "MATCH_MAN", &F::START_Click, false},
    {"START2", Text::MENU_START2, "TAIKYOKU", nullptr, false},
    {"SENTE", Text::MENU_SENTE, "START2", &F::SENTE_Click, false},
    {"GOTE", Text::MENU_GOTE, "START2", &F::GOTE_Click, false},
    {"LEVEL", Text::MENU_LEVEL, "TAIKYOKU", nullptr, false},
    {"LEVEL1", Text::MENU_LEVEL1, "LEVEL", &F::LEVEL1_Click, false},
    {"LEVEL2", Text::MENU_LEVEL2, "LEVEL", &F::LEVEL2_Click, false},
    {"LEVEL3", Text::MENU_LEVEL3, "LEVEL", &F::LEVEL3_Click, false},
    {"LEVEL4", Text::MENU_LEVEL4, "LEVEL", &F::LEVEL4_Click, false},
    {"LEVEL5", Text::MENU_LEVEL5, "LEVEL", &F::LEVEL5_Click, false},
    {"LEVEL6", Text::MENU_LEVEL6, "LEVEL", &F::LEVEL6_Click, false},
    {"OWARI", Text::MENU_OWARI, "TAIKYOKU", &F::OWARI_Click, false},

    {"STOP", Text::MENU_STOP, nullptr, &F::STOP_Click, false, nullptr, 'P'},
    {"CANCEL", Text::MENU_CANCEL, "STOP", &F::CANCEL_Click, false},
    {"REVERSE", Text::MENU_REVERSE, "STOP", &F::REVERSE_Click, false},
    {"MATTA", Text::MENU_MATTA, "STOP", &F::MATTA_Click, false, "Ctrl+Z"},
    {"HINT", Text::MENU_HINT, "STOP", &F::HINT_Click, false, "Ctrl+H"},

    {"REPLAY", Text::MENU_REPLAY, nullptr, &F::REPLAY_Click, false, nullptr, 'B'},
    {"AFTER", Text::MENU_AFTER, nullptr, &F::AFTER_Click, false, nullptr, 'F'},
    {"LBEL_UP", Text::MENU_LBEL_UP, nullptr, &F::LBEL_UP_Click, false, nullptr, 'U'},
    {"LEBEL_DOWN", Text::MENU_LEBEL_DOWN, nullptr, &F::LEBEL_DOWN_Click, false, nullptr, 'D'},

    {"KIFU", Text::MENU_KIFU, nullptr, nullptr, false, nullptr, 'R'},
    {"KIFU_READ", Text::MENU_KIFU_READ, "KIFU", &F::KIFU_READ_Click, false},
    {"KIFU_WRITE", Text::MENU_KIFU_WRITE, "KIFU", &F::KIFU_WRITE_Click, false},
    {"KIFU_KIF", Text::MENU_KIFU_KIF, "KIFU", &F::KIFU_KIF_Click, false},
    {"KENTOU", Text::MENU_KENTOU, "KIFU", &F::KENTOU_Click, false},
    {"SEISEKI", Text::MENU_SEISEKI, "KIFU", &F::SEISEKI_Click, false},

    {"OPTION", Text::MENU_OPTION, nullptr, &F::OPTION_Click, false, nullptr, 'O'},
    {"HAIKEI_GA", Text::MENU_HAIKEI_GA, "OPTION", nullptr, false},
    {"MIDORI", Text::MENU_MIDORI, "HAIKEI_GA", &F::MIDORI_Click, false},
    {"TATAMI", Text::MENU_TATAMI, "HAIKEI_GA", &F::TATAMI_Click, true},
    {"TAKE", Text::MENU_TAKE, "HAIKEI_GA", &F::TAKE_Click, false},
    {"UCHU", Text::MENU_UCHU, "HAIKEI_GA", &F::UCHU_Click, false},
    {"RENGA", Text::MENU_RENGA, "HAIKEI_GA", &F::RENGA_Click, false},
    {"HYOUJI_BAIRITU", Text::MENU_HYOUJI_BAIRITU, "OPTION", nullptr, false},
    {"BAIRITU_100", Text::MENU_BAIRITU_100, "HYOUJI_BAIRITU", &F::BAIRITU_100_Click, true},
    {"BAIRITU_150", Text::MENU_BAIRITU_150, "HYOUJI_BAIRITU", &F::BAIRITU_150_Click, false},
    {"BAIRITU_200", Text::MENU_BAIRITU_200, "HYOUJI_BAIRITU", &F::BAIRITU_200_Click, false},
    {"GENGO", Text::MENU_GENGO, "OPTION", nullptr, false},
    {"NIHONGO", Text::MENU_NIHONGO, "GENGO", &F::NIHONGO_Click, true},
    {"ENGLISH", Text::MENU_ENGLISH, "GENGO", &F::ENGLISH_Click, false},
    {"KOMA", Text::MENU_KOMA, "OPTION", nullptr, false},
    {"KOMA_DENTOU", Text::MENU_KOMA_DENTOU, "KOMA", &F::KOMA_DENTOU_Click, true},
    {"KOMA_SHOSHIN", Text::MENU_KOMA_SHOSHIN, "KOMA", &F::KOMA_SHOSHIN_Click, false},
    {"SIDOU", Text::MENU_SIDOU, "OPTION", &F::SIDOU_Click, true},
    {"SAKIYOMI", Text::MENU_SAKIYOMI, "OPTION", &F::SAKIYOMI_Click, true},
    {"BGM", Text::MENU_BGM, "OPTION", &F::BGM_Click, true},
    {"YOMIAGE", Text::MENU_YOMIAGE, "OPTION", &F::YOMIAGE_Click, true},

    {"VER", Text::MENU_VER, nullptr, &F::VER_Click, false, nullptr, 'A'},

    {"HELP", Text::MENU_HELP, nullptr, nullptr, false, nullptr, 'H'},
    {"ASOBIKATA", Text::MENU_ASOBIKATA, "HELP", &F::ASOBIKATA_Click, false, "F1"},
    {"NYUMON", Text::MENU_NYUMON, "HELP", &F::NYUMON_Click, false},
};

}  // namespace

std::span<const MenuItem> menuTable() { return MENU; }

QString withMnemonic(const QString& caption, char mnemonic) {
    if (mnemonic == 0) return caption;
    const int at = caption.indexOf(QChar(mnemonic), 0, Qt::CaseInsensitive);
    if (at >= 0) return caption.left(at) + '&' + caption.mid(at);
    return caption + QStringLiteral("(&") + QChar(mnemonic) + ')';
}

}  // namespace zelkora
