// Form1: the one object that owns all state of a game of Zelkora.
//
// Every procedure of the game is a method of Form1 and works directly on this
// state; the methods are defined in the folder of their subsystem (game/,
// computer/, display/, records/, settings/), one file per topic. Form1 reaches
// the outside world only through the ports of game/ports.h, so the whole core
// runs without a window (the command-line engine, the tests, the benchmarks).
//
// Conventions kept throughout:
//  - a square is (x, y): column 1..9 from the screen's left, row 1..9 from the
//    top; index 0 exists in every board-shaped array and reads as empty / zero;
//  - column 11 is the lower side's hand, column -1 the upper side's hand;
//  - square loops run x = 1..9 outside, y = 1..9 inside: every first-found
//    tie-break follows this order;
//  - rule procedures answer YES (1) or NO (0).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/codes.h"
#include "game/ports.h"
#include "game/texts.h"

namespace zelkora {

// A board-shaped array indexed [x][y], x and y 0..9 (0 unused).
template <typename T>
using Grid = T[10][10];

// The board: one piece code per square.
struct Board {
    Grid<int> ban{};
    int& at(int x, int y) { return ban[x][y]; }
    int at(int x, int y) const { return ban[x][y]; }
};

// Pieces in hand, counted by kind index 1..7 (index 0 unused), and per side the
// total of all pieces in hand (a taken king counts in the total but not by kind).
struct Hands {
    int lower[8]{};
    int upper[8]{};
    int lowerTotal = 0;
    int upperTotal = 0;
};

// King squares as last recorded (by the lower king's move or by the survey);
// 0 while never recorded.
struct Kings {
    int lowerX = 0, lowerY = 0;
    int upperX = 0, upperY = 0;
};

// Who plays which turn and who is to move.
struct TurnState {
    int lowerTag = SENTE;        // turn tag of the lower player
    int upperTag = GOTE;         // turn tag of the upper player
    int sideToMove = NOBODY;     // a turn tag, NOBODY while no game runs
    int gameMode = MODE_NONE;    // MODE_NONE, MODE_MAN or MODE_COM
    int kingTaken = NOBODY;      // tag of the player who took a king, NOBODY if none
};

// One entry of the move list. For a drop fromX is 11 (lower hand) or -1 (upper
// hand) and fromY whatever the caller recorded (screen row or kind index).
struct MoveRecord {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
    int captured = 0;
    int before = 0;   // code of the moving piece
    int after = 0;    // code on the target after the move
};

// The moves of the game, entries 1..MAX (entry 0 unused).
struct MoveList {
    static constexpr int MAX = 500;
    std::array<MoveRecord, MAX + 1> entry{};
    int count = 0;        // moves applied to the board (index of the last one)
    int replay = 0;       // how far "進" may step forward
    int moveNumber = 0;   // the number shown on screen
    int finished = 0;     // moves of the game that ended last, kept for "書込"
                          // until the next game starts; 0 when there is none
    bool unsaved = false; // moves are on the list that were not saved since they were made
};

// The human's selection between the first and the second click.
struct Selection {
    int clickState = 0;            // 0 nothing selected, 1 a source is selected
    int srcX = 0, srcY = 0;        // selected source (board square or hand cell)
    int dstX = 0, dstY = 0;        // target of the second click
    int piece = 0;                 // code of the selected piece
};

// The influence map rebuilt by 勢力調査. 999 / -999 mean "nothing recorded".
// upper_guard_x / upper_guard_y are never cleared: they keep what earlier
// surveys left where the current one records no square.
struct InfluenceMap {
    Grid<std::int16_t> lower_influence{};
    Grid<std::int16_t> upper_influence{};
    Grid<std::int16_t> lower_guard_code{};
    Grid<std::int16_t> upper_guard_code{};
    Grid<std::int16_t> upper_guard_x{};
    Grid<std::int16_t> upper_guard_y{};
    Grid<std::int16_t> lower_attacker_code{};
    Grid<std::int16_t> lower_attacker_x{};
    Grid<std::int16_t> lower_attacker_y{};
    Grid<std::int16_t> lower_check_marks{};
    Grid<std::int16_t> upper_check_marks{};
};

// Compulsory-capture data of one player: which enemy pieces he attacks, how
// often the capturable code changed in scan order, where the strongest stands.
// The strongest square is not reset when nothing is capturable.
struct CaptureData {
    Grid<std::int8_t> map{};
    int count = 0;
    int bestX = 0, bestY = 0;
};

// Rule state besides the board: two-pawn flags per column and the promoted code
// left by 調査_駒成.
struct RuleState {
    int lowerPawnFlag[10]{};
    int upperPawnFlag[10]{};
    int promotedCode = 0;
};

// Flags and settings that outlive single moves.
struct GameFlags {
    int recordMode = 0;      // 1 while a loaded record is stepped through
    int guidance = 0;        // 移動指導: 1 outlines reachable squares
    int reversed = 0;        // 1 after "反転"; blocks saving
    int handicapFlag = 0;    // 1 after any accepted handicap command; blocks saving
    int handicapGrade = 0;   // -10..10
    int level = 3;           // the computer's level 1..6, kept for the run
    bool music = true;       // the music ("BGM") is on, kept for the run
    bool speech = false;     // 読み上げ: moves, refusals and the end are spoken
    bool settingsUnwritableShown = false;   // the box about an unwritable settings file was shown
    bool settingsRefusedShown = false;      // the box about an unreadable or oversized one was shown
};

// A last-move text on screen: the target square and the piece it names.
struct MoveText {
    bool shown = false;
    double c = 0, r = 0;                // the cell it starts at
    int column = 0, row = 0, piece = 0;
    bool hasMove = false;               // the whole move is known (for Western notation)
    MoveRecord move;
};

// The status texts now on screen around the board. A full redraw paints the
// background over them, so choosing a background brings them back from here.
// Each is marked shown by the procedure that draws it and cleared by whatever
// paints over it.
struct ShownTexts {
    bool moveNumber = false;              // "N 手目" (the number is moves.moveNumber)
    MoveText upperMove, lowerMove;        // last move of each side
    bool handicap = false;                // the grade label (flags.handicapGrade)
    bool thinking = false;                // "思考中" where the upper side's last move goes
    bool header = false;                  // a loaded record's three header lines
    std::array<std::string, 3> headerLines;
};

// What the record files say about the game on the board besides its moves:
// when it started (a loaded record: when it was loaded, since a record keeps
// no date) and the players' names typed at the last save, offered again at
// the next save. A new game, "最初" or loading a record starts afresh.
struct GameInfo {
    std::string started;      // "YYYY/MM/DD HH:MM:SS"; empty where no calendar is at hand
    std::string firstName;    // the panel's first player field
    std::string secondName;   // the panel's second player field
};

// Display state: background picture, highlight colour and where texts go.
struct DisplayState {
    int background = 0;                    // picture code 2..6; 0 while unset
    int highlightColour = COLOUR_GREEN;    // 2, or 15 while guidance is on
    int enlargement = 100;                 // 表示倍率 of the window in percent: 100, 150 or 200
    bool ended = false;                    // the program was told to end
    bool kifPanel = false;                 // the panel's "RETURN" writes KIF ("KIF書出")
    bool hintShown = false;                // a hint is outlined until the next click
    MoveRecord hint;                       // the move shown as the hint (board orientation)
    bool placed = false;                   // the window was placed (once, at the first start-up)
    Language language = Language::Japanese;   // of every text the player reads
    PieceSet pieces = PieceSet::Traditional;  // how the pieces are drawn
    ShownTexts shown;
};

// The grid of drawing cells, in twips.
struct Geometry {
    double left = 1050, top = 100, cellWidth = 495, cellHeight = 615;
    double cellX(double c) const { return left + cellWidth * c; }
    double cellY(double r) const { return top + cellHeight * r; }
};

// Handles of the sound library: the device and the four buffers (0 = none).
struct SoundState {
    std::int32_t device = 0;
    std::int32_t other = 0;     // "その他.wav"
    std::int32_t refusal = 0;   // "禁止.wav"
    std::int32_t bgm = 0;       // "BGM.wav"
    std::int32_t placed = 0;    // "駒打音.wav"
    bool opened = false;        // the library was initialised by a first start-up
};

// The forced-capture look-ahead (先読み) on screen. While it is on and a
// piece is selected, `targets` holds each target of that piece whose move
// starts a chain worth showing; the chain of the target under the mouse is
// numbered on the board. Hover (0, 0) means no chain is shown.
struct ChainOnBoard {
    int x = 0, y = 0;                        // the target that starts it
    std::vector<std::pair<int, int>> steps;  // the target square of each ply, the player's first
    Text result = Text::Count;               // the end of the game it reaches; Count: none
};
struct LookAheadDisplay {
    bool on = false;                         // the option "先読み"
    std::vector<ChainOnBoard> targets;       // of the current selection
    int hoverX = 0, hoverY = 0;              // the target whose chain is on screen
    std::vector<std::pair<int, int>> numbered;   // squares with numbers on screen
    bool resultShown = false;                // the result text is on screen
};

// The computer's turn: snapshots taken before any trial and the search's result.
struct ComputerState {
    Board before;                              // board before the move
    Grid<std::int16_t> lowerBefore{};          // H0: lower_influence before
    Grid<std::int16_t> upperBefore{};          // C0: upper_influence before
    int escapesBefore = 0;                     // E0: 調査_自王逃道 before
    Grid<std::int8_t> escapeMarks{};           // cleared each turn
    int handTotalBefore = 0;
    int pin = 0;                               // set by 調査_移動不可駒
    int pieceMoved = 0;                        // unpromoted code under trial
    double bestScore = -99999;
    MoveRecord chosen;                         // fromX..after of the chosen move
    bool chosenValid = false;
    int trials = 0;                            // trial positions scored this turn
    // The game's seed: with the number of moves played it chooses among the
    // moves the search finds nearly as good as the best (LEVEL4 and up). Set
    // from the clock when a game against the computer starts; 0 until then.
    std::uint64_t seed = 0;
    bool bestOnly = false;                     // ヒント: the best move, no choice
};

// A search running away from the window's thread: the computer's reply or a
// hint. While `active` the game must not change: clicks on the board are
// ignored and the commands that change the game are disabled; drawing,
// options and ending the program go on.
struct ThinkingState {
    bool active = false;
    bool hint = false;        // the search is a hint's, not the computer's reply
    bool searched = false;    // the reply's search has answered (its result is in `com`)
    bool waited = false;      // the half second since the reply began has passed
    int search = 0;           // numbers every search; an answer for another number is dropped
    // Set from the window's thread to end the search early; read by the search core.
    std::shared_ptr<std::atomic<bool>> stop;
    MoveText previous;        // the upper side's last move, written again when no move is played
};

// Help the player took in the game now running, for the results: both are
// cleared when a game against the computer starts.
struct HelpUsed {
    bool matta = false;   // a move was taken back ("待った")
    bool hint = false;    // a hint was shown ("ヒント")
};

// A game to review: the position it started from and every move of its list.
struct ReviewSource {
    Board board;
    Hands hands;
    std::vector<MoveRecord> moves;
};

class Form1 {
public:
    explicit Form1(const Ports& ports);

    Ports io;

    Board board;
    Hands hands;
    Kings kings;
    TurnState turn;
    MoveList moves;
    Selection sel;
    InfluenceMap inf;
    CaptureData lowerCapture;   // what the lower player can capture
    CaptureData upperCapture;   // what the upper player can capture
    RuleState rules;
    GameFlags flags;
    DisplayState display;
    GameInfo gameInfo;
    Geometry geo;
    SoundState sounds;
    ComputerState com;
    LookAheadDisplay lookahead;
    ThinkingState thinking;

    // ---- Game state and start-up (game/startup.cpp) ----
    void Form_Load();
    void 初期設定();
    void 終了(const std::string& winner);
    void 終了処理();
    void Form_KeyPress(int key);
    void Form_Unload();
    void OWARI_Click();
    void OWARI();               // runs 終了処理 and ends the program
    // Asked before a command leaves a game whose moves were not saved (quitting,
    // a new game, "最初", loading a record): "保存していない対局があります" and
    // the command's `question` in a Yes/No box titled `title`; answers true
    // when the command may go on, at once when nothing is unsaved.
    bool 破棄確認(Text question, Text title);
    // 破棄確認 before Escape, "終わり" or closing ends the program.
    bool 終了確認();

    // ---- Sound module (game/sound_module.cpp) ----
    void InitSound(std::int32_t window);
    std::int32_t LoadSound(const std::string& fileName, std::int32_t flags);
    void TermSound();
    void ShowSoundError(const std::string& text);
    void playSound(std::int32_t buffer);   // dsPlay through the port

    // ---- Move legality (game/legality.cpp) ----
    int 移動チェック(int fx, int fy, int tx, int ty, int piece);
    int 移動チェック飛車(int fx, int fy, int tx, int ty);
    int 移動チェック角(int fx, int fy, int tx, int ty);
    int 移動後チェック(int ty, int piece);
    int 調査_駒成(int fx, int fy, int tx, int ty, int piece);
    void 調査_2歩フラグ設定();

    // ---- Compulsory capture (game/capture.cpp) ----
    void 調査_取可桝(int tag);
    // Applies the rule to a chosen move of the player to move; shows the refusal
    // and answers true when the move is refused.
    bool compulsoryCaptureRefuses(int tag, int fx, int tx, int ty);

    // ---- Making a move (game/move.cpp) ----
    // 手順保存 never writes past MoveList::MAX: on a full list it records nothing.
    // Callers ask moveListFullRefuses() first: on a full list it plays the refusal
    // sound, shows "これ以上指せません" (title "手順") and answers true, and the
    // move is not made.
    void 手順保存(int fx, int fy, int tx, int ty, int before, int after);
    bool moveListFullRefuses();
    void 駒移動(int fx, int fy, int tx, int ty, int piece);
    void 駒取得(int code);

    // ---- Human turn (game/human_turn.cpp) ----
    void Form_MouseDown(int button, int shift, double x, double y);

    // ---- Mate detection (game/mate.cpp) ----
    int 詰めかCOM();
    int 詰めかMAN();
    int 詰めかMAN_COM移動();
    int 調査_自王逃道();

    // ---- Game menus (game/menus.cpp) ----
    void TAIKYOKU_Click();
    void MATCH_MAN_Click();
    void START_Click();
    void SENTE_Click();
    void GOTE_Click();

    // ---- Influence map (computer/influence*.cpp) ----
    void 勢力調査();
    void 勢力確定上直進(int k, int x, int y);
    void 勢力確定下直進(int k, int x, int y);
    void 勢力確定右直進(int k, int x, int y);
    void 勢力確定左直進(int k, int x, int y);
    void 勢力確定自金(int k, int x, int y);
    void 勢力確定敵金(int x, int y);
    void 勢力確定自角(int x, int y);
    void 勢力確定敵角(int k, int x, int y);

    // ---- Computer turn (computer/computer_turn.cpp) ----
    // Starts the computer's turn: "思考中", the search on a copy of the game
    // and the half second, both away from the window's thread. The move is
    // played once both have ended (computer_turn.cpp), on the window's thread.
    void com_ban();
    // The search of com_ban without drawing, sound or wait: fills com.chosen,
    // com.chosenValid and com.bestScore and leaves the board as it was.
    void comSearch();
    // LEVEL4 and LEVEL5: the move of the search core within the level's budget,
    // into com.chosen, com.chosenValid and com.bestScore (computer/search_levels.cpp).
    void comEngineSearch();
    // A new game against the computer: its seed from the clock, so that two
    // games differ (computer/search_levels.cpp).
    void comSeedFromClock();

    // ---- Searching away from the window's thread (computer/thinking.cpp) ----
    // Starts a search (a hint's or the computer's reply): the game is frozen
    // until endThinking. Answers the search's number.
    int beginThinking(bool hint);
    void endThinking();
    // Ends a search in progress at once (the program ends): its answer is dropped.
    void stopThinking();
    // True while search number `search` is the one in progress.
    bool thinkingOn(int search) const;
    // The whole game state for a search on another thread: ports that do
    // nothing (a search neither draws nor asks), the stop flag shared.
    std::unique_ptr<Form1> searchCopy() const;
    // Runs comSearch on `copy` away from the window's thread; `then` gets the
    // searched copy on the window's thread, unless the search was stopped or
    // replaced meanwhile.
    void searchAway(std::unique_ptr<Form1> copy, std::function<void(Form1&)> then);
    // Runs `then` on the window's thread after `seconds`, without holding it.
    void 待ち時間(double seconds, std::function<void()> then);

    // ---- Board evaluation (computer/evaluation.cpp) ----
    double 盤評価(int captured, int piece, int fx, int fy, int tx, int ty);

    // ---- Position probes (computer/probes.cpp) ----
    int 調査_移動可場所数(int x, int y, int code);
    int 調査_MAN王COMの範囲内();
    int 調査_桂狙い(int x, int y);
    int 調査_香狙い(int x, int y);
    int 調査_周辺状況(int x, int y);
    void 調査_移動不可駒();

    // ---- Levels and handicap (computer/levels.cpp, computer/handicap.cpp) ----
    void LEVEL1_Click();
    void LEVEL2_Click();
    void LEVEL3_Click();
    void LEVEL4_Click();
    void LEVEL5_Click();
    void LEVEL6_Click();
    void レベル_設定(int n);
    void LBEL_UP_Click();
    void LEBEL_DOWN_Click();

    // ---- Board rendering (display/board.cpp) ----
    void 描画_絵(int code, double c, double r);
    void 描画_桝輪郭(int colour, double c, double r);
    void 描画_盤();
    void 描画_将棋盤桝();
    void 描画_桝1列目();
    void 描画_自持盤();
    void 描画_敵持盤();
    void 描画_背景(int code);
    void 画面_再描画();

    // ---- The record panel's controls (display/panel.cpp) ----
    void 描画_可視(bool drives, bool folders, bool files);
    void 描画_棋譜_IO(int mode);

    // ---- Status, text and highlights (display/text.cpp, display/highlights.cpp) ----
    void 描画_数値(double c, double r, int value, int colour, int mode, double size);
    void 描画_数値(double c, double r, const std::string& text, int colour, int mode, double size);
    void 描画_文字列(double c, double r, int index, int colour, double size);
    void 描画_移動駒種類(double c, double r, const std::string& text, int colour);
    std::string 文字列変換(int value) const;
    void 描画_桝_数値();
    void 描画_手数(int n);
    // The last move of a side: the target and the piece in Japanese; in
    // English the whole `move` in Western notation when it is given.
    void 描画_移動結果(double c, double r, int column, int row, int piece, int colour,
                       const MoveRecord* move = nullptr);
    void 描画_移動可能桝色(int fx, int fy, int colour, int piece);
    void 描画_取可桝(int tag);
    void 描画_棋譜読込み部分消去();
    void 描画_メッセージ(int n);

    // ---- Status texts around the board (display/status.cpp) ----
    void 描画_レベル(int level);
    void 描画_ハンデレベル(int grade);
    void 描画_棋譜見出し(const std::array<std::string, 3>& lines);   // a loaded record's header
    // Draws again the status texts a full redraw painted over.
    void 描画_状態表示(const ShownTexts& texts);
    // "思考中" left of the board, over the upper side's last move.
    void 描画_思考中();
    bool bold = false;   // the form font turns bold for good at the first labels

    // ---- Record files (records/record_commands.cpp) ----
    void KIFU_READ_Click();
    void KIFU_WRITE_Click();
    void Command1_Click();
    void File1_Click(const std::string& fileName);
    void STOP_Click();
    void OPTION_Click();

    // ---- Take-back (records/take_back.cpp) ----
    // "待った": against the computer the computer's last reply and the player's
    // move before it, between two humans the last move; refused with the
    // refusal sound and a box while no game runs, while a record is stepped
    // and when nothing is left to take back.
    void MATTA_Click();
    int 待った手数();   // moves one 待った takes back now, 0 when none

    // ---- Hint (computer/hint.cpp) and whose turn (display/turn_text.cpp) ----
    void HINT_Click();
    void 描画_ヒント();   // outlines display.hint and writes it left of the board
    void ヒント消去();    // takes a shown hint off the screen
    // "先手の番" / "後手の番" under the move number in a two-human game (the side
    // that moves next, also while the game is suspended by a step); in any
    // other mode the place is painted over.
    void 描画_手番();

    // ---- KIF export (records/kif_export.cpp) ----
    void KIFU_KIF_Click();
    void 書込_KIFファイル();

    // ---- Replay and navigation (records/navigation.cpp) ----
    void AFTER_Click();
    void REPLAY_Click();
    void CANCEL_Click();
    void REVERSE_Click();

    // ---- Forced-capture look-ahead (display/lookahead.cpp) ----
    void SAKIYOMI_Click();
    // The mouse over the window at (x, y) twips: shows the chain of the target under it.
    void Form_MouseMove(double x, double y);
    // The chains of the selected piece's targets; outlines the targets that start one.
    void 先読み_調査();
    // Numbers 1, 2, ... on the squares of `steps` (a square reached twice shows both).
    void 描画_手順番号(const std::vector<std::pair<int, int>>& steps);
    // Takes the numbers and the result off and shows the selection again.
    void 先読み消去();
    // "遊び方": the window of illustrated pages, through the window port.
    void ASOBIKATA_Click();

    // ---- Settings and options (settings/*.cpp) ----
    void 読込_環境設定ファイル();
    // The language, the level and the music of the settings file, read once at
    // the first start-up and kept for the run: the language for the boxes the
    // first start-up may show before the whole file is read (the sound's), the
    // music before it starts; nothing is drawn.
    void 読込_起動時の選択();
    void 書込_環境設定ファイル();
    void チェック設定(int code);
    void 倍率チェック設定(int percent);
    void 表示倍率_設定(int percent);
    void MIDORI_Click();
    void TATAMI_Click();
    void TAKE_Click();
    void UCHU_Click();
    void RENGA_Click();
    void SIDOU_Click();
    void VER_Click();
    void BGM_Click();
    void BAIRITU_100_Click();
    void BAIRITU_150_Click();
    void BAIRITU_200_Click();

    // ---- Language and piece set (settings/language.cpp) ----
    // The text `id` in the chosen language, its places filled by `arguments`.
    std::string 文言(Text id, std::initializer_list<std::string> arguments = {}) const;
    // Checks the language in the menu, turns the window's texts and draws the
    // status texts on screen again in it.
    void 言語_設定(Language language);
    // Checks the piece set in the menu and draws every piece again with it.
    void 駒_設定(PieceSet set);
    // Draws the whole screen again with every status text that was on it (and a hint).
    void 画面_再描画_状態込み();
    void NIHONGO_Click();
    void ENGLISH_Click();
    void KOMA_DENTOU_Click();
    void KOMA_SHOSHIN_Click();

    // ---- The unfinished game (resume/resume_game.cpp) ----
    HelpUsed help;
    // The game name and the two players' names last typed into the record
    // panel; the panel shows them again when it opens for saving.
    std::array<std::string, 3> typedNames;
    // After every move: the game running is written to the state folder; when
    // none runs (it ended, none was started) the file is removed.
    void 途中保存();
    // At start-up, once the window is shown: offers the unfinished game kept
    // there. Yes takes it up exactly as it was; No removes it. Answers true
    // when the game was taken up.
    bool 途中再開();
    // The game is over or abandoned: its file goes.
    void 途中削除();

    // ---- Results (results/results_game.cpp) ----
    // A game against the computer ended: counted by level and handicap grade.
    void 成績_記録(bool won);
    void SEISEKI_Click();

    // ---- Review (review/review_game.cpp) ----
    void KENTOU_Click();
    // The game on the board: its start found by stepping back, its whole list.
    ReviewSource 検討_棋譜() const;
    // Shows the position after `move` moves (0: the start) as stepping there
    // would, with `best` (when given) outlined as a hint.
    void 検討_局面(int move, const MoveRecord* best);

    // ---- News for the keyboard, a screen reader and speech (display/announcements.cpp) ----
    // Each tells every listener of io.news.
    void 通知_開始();
    // The move just made, the last entry of the move list; whether it gives
    // check is found here.
    void 通知_指し手(bool byComputer);
    void 通知_禁止(Text reason);
    void 通知_終了(const std::string& sentence);
    // The name a screen reader gives a cell: a board square "５六 先手の歩" /
    // "5f: Sente pawn" (empty ones too), or a stand cell (column 11 rows 3..9,
    // column -1 rows 1..7) with its kind and count.
    std::string 桝の名前(int c, int r) const;
    // The whole move "後手 ３四歩" / "Gote P-3d" of an entry of the move list.
    std::string 指し手の文(const MoveRecord& move) const;

    // ---- The keyboard cursor (display/cursor.cpp) ----
    // Shows the cursor's mark on cell (c, r); c = 0 takes it away.
    void 描画_カーソル(int c, int r);
    // Drops the selection as if it had never been made: its outlines and
    // reachable squares go (game/human_turn.cpp).
    void 選択解除();

    // ---- Speech option (settings/options.cpp) ----
    void YOMIAGE_Click();

    // ---- Lessons (lessons/lessons_menu.cpp) ----
    void NYUMON_Click();   // "入門": the list of lessons
};

}  // namespace zelkora
