// Status texts: numbers, labels, the move number, the last move in shogi
// notation and the handicap refusal box.
//
// Every text goes through io.canvas: setFont(points, bold, colour) and then
// drawText at the top-left corner of a grid cell (fractional cells allowed).
// The shadow-then-colour pairing (black, then the colour 0.1 cell left and up)
// is done here for the composite texts and by the callers for single ones.
// The form font stays normal until the first board labels turn it bold; from
// then on every text is bold (Form1::bold).
#include <string>

#include "display/western_notation.h"
#include "game/Form1.h"

namespace zelkora {

namespace {

const char* const kFullWidthDigits[10] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
const char* const kKanjiNumerals[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// Index of 描画_文字列: handicap grades -10..10 (名人 to 12級, in the order
// of the table of texts) and 99, the move-number suffix.
constexpr int kMoveSuffixIndex = 99;

// Piece names by the magnitude of the code; both sides share them.
struct PieceName {
    int code;
    const char* name;
};
constexpr PieceName kPieceNames[] = {
    {10, "歩"},  {11, "と"},    {20, "香"},  {21, "香成"}, {30, "桂"},  {31, "桂成"}, {100, "銀"},
    {101, "銀成"}, {110, "金"}, {800, "角"}, {801, "角成"}, {900, "飛"}, {901, "飛成"}, {950, "王"}};

// Row numerals of 文字列変換 are asked for as 1000 + row.
constexpr int kRowNumeralBase = 1000;

// Every black text is the shadow of a text drawn 0.1 cell left of and above
// it. The thick strokes of Japanese characters carry that shadow; the thin
// Latin letters do not, and their shadow reads as a second text. In English a
// shadow lies 15 twips (a pixel at 100%, two at 200%) right of and below its
// letters instead.
constexpr double kShadowCells = 0.1;
constexpr double kEnglishShadowTwips = 15;

struct TextPlace {
    double x, y;
};

TextPlace placeOf(const Form1& f, double c, double r, int colour) {
    if (colour != COLOUR_BLACK || f.display.language != Language::English) return {f.geo.cellX(c), f.geo.cellY(r)};
    return {f.geo.cellX(c - kShadowCells) + kEnglishShadowTwips, f.geo.cellY(r - kShadowCells) + kEnglishShadowTwips};
}

}  // namespace

void Form1::描画_数値(double c, double r, int value, int colour, int mode, double size) {
    io.canvas->setFont(size, bold, colour);
    std::string text;
    if (mode == 0) {
        // A non-negative number keeps one blank where the sign would stand.
        text = value >= 0 ? " " + std::to_string(value) : std::to_string(value);
    } else if (value >= 1 && value <= 9) {
        // Ranks: kanji numerals in Japanese, the letters a..i of Western notation in English.
        text = display.language == Language::English ? std::string(1, static_cast<char>('a' + value - 1))
                                                     : kKanjiNumerals[value];
    } else {
        return;
    }
    const TextPlace at = placeOf(*this, c, r, colour);
    io.canvas->drawText(at.x, at.y, text);
}

void Form1::描画_数値(double c, double r, const std::string& text, int colour, int mode, double size) {
    io.canvas->setFont(size, bold, colour);
    // Only the plain mode shows a text; the numeral mode knows numbers only.
    if (mode != 0) return;
    const TextPlace at = placeOf(*this, c, r, colour);
    io.canvas->drawText(at.x, at.y, text);
}

void Form1::描画_文字列(double c, double r, int index, int colour, double size) {
    io.canvas->setFont(size, bold, colour);
    std::string text;
    if (index >= -10 && index <= 10) text = 文言(static_cast<Text>(static_cast<int>(Text::GRADE_MEIJIN) + index + 10));
    else if (index == kMoveSuffixIndex) text = 文言(Text::MOVE_NUMBER_SUFFIX);
    if (text.empty()) return;
    const TextPlace at = placeOf(*this, c, r, colour);
    io.canvas->drawText(at.x + 120, at.y + 160, text);
}

void Form1::描画_移動駒種類(double c, double r, const std::string& text, int colour) {
    io.canvas->setFont(12, bold, colour);
    const TextPlace at = placeOf(*this, c, r, colour);
    io.canvas->drawText(at.x, at.y, text);
}

std::string Form1::文字列変換(int value) const {
    if (value >= 1 && value <= 9) return kFullWidthDigits[value];
    if (value >= kRowNumeralBase + 1 && value <= kRowNumeralBase + 9) return kKanjiNumerals[value - kRowNumeralBase];
    const int magnitude = value < 0 ? -value : value;
    for (const PieceName& p : kPieceNames)
        if (p.code == magnitude) return p.name;
    return {};
}

void Form1::描画_桝_数値() {
    bold = true;
    for (int a = 1; a <= 9; ++a) {
        描画_絵(display.background, a, 0);
        // Files are counted from the right: screen column 1 is file 9.
        描画_数値(a + 0.2, 0.5, 10 - a, COLOUR_BLACK, 0, 16);
        描画_数値(a + 0.1, 0.4, 10 - a, COLOUR_YELLOW, 0, 16);
        描画_絵(display.background, 10, a);
        描画_数値(10.2, a + 0.4, a, COLOUR_BLACK, 1, 12);
        描画_数値(10.1, a + 0.3, a, COLOUR_YELLOW, 1, 12);
        // The background tile of column 10 overlaps column 9 by one pixel.
        描画_桝輪郭(COLOUR_GREEN, 9, a);
    }
}

void Form1::描画_手数(int n) {
    描画_絵(display.background, 13, 4);
    描画_絵(display.background, 14, 4);
    // The English suffix reaches into the cell beyond, at the window's edge.
    if (display.language == Language::English) 描画_絵(display.background, 15, 4);
    描画_桝輪郭(COLOUR_GREEN, 11, 4);
    // The number grows to the left: one tenth of a cell per extra digit.
    double c = 13.3;
    if (n >= 100) c = 13.1;
    else if (n >= 10) c = 13.2;
    描画_数値(c, 4.4, n, COLOUR_BLACK, 0, 12);
    描画_数値(c - 0.1, 4.3, n, COLOUR_WHITE, 0, 12);
    描画_文字列(13.9, 4.2, kMoveSuffixIndex, COLOUR_BLACK, 10);
    描画_文字列(13.8, 4.1, kMoveSuffixIndex, COLOUR_WHITE, 10);
    display.shown.moveNumber = true;
}

void Form1::描画_移動結果(double c, double r, int column, int row, int piece, int colour, const MoveRecord* move) {
    描画_絵(display.background, c, r);
    描画_絵(display.background, c + 1, r);
    描画_絵(display.background, c + 2, r);
    描画_桝輪郭(COLOUR_GREEN, -1, 7);

    MoveText& shown = c < 0 ? display.shown.upperMove : display.shown.lowerMove;
    shown = MoveText{true, c, r, column, row, piece, move != nullptr, move ? *move : MoveRecord{}};
    if (display.language == Language::English) {
        // One text where the Japanese one writes file, rank and piece apart.
        const std::string text = move ? westernMove(*move) : westernPiece(piece) + "-" + westernSquare(column, row);
        描画_移動駒種類(c + 0.3, r + 0.5, text, COLOUR_BLACK);
        描画_移動駒種類(c + 0.2, r + 0.4, text, colour);
        io.canvas->refresh();
        return;
    }

    // The upper side's text stands left of the board, the lower side's right of it.
    const std::string file = 文字列変換(10 - column);
    描画_移動駒種類(c + 0.3, r + 0.5, file, COLOUR_BLACK);
    描画_移動駒種類(c + 0.2, r + 0.4, file, colour);

    const std::string rank = 文字列変換(row + kRowNumeralBase);
    描画_移動駒種類(c + 0.7, r + 0.5, rank, COLOUR_BLACK);
    描画_移動駒種類(c + 0.6, r + 0.4, rank, colour);

    const std::string name = 文字列変換(piece);
    描画_移動駒種類(c + 1.3, r + 0.5, name, COLOUR_BLACK);
    描画_移動駒種類(c + 1.2, r + 0.4, name, colour);

    io.canvas->refresh();
}

void Form1::描画_棋譜読込み部分消去() {
    display.shown.header = false;
    描画_桝_数値();
    描画_絵(display.background, -1, 10);
    描画_絵(display.background, 0, 10);
    for (int a = 1; a <= 9; ++a) {
        描画_絵(display.background, a, 10);
        // The tiles of row 10 overlap the bottom row of the board by one pixel.
        描画_桝輪郭(COLOUR_GREEN, a, 9);
    }
}

void Form1::描画_メッセージ(int n) {
    std::string reason;
    if (n == 1) reason = 文言(Text::NOT_IN_RECORD_MODE);
    else if (n == 2) reason = 文言(Text::HANDICAP_DURING_GAME);
    else if (n == 3) reason = 文言(Text::HANDICAP_AFTER_REVERSE);
    io.dialogs->message(reason + "\r\r" + 文言(Text::HANDICAP_RESET_FIRST), 文言(Text::TITLE_HANDICAP), Buttons::Ok);
}

}  // namespace zelkora
