#include "game/sfen.h"

#include <cctype>
#include <sstream>
#include <vector>

#include "engine/position.h"

namespace zelkora {

namespace {

int codeOfLetter(char c) {
    switch (std::tolower(static_cast<unsigned char>(c))) {
    case 'p': return UE_HU;
    case 'l': return UE_KYOU;
    case 'n': return UE_KEI;
    case 's': return UE_GIN;
    case 'g': return UE_KIN;
    case 'b': return UE_KAKU;
    case 'r': return UE_SYA;
    case 'k': return UE_OU;
    default: return 0;
    }
}

// Pieces of each hand kind (1..7) in one set for both players, and kings.
constexpr int SET_PIECES[8] = {0, 18, 4, 4, 4, 4, 2, 2};
constexpr int SET_KINGS = 2;
const char* const KIND_NAMES[8] = {"", "pawns", "lances", "knights", "silvers", "golds", "bishops", "rooks"};

std::string tooMany(int kind) {
    return std::string("more ") + KIND_NAMES[kind] + " than a set holds (" + std::to_string(SET_PIECES[kind]) + ")";
}

bool promotable(int code) {
    return code == UE_HU || code == UE_KYOU || code == UE_KEI || code == UE_GIN ||
           code == UE_KAKU || code == UE_SYA;
}

// Whether a piece on row y still has a row ahead to move to: an unpromoted pawn
// or lance needs one, a knight two.
bool canMoveAgain(int code, int y) {
    switch (code) {
    case UE_HU: case UE_KYOU: return y <= 8;
    case UE_KEI: return y <= 7;
    case SITA_HU: case SITA_KYOU: return y >= 2;
    case SITA_KEI: return y >= 3;
    default: return true;
    }
}

bool parseBoard(const std::string& field, Board& board, std::string& error) {
    int y = 1, x = 1;
    bool promote = false;
    for (char c : field) {
        if (c == '/') {
            if (promote || x != 10) { error = "rank " + std::to_string(y) + " does not hold 9 squares"; return false; }
            ++y; x = 1;
            if (y > 9) { error = "more than 9 ranks"; return false; }
        } else if (c >= '1' && c <= '9') {
            if (promote) { error = "'+' before a digit"; return false; }
            x += c - '0';
            if (x > 10) { error = "rank " + std::to_string(y) + " holds more than 9 squares"; return false; }
        } else if (c == '+') {
            if (promote) { error = "'+' twice"; return false; }
            promote = true;
        } else {
            int code = codeOfLetter(c);
            if (code == 0) { error = std::string("unknown piece letter '") + c + "'"; return false; }
            if (x > 9) { error = "rank " + std::to_string(y) + " holds more than 9 squares"; return false; }
            if (promote) {
                if (!promotable(code)) { error = std::string("piece '") + c + "' cannot be promoted"; return false; }
                code += 1;
                promote = false;
            }
            board.at(x, y) = std::isupper(static_cast<unsigned char>(c)) ? -code : code;
            ++x;
        }
    }
    if (y != 9 || x != 10 || promote) { error = "the board field does not hold 9 ranks of 9 squares"; return false; }
    return true;
}

bool parseHands(const std::string& field, Hands& hands, std::string& error) {
    if (field == "-") return true;
    int count = 0;
    bool haveCount = false;
    for (char c : field) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            count = count * 10 + (c - '0');
            haveCount = true;
            if (count > 99) { error = "hand count too large"; return false; }
            continue;
        }
        int code = codeOfLetter(c);
        int kind = handKind(code);
        if (kind == 0) { error = std::string("bad hand piece '") + c + "'"; return false; }
        int n = haveCount ? count : 1;
        if (n < 1) { error = "hand count 0"; return false; }
        // Checked as the counts add up, so no sum can overflow.
        if (hands.lower[kind] + hands.upper[kind] + n > SET_PIECES[kind]) { error = tooMany(kind); return false; }
        if (std::isupper(static_cast<unsigned char>(c))) {
            hands.lower[kind] += n;
            hands.lowerTotal += n;
        } else {
            hands.upper[kind] += n;
            hands.upperTotal += n;
        }
        count = 0;
        haveCount = false;
    }
    if (haveCount) { error = "hand field ends in a count"; return false; }
    return true;
}

void appendHand(std::string& out, const int counts[8], bool upper) {
    static const char letters[8] = {0, 'P', 'L', 'N', 'S', 'G', 'B', 'R'};
    for (int kind = 7; kind >= 1; --kind) {
        int n = counts[kind];
        if (n <= 0) continue;
        if (n > 1) out += std::to_string(n);
        char c = letters[kind];
        out += upper ? static_cast<char>(std::tolower(static_cast<unsigned char>(c))) : c;
    }
}

}  // namespace

bool parseSfen(const std::string& line, Position& position, std::string& error) {
    std::istringstream in(line);
    std::vector<std::string> fields;
    for (std::string f; in >> f;) fields.push_back(f);
    if (fields.size() < 3 || fields.size() > 4) {
        error = "expected board, side and hand fields";
        return false;
    }
    position = Position{};
    if (!parseBoard(fields[0], position.board, error)) return false;
    if (fields[1] == "b") position.lowerToMove = true;
    else if (fields[1] == "w") position.lowerToMove = false;
    else { error = "side must be 'b' or 'w'"; return false; }
    if (!parseHands(fields[2], position.hands, error)) return false;
    if (fields.size() == 4) {
        for (char c : fields[3])
            if (!std::isdigit(static_cast<unsigned char>(c))) { error = "bad move number"; return false; }
    }
    return true;
}

bool withinOneSet(const Position& position, std::string& error) {
    int pieces[8] = {};
    int kings = 0;
    for (int k = 1; k <= 7; ++k) pieces[k] = position.hands.lower[k] + position.hands.upper[k];
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y) {
            const int code = position.board.at(x, y);
            if (code == UE_OU || code == SITA_OU) ++kings;
            else if (code != EMPTY) ++pieces[handKind(code)];
        }
    for (int k = 1; k <= 7; ++k)
        if (pieces[k] > SET_PIECES[k]) { error = tooMany(k); return false; }
    if (kings > SET_KINGS) { error = "more kings than a set holds (2)"; return false; }
    return true;
}

bool everyPieceCanMove(const Position& position, std::string& error) {
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y) {
            const int code = position.board.at(x, y);
            if (canMoveAgain(code, y)) continue;
            static const char letters[4] = {0, 'p', 'l', 'n'};
            const char letter = letters[handKind(code)];
            error = std::string("piece '") + static_cast<char>(code < 0 ? std::toupper(letter) : letter) +
                    "' on column " + std::to_string(x) + ", row " + std::to_string(y) + " can never move";
            return false;
        }
    return true;
}

std::string formatSfen(const Board& board, const Hands& hands, bool lowerToMove, int moveNumber) {
    std::string out;
    for (int y = 1; y <= 9; ++y) {
        if (y > 1) out += '/';
        int empties = 0;
        for (int x = 1; x <= 9; ++x) {
            int code = board.at(x, y);
            char letter = 0;
            static const struct { int code; char letter; } names[] = {
                {10, 'p'}, {20, 'l'}, {30, 'n'}, {100, 's'}, {110, 'g'}, {800, 'b'}, {900, 'r'}, {950, 'k'}};
            int a = code < 0 ? -code : code;
            bool promoted = (a == 11 || a == 21 || a == 31 || a == 101 || a == 801 || a == 901);
            int base = promoted ? a - 1 : a;
            for (const auto& n : names)
                if (n.code == base) letter = n.letter;
            if (code == 0 || letter == 0) {
                ++empties;
                continue;
            }
            if (empties) { out += std::to_string(empties); empties = 0; }
            if (promoted) out += '+';
            out += code < 0 ? static_cast<char>(std::toupper(static_cast<unsigned char>(letter))) : letter;
        }
        if (empties) out += std::to_string(empties);
    }
    out += lowerToMove ? " b " : " w ";
    std::string hand;
    appendHand(hand, hands.lower, false);
    appendHand(hand, hands.upper, true);
    out += hand.empty() ? "-" : hand;
    out += " " + std::to_string(moveNumber);
    return out;
}

Position startingPosition() {
    const engine::Position start = engine::initialPosition(engine::LOWER);
    Position p;
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y) p.board.at(x, y) = start.at(x, y);
    return p;
}

void loadPosition(Form1& form, const Position& position) {
    form.board = position.board;
    form.hands = position.hands;
    form.turn.lowerTag = SENTE;
    form.turn.upperTag = GOTE;
    form.turn.sideToMove = position.lowerToMove ? SENTE : GOTE;
}

}  // namespace zelkora
