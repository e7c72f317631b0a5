// The influence survey 勢力調査: rebuilds the influence map from the board.
//
// Every call clears the map (except upper_guard_x / upper_guard_y, which keep
// what earlier surveys left) and scans the board x = 1..9 outside, y = 1..9
// inside. The step pieces (pawn, knight, silver, king and the one-square steps
// of the promoted bishop and rook) are handled here; rays and gold-like pieces
// go to the procedures of influence_rays.cpp and influence_gold_bishop.cpp.
// The pieces in hand play no part. No allocation and no copy of the board: the
// computer runs this once per trial move.
#include <cstring>
#include <utility>

#include "computer/influence_record.h"

namespace zelkora {

namespace {

using influence::lowerReach;
using influence::upperReach;

bool onBoard(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }

template <std::size_t N>
void lowerSteps(Form1& f, int k, int x, int y, const int (&steps)[N][2]) {
    for (const auto& s : steps) {
        const int tx = x + s[0], ty = y + s[1];
        if (onBoard(tx, ty)) lowerReach(f, k, x, y, tx, ty);
    }
}

template <bool withSquare, std::size_t N>
void upperSteps(Form1& f, int k, int x, int y, const int (&steps)[N][2]) {
    for (const auto& s : steps) {
        const int tx = x + s[0], ty = y + s[1];
        if (onBoard(tx, ty)) upperReach<withSquare>(f, k, x, y, tx, ty);
    }
}

constexpr int kLowerKnight[2][2] = {{-1, -2}, {1, -2}};
constexpr int kUpperKnight[2][2] = {{-1, 2}, {1, 2}};
constexpr int kLowerSilver[5][2] = {{0, -1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
constexpr int kUpperSilver[5][2] = {{0, 1}, {-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
constexpr int kOrthogonal[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
constexpr int kDiagonal[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

// The upper promoted bishop's orthogonal steps count and give check but make
// no guard record.
void upperHorseSteps(Form1& f, int x, int y) {
    for (const auto& s : kOrthogonal) {
        const int tx = x + s[0], ty = y + s[1];
        if (!onBoard(tx, ty)) continue;
        ++f.inf.upper_influence[tx][ty];
        if (f.board.ban[tx][ty] == SITA_OU) f.inf.upper_check_marks[x][y] = 9;
    }
}

// King rule. The lower king writes -950 as guard on its own pieces and as
// attacker, without comparing, on every other neighbour (empty ones too). The
// upper king only replaces an upper guard already recorded (never 999) and
// leaves the guard's square alone. Kings set no check marks.
void lowerKing(Form1& f, int x, int y) {
    f.kings.lowerX = x;
    f.kings.lowerY = y;
    InfluenceMap& m = f.inf;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const int tx = x + dx, ty = y + dy;
            if ((dx == 0 && dy == 0) || !onBoard(tx, ty)) continue;
            ++m.lower_influence[tx][ty];
            if (f.board.ban[tx][ty] <= -10) {
                m.lower_guard_code[tx][ty] = SITA_OU;
            } else {
                m.lower_attacker_code[tx][ty] = SITA_OU;
                m.lower_attacker_x[tx][ty] = static_cast<std::int16_t>(x);
                m.lower_attacker_y[tx][ty] = static_cast<std::int16_t>(y);
            }
        }
}

void upperKing(Form1& f, int x, int y) {
    f.kings.upperX = x;
    f.kings.upperY = y;
    InfluenceMap& m = f.inf;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const int tx = x + dx, ty = y + dy;
            if ((dx == 0 && dy == 0) || !onBoard(tx, ty)) continue;
            ++m.upper_influence[tx][ty];
            if (f.board.ban[tx][ty] >= 10 && m.upper_guard_code[tx][ty] < UE_OU)
                m.upper_guard_code[tx][ty] = UE_OU;
        }
}

// Fills a whole 10 by 10 grid with 16-byte stores, written out without a loop:
// a loop (or memset) of this size becomes a "rep stos", whose start-up cost
// alone would be a large part of a survey.
template <std::size_t... I>
void fillLanes(char* cells, const void* pattern, std::index_sequence<I...>) {
    (std::memcpy(cells + I * 16, pattern, 16), ...);
}

void fill(Grid<std::int16_t>& grid, std::int16_t value) {
    using Lanes = std::int16_t __attribute__((vector_size(16)));
    const Lanes pattern = {value, value, value, value, value, value, value, value};
    char* cells = reinterpret_cast<char*>(&grid[0][0]);
    static_assert(sizeof grid == 12 * sizeof pattern + 8);
    fillLanes(cells, &pattern, std::make_index_sequence<12>());
    std::memcpy(cells + 12 * sizeof pattern, &pattern, 8);
}

// One lower piece's reach: step pieces here, rays and gold-like moves through
// the procedures that record them.
void lowerPiece(Form1& f, int k, int x, int y) {
    switch (k) {
    case SITA_HU:
        if (y > 1) lowerReach(f, k, x, y, x, y - 1);
        break;
    case SITA_KYOU:
        f.勢力確定上直進(k, x, y);
        break;
    case SITA_KEI:
        lowerSteps(f, k, x, y, kLowerKnight);
        break;
    case SITA_GIN:
        lowerSteps(f, k, x, y, kLowerSilver);
        break;
    case SITA_KIN: case SITA_TO: case SITA_NARIKYOU: case SITA_NARIKEI: case SITA_NARIGIN:
        f.勢力確定自金(k, x, y);
        break;
    case SITA_KAKU:
        f.勢力確定自角(x, y);
        break;
    case SITA_UMA:
        lowerSteps(f, k, x, y, kOrthogonal);
        f.勢力確定自角(x, y);
        break;
    case SITA_SYA: case SITA_RYU:
        f.勢力確定下直進(k, x, y);
        f.勢力確定上直進(k, x, y);
        f.勢力確定右直進(k, x, y);
        f.勢力確定左直進(k, x, y);
        if (k == SITA_RYU) lowerSteps(f, k, x, y, kDiagonal);
        break;
    case SITA_OU:
        lowerKing(f, x, y);
        break;
    default:
        break;
    }
}

// One upper piece's reach, as for the lower side.
void upperPiece(Form1& f, int k, int x, int y) {
    switch (k) {
    case UE_HU:
        if (y < 9) upperReach<false>(f, k, x, y, x, y + 1);
        break;
    case UE_KYOU:
        f.勢力確定下直進(k, x, y);
        break;
    case UE_KEI:
        upperSteps<true>(f, k, x, y, kUpperKnight);
        break;
    case UE_GIN:
        upperSteps<true>(f, k, x, y, kUpperSilver);
        break;
    case UE_KIN: case UE_TO: case UE_NARIKYOU: case UE_NARIKEI: case UE_NARIGIN:
        f.勢力確定敵金(x, y);
        break;
    case UE_KAKU:
        f.勢力確定敵角(k, x, y);
        break;
    case UE_UMA:
        upperHorseSteps(f, x, y);
        f.勢力確定敵角(k, x, y);
        break;
    case UE_SYA: case UE_RYU:
        f.勢力確定下直進(k, x, y);
        f.勢力確定上直進(k, x, y);
        f.勢力確定右直進(k, x, y);
        f.勢力確定左直進(k, x, y);
        if (k == UE_RYU) upperSteps<true>(f, k, x, y, kDiagonal);
        break;
    case UE_OU:
        upperKing(f, x, y);
        break;
    default:
        break;
    }
}

// Index 0 is cleared with the rest: a king square never recorded is (0, 0),
// and what a reader finds there then means "nothing". The upper guard's square
// keeps what earlier surveys left.
void clearMap(InfluenceMap& m) {
    fill(m.lower_influence, 0);
    fill(m.upper_influence, 0);
    fill(m.lower_check_marks, 0);
    fill(m.upper_check_marks, 0);
    fill(m.lower_attacker_x, 0);
    fill(m.lower_attacker_y, 0);
    fill(m.lower_attacker_code, NONE_LOW);
    fill(m.lower_guard_code, NONE_HIGH);
    fill(m.upper_guard_code, NONE_HIGH);
}

}  // namespace

void Form1::勢力調査() {
    clearMap(inf);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int k = board.ban[x][y];
            // Lower pieces have negative codes, upper pieces positive ones.
            if (k < 0) lowerPiece(*this, k, x, y);
            else if (k > 0) upperPiece(*this, k, x, y);
        }
}

}  // namespace zelkora
