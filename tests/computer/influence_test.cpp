// The influence map: which squares each piece reaches, the guard and attacker
// records with their scan-order tie-breaks, the king rule, check lines through
// the enemy king, and what a survey keeps from the previous one. Positions are
// SFEN strings (a rank runs from column 1 to 9; uppercase is the lower side).
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

using Square = std::pair<int, int>;
using Squares = std::set<Square>;

struct Cell {
    int x, y, value;
};

// Every square 1..9 holds `fallback` except the listed ones.
void expectGrid(const Grid<std::int16_t>& grid, int fallback, const std::vector<Cell>& cells, const char* what) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            int expected = fallback;
            for (const Cell& c : cells)
                if (c.x == x && c.y == y) expected = c.value;
            EXPECT_EQ(grid[x][y], expected) << what << " at (" << x << ", " << y << ")";
        }
}

Squares reached(const Grid<std::int16_t>& counts) {
    Squares s;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (counts[x][y] != 0) s.insert({x, y});
    return s;
}

std::unique_ptr<Harness> surveyed(const std::string& sfen) {
    auto h = positionHarness(sfen);
    (*h)->勢力調査();
    return h;
}

// ---- Which squares a lone piece reaches ----

struct ReachCase {
    const char* name;
    const char* sfen;   // one piece, no kings unless the piece is one
    bool lower;         // whose count to read
    Squares expected;   // each reached exactly once
    Squares other{};    // what the other side reaches
};

std::ostream& operator<<(std::ostream& os, const ReachCase& c) { return os << c.name; }

Squares diagonalsFrom55() {
    Squares s;
    for (int d = 1; d <= 4; ++d) {
        s.insert({5 - d, 5 - d});
        s.insert({5 + d, 5 - d});
        s.insert({5 - d, 5 + d});
        s.insert({5 + d, 5 + d});
    }
    return s;
}

Squares linesFrom55() {
    Squares s;
    for (int v = 1; v <= 9; ++v) {
        if (v == 5) continue;
        s.insert({5, v});
        s.insert({v, 5});
    }
    return s;
}

Squares with(Squares s, const Squares& more) {
    s.insert(more.begin(), more.end());
    return s;
}

const ReachCase kReaches[] = {
    {"LowerPawnOnRow1", "4P4/9/9/9/9/9/9/9/9 b - 1", true, {}},
    {"LowerKnightOnRow1", "4N4/9/9/9/9/9/9/9/9 b - 1", true, {}},
    {"LowerKnightOnRow2", "9/4N4/9/9/9/9/9/9/9 b - 1", true, {}},
    {"UpperPawnOnRow9", "9/9/9/9/9/9/9/9/4p4 b - 1", false, {}},
    {"UpperKnightOnRow8", "9/9/9/9/9/9/9/4n4/9 b - 1", false, {}},
    {"UpperKnightOnRow9", "9/9/9/9/9/9/9/9/4n4 b - 1", false, {}},
    {"LowerLanceOnRow1", "2L6/9/9/9/9/9/9/9/9 b - 1", true, {}},
    {"UpperLanceOnRow9", "9/9/9/9/9/9/9/9/2l6 b - 1", false, {}},
    {"LowerKnightOnColumn1", "9/9/9/9/N8/9/9/9/9 b - 1", true, {{2, 3}}},
    {"UpperKnightOnColumn9", "9/9/9/9/8n/9/9/9/9 b - 1", false, {{8, 7}}},
    {"LowerPawn", "9/9/9/9/4P4/9/9/9/9 b - 1", true, {{5, 4}}},
    {"UpperLanceDownTheFile", "9/9/9/9/4l4/9/9/9/9 b - 1", false, {{5, 6}, {5, 7}, {5, 8}, {5, 9}}},
    {"LowerSilver", "9/9/9/9/4S4/9/9/9/9 b - 1", true, {{5, 4}, {4, 4}, {6, 4}, {4, 6}, {6, 6}}},
    {"UpperSilverInTheCorner", "s8/9/9/9/9/9/9/9/9 b - 1", false, {{1, 2}, {2, 2}}},
    {"LowerGoldOnRow1", "4G4/9/9/9/9/9/9/9/9 b - 1", true, {{5, 2}, {4, 1}, {6, 1}}},
    {"UpperGoldOnRow9", "9/9/9/9/9/9/9/9/4g4 b - 1", false, {{5, 8}, {4, 9}, {6, 9}}},
    {"UpperPromotedKnightMovesAsGold", "9/9/9/9/4+n4/9/9/9/9 b - 1", false,
     {{5, 4}, {5, 6}, {4, 6}, {6, 6}, {4, 5}, {6, 5}}},
    {"BishopInTheCornerWalksOneRay", "B8/9/9/9/9/9/9/9/9 b - 1", true,
     {{2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}}},
    {"BishopHemmedInByEnemyPieces", "9/9/9/3p1p3/4B4/3p1p3/9/9/9 b - 1", true, {{4, 4}, {6, 4}, {4, 6}, {6, 6}},
     {{4, 5}, {6, 5}, {4, 7}, {6, 7}}},
    {"LowerPromotedBishop", "9/9/9/9/4+B4/9/9/9/9 b - 1", true,
     with(diagonalsFrom55(), {{5, 4}, {5, 6}, {4, 5}, {6, 5}})},
    {"UpperPromotedBishop", "9/9/9/9/4+b4/9/9/9/9 b - 1", false,
     with(diagonalsFrom55(), {{5, 4}, {5, 6}, {4, 5}, {6, 5}})},
    {"UpperRook", "9/9/9/9/4r4/9/9/9/9 b - 1", false, linesFrom55()},
    {"LowerPromotedRook", "9/9/9/9/4+R4/9/9/9/9 b - 1", true,
     with(linesFrom55(), {{4, 4}, {6, 4}, {4, 6}, {6, 6}})},
    {"LowerKingInTheCorner", "K8/9/9/9/9/9/9/9/9 b - 1", true, {{1, 2}, {2, 1}, {2, 2}}},
    {"UpperKingOnTheEdge", "9/9/9/9/8k/9/9/9/9 b - 1", false, {{8, 4}, {8, 5}, {8, 6}, {9, 4}, {9, 6}}},
};

class PieceReach : public ::testing::TestWithParam<ReachCase> {};

TEST_P(PieceReach, ReachesExactlyItsSquaresOnce) {
    const ReachCase& c = GetParam();
    auto h = surveyed(c.sfen);
    const InfluenceMap& m = (*h)->inf;
    const auto& own = c.lower ? m.lower_influence : m.upper_influence;
    const auto& other = c.lower ? m.upper_influence : m.lower_influence;
    EXPECT_EQ(reached(own), c.expected);
    for (const Square& s : c.expected) EXPECT_EQ(own[s.first][s.second], 1) << s.first << "," << s.second;
    EXPECT_EQ(reached(other), c.other);
}

INSTANTIATE_TEST_SUITE_P(Pieces, PieceReach, ::testing::ValuesIn(kReaches),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The initial position ----

TEST(InfluenceInitialPosition, FactsOfTheStartPosition) {
    auto h = surveyed("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
    const Form1& f = **h;
    const InfluenceMap& m = f.inf;
    EXPECT_EQ(m.upper_influence[5][2], 4);
    EXPECT_EQ(m.lower_influence[5][8], 4);
    // The lower bishop is guarded by the rook along row 8 and the silver on (3, 9).
    EXPECT_EQ(m.lower_guard_code[2][8], SITA_SYA);
    // The upper bishop keeps its cheapest guard, the silver on (7, 1), which comes
    // after the upper rook in the scan.
    EXPECT_EQ(m.upper_guard_code[8][2], UE_GIN);
    EXPECT_EQ(m.upper_guard_x[8][2], 7);
    EXPECT_EQ(m.upper_guard_y[8][2], 1);
    EXPECT_EQ(m.lower_guard_code[4][9], SITA_OU);
    EXPECT_EQ(m.lower_guard_code[6][9], SITA_OU);
    EXPECT_EQ(m.upper_guard_code[4][1], NONE_HIGH);
    EXPECT_EQ(m.upper_guard_code[6][1], NONE_HIGH);
    expectGrid(m.lower_attacker_code, NONE_LOW, {{4, 8, SITA_OU}, {5, 8, SITA_OU}, {6, 8, SITA_OU}}, "attacker");
    expectGrid(m.lower_attacker_x, 0, {{4, 8, 5}, {5, 8, 5}, {6, 8, 5}}, "attacker x");
    expectGrid(m.lower_attacker_y, 0, {{4, 8, 9}, {5, 8, 9}, {6, 8, 9}}, "attacker y");
    expectGrid(m.lower_check_marks, 0, {}, "lower check marks");
    expectGrid(m.upper_check_marks, 0, {}, "upper check marks");
    EXPECT_EQ(f.kings.lowerX, 5);
    EXPECT_EQ(f.kings.lowerY, 9);
    EXPECT_EQ(f.kings.upperX, 5);
    EXPECT_EQ(f.kings.upperY, 1);
}

TEST(InfluenceClearing, AnEmptyBoardLeavesEverythingClearedAndTheKingsAlone) {
    auto h = surveyed("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
    (*h).setPosition("9/9/9/9/9/9/9/9/9 b - 1");
    Form1& f = **h;
    f.勢力調査();
    const InfluenceMap& m = f.inf;
    expectGrid(m.lower_influence, 0, {}, "lower count");
    expectGrid(m.upper_influence, 0, {}, "upper count");
    expectGrid(m.lower_check_marks, 0, {}, "lower check marks");
    expectGrid(m.upper_check_marks, 0, {}, "upper check marks");
    expectGrid(m.lower_guard_code, NONE_HIGH, {}, "lower guard");
    expectGrid(m.upper_guard_code, NONE_HIGH, {}, "upper guard");
    expectGrid(m.lower_attacker_code, NONE_LOW, {}, "attacker");
    expectGrid(m.lower_attacker_x, 0, {}, "attacker x");
    expectGrid(m.lower_attacker_y, 0, {}, "attacker y");
    // The guard squares of the start position survive; so do the king squares.
    EXPECT_EQ(m.upper_guard_x[8][2], 7);
    EXPECT_EQ(m.upper_guard_y[8][2], 1);
    EXPECT_EQ(f.kings.lowerX, 5);
    EXPECT_EQ(f.kings.upperY, 1);
}

TEST(InfluenceClearing, GuardSquaresAreKeptWhereTheNextSurveyRecordsNoSquare) {
    // An upper rook on (1, 5) guards the gold on (5, 5) and writes its square.
    auto h = surveyed("9/9/9/9/r3g4/9/9/9/9 b - 1");
    Form1& f = **h;
    EXPECT_EQ(f.inf.upper_guard_code[5][5], UE_SYA);
    // Now only a pawn guards the gold: pawns record no square.
    h->setPosition("9/9/9/4p4/4g4/9/9/9/9 b - 1");
    f.勢力調査();
    EXPECT_EQ(f.inf.upper_guard_code[5][5], UE_HU);
    EXPECT_EQ(f.inf.upper_guard_x[5][5], 1);
    EXPECT_EQ(f.inf.upper_guard_y[5][5], 5);
}

// ---- Guard and attacker records ----

struct RecordCase {
    const char* name;
    const char* sfen;
    int x, y;   // the square whose records are read
    int lowerGuard, upperGuard, guardX, guardY, attacker, attackerX, attackerY;
};

std::ostream& operator<<(std::ostream& os, const RecordCase& c) { return os << c.name; }

const RecordCase kRecords[] = {
    // An upper gold on (5, 4) attacked by a lower pawn on (5, 5) and a lower rook.
    {"CheapestAttackerWinsWhenTheRookComesFirst", "8k/9/9/1R2g4/4P4/9/9/9/8K b - 1", 5, 4,
     NONE_HIGH, NONE_HIGH, 0, 0, SITA_HU, 5, 5},
    {"CheapestAttackerWinsWhenThePawnComesFirst", "8k/9/9/4g2R1/4P4/9/9/9/8K b - 1", 5, 4,
     NONE_HIGH, NONE_HIGH, 0, 0, SITA_HU, 5, 5},
    // A lower pawn on (5, 5) guarded by a lower gold on (5, 6) and a lower rook.
    {"LowerKeepsTheMostValuableGuardRookFirst", "8k/9/9/9/R3P4/4G4/9/9/K8 b - 1", 5, 5,
     SITA_SYA, NONE_HIGH, 0, 0, NONE_LOW, 0, 0},
    {"LowerKeepsTheMostValuableGuardRookLast", "8k/9/9/9/4P3R/4G4/9/9/K8 b - 1", 5, 5,
     SITA_SYA, NONE_HIGH, 0, 0, NONE_LOW, 0, 0},
    // An upper gold on (5, 5) guarded by an upper pawn on (5, 4) and an upper rook:
    // the pawn's code replaces the rook's but leaves the rook's square.
    {"UpperKeepsTheCheapestGuardRookFirst", "k8/9/9/4p4/r3g4/9/9/9/8K b - 1", 5, 5,
     NONE_HIGH, UE_HU, 1, 5, NONE_LOW, 0, 0},
    {"UpperKeepsTheCheapestGuardRookLast", "k8/9/9/4p4/4g3r/9/9/9/8K b - 1", 5, 5,
     NONE_HIGH, UE_HU, 0, 0, NONE_LOW, 0, 0},
    // Equal codes: upper silvers on (4, 4) and (6, 4) guard the gold on (5, 5);
    // lower knights on (4, 7) and (6, 7) attack it. The first in scan order stays.
    {"EqualGuardsKeepTheFirstInScanOrder", "9/9/9/3s1s3/4g4/9/9/9/9 b - 1", 5, 5,
     NONE_HIGH, UE_GIN, 4, 4, NONE_LOW, 0, 0},
    {"EqualAttackersKeepTheFirstInScanOrder", "9/9/9/9/4g4/9/3N1N3/9/9 b - 1", 5, 5,
     NONE_HIGH, NONE_HIGH, 0, 0, SITA_KEI, 4, 7},
    {"UpperRookRecordsItsSquareOnAnUnguardedPiece", "9/9/9/9/4g3r/9/9/9/9 b - 1", 5, 5,
     NONE_HIGH, UE_SYA, 9, 5, NONE_LOW, 0, 0},
    // Lower promoted bishop on (5, 5): own pawns on (5, 4) and (4, 4), upper pawns
    // on (5, 6) and (6, 6).
    {"LowerHorseGuardsOrthogonallyWith801", "8k/9/9/3PP4/4+B4/4pp3/9/9/K8 b - 1", 5, 4,
     -801, NONE_HIGH, 0, 0, NONE_LOW, 0, 0},
    {"LowerHorseGuardsDiagonallyWith800", "8k/9/9/3PP4/4+B4/4pp3/9/9/K8 b - 1", 4, 4,
     SITA_KAKU, NONE_HIGH, 0, 0, NONE_LOW, 0, 0},
    {"LowerHorseAttacksOrthogonallyWith801", "8k/9/9/3PP4/4+B4/4pp3/9/9/K8 b - 1", 5, 6,
     NONE_HIGH, NONE_HIGH, 0, 0, -801, 5, 5},
    {"LowerHorseAttacksDiagonallyWith800", "8k/9/9/3PP4/4+B4/4pp3/9/9/K8 b - 1", 6, 6,
     NONE_HIGH, NONE_HIGH, 0, 0, SITA_KAKU, 5, 5},
    // Upper promoted bishop on (5, 5): its orthogonal steps record no guard.
    {"UpperHorseOrthogonalStepRecordsNoGuard", "9/9/9/9/4+b4/4pp3/9/9/9 b - 1", 5, 6,
     NONE_HIGH, NONE_HIGH, 0, 0, NONE_LOW, 0, 0},
    {"UpperHorseDiagonalRecords801WithSquare", "9/9/9/9/4+b4/4pp3/9/9/9 b - 1", 6, 6,
     NONE_HIGH, 801, 5, 5, NONE_LOW, 0, 0},
    {"LowerPromotedSilverGuardsWithItsOwnCode", "9/9/9/9/4P4/4+S4/9/9/9 b - 1", 5, 5,
     -101, NONE_HIGH, 0, 0, NONE_LOW, 0, 0},
    {"UpperPromotedSilverGuardsAs110WithoutSquare", "9/9/9/9/4+s4/4p4/9/9/9 b - 1", 5, 6,
     NONE_HIGH, UE_KIN, 0, 0, NONE_LOW, 0, 0},
    {"UpperTokinGuardsAs110", "9/9/9/9/4+p4/4s4/9/9/9 b - 1", 5, 6,
     NONE_HIGH, UE_KIN, 0, 0, NONE_LOW, 0, 0},
    {"UpperKnightGuardsWithSquare", "9/9/9/4n4/9/3s5/9/9/9 b - 1", 4, 6,
     NONE_HIGH, UE_KEI, 5, 4, NONE_LOW, 0, 0},
    // King rule. Upper silver on (5, 2) next to the upper king on (5, 1).
    {"UpperKingReplacesAnEarlierGuard", "4k4/3gs4/9/9/9/9/9/9/4K4 b - 1", 5, 2,
     NONE_HIGH, UE_OU, 0, 0, NONE_LOW, 0, 0},
    {"UpperKingIsReplacedByALaterGuard", "4k4/4sg3/9/9/9/9/9/9/4K4 b - 1", 5, 2,
     NONE_HIGH, UE_KIN, 0, 0, NONE_LOW, 0, 0},
    {"UpperKingAloneRecordsNothing", "4k4/4s4/9/9/9/9/9/9/4K4 b - 1", 5, 2,
     NONE_HIGH, NONE_HIGH, 0, 0, NONE_LOW, 0, 0},
    // Lower king on (5, 5), upper pawn on (5, 4), a lower knight reaching it.
    {"LowerKingOverwritesAnEarlierAttacker", "9/9/9/4p4/4K4/3N5/9/9/9 b - 1", 5, 4,
     NONE_HIGH, NONE_HIGH, 0, 0, SITA_OU, 5, 5},
    {"LowerKingIsReplacedByALaterAttacker", "9/9/9/4p4/4K4/5N3/9/9/9 b - 1", 5, 4,
     NONE_HIGH, NONE_HIGH, 0, 0, SITA_KEI, 6, 6},
    {"LowerKingMarksEmptyNeighboursAsAttacked", "9/9/9/9/4K4/9/9/9/9 b - 1", 4, 6,
     NONE_HIGH, NONE_HIGH, 0, 0, SITA_OU, 5, 5},
    {"LowerKingGuardsItsOwnPieces", "9/9/9/9/4K4/4P4/9/9/9 b - 1", 5, 6,
     SITA_OU, NONE_HIGH, 0, 0, NONE_LOW, 0, 0},
    {"OtherPiecesRecordNoAttackerOnEmptySquares", "9/9/9/9/4R4/9/9/9/9 b - 1", 5, 1,
     NONE_HIGH, NONE_HIGH, 0, 0, NONE_LOW, 0, 0},
    // Rays: a lower rook on (5, 9) checks the upper king on (5, 5) and passes
    // through it; an upper silver on (5, 2) behind the king ends the ray.
    {"RayAttacksTheKing", "9/4s4/9/9/4k4/9/9/9/4R4 b - 1", 5, 5,
     NONE_HIGH, NONE_HIGH, 0, 0, SITA_SYA, 5, 9},
    {"RayAttacksThePieceBehindTheKing", "9/4s4/9/9/4k4/9/9/9/4R4 b - 1", 5, 2,
     NONE_HIGH, NONE_HIGH, 0, 0, SITA_SYA, 5, 9},
    {"RayStopsAtItsOwnPiece", "9/9/9/9/4k4/9/4P4/9/4R4 b - 1", 5, 7,
     SITA_SYA, NONE_HIGH, 0, 0, NONE_LOW, 0, 0},
    {"UpperRayCountsALowerPieceWithoutRecords", "4r4/9/9/4S4/9/9/9/9/9 b - 1", 5, 4,
     NONE_HIGH, NONE_HIGH, 0, 0, NONE_LOW, 0, 0},
};

class InfluenceRecords : public ::testing::TestWithParam<RecordCase> {};

TEST_P(InfluenceRecords, RecordsTheRightPieceOnTheSquare) {
    const RecordCase& c = GetParam();
    auto h = surveyed(c.sfen);
    const InfluenceMap& m = (*h)->inf;
    EXPECT_EQ(m.lower_guard_code[c.x][c.y], c.lowerGuard);
    EXPECT_EQ(m.upper_guard_code[c.x][c.y], c.upperGuard);
    EXPECT_EQ(m.upper_guard_x[c.x][c.y], c.guardX);
    EXPECT_EQ(m.upper_guard_y[c.x][c.y], c.guardY);
    EXPECT_EQ(m.lower_attacker_code[c.x][c.y], c.attacker);
    EXPECT_EQ(m.lower_attacker_x[c.x][c.y], c.attackerX);
    EXPECT_EQ(m.lower_attacker_y[c.x][c.y], c.attackerY);
}

INSTANTIATE_TEST_SUITE_P(Records, InfluenceRecords, ::testing::ValuesIn(kRecords),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Check marks ----

struct CheckCase {
    const char* name;
    const char* sfen;
    std::vector<Cell> lowerMarks, upperMarks;
};

std::ostream& operator<<(std::ostream& os, const CheckCase& c) { return os << c.name; }

const CheckCase kChecks[] = {
    {"PawnInFrontOfTheUpperKing", "9/9/9/4k4/4P4/9/9/9/9 b - 1", {{5, 5, 9}}, {}},
    {"LowerRookUpTheFile", "9/9/9/9/4k4/9/9/9/4R4 b - 1",
     {{5, 6, 1}, {5, 7, 1}, {5, 8, 1}, {5, 9, 9}}, {}},
    {"LowerRookBlockedByItsOwnPiece", "9/9/9/9/4k4/9/4P4/9/4R4 b - 1", {}, {}},
    {"LowerRookNextToTheKing", "9/9/9/9/3kR4/9/9/9/9 b - 1", {{5, 5, 9}}, {}},
    {"LowerLanceFromBelow", "9/9/4k4/9/9/4L4/9/9/9 b - 1", {{5, 4, 1}, {5, 5, 1}, {5, 6, 9}}, {}},
    {"UpperRookAlongTheRankToTheLeft", "9/9/9/9/K6r1/9/9/9/9 b - 1",
     {}, {{2, 5, 1}, {3, 5, 1}, {4, 5, 1}, {5, 5, 1}, {6, 5, 1}, {7, 5, 1}, {8, 5, 9}}},
    {"UpperBishopDownTheDiagonal", "9/1b7/9/9/4K4/9/9/9/9 b - 1", {}, {{3, 3, 1}, {4, 4, 1}, {2, 2, 9}}},
    {"LowerPromotedBishopDiagonalRay", "8k/9/9/9/9/9/9/1+B7/9 b - 1",
     {{3, 7, 1}, {4, 6, 1}, {5, 5, 1}, {6, 4, 1}, {7, 3, 1}, {8, 2, 1}, {2, 8, 9}}, {}},
    {"UpperGoldReachesTheLowerKing", "9/9/9/4g4/4K4/9/9/9/9 b - 1", {}, {{5, 4, 9}}},
    {"UpperGoldDiagonallyBehindDoesNotReach", "9/9/9/9/4K4/5g3/9/9/9 b - 1", {}, {}},
    {"UpperPromotedBishopOrthogonalStepChecks", "9/9/9/4K4/4+b4/9/9/9/9 b - 1", {}, {{5, 5, 9}}},
    {"UpperPromotedRookDiagonalStepChecks", "9/9/9/3K5/4+r4/9/9/9/9 b - 1", {}, {{5, 5, 9}}},
    {"KingsSetNoMarks", "9/9/9/4k4/4K4/9/9/9/9 b - 1", {}, {}},
    // A later lower gold that gives check keeps its mark although the pawn
    // that checks too stays the recorded attacker.
    {"EveryCheckerIsMarked", "9/9/9/4k4/4PG3/9/9/9/9 b - 1", {{5, 5, 9}, {6, 5, 9}}, {}},
};

class CheckMarks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckMarks, MarkTheCheckersAndTheLinesBetween) {
    const CheckCase& c = GetParam();
    auto h = surveyed(c.sfen);
    const InfluenceMap& m = (*h)->inf;
    expectGrid(m.lower_check_marks, 0, c.lowerMarks, "lower_check_marks");
    expectGrid(m.upper_check_marks, 0, c.upperMarks, "upper_check_marks");
}

INSTANTIATE_TEST_SUITE_P(Checks, CheckMarks, ::testing::ValuesIn(kChecks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InfluenceRays, RaysGoThroughTheEnemyKingUntilTheNextPiece) {
    // Lower rook on (5, 9), upper king on (5, 5), upper silver on (5, 2).
    auto h = surveyed("9/4s4/9/9/4k4/9/9/9/4R4 b - 1");
    const InfluenceMap& m = (*h)->inf;
    for (int y = 2; y <= 8; ++y) EXPECT_EQ(m.lower_influence[5][y], 1) << "row " << y;
    EXPECT_EQ(m.lower_influence[5][1], 0);
    // Upper bishop on (2, 2) through the lower king on (5, 5) to the corner.
    auto b = surveyed("9/1b7/9/9/4K4/9/9/9/9 b - 1");
    for (int d = 1; d <= 7; ++d) EXPECT_EQ((*b)->inf.upper_influence[2 + d][2 + d], 1) << d;
}

TEST(InfluenceRays, TheEnemyKingAloneDoesNotEndARayButAnyOtherPieceDoes) {
    // Upper rook on (5, 1) runs into a lower silver on (5, 4).
    auto h = surveyed("4r4/9/9/4S4/9/9/9/9/9 b - 1");
    const InfluenceMap& m = (*h)->inf;
    EXPECT_EQ(m.upper_influence[5][4], 1);
    EXPECT_EQ(m.upper_influence[5][5], 0);
}

}  // namespace
}  // namespace zelkora::testing
