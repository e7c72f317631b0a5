// Move legality: every piece's board moves and drops, the two-pawn and last-row
// rules, promotion zones and forced promotion. Positions are SFEN strings in
// this game's orientation: a rank's characters run from column 1 (left) to 9,
// the first rank is row 1; uppercase is the lower side.
#include <gtest/gtest.h>

#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

struct LegalityCase {
    const char* name;
    const char* sfen;
    int fx, fy, tx, ty;
    int piece;   // 0: the code on the source square
    int expected;
};

std::ostream& operator<<(std::ostream& os, const LegalityCase& c) { return os << c.name; }

// Lone pieces in the middle of the board, (5, 5), with both kings far away.
constexpr const char* kLowerPawn55 = "4k4/9/9/9/4P4/9/9/9/4K4 b - 1";
constexpr const char* kUpperPawn55 = "4k4/9/9/9/4p4/9/9/9/4K4 w - 1";
constexpr const char* kLowerKnight55 = "4k4/9/9/9/4N4/9/9/9/4K4 b - 1";
constexpr const char* kUpperKnight55 = "4k4/9/9/9/4n4/9/9/9/4K4 w - 1";
constexpr const char* kLowerSilver55 = "4k4/9/9/9/4S4/9/9/9/4K4 b - 1";
constexpr const char* kUpperSilver55 = "4k4/9/9/9/4s4/9/9/9/4K4 w - 1";
constexpr const char* kLowerGold55 = "4k4/9/9/9/4G4/9/9/9/4K4 b - 1";
constexpr const char* kUpperGold55 = "4k4/9/9/9/4g4/9/9/9/4K4 w - 1";
constexpr const char* kLowerTokin55 = "4k4/9/9/9/4+P4/9/9/9/4K4 b - 1";
constexpr const char* kUpperPromotedSilver55 = "4k4/9/9/9/4+s4/9/9/9/4K4 w - 1";
constexpr const char* kLowerBishop55 = "4k4/9/9/9/4B4/9/9/9/4K4 b - 1";
constexpr const char* kLowerHorse55 = "4k4/9/9/9/4+B4/9/9/9/4K4 b - 1";
constexpr const char* kLowerRook55 = "4k4/9/9/9/4R4/9/9/9/4K4 b - 1";
constexpr const char* kUpperDragon55 = "4k4/9/9/9/4+r4/9/9/9/4K4 w - 1";
constexpr const char* kLowerKing55 = "4k4/9/9/9/4K4/9/9/9/9 b - 1";
// Lower lance on (1, 9); an upper pawn on (1, 3) blocks the file.
constexpr const char* kLowerLanceBlocked = "4k4/9/p8/9/9/9/9/9/L3K4 b - 1";
constexpr const char* kUpperLanceOpen = "l3k4/9/9/9/9/9/9/9/4K4 w - 1";
// Lower rook on (2, 5) with its own pawn on (4, 5) and an upper pawn on (2, 3).
constexpr const char* kRookBlocked = "4k4/9/1p7/9/1R1P5/9/9/9/4K4 b - 1";
// Lower bishop on (5, 5) with an upper silver on (3, 3) and its own pawn on (7, 7).
constexpr const char* kBishopBlocked = "4k4/9/2s6/9/4B4/9/6P2/9/4K4 b - 1";
// The two kings next to each other: lower (5, 6), upper (5, 4).
constexpr const char* kKingsFaceToFace = "9/9/9/4k4/9/4K4/9/9/9 b - 1";
// Lower pawn on (5, 7), lower promoted pawn on (3, 5), upper pawn on (7, 3).
constexpr const char* kPawnColumns = "4k4/9/6p2/9/2+P6/9/4P4/9/8K b PLNSGBRplnsgbr 1";

const LegalityCase kBoardMoves[] = {
    {"TargetOffBoardTop", kLowerPawn55, 5, 5, 5, 0, 0, NO},
    {"TargetOffBoardLeft", kLowerRook55, 5, 5, 0, 5, 0, NO},
    {"TargetOffBoardRight", kLowerRook55, 5, 5, 10, 5, 0, NO},
    {"TargetOffBoardBottomForKing", kLowerKing55, 5, 5, 5, 10, 0, NO},
    {"TargetEqualsSource", kLowerKing55, 5, 5, 5, 5, 0, NO},

    {"LowerPawnForward", kLowerPawn55, 5, 5, 5, 4, 0, YES},
    {"LowerPawnBackward", kLowerPawn55, 5, 5, 5, 6, 0, NO},
    {"LowerPawnDiagonal", kLowerPawn55, 5, 5, 4, 4, 0, NO},
    {"LowerPawnTwoSquares", kLowerPawn55, 5, 5, 5, 3, 0, NO},
    {"UpperPawnForward", kUpperPawn55, 5, 5, 5, 6, 0, YES},
    {"UpperPawnBackward", kUpperPawn55, 5, 5, 5, 4, 0, NO},

    {"LowerLanceUpTheOpenFile", kLowerLanceBlocked, 1, 9, 1, 4, 0, YES},
    {"LowerLanceCapturesTheBlocker", kLowerLanceBlocked, 1, 9, 1, 3, 0, YES},
    {"LowerLanceCannotPassTheBlocker", kLowerLanceBlocked, 1, 9, 1, 2, 0, NO},
    {"LowerLanceNotSideways", kLowerLanceBlocked, 1, 9, 2, 9, 0, NO},
    {"UpperLanceDownTheWholeFile", kUpperLanceOpen, 1, 1, 1, 9, 0, YES},
    {"UpperLanceNotBackward", "9/9/9/l3k4/9/9/9/9/4K4 w - 1", 1, 4, 1, 2, 0, NO},

    {"LowerKnightLeft", kLowerKnight55, 5, 5, 4, 3, 0, YES},
    {"LowerKnightRight", kLowerKnight55, 5, 5, 6, 3, 0, YES},
    {"LowerKnightStraight", kLowerKnight55, 5, 5, 5, 3, 0, NO},
    {"LowerKnightBackward", kLowerKnight55, 5, 5, 4, 7, 0, NO},
    {"UpperKnightForward", kUpperKnight55, 5, 5, 6, 7, 0, YES},
    {"UpperKnightBackward", kUpperKnight55, 5, 5, 4, 3, 0, NO},

    {"LowerSilverForward", kLowerSilver55, 5, 5, 5, 4, 0, YES},
    {"LowerSilverForwardDiagonal", kLowerSilver55, 5, 5, 4, 4, 0, YES},
    {"LowerSilverBackDiagonal", kLowerSilver55, 5, 5, 6, 6, 0, YES},
    {"LowerSilverNotBackward", kLowerSilver55, 5, 5, 5, 6, 0, NO},
    {"LowerSilverNotSideways", kLowerSilver55, 5, 5, 4, 5, 0, NO},
    {"UpperSilverForwardDiagonal", kUpperSilver55, 5, 5, 4, 6, 0, YES},
    {"UpperSilverBackDiagonal", kUpperSilver55, 5, 5, 6, 4, 0, YES},
    {"UpperSilverNotBackward", kUpperSilver55, 5, 5, 5, 4, 0, NO},

    {"LowerGoldForwardDiagonal", kLowerGold55, 5, 5, 6, 4, 0, YES},
    {"LowerGoldSideways", kLowerGold55, 5, 5, 4, 5, 0, YES},
    {"LowerGoldBackward", kLowerGold55, 5, 5, 5, 6, 0, YES},
    {"LowerGoldNotBackDiagonal", kLowerGold55, 5, 5, 4, 6, 0, NO},
    {"UpperGoldForwardDiagonal", kUpperGold55, 5, 5, 4, 6, 0, YES},
    {"UpperGoldBackward", kUpperGold55, 5, 5, 5, 4, 0, YES},
    {"UpperGoldNotBackDiagonal", kUpperGold55, 5, 5, 6, 4, 0, NO},
    {"LowerTokinMovesLikeGold", kLowerTokin55, 5, 5, 4, 4, 0, YES},
    {"LowerTokinNotBackDiagonal", kLowerTokin55, 5, 5, 6, 6, 0, NO},
    {"UpperPromotedSilverMovesLikeGold", kUpperPromotedSilver55, 5, 5, 6, 5, 0, YES},
    {"UpperPromotedSilverNotBackDiagonal", kUpperPromotedSilver55, 5, 5, 4, 4, 0, NO},

    {"BishopLongDiagonal", kLowerBishop55, 5, 5, 9, 1, 0, YES},
    {"BishopNotStraight", kLowerBishop55, 5, 5, 5, 1, 0, NO},
    {"BishopNotKnightShape", kLowerBishop55, 5, 5, 6, 7, 0, NO},
    {"BishopCapturesTheBlocker", kBishopBlocked, 5, 5, 3, 3, 0, YES},
    {"BishopCannotPassAnEnemy", kBishopBlocked, 5, 5, 2, 2, 0, NO},
    {"BishopCannotPassItsOwnPiece", kBishopBlocked, 5, 5, 8, 8, 0, NO},
    {"BishopNotOntoItsOwnPiece", kBishopBlocked, 5, 5, 7, 7, 0, NO},
    {"HorseStepsOrthogonally", kLowerHorse55, 5, 5, 5, 6, 0, YES},
    {"HorseStillSlidesDiagonally", kLowerHorse55, 5, 5, 1, 9, 0, YES},
    {"HorseNotTwoOrthogonal", kLowerHorse55, 5, 5, 5, 3, 0, NO},

    {"RookAlongTheRank", kLowerRook55, 5, 5, 9, 5, 0, YES},
    {"RookAlongTheFile", kLowerRook55, 5, 5, 5, 1, 0, YES},
    {"RookNotDiagonal", kLowerRook55, 5, 5, 6, 6, 0, NO},
    {"RookCapturesTheBlocker", kRookBlocked, 2, 5, 2, 3, 0, YES},
    {"RookCannotPassAnEnemy", kRookBlocked, 2, 5, 2, 2, 0, NO},
    {"RookCannotPassItsOwnPiece", kRookBlocked, 2, 5, 5, 5, 0, NO},
    {"RookUpToItsOwnPiece", kRookBlocked, 2, 5, 3, 5, 0, YES},
    {"DragonStepsDiagonally", kUpperDragon55, 5, 5, 4, 6, 0, YES},
    {"DragonNotTwoDiagonal", kUpperDragon55, 5, 5, 7, 7, 0, NO},
    {"DragonStillSlides", kUpperDragon55, 5, 5, 5, 8, 0, YES},

    {"KingOneStep", kLowerKing55, 5, 5, 4, 4, 0, YES},
    {"KingNotTwoSteps", kLowerKing55, 5, 5, 5, 3, 0, NO},
    {"KingMayStepNextToTheEnemyKing", kKingsFaceToFace, 5, 6, 5, 5, 0, YES},
    {"UpperKingMayStepNextToTheLowerKing", kKingsFaceToFace, 5, 4, 4, 5, 0, YES},

    {"LowerPieceNotOntoALowerPiece", "4k4/9/9/9/4P4/4P4/9/9/4K4 b - 1", 5, 6, 5, 5, 0, NO},
    {"LowerPieceCapturesAnUpperPiece", "4k4/9/9/4p4/4P4/9/9/9/4K4 b - 1", 5, 5, 5, 4, 0, YES},
    {"UpperPieceNotOntoAnUpperPiece", "4k4/4g4/9/9/9/9/9/9/4K4 w - 1", 5, 1, 5, 2, 0, NO},
    {"UpperPieceCapturesALowerPiece", "4k4/4G4/9/9/9/9/9/9/4K4 w - 1", 5, 1, 5, 2, 0, YES},
    {"LineWalkFromBeyondTheBoardIsRefused", kLowerRook55, 12, 5, 9, 5, SITA_SYA, NO},
    {"UnknownCodeIsAlwaysAccepted", "4k4/9/9/9/9/9/9/9/4K4 b - 1", 3, 3, 8, 6, 111, YES},
};

// Drops: pawn on (5, 7) and promoted pawn on (3, 5) for the lower side, upper
// pawn on (7, 3); both hands hold one piece of every kind.
const LegalityCase kDrops[] = {
    {"LowerPawnNotInAColumnWithItsPawn", kPawnColumns, 11, 3, 5, 4, SITA_HU, NO},
    {"LowerPawnBesideAPromotedPawn", kPawnColumns, 11, 3, 3, 4, SITA_HU, YES},
    {"LowerPawnInAColumnWithAnUpperPawn", kPawnColumns, 11, 3, 7, 5, SITA_HU, YES},
    {"LowerPawnNotOnRow1", kPawnColumns, 11, 3, 1, 1, SITA_HU, NO},
    {"LowerPawnOnRow2", kPawnColumns, 11, 3, 1, 2, SITA_HU, YES},
    {"UpperPawnNotInAColumnWithItsPawn", kPawnColumns, -1, 1, 7, 6, UE_HU, NO},
    {"UpperPawnInAColumnWithALowerPawn", kPawnColumns, -1, 1, 5, 5, UE_HU, YES},
    {"UpperPawnNotOnRow9", kPawnColumns, -1, 1, 1, 9, UE_HU, NO},
    {"UpperPawnOnRow8", kPawnColumns, -1, 1, 1, 8, UE_HU, YES},
    {"DropNotOntoAnEnemyPiece", kPawnColumns, 11, 4, 7, 3, SITA_KYOU, NO},
    {"DropNotOntoAnOwnPiece", kPawnColumns, 11, 4, 5, 7, SITA_KYOU, NO},
    {"LowerLanceNotOnRow1", kPawnColumns, 11, 4, 2, 1, SITA_KYOU, NO},
    {"LowerLanceOnRow2", kPawnColumns, 11, 4, 2, 2, SITA_KYOU, YES},
    {"UpperLanceNotOnRow9", kPawnColumns, -1, 2, 2, 9, UE_KYOU, NO},
    {"UpperLanceOnRow8", kPawnColumns, -1, 2, 2, 8, UE_KYOU, YES},
    {"LowerKnightNotOnRow1", kPawnColumns, 11, 5, 2, 1, SITA_KEI, NO},
    {"LowerKnightNotOnRow2", kPawnColumns, 11, 5, 2, 2, SITA_KEI, NO},
    {"LowerKnightOnRow3", kPawnColumns, 11, 5, 2, 3, SITA_KEI, YES},
    {"UpperKnightNotOnRow8", kPawnColumns, -1, 3, 2, 8, UE_KEI, NO},
    {"UpperKnightNotOnRow9", kPawnColumns, -1, 3, 2, 9, UE_KEI, NO},
    {"UpperKnightOnRow7", kPawnColumns, -1, 3, 2, 7, UE_KEI, YES},
    {"LowerSilverOnTheFarRow", kPawnColumns, 11, 6, 2, 1, SITA_GIN, YES},
    {"LowerGoldOnTheFarRow", kPawnColumns, 11, 7, 3, 1, SITA_KIN, YES},
    {"LowerBishopOnTheFarRow", kPawnColumns, 11, 8, 4, 1, SITA_KAKU, YES},
    {"UpperRookOnTheFarRow", kPawnColumns, -1, 7, 4, 9, UE_SYA, YES},
    {"UpperGoldOnTheFarRow", kPawnColumns, -1, 5, 6, 9, UE_KIN, YES},
    {"DropTargetOffTheBoard", kPawnColumns, 11, 7, 3, 0, SITA_KIN, NO},
};

class MoveLegality : public ::testing::TestWithParam<LegalityCase> {};

TEST_P(MoveLegality, AcceptsExactlyTheRuleMoves) {
    const LegalityCase& c = GetParam();
    auto h = positionHarness(c.sfen);
    Form1& f = **h;
    f.調査_2歩フラグ設定();
    const int piece = c.piece != 0 ? c.piece : f.board.at(c.fx, c.fy);
    const Board before = f.board;
    EXPECT_EQ(f.移動チェック(c.fx, c.fy, c.tx, c.ty, piece), c.expected);
    for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y) ASSERT_EQ(f.board.at(x, y), before.at(x, y)) << "the test changed the board";
}

INSTANTIATE_TEST_SUITE_P(BoardMoves, MoveLegality, ::testing::ValuesIn(kBoardMoves),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Drops, MoveLegality, ::testing::ValuesIn(kDrops),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MoveLegality, DropRowIsIgnoredAndOnlyTheHandColumnMarksADrop) {
    // The same drop answers the same whatever row the hand cell had.
    auto h = positionHarness(kPawnColumns);
    Form1& f = **h;
    f.調査_2歩フラグ設定();
    for (int fy = 0; fy <= 9; ++fy) {
        EXPECT_EQ(f.移動チェック(11, fy, 2, 3, SITA_KEI), YES) << fy;
        EXPECT_EQ(f.移動チェック(11, fy, 2, 2, SITA_KEI), NO) << fy;
        EXPECT_EQ(f.移動チェック(-1, fy, 5, 5, UE_GIN), YES) << fy;
    }
}

struct AfterMoveCase {
    int ty, piece, expected;
};

TEST(MustPromote, OnlyPiecesStrandedOnTheLastRowsMustPromote) {
    const AfterMoveCase cases[] = {
        {1, SITA_HU, NO},   {2, SITA_HU, YES},   {1, SITA_KYOU, NO}, {2, SITA_KYOU, YES},
        {1, SITA_KEI, NO},  {2, SITA_KEI, NO},   {3, SITA_KEI, YES}, {1, SITA_GIN, YES},
        {1, SITA_TO, YES},  {9, UE_HU, NO},      {8, UE_HU, YES},    {9, UE_KYOU, NO},
        {8, UE_KEI, NO},    {9, UE_KEI, NO},     {7, UE_KEI, YES},   {9, UE_KIN, YES},
        {9, SITA_HU, YES},  {1, UE_HU, YES},     {1, UE_KEI, YES},   {9, SITA_KEI, YES},
    };
    auto h = positionHarness("4k4/9/9/9/9/9/9/9/4K4 b - 1");
    for (const auto& c : cases) EXPECT_EQ((*h)->移動後チェック(c.ty, c.piece), c.expected) << c.piece << " to row " << c.ty;
}

struct PromotionCase {
    const char* name;
    int fx, fy, tx, ty, piece;
    int expected;
    int promoted;   // expected promoted code when promotable
};

TEST(Promotion, ZonesAndPromotedCodes) {
    const PromotionCase cases[] = {
        {"LowerPawnIntoTheZone", 5, 4, 5, 3, SITA_HU, YES, SITA_TO},
        {"LowerPawnOutsideTheZone", 5, 5, 5, 4, SITA_HU, NO, 0},
        {"LowerLanceToRow1", 1, 9, 1, 1, SITA_KYOU, YES, SITA_NARIKYOU},
        {"LowerKnightToRow3", 4, 5, 3, 3, SITA_KEI, YES, SITA_NARIKEI},
        {"LowerKnightToRow1", 4, 3, 3, 1, SITA_KEI, YES, SITA_NARIKEI},
        {"LowerKnightCountsOnlyItsTarget", 4, 3, 3, 5, SITA_KEI, NO, 0},
        {"LowerSilverStartedInTheZone", 5, 2, 5, 4, SITA_GIN, YES, SITA_NARIGIN},
        {"LowerSilverOutsideTheZone", 5, 5, 5, 4, SITA_GIN, NO, 0},
        {"LowerBishopLeavingTheZone", 1, 3, 5, 7, SITA_KAKU, YES, SITA_UMA},
        {"LowerRookIntoTheZone", 9, 9, 9, 3, SITA_SYA, YES, SITA_RYU},
        {"LowerGoldNever", 5, 4, 5, 3, SITA_KIN, NO, 0},
        {"LowerKingNever", 5, 4, 5, 3, SITA_OU, NO, 0},
        {"LowerPromotedPawnNever", 5, 4, 5, 3, SITA_TO, NO, 0},
        {"UpperPawnIntoTheZone", 5, 6, 5, 7, UE_HU, YES, UE_TO},
        {"UpperPawnOutsideTheZone", 5, 5, 5, 6, UE_HU, NO, 0},
        {"UpperKnightToRow9", 5, 7, 4, 9, UE_KEI, YES, UE_NARIKEI},
        {"UpperPawnCountsOnlyItsTarget", 5, 7, 5, 6, UE_HU, NO, 0},
        {"UpperSilverStartedInTheZone", 5, 7, 5, 6, UE_GIN, YES, UE_NARIGIN},
        {"UpperRookNotYet", 1, 1, 1, 6, UE_SYA, NO, 0},
        {"UpperRookIntoTheZone", 1, 1, 1, 7, UE_SYA, YES, UE_RYU},
        {"UpperBishopLeavingTheZone", 3, 7, 7, 3, UE_KAKU, YES, UE_UMA},
        {"UpperGoldNever", 5, 6, 5, 7, UE_KIN, NO, 0},
        {"UpperPromotedRookNever", 5, 6, 5, 7, UE_RYU, NO, 0},
        {"LowerDropNever", 11, 3, 5, 1, SITA_GIN, NO, 0},
        {"UpperDropNever", -1, 4, 5, 9, UE_GIN, NO, 0},
    };
    auto h = positionHarness("4k4/9/9/9/9/9/9/9/4K4 b - 1");
    Form1& f = **h;
    constexpr int kUntouched = 12345;
    for (const auto& c : cases) {
        f.rules.promotedCode = kUntouched;
        EXPECT_EQ(f.調査_駒成(c.fx, c.fy, c.tx, c.ty, c.piece), c.expected) << c.name;
        EXPECT_EQ(f.rules.promotedCode, c.expected == YES ? c.promoted : kUntouched) << c.name;
        // The target column takes no part in the test.
        for (int tx = 1; tx <= 9; ++tx)
            EXPECT_EQ(f.調査_駒成(c.fx, c.fy, tx, c.ty, c.piece), c.expected) << c.name << " to column " << tx;
    }
}

TEST(TwoPawnFlags, OnlyUnpromotedPawnsMarkTheirColumn) {
    // Lower pawns on columns 1 and 5, a lower promoted pawn on column 3, upper
    // pawns on columns 5 and 9, an upper promoted pawn on column 7.
    auto h = positionHarness("4k4/8p/6+p2/9/4p4/2+P6/P3P4/9/4K4 b - 1");
    Form1& f = **h;
    for (int x = 0; x <= 9; ++x) {
        f.rules.lowerPawnFlag[x] = 1;
        f.rules.upperPawnFlag[x] = 1;
    }
    f.調査_2歩フラグ設定();
    const int lower[10] = {1, 1, 0, 0, 0, 1, 0, 0, 0, 0};
    const int upper[10] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 1};
    for (int x = 1; x <= 9; ++x) {
        EXPECT_EQ(f.rules.lowerPawnFlag[x], lower[x]) << "column " << x;
        EXPECT_EQ(f.rules.upperPawnFlag[x], upper[x]) << "column " << x;
    }
}

}  // namespace
}  // namespace zelkora::testing
