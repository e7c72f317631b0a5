// The computer's board evaluation, rule by rule.
//
// Each case is a position (SFEN, the computer is the lower-case side), one
// trial move of the computer, the level, the expected score and the exact list
// of rules that fired, in order. Positions are built so that exactly the named
// rules hold; many cases pair a rule that fires with a neighbouring position
// where it must not, and several show that a rule returning ends the
// evaluation before later rules are looked at.
#include <gtest/gtest.h>

#include "tests/computer/trial.h"

namespace zelkora::testing {
namespace {

struct RuleCase {
    const char* name;
    const char* sfen;
    int level;
    int fx, fy, tx, ty;
    bool promote;
    double score;
    std::vector<std::string> fired;
};

const RuleCase kCases[] = {
    // Stage 1 and 2
    {"L1QuietMoveScoresZero", "4k4/9/9/4p4/9/9/9/9/8K w - 1", 1, 5, 4, 5, 5, false, 0, {}},
    {"L1DropScoresMinusFive", "4k4/9/9/9/9/9/9/9/8K w p 1", 1, -1, 1, 5, 5, false, -5, {"step5"}},
    {"L1PromotionScoresTen", "4k4/9/9/9/9/4s4/9/9/8K w - 1", 1, 5, 6, 5, 7, true, 10, {"step5"}},
    {"L1EscapeCutEarnsNothing", "4k4/9/9/9/9/2g6/9/9/4K4 w - 1", 1, 3, 6, 3, 7, false, -100, {"step3"}},
    {"L2EscapeCutEarnsDifference", "4k4/9/9/9/9/2g6/9/9/4K4 w - 1", 2, 3, 6, 3, 7, false, -99, {"step3", "step6"}},
    {"L3EscapeCutEarnsDifference", "4k4/9/9/9/9/2g6/9/9/4K4 w - 1", 3, 3, 6, 3, 7, false, -99, {"step3", "step6"}},
    {"LineMoveFarAwayCutsThreeEscapes", "4k4/r8/9/9/9/9/9/9/4K4 w - 1", 2, 1, 2, 1, 8, false, -97, {"step3", "step6"}},
    {"NoEscapeBonusWhereHumanReachesTarget", "4k4/9/9/9/9/2g6/9/2P6/4K4 w - 1", 2, 3, 6, 3, 7, false, -100, {"step3"}},
    {"OwnKingEnPriseBeforeCheck", "8k/9/8s/9/6K2/8R/9/9/9 w - 1", 3, 9, 3, 8, 4, false, 9998, {"step2"}},
    {"TakingKingBeforeOwnKingEnPrise", "8k/8s/7K1/9/9/9/8R/9/9 w - 1", 3, 9, 2, 8, 3, false, -9999, {"step1"}},
    {"CheckReturnsFixedScore", "k8/2r6/9/9/9/9/9/9/4K4 w - 1", 3, 3, 2, 5, 2, false, -9998, {"step3", "step4"}},
    {"NewReachOnlyWhereNothingReachedBefore", "k8/9/9/9/9/4s4/9/r8/4K4 w - 1", 1, 5, 6, 5, 7, false, 0, {}},
    {"UndefendedCaptureLevel1", "4k4/9/9/3s5/3S5/9/9/9/8K w - 1", 1, 4, 4, 4, 5, false, 0, {}},
    {"UndefendedCaptureCostsItsValue", "4k4/9/9/3s5/3S5/9/9/9/8K w - 1", 2, 4, 4, 4, 5, false, -100, {"step7"}},
    {"UndefendedCaptureLevel3", "4k4/9/9/3s5/3S5/9/9/9/8K w - 1", 3, 4, 4, 4, 5, false, -100.1, {"step7", "S1"}},
    {"SmallPromotedPieceTakenEarnsFifty", "4k4/9/9/3s5/3+P5/9/9/9/8K w - 1", 2, 4, 4, 4, 5, false, 39, {"step7", "step7+"}},
    {"CoveredCaptureByStrongerPiece", "4k4/9/9/2sg5/3P5/3S5/9/9/8K w - 1", 2, 4, 4, 4, 5, false, 0, {}},
    {"CoveredCaptureByWeakerPiece", "4k4/9/9/2sp5/3P5/3G5/9/9/8K w - 1", 2, 4, 4, 4, 5, false, 10, {"step7"}},
    {"UncoveredCaptureFromUnattackedSquare", "4k4/3l5/9/9/3P5/3G5/9/9/8K w - 1", 2, 4, 2, 4, 5, false, 0, {}},
    {"UncoveredCaptureWithNoWayBack", "4k4/9/9/3p5/3P5/3G5/9/9/8K w - 1", 2, 4, 4, 4, 5, false, 10, {"step7"}},
    {"UncoveredCaptureWithWayBack", "4k4/9/9/3s5/3P5/3G5/9/9/8K w - 1", 2, 4, 4, 4, 5, false, 0, {}},
    // Pawn
    {"PawnQuietPush", "4k4/9/9/4p4/9/9/9/9/8K w - 1", 3, 5, 4, 5, 5, false, 0.1, {"P12"}},
    {"PawnQuietPushLevel2", "4k4/9/9/4p4/9/9/9/9/8K w - 1", 2, 5, 4, 5, 5, false, 0, {}},
    {"PawnHeldFacingSilver", "4k4/9/9/3gps3/9/4S4/9/9/8K w - 1", 3, 5, 4, 5, 5, false, 1.7, {"P12", "P13", "P24"}},
    {"PawnHeldFacingPawnReturnsBeforeP25", "4k4/9/9/3gps3/9/4P4/9/9/8K w - 1", 3, 5, 4, 5, 5, false, 1.7, {"P12", "P13", "P24"}},
    {"PawnFacingPawn", "4k4/9/9/4p4/9/4P4/9/9/8K w - 1", 3, 5, 4, 5, 5, false, -4.9, {"P12", "P25"}},
    {"PawnFacingCoveredPawn", "4k4/9/9/4p4/9/4P4/4G4/9/8K w - 1", 3, 5, 4, 5, 5, false, -9.9, {"P12", "P18", "P25"}},
    {"PawnOnEdgeRow4", "4k4/9/p8/9/9/9/9/9/8K w - 1", 3, 1, 3, 1, 4, false, -9.9, {"P4", "P12"}},
    {"PawnDropNeverSeesKingBehind", "9/9/9/4k4/9/9/9/9/8K w p 1", 3, -1, 1, 5, 5, false, -5, {"step5"}},
    {"PawnDropUnderLineAttack", "4k4/9/9/2s6/9/9/9/2R6/4K4 w p 1", 3, -1, 1, 3, 5, false, 115, {"step5", "P11"}},
    {"PawnDropUnderLineAttackFromCoveredSquare", "4k4/9/9/2s6/9/b8/9/2R6/4K4 w p 1", 3, -1, 1, 3, 5, false, -5, {"step5"}},
    {"PawnDropBeforeHumanBishop", "4k4/9/9/9/9/9/9/1BG6/4K4 w p 1", 3, -1, 1, 2, 7, false, 25, {"step5", "P10"}},
    {"PawnNextToHumanKing", "4k4/9/9/9/9/9/3p5/9/4K4 w - 1", 3, 4, 7, 4, 8, false, 100.1, {"step3", "P1", "P12"}},
    {"PawnOfferedToHumanKing", "4k4/9/9/9/3p5/9/3SK4/9/9 w - 1", 3, 4, 5, 4, 6, false, 300.1, {"step3", "P1", "P5", "P12"}},
    {"PawnFreezingLance", "4k4/9/9/9/2gp5/9/3L5/9/8K w - 1", 3, 4, 5, 4, 6, false, 25.7, {"P8", "P12", "P13", "P26"}},
    {"PawnBeforeOwnGold", "4k4/9/9/3p5/9/3g5/9/9/8K w - 1", 3, 4, 4, 4, 5, false, 1.2, {"P6", "P12", "P13"}},
    {"PawnBesideOwnRook", "4k4/9/9/3p5/4r4/9/9/9/8K w - 1", 3, 4, 4, 4, 5, false, 1.1, {"P9", "P12"}},
    {"PawnWithRookBehind", "4k4/3r5/9/3p5/9/9/9/9/8K w - 1", 3, 4, 4, 4, 5, false, -1.9, {"P12", "P16"}},
    {"PawnWithLanceBehind", "4k4/3l5/9/3p5/9/9/9/9/8K w - 1", 3, 4, 4, 4, 5, false, 1.1, {"P12", "P15"}},
    {"PawnFacingKnightTwoAhead", "4k4/9/9/3p5/9/9/3N5/9/8K w - 1", 3, 4, 4, 4, 5, false, 1.1, {"P12", "P17"}},
    {"PawnBesideBishopRight", "4k4/9/9/3p5/K3b4/9/4P4/9/9 w - 1", 3, 4, 4, 4, 5, false, 5.6, {"P12", "P19", "P19+"}},
    {"PawnBesideBishopLeft", "4k4/9/9/3p5/2b6/9/9/9/8K w - 1", 3, 4, 4, 4, 5, false, 0.6, {"P12", "P20"}},
    {"PawnTakesPawnBeforeLance", "4k4/9/2g6/3p5/3P5/9/9/3L5/8K w - 1", 3, 4, 4, 4, 5, false, 65.1, {"step7", "P12", "P22", "P23"}},
    {"PawnTakesPawnUnderOwnBishop", "4k4/9/2gb5/3p5/3P5/9/9/3L5/8K w - 1", 3, 4, 4, 4, 5, false, 55.1, {"step7", "P12", "P21", "P23"}},
    // Promoted pawn
    {"TokinHeld", "4k4/9/9/3+p5/9/9/9/9/8K w - 1", 3, 4, 4, 4, 5, false, 1, {"PP1"}},
    {"TokinOutnumbered", "4k4/9/9/3+p5/9/3G5/9/9/8K w - 1", 3, 4, 4, 4, 5, false, 0, {}},
    // Lance
    {"LanceQuietMoveReturns", "4k4/3l5/9/9/9/9/9/9/8K w - 1", 3, 4, 2, 4, 4, false, -0.9, {"L4"}},
    {"LanceDropWhileHumanHoldsPawn", "4k4/9/9/9/9/3G5/9/9/8K w Pl 1", 3, -1, 2, 4, 4, false, -15, {"step5", "L2"}},
    {"LanceDropWhileHumanHoldsNoPawn", "4k4/9/9/9/9/3G5/9/9/8K w l 1", 3, -1, 2, 4, 4, false, -5, {"step5"}},
    {"LanceDropUncoversRook", "4k4/9/2g6/9/3S5/9/9/3R5/8K w l 1", 3, -1, 2, 4, 4, false, 895, {"step5", "L3"}},
    // Knight
    {"KnightToEdgeRow3", "1n2k4/9/9/9/9/9/9/9/8K w - 1", 3, 2, 1, 1, 3, false, 9.9, {"N1", "N3"}},
    {"KnightIntoCoveredSquares", "4k4/9/3n5/9/9/9/4P4/3P1P3/8K w - 1", 3, 4, 3, 5, 5, false, -2.1, {"N1", "N2", "N4"}},
    // Silver
    {"SilverStraightAhead", "4k4/9/3s5/9/9/9/9/9/8K w - 1", 3, 4, 3, 4, 4, false, -0.1, {"S1"}},
    {"SilverBeforeOwnKnight", "4k4/9/3sn4/9/9/9/9/9/8K w - 1", 3, 4, 3, 5, 4, false, -0.5, {"S2"}},
    {"SilverIntoPawnPattern", "4k4/6s2/7p1/9/7P1/9/9/9/8K w - 1", 3, 7, 2, 7, 3, false, 114.9, {"S1", "S3"}},
    {"PromotedSilverHasNoRules", "4k4/9/3+s5/9/9/9/9/9/8K w - 1", 3, 4, 3, 4, 4, false, 0, {}},
    {"PromotedLanceHasNoRules", "4k4/3+l5/9/9/9/9/9/9/8K w - 1", 3, 4, 2, 4, 3, false, 0, {}},
    // Gold
    {"GoldDiagonalStep", "4k4/9/3g5/9/9/9/9/9/8K w - 1", 3, 4, 3, 5, 4, false, -0.5, {"G1"}},
    {"GoldDropComparesKindIndexAsRow", "4k4/9/9/9/9/9/9/9/8K w g 1", 3, -1, 5, 4, 6, false, -5.5, {"step5", "G1"}},
    {"GoldDropOnRowOfKindIndex", "4k4/9/9/9/9/9/9/9/8K w g 1", 3, -1, 5, 4, 5, false, -5, {"step5"}},
    {"GoldLeavesBishopAttacked", "4k4/9/3g5/5b3/5P3/9/9/9/8K w - 1", 3, 4, 3, 4, 4, false, -5, {"G2"}},
    {"GoldToSevenTwo", "4k1g2/9/7p1/9/9/7P1/9/7R1/8K w - 1", 3, 7, 1, 7, 2, false, 10, {"G3"}},
    {"GoldGuardsAgainstBishopDrop", "3gk4/9/3b5/3b5/9/9/9/9/K8 w B 1", 3, 4, 1, 4, 2, false, 127, {"G4", "G5"}},
    {"GoldWithoutHumanBishopInHand", "3gk4/9/3b5/3b5/9/9/9/9/K8 w - 1", 3, 4, 1, 4, 2, false, 0, {}},
    // Bishop
    {"BishopBesideOwnKing", "4k4/9/6b2/9/9/9/9/9/8K w - 1", 3, 7, 3, 6, 2, false, -1, {"B1(-1)"}},
    {"BishopDroppedWithoutSafeSquare", "4k4/1s7/G8/9/9/9/9/9/8K w b 1", 3, -1, 6, 1, 1, false, -105, {"step5", "B4"}},
    {"BishopBeforePawnTwoAhead", "4k4/1b7/9/9/9/3P5/9/9/K8 w - 1", 3, 2, 2, 4, 4, false, -1, {"B5"}},
    {"BishopIntoEdgePattern", "4k4/7b1/9/8p/9/8P/9/9/K7L w - 1", 3, 8, 2, 9, 3, false, -10, {"B2"}},
    {"BishopFacingRookBackedPawn", "4k4/7b1/9/9/7P1/9/9/7R1/8K w - 1", 3, 8, 2, 7, 3, false, 9, {"B3"}},
    {"BishopLeavesEdgePattern", "4k4/9/8b/8p/9/8P/9/8L/8K w - 1", 3, 9, 3, 8, 2, false, 10, {"B6"}},
    {"BishopUncoversRookBackedPawn", "4k4/9/6b2/9/7P1/9/9/7R1/8K w - 1", 3, 7, 3, 9, 1, false, -10, {"B7"}},
    {"HorseBesideOwnRook", "4k4/5r3/9/3+b5/9/9/9/9/K8 w - 1", 3, 4, 4, 5, 3, false, -1, {"PB1(-1)"}},
    // Rook
    {"RookLeavesKingColumn", "4k4/9/9/9/4r4/9/4P4/9/4K4 w - 1", 3, 5, 5, 3, 5, false, 5, {"R7"}},
    {"RookStaysOnKingColumn", "4k4/9/9/9/4r4/9/4P4/9/4K4 w - 1", 3, 5, 5, 5, 4, false, 0, {}},
    {"RookDropComparesKindIndexAsRow", "4k4/9/9/9/9/9/8K/9/9 w r 1", 3, -1, 7, 3, 3, false, 0, {"step5", "R8"}},
    {"RookDroppedIntoCorner", "1s2k4/g8/9/9/9/9/9/9/8K w r 1", 3, -1, 7, 1, 1, false, -40, {"step5", "R9"}},
    {"RookDroppedWithOneSafeSquare", "2s1k4/g8/9/9/9/9/9/9/8K w r 1", 3, -1, 7, 1, 1, false, -40, {"step5", "R9"}},
    {"RookBesideKingRow", "4k4/9/9/9/9/9/9/9/r2SK4 w - 1", 3, 1, 9, 3, 9, false, 100, {"R10"}},
    {"RookSidewaysBeforePawn", "4k4/9/9/9/r8/9/3P5/9/8K w - 1", 3, 1, 5, 4, 5, false, -6, {"R3", "R3+"}},
    {"RookUncoversSquareBeforeBackedPawn", "4k4/9/1r7/7P1/9/9/9/7R1/K8 w - 1", 3, 2, 3, 2, 5, false, -11, {"R4"}},
    {"RookLeavesRowOfOwnPawn", "4k4/9/1r4p2/7P1/9/9/9/7R1/K8 w - 1", 3, 2, 3, 2, 5, false, -11, {"R5"}},
    {"RookFromTwoTwoToTwoThree", "4k4/1r7/9/9/9/9/9/9/8K w - 1", 3, 2, 2, 2, 3, false, -1, {"R6"}},
    // Promoted rook
    {"DragonBesideKingRow", "4k4/9/9/9/9/9/3s5/9/+r2SK4 w - 1", 3, 1, 9, 3, 9, false, 100, {"D7"}},
    {"DragonBehindSilverAndGold", "4k4/9/9/9/8K/9/9/1+rSG5/1L7 w - 1", 3, 2, 8, 3, 9, false, -160, {"D2", "D5"}},
    // King
    {"KingStepsForward", "4k4/9/9/9/9/9/9/9/8K w - 1", 3, 5, 1, 5, 2, false, 100, {"K1"}},
    {"KingStepsToSixTwo", "4k4/9/9/9/9/9/9/9/8K w - 1", 3, 5, 1, 6, 2, false, 101, {"K1", "K1+"}},
    {"KingWithPinnedPiece", "4k4/9/4s4/9/9/9/4R4/9/8K w - 1", 3, 5, 1, 4, 1, false, 10, {"K2"}},
    {"KingIntoCorner", "1k7/8R/9/9/9/9/9/9/8K w - 1", 3, 2, 1, 1, 1, false, -20, {"K4"}},
};

class EvaluationRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(EvaluationRules, ScoreAndFiredRules) {
    const RuleCase& c = GetParam();
    auto h = positionHarness(c.sfen);
    const TrialResult r = scoreTrialMove(*h, c.level, {c.fx, c.fy, c.tx, c.ty, c.promote});
    EXPECT_NEAR(r.score, c.score, 1e-9);
    EXPECT_EQ(r.fired, c.fired);
    // The evaluation the search calls gives the same score without a trace.
    const int after = (*h)->board.at(c.tx, c.ty);
    const int captured = c.fx < 0 ? EMPTY : (*h)->com.before.at(c.tx, c.ty);
    EXPECT_EQ((*h)->盤評価(captured, after, c.fx, c.fy, c.tx, c.ty), r.score);
}

INSTANTIATE_TEST_SUITE_P(Table, EvaluationRules, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RuleCase>& info) { return info.param.name; });

}  // namespace
}  // namespace zelkora::testing
