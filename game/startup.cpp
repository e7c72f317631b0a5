// Start-up, a new game, the end-of-game dialogue and shutdown.
#include <string>

#include "game/Form1.h"
#include "game/sfen.h"
#include "game/sound_table.h"

namespace zelkora {

namespace {

// Asked before the program ends while a game has moves that were not saved.
// The winners 終了 is told of, each with the sentence that announces it.
struct WinnerText {
    const char* winner;
    Text sentence;
};
constexpr WinnerText WINNERS[] = {{"コンピュータ", Text::WIN_COMPUTER},
                                  {"あなた", Text::WIN_YOU},
                                  {"先手", Text::WIN_SENTE},
                                  {"後手", Text::WIN_GOTE}};

}  // namespace

Form1::Form1(const Ports& ports) : io(ports) {}

void Form1::Form_Load() {
    // 1. Sound: the library and the four buffers are made once; a later start-up
    //    (loading a record, "最初") reuses them and only restarts the music, so no
    //    second device is opened and no buffer leaks.
    if (!sounds.opened) {
        sounds.opened = true;
        読込_起動時の選択();
        InitSound(io.window ? io.window->handle() : 0);
        for (const SoundEntry& s : SOUNDS) sounds.*s.handle = LoadSound(s.file, s.flags);
    }
    for (const SoundEntry& s : SOUNDS)
        if (s.looping && flags.music) io.sound->dsPlayLooping(sounds.*s.handle);

    // 2. Flags and counters.
    flags.recordMode = 0;
    flags.guidance = 0;
    lookahead = LookAheadDisplay{};
    flags.reversed = 0;
    flags.handicapFlag = 0;
    flags.handicapGrade = 0;
    moves.moveNumber = 0;
    sel.clickState = 0;
    moves.count = 0;
    moves.replay = 0;
    moves.finished = 0;
    moves.unsaved = false;
    gameInfo = GameInfo{io.clock ? io.clock->localDateTime() : std::string(), {}, {}};

    // 3. Menu check marks. The level, the music and speech are the player's choices,
    //    kept for the run (and in the settings file), so they survive "最初"
    //    and loading a record.
    io.menu->setChecked("SIDOU", false);
    io.menu->setChecked("SAKIYOMI", false);
    for (int n = 1; n <= TOP_LEVEL; ++n) io.menu->setChecked("LEVEL" + std::to_string(n), n == flags.level);
    io.menu->setChecked("BGM", flags.music);
    io.menu->setChecked("YOMIAGE", flags.speech);

    // 4. Colours: the guidance highlight starts as the grid colour.
    display.highlightColour = COLOUR_GREEN;
    if (io.window) io.window->setBackgroundColour(COLOUR_GREEN);

    // 5. Geometry.
    geo = Geometry{};

    // 6.-8. Settings, the initial position and the title.
    読込_環境設定ファイル();
    初期設定();
    描画_絵(PIC_ZELKORA, 11.2, 0);

    // 9. The window is placed once, at the first start-up, whole on the screen.
    //    A later start-up leaves it where the player has put it.
    if (io.window && !display.placed) {
        display.placed = true;
        io.window->place(9000, 8000);
    }
}

void Form1::初期設定() {
    turn.gameMode = MODE_NONE;
    turn.kingTaken = NOBODY;
    turn.sideToMove = NOBODY;
    moves.count = 0;
    moves.moveNumber = 0;   // the next game counts its moves from 1
    sel.clickState = 0;

    hands = Hands{};
    board = startingPosition().board;

    画面_再描画();
}

void Form1::終了(const std::string& winner) {
    途中削除();
    if (turn.gameMode == MODE_COM) 成績_記録(winner == "あなた");
    std::string sentence = winner + "の勝ちです";
    for (const WinnerText& w : WINNERS)
        if (winner == w.winner) sentence = 文言(w.sentence);
    通知_終了(sentence);
    io.dialogs->message(sentence, 文言(Text::TITLE_END));
    if (io.dialogs->message(文言(Text::CONTINUE_QUESTION), 文言(Text::TITLE_NEW_GAME), Buttons::YesNo) == Answer::Yes) {
        // The finished game's entries stay in the list, for "書込", until the
        // next game starts (a move is recorded, a game is chosen, or start-up).
        const int played = moves.count;
        初期設定();
        moves.finished = played;
    } else {
        OWARI();
    }
}

void Form1::終了処理() {
    io.sound->dsFree(sounds.other);
    io.sound->dsFree(sounds.refusal);
    io.sound->dsFree(sounds.placed);
    io.sound->dsFree(sounds.bgm);
    sounds.other = sounds.refusal = sounds.placed = sounds.bgm = 0;
    TermSound();
    sounds.opened = false;
}

void Form1::OWARI() {
    if (display.ended) return;
    // A search still running is not waited for: its answer would come too late.
    stopThinking();
    終了処理();
    display.ended = true;
    if (io.window) io.window->quit();
}

bool Form1::破棄確認(Text question, Text title) {
    if (!moves.unsaved) return true;
    return io.dialogs->message(文言(Text::UNSAVED_GAME) + "\r" + 文言(question), 文言(title), Buttons::YesNo) ==
           Answer::Yes;
}

bool Form1::終了確認() { return 破棄確認(Text::QUIT_QUESTION, Text::TITLE_QUIT); }

void Form1::Form_KeyPress(int key) {
    if (key == 27 && 終了確認()) OWARI();
}

void Form1::Form_Unload() {
    if (終了確認()) OWARI();
}

void Form1::OWARI_Click() {
    if (終了確認()) OWARI();
}

}  // namespace zelkora
