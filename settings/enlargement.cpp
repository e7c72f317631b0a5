// The submenu "表示倍率" of "ｵﾌﾟｼｮﾝ": the enlargement of the whole window.
//
// The core only decides which enlargement holds and remembers it; the window
// layer draws at it. Choosing an enlargement rewrites the settings file, like
// choosing a background; nothing is drawn again by the game, because the
// window keeps what it shows and draws it again at the new size itself.
#include "game/Form1.h"
#include "settings/enlargement_table.h"

namespace zelkora {

namespace {

const EnlargementChoice* choiceOf(int percent) {
    for (const EnlargementChoice& choice : ENLARGEMENTS)
        if (choice.percent == percent) return &choice;
    return nullptr;
}

void chooseEnlargement(Form1& form, int percent) {
    if (!form.io.menu->isChecked(choiceOf(percent)->item)) form.表示倍率_設定(percent);
    form.書込_環境設定ファイル();
}

}  // namespace

void Form1::倍率チェック設定(int percent) {
    for (const EnlargementChoice& choice : ENLARGEMENTS) io.menu->setChecked(choice.item, choice.percent == percent);
}

void Form1::表示倍率_設定(int percent) {
    if (!choiceOf(percent)) percent = NORMAL_SIZE;
    倍率チェック設定(percent);
    display.enlargement = percent;
    if (io.window) io.window->setEnlargement(percent);
}

void Form1::BAIRITU_100_Click() { chooseEnlargement(*this, 100); }
void Form1::BAIRITU_150_Click() { chooseEnlargement(*this, 150); }
void Form1::BAIRITU_200_Click() { chooseEnlargement(*this, 200); }

}  // namespace zelkora
