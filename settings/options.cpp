// The menu "ｵﾌﾟｼｮﾝ" (background pictures, movement guidance, music) and the
// version box of "その他".
#include <string>

#include "game/Form1.h"
#include "game/sound_table.h"
#include "settings/background_table.h"

namespace zelkora {

namespace {

const BackgroundChoice& choiceOf(int code) {
    for (const BackgroundChoice& choice : BACKGROUNDS)
        if (choice.code == code) return choice;
    return BACKGROUNDS[0];
}

// Choosing a background: a newly chosen one is checked and used; the file is
// rewritten and the whole screen redrawn even when it was already chosen, with
// every status text that was on screen (and a hint) drawn again on the new
// background.
void chooseBackground(Form1& form, int code) {
    const BackgroundChoice& choice = choiceOf(code);
    if (!form.io.menu->isChecked(choice.item)) {
        form.チェック設定(code);
        form.display.background = code;
    }
    form.書込_環境設定ファイル();
    form.画面_再描画_状態込み();
}

}  // namespace

void Form1::MIDORI_Click() { chooseBackground(*this, PIC_MIDORI); }
void Form1::TATAMI_Click() { chooseBackground(*this, PIC_TATAMI); }
void Form1::TAKE_Click() { chooseBackground(*this, PIC_TAKE); }
void Form1::UCHU_Click() { chooseBackground(*this, PIC_UCHU); }
void Form1::RENGA_Click() { chooseBackground(*this, PIC_RENGA); }

void Form1::SIDOU_Click() {
    if (io.menu->isChecked("SIDOU")) {
        // Guidance off: every outline of the board and both hand stands goes
        // back to the grid colour, which removes guidance and selection marks.
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) 描画_桝輪郭(COLOUR_GREEN, x, y);
        for (int r = 1; r <= 7; ++r) 描画_桝輪郭(COLOUR_GREEN, UPPER_HAND_X, r);
        for (int r = 3; r <= 9; ++r) 描画_桝輪郭(COLOUR_GREEN, LOWER_HAND_X, r);
        io.menu->setChecked("SIDOU", false);
        flags.guidance = 0;
        display.highlightColour = COLOUR_GREEN;
    } else {
        io.menu->setChecked("SIDOU", true);
        flags.guidance = 1;
        display.highlightColour = COLOUR_WHITE;
    }
}

void Form1::VER_Click() {
    playSound(sounds.other);
    io.dialogs->message(文言(Text::VERSION_TEXT, {ZELKORA_VERSION}), 文言(Text::TITLE_VERSION), Buttons::Ok);
}

void Form1::BGM_Click() {
    const bool on = !io.menu->isChecked("BGM");
    io.menu->setChecked("BGM", on);
    flags.music = on;
    for (const SoundEntry& s : SOUNDS) {
        if (!s.looping) continue;
        if (on) io.sound->dsPlayLooping(sounds.*s.handle);
        else io.sound->dsStop(sounds.*s.handle);
    }
    書込_環境設定ファイル();
}

// 読み上げ: the computer's moves, refusals and the end are read aloud. The
// window disables the item where no speech engine answers.
void Form1::YOMIAGE_Click() {
    flags.speech = !io.menu->isChecked("YOMIAGE");
    io.menu->setChecked("YOMIAGE", flags.speech);
    書込_環境設定ファイル();
}

}  // namespace zelkora
