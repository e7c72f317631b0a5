#include "records/kif_format.h"

#include <memory>

#include "game/null_ports.h"
#include "game/sfen.h"
#include "game/sjis.h"
#include "records/replay_steps.h"

namespace zelkora {

namespace {

const char* const kFullWidthDigits[10] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
const char* const kKanjiNumerals[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// Piece names by the magnitude of the code: in a move line and on a diagram.
struct KifName {
    int code;
    const char* move;
    const char* board;
};
constexpr KifName kNames[] = {
    {10, "歩", "歩"},   {11, "と", "と"},   {20, "香", "香"},   {21, "成香", "杏"}, {30, "桂", "桂"},
    {31, "成桂", "圭"}, {100, "銀", "銀"},  {101, "成銀", "全"}, {110, "金", "金"},  {800, "角", "角"},
    {801, "馬", "馬"},  {900, "飛", "飛"},  {901, "龍", "龍"},  {950, "玉", "玉"}};

const KifName* nameOf(int code) {
    const int magnitude = code < 0 ? -code : code;
    for (const KifName& n : kNames)
        if (n.code == magnitude) return &n;
    return nullptr;
}

std::string moveName(int code) {
    const KifName* n = nameOf(code);
    return n ? n->move : "";
}

// Display columns of a UTF-8 text: one for an ASCII character, two for others.
int displayWidth(const std::string& text) {
    int width = 0;
    for (unsigned char c : text) {
        if (c < 0x80) width += 1;
        else if ((c & 0xC0) == 0xC0) width += 2;   // the first byte of a wide character
    }
    return width;
}

constexpr int kMoveTextWidth = 12;
const char* const kUnkeptTime = " ( 0:00/00:00:00)";
const char* const kLineEnd = "\r\n";

std::string numbered(int n, const std::string& text) {
    std::string number = std::to_string(n);
    std::string line(number.size() < 4 ? 4 - number.size() : 0, ' ');
    line += number + " " + text;
    const int width = displayWidth(text);
    if (width < kMoveTextWidth) line += std::string(kMoveTextWidth - width, ' ');
    return line + kUnkeptTime;
}

// Names and header texts stay on their line.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

// The diagram of the starting position (a record that the upper side starts
// needs one): the upper side's pieces marked "v", both hands empty.
std::string startingDiagram() {
    const Position p = startingPosition();
    std::string text = std::string("後手の持駒：なし") + kLineEnd;
    text += std::string("  ９ ８ ７ ６ ５ ４ ３ ２ １") + kLineEnd;
    text += std::string("+---------------------------+") + kLineEnd;
    for (int y = 1; y <= BOARD_SIZE; ++y) {
        text += "|";
        for (int x = 1; x <= BOARD_SIZE; ++x) {
            const int code = p.board.at(x, y);
            const KifName* n = nameOf(code);
            if (code == EMPTY || !n) text += " ・";
            else text += std::string(isUpper(code) ? "v" : " ") + n->board;
        }
        text += std::string("|") + kKanjiNumerals[y] + kLineEnd;
    }
    text += std::string("+---------------------------+") + kLineEnd;
    text += std::string("先手の持駒：なし") + kLineEnd;
    return text;
}

bool isDrop(const MoveRecord& m) { return m.fromX == LOWER_HAND_X || m.fromX == UPPER_HAND_X; }

// KIF's side names: the lower side is 先手, the upper side 後手.
const char* sideOf(int code) { return isUpper(code) ? "後手" : "先手"; }

std::string endingComment(const KifGame& game) {
    if (game.moves.empty()) return "*対局は終わっていません";
    const MoveRecord& last = game.moves.back();
    if (last.captured == SITA_OU || last.captured == UE_OU) {
        const char* taker = sideOf(last.after);
        const char* loser = sideOf(last.captured);
        return std::string("*") + taker + "が" + loser + "の玉を取りました。玉を取られた" + loser +
               "の勝ちです（負けになれば勝ちの将棋）";
    }
    if (game.upperMated)
        return "*先手が後手玉を詰ませました。詰まされた後手の勝ちです（負けになれば勝ちの将棋）";
    return "*対局は終わっていません";
}

bool gameEnded(const KifGame& game) {
    if (game.moves.empty()) return false;
    const MoveRecord& last = game.moves.back();
    return last.captured == SITA_OU || last.captured == UE_OU || game.upperMated;
}

}  // namespace

std::string kifMoveText(const MoveRecord& m, const MoveRecord* previous) {
    std::string text;
    if (previous && previous->toX == m.toX && previous->toY == m.toY) {
        text = "同　";
    } else if (m.toX >= 1 && m.toX <= 9 && m.toY >= 1 && m.toY <= 9) {
        text = std::string(kFullWidthDigits[10 - m.toX]) + kKanjiNumerals[m.toY];
    }
    if (isDrop(m)) return text + moveName(m.after) + "打";
    text += moveName(m.before);
    if (m.after != m.before) text += "成";
    return text + "(" + std::to_string(10 - m.fromX) + std::to_string(m.fromY) + ")";
}

std::string formatKif(const KifGame& game) {
    std::string text;
    if (!game.started.empty()) text += "開始日時：" + oneLine(game.started) + kLineEnd;
    if (!game.title.empty()) text += "表題：" + oneLine(game.title) + kLineEnd;
    text += std::string("手合割：平手") + kLineEnd;
    if (!game.moves.empty() && isUpper(game.moves.front().after))
        text += startingDiagram() + "後手番" + kLineEnd;
    text += "先手：" + oneLine(game.lowerName) + kLineEnd;
    text += "後手：" + oneLine(game.upperName) + kLineEnd;
    text += std::string("手数----指手---------消費時間--") + kLineEnd;

    const int n = static_cast<int>(game.moves.size());
    for (int i = 0; i < n; ++i)
        text += numbered(i + 1, kifMoveText(game.moves[i], i > 0 ? &game.moves[i - 1] : nullptr)) + kLineEnd;
    text += numbered(n + 1, gameEnded(game) ? "反則勝ち" : "中断") + kLineEnd;
    text += endingComment(game) + kLineEnd;
    return text;
}

std::vector<std::uint8_t> encodeKif(const KifGame& game, KifEncoding encoding) {
    const bool sjis = encoding == KifEncoding::ShiftJis;
    std::string text = std::string("#KIF version=2.0 encoding=") + (sjis ? "Shift_JIS" : "UTF-8") + kLineEnd;
    text += formatKif(game);
    if (sjis) text = toShiftJis(text);
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

KifEncoding kifEncodingOf(const std::string& fileName) {
    std::string lower = fileName;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    const std::string ext = ".kifu";
    const bool kifu = lower.size() >= ext.size() && lower.compare(lower.size() - ext.size(), ext.size(), ext) == 0;
    return kifu ? KifEncoding::Utf8 : KifEncoding::ShiftJis;
}

bool upperMatedAfter(const std::vector<MoveRecord>& moves) {
    if (moves.empty() || !isLower(moves.back().after)) return false;
    auto scratch = std::make_unique<Form1>(nullPorts());
    loadPosition(*scratch, startingPosition());
    if (replay(scratch->board, scratch->hands, moves).entry != 0) return false;
    scratch->調査_2歩フラグ設定();
    scratch->勢力調査();
    return scratch->詰めかCOM() == YES;
}

}  // namespace zelkora
