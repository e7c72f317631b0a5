// The submenus "言語 / Language" and "駒 / Pieces" of "ｵﾌﾟｼｮﾝ".
//
// A choice takes effect at once: the window turns its own texts, and the
// screen is drawn again with every status text that was on it, now in the new
// language or with the new pieces. Like a background, the choice is written to
// the settings file.
#include "game/Form1.h"
#include "settings/language_table.h"

namespace zelkora {

std::string Form1::文言(Text id, std::initializer_list<std::string> arguments) const {
    return textIn(display.language, id, arguments);
}

void Form1::画面_再描画_状態込み() {
    const ShownTexts onScreen = display.shown;
    const bool hintShown = display.hintShown;
    画面_再描画();
    描画_状態表示(onScreen);
    if (hintShown) 描画_ヒント();
}

void Form1::言語_設定(Language language) {
    display.language = language;
    for (const LanguageChoice& choice : LANGUAGES) io.menu->setChecked(choice.item, choice.value == language);
    io.window->setLanguage(language);
}

void Form1::駒_設定(PieceSet set) {
    display.pieces = set;
    for (const PieceSetChoice& choice : PIECE_SETS) io.menu->setChecked(choice.item, choice.value == set);
    io.canvas->setPieceSet(set);
}

namespace {

void chooseLanguage(Form1& form, Language language) {
    form.言語_設定(language);
    form.書込_環境設定ファイル();
    form.画面_再描画_状態込み();
}

void choosePieceSet(Form1& form, PieceSet set) {
    form.駒_設定(set);
    form.書込_環境設定ファイル();
    form.画面_再描画_状態込み();
}

}  // namespace

void Form1::NIHONGO_Click() { chooseLanguage(*this, Language::Japanese); }
void Form1::ENGLISH_Click() { chooseLanguage(*this, Language::English); }
void Form1::KOMA_DENTOU_Click() { choosePieceSet(*this, PieceSet::Traditional); }
void Form1::KOMA_SHOSHIN_Click() { choosePieceSet(*this, PieceSet::Beginners); }

}  // namespace zelkora
