// The news of a game in words, for those who follow it without the picture:
// the names of squares and stand cells a screen reader reads, and the
// sentences told to every listener of io.news when a game starts, a move is
// made or refused, and a game ends.
//
// A move's sentence names the player by turn (先手/後手), then the move as
// the screen writes it: the square and the piece in Japanese ("後手 ３四歩"),
// Western notation in English ("Gote P-3d").
#include "computer/engine_bridge.h"
#include "display/western_notation.h"
#include "engine/movegen.h"
#include "game/Form1.h"

namespace zelkora {
namespace {

// Texts of the pieces by the magnitude of their code.
struct PieceText {
    int code;
    Text text;
};
constexpr PieceText PIECES[] = {
    {10, Text::PIECE_HU},    {11, Text::PIECE_TO},      {20, Text::PIECE_KYOU}, {21, Text::PIECE_NARIKYOU},
    {30, Text::PIECE_KEI},   {31, Text::PIECE_NARIKEI}, {100, Text::PIECE_GIN}, {101, Text::PIECE_NARIGIN},
    {110, Text::PIECE_KIN},  {800, Text::PIECE_KAKU},   {801, Text::PIECE_UMA}, {900, Text::PIECE_HISHA},
    {901, Text::PIECE_RYU},  {950, Text::PIECE_OU}};

std::string pieceName(const Form1& f, int code) {
    const int magnitude = code < 0 ? -code : code;
    for (const PieceText& p : PIECES)
        if (p.code == magnitude) return f.文言(p.text);
    return {};
}

// The player of a side by turn tag: the lower side is 先手 unless it moves second.
std::string playerOf(const Form1& f, bool upper) {
    const int tag = upper ? f.turn.upperTag : f.turn.lowerTag;
    return f.文言(tag == GOTE ? Text::PLAYER_GOTE : Text::PLAYER_SENTE);
}

std::string squareName(const Form1& f, int c, int r) {
    if (f.display.language == Language::English) return westernSquare(c, r);
    return f.文字列変換(10 - c) + f.文字列変換(1000 + r);
}

// A box's text as one spoken line: its line breaks go, a space stays between words.
std::string oneLine(const std::string& text) {
    std::string line;
    for (char ch : text) {
        if (ch != '\r') {
            line += ch;
            continue;
        }
        const unsigned char last = line.empty() ? ' ' : static_cast<unsigned char>(line.back());
        if (last < 0x80 && last != ' ') line += ' ';
    }
    return line;
}

// Does the side that just moved attack the other king? Asked of the search
// core's board, so the game's influence map stays as the rules left it.
bool givesCheck(const Form1& f, bool upperMoved) {
    const engine::Position p = toEngine(f.board, f.hands, !upperMoved);
    const int defender = upperMoved ? engine::LOWER : engine::UPPER;
    const int king = p.king[defender];
    return king != 0 && engine::attacked(p, king, upperMoved ? engine::UPPER : engine::LOWER);
}

}  // namespace

std::string Form1::桝の名前(int c, int r) const {
    if (c >= 1 && c <= 9 && r >= 1 && r <= 9) {
        const int code = board.at(c, r);
        if (code == EMPTY) return 文言(Text::SQUARE_EMPTY, {squareName(*this, c, r)});
        return 文言(Text::SQUARE_WITH_PIECE, {squareName(*this, c, r), playerOf(*this, isUpper(code)), pieceName(*this, code)});
    }
    const bool lower = c == LOWER_HAND_X && r >= 3 && r <= 9;
    const bool upper = c == UPPER_HAND_X && r >= 1 && r <= 7;
    if (!lower && !upper) return {};
    const int kind = lower ? r - 2 : 8 - r;
    const int count = lower ? hands.lower[kind] : hands.upper[kind];
    const std::string player = playerOf(*this, upper);
    const std::string piece = pieceName(*this, kindCode(kind));
    if (count == 0) return 文言(Text::STAND_WITHOUT, {player, piece});
    return 文言(Text::STAND_WITH_PIECES, {player, piece, std::to_string(count)});
}

std::string Form1::指し手の文(const MoveRecord& m) const {
    const bool upper = isUpper(m.after);
    std::string move;
    if (display.language == Language::English) move = westernMove(m);
    else move = squareName(*this, m.toX, m.toY) + pieceName(*this, m.after);
    return playerOf(*this, upper) + " " + move;
}

void Form1::通知_開始() {
    for (GameNews* n : io.news) n->gameStarted();
}

void Form1::通知_指し手(bool byComputer) {
    if (io.news.empty() || moves.count < 1) return;
    const MoveRecord& m = moves.entry[moves.count];
    MoveNews news;
    news.toX = m.toX;
    news.toY = m.toY;
    news.upperSide = isUpper(m.after);
    news.byComputer = byComputer;
    news.check = givesCheck(*this, news.upperSide);
    news.text = 指し手の文(m);
    if (news.check) news.text += " " + 文言(Text::NEWS_CHECK);
    for (GameNews* n : io.news) n->movePlayed(news);
}

void Form1::通知_禁止(Text reason) {
    for (GameNews* n : io.news) n->refused(oneLine(文言(reason)));
}

void Form1::通知_終了(const std::string& sentence) {
    for (GameNews* n : io.news) n->gameEnded(oneLine(sentence));
}

}  // namespace zelkora
