// The human's clicks through the ports: compulsory capture, the end of a game
// and clicks while no game runs.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/game/human_turn_helpers.h"

namespace zelkora::testing {
namespace {

const char* const kMustCapture = "取れる駒は取らな\r\rければなりません";
const char* const kMustTakeStrongest = "取れる駒のうち、強い駒\r\rを取らなければなりません";

// ---- Compulsory capture ----

struct CaptureCase {
    const char* name;
    const char* sfen;
    int fromC, fromR, toC, toR;
    const char* message;   // nullptr: the move is accepted
    std::vector<std::pair<int, int>> capturable;
};

class HumanCompulsoryCapture : public ::testing::TestWithParam<CaptureCase> {};

TEST_P(HumanCompulsoryCapture, RefusesWithTheRuleAndKeepsTheSelection) {
    const CaptureCase& p = GetParam();
    auto h = twoHumans(p.sfen);
    Form1& f = **h;
    f.hands = Hands{};
    if (p.fromC == LOWER_HAND_X) { f.hands.lower[p.fromR - 2] = 1; f.hands.lowerTotal = 1; }
    if (p.fromC == UPPER_HAND_X) { f.hands.upper[8 - p.fromR] = 1; f.hands.upperTotal = 1; }
    click(*h, p.fromC, p.fromR);
    ASSERT_EQ(f.sel.clickState, 1);
    const Board before = f.board;
    h->clearLogs();
    click(*h, p.toC, p.toR);
    if (!p.message) {
        EXPECT_TRUE(h->dialogs.shown.empty());
        EXPECT_EQ(f.moves.count, 1);
        return;
    }
    ASSERT_EQ(h->dialogs.shown.size(), 1u);
    EXPECT_EQ(h->dialogs.shown[0].text, p.message);
    EXPECT_EQ(h->dialogs.shown[0].title, "ルール");
    EXPECT_EQ(count(h->sound.log, played(*h, f.sounds.refusal)), 1);
    EXPECT_EQ(boardOutlines(h->canvas, COLOUR_WHITE), p.capturable);
    EXPECT_EQ(f.sel.clickState, 1);
    EXPECT_EQ(f.sel.srcX, p.fromC);
    EXPECT_EQ(f.sel.srcY, p.fromR);
    EXPECT_EQ(f.moves.count, 0);
    EXPECT_EQ(f.moves.moveNumber, 0);
    EXPECT_EQ(std::memcmp(&before, &f.board, sizeof before), 0);
}

// Lower pawn (5, 5) can take the upper pawn (5, 4); the gold (2, 8) may not move instead.
const char* const kLowerMustCapture = "k8/9/9/4p4/4P4/9/9/1G7/8K b - 1";
// Lower rook (5, 5) reaches an upper pawn (5, 3) and an upper gold (7, 5).
const char* const kLowerTwoKinds = "k8/9/4p4/9/4R1g2/9/9/9/8K b - 1";
// Upper pawn (5, 5) can take the lower pawn (5, 6); the upper gold (2, 2) may not move instead.
const char* const kUpperMustCapture = "k8/1g7/9/9/4p4/4P4/9/9/8K w - 1";

INSTANTIATE_TEST_SUITE_P(
    Cases, HumanCompulsoryCapture,
    ::testing::Values(
        CaptureCase{"LowerMovesAnotherPiece", kLowerMustCapture, 2, 8, 2, 7, kMustCapture, {{5, 4}}},
        CaptureCase{"LowerDropsInstead", kLowerMustCapture, 11, 3, 1, 5, kMustCapture, {{5, 4}}},
        CaptureCase{"LowerCaptures", kLowerMustCapture, 5, 5, 5, 4, nullptr, {}},
        CaptureCase{"LowerTakesTheWeaker", kLowerTwoKinds, 5, 5, 5, 3, kMustTakeStrongest, {{5, 3}, {7, 5}}},
        CaptureCase{"LowerTakesTheStrongest", kLowerTwoKinds, 5, 5, 7, 5, nullptr, {}},
        CaptureCase{"LowerMovesAwayFromBoth", kLowerTwoKinds, 5, 5, 5, 7, kMustCapture, {{5, 3}, {7, 5}}},
        CaptureCase{"UpperMovesAnotherPiece", kUpperMustCapture, 2, 2, 2, 3, kMustCapture, {{5, 6}}},
        CaptureCase{"UpperDropsInstead", kUpperMustCapture, -1, 7, 9, 5, kMustCapture, {{5, 6}}},
        CaptureCase{"UpperCaptures", kUpperMustCapture, 5, 5, 5, 6, nullptr, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HumanCompulsoryCapture, AfterARefusalAnotherTargetCanBeChosen) {
    auto h = twoHumans(kLowerTwoKinds);
    click(*h, 5, 5);
    click(*h, 5, 3);
    ASSERT_EQ(h->dialogs.shown.size(), 1u);
    click(*h, 7, 5);
    Form1& f = **h;
    EXPECT_EQ(f.board.at(7, 5), SITA_SYA);
    EXPECT_EQ(f.hands.lower[5], 1);
    EXPECT_EQ(f.moves.entry[1].captured, UE_KIN);
}

// ---- End of a game ----

struct EndCase {
    const char* name;
    const char* sfen;
    int fromC, fromR, toC, toR;
    int mode;
    const char* winner;
};

class HumanEndOfGame : public ::testing::TestWithParam<EndCase> {};

TEST_P(HumanEndOfGame, TakingAKingEndsTheGame) {
    const EndCase& p = GetParam();
    auto h = twoHumans(p.sfen);
    (*h)->turn.gameMode = p.mode;
    h->dialogs.answers = {Answer::Ok, Answer::Yes};
    click(*h, p.fromC, p.fromR);
    click(*h, p.toC, p.toR);
    ASSERT_EQ(h->dialogs.shown.size(), 2u);
    EXPECT_EQ(h->dialogs.shown[0].text, std::string(p.winner) + "の勝ちです");
    EXPECT_EQ(h->dialogs.shown[0].title, "終了");
    EXPECT_EQ(h->dialogs.shown[1].text, "続けますか？");
    Form1& f = **h;
    // Yes: the initial position, no game running.
    EXPECT_EQ(f.turn.sideToMove, NOBODY);
    EXPECT_EQ(f.turn.gameMode, MODE_NONE);
    EXPECT_EQ(f.board.at(5, 9), SITA_OU);
    EXPECT_EQ(f.board.at(5, 1), UE_OU);
    EXPECT_EQ(h->window.quits, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HumanEndOfGame,
    ::testing::Values(
        // Played to lose: the player whose king is taken wins.
        EndCase{"LowerTakesUpperKing", "k8/9/9/9/9/9/9/9/R7K b - 1", 1, 9, 1, 1, MODE_MAN, "後手"},
        EndCase{"UpperTakesLowerKing", "r7k/9/9/9/9/9/9/9/K8 w - 1", 1, 1, 1, 9, MODE_MAN, "先手"},
        EndCase{"HumanTakesTheComputersKing", "k8/9/9/9/9/9/9/9/R7K b - 1", 1, 9, 1, 1, MODE_COM, "コンピュータ"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HumanEndOfGame, AWholeGameFromTheMenuEndsWhenTheLowerKingWalksIntoAPawn) {
    Harness h;
    h.start();
    h->START_Click();
    ASSERT_EQ(h.dialogs.shown.at(0).text, "先手の番です");
    // The lower king walks up the board; the upper side makes quiet moves that
    // give nobody a capture, until the king steps next to the pawn on (3, 3).
    const int moves[][4] = {{4, 7, 4, 6}, {9, 3, 9, 4}, {5, 9, 4, 8}, {1, 3, 1, 4}, {4, 8, 4, 7}, {9, 4, 9, 5},
                            {4, 7, 3, 6}, {1, 4, 1, 5}, {3, 6, 3, 5}, {2, 2, 3, 2}, {3, 5, 3, 4}, {3, 3, 3, 4}};
    h.dialogs.shown.clear();
    h.dialogs.answers = {Answer::Ok, Answer::Yes};
    int n = 0;
    for (const auto& m : moves) {
        SCOPED_TRACE(++n);
        ASSERT_TRUE(h.dialogs.shown.empty());
        ASSERT_EQ(h->moves.count, n - 1);
        click(h, m[0], m[1]);
        click(h, m[2], m[3]);
    }
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[0].text, "先手の勝ちです");
    EXPECT_EQ(h.dialogs.shown[1].text, "続けますか？");
    EXPECT_EQ(h->turn.sideToMove, NOBODY);
    EXPECT_EQ(h->moves.count, 0);
}

TEST(HumanEndOfGame, NoToContinueShutsTheProgramDown) {
    auto h = twoHumans("r7k/9/9/9/9/9/9/9/K8 w - 1");
    h->dialogs.answers = {Answer::Ok, Answer::No};
    click(*h, 1, 1);
    click(*h, 1, 9);
    EXPECT_EQ(h->dialogs.shown.at(0).text, "先手の勝ちです");
    EXPECT_EQ(h->window.quits, 1);
    EXPECT_EQ(count(h->sound.log, "dsTerminate(1)"), 1);
}

// ---- No game running ----

TEST(HumanNoGame, AnEmptyMoveListAsksForAGame) {
    Harness h;
    h.start();
    h.clearLogs();
    click(h, 7, 7);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "「対局」で始めて下さい");
    EXPECT_EQ(h.dialogs.shown[0].title, "開始");
    EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::Ok);
    EXPECT_EQ(h.sound.log, std::vector<std::string>{played(h, h->sounds.refusal)});
    EXPECT_EQ(h->sel.clickState, 0);
}

TEST(HumanNoGame, RecordModeAsksToStepAndNoStartsAgain) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        Harness h;
        h.start();
        h->flags.recordMode = 1;
        h->moves.count = 3;
        h->board.at(5, 5) = UE_KIN;
        h.clearLogs();
        h.dialogs.answers = {answer};
        click(h, 5, 5);
        ASSERT_EQ(h.dialogs.shown.size(), 1u);
        EXPECT_EQ(h.dialogs.shown[0].text, "棋譜を '進 'で進めて下さい");
        EXPECT_EQ(h.dialogs.shown[0].title, "棋譜");
        EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::YesNo);
        if (answer == Answer::Yes) {
            EXPECT_TRUE(h.sound.log.empty());
            EXPECT_EQ(h->flags.recordMode, 1);
            EXPECT_EQ(h->board.at(5, 5), UE_KIN);
        } else {
            // The refusal sound, then a whole start-up: initial position, no record.
            ASSERT_FALSE(h.sound.log.empty());
            EXPECT_EQ(h.sound.log.front(), played(h, h->sounds.refusal));
            EXPECT_EQ(h->flags.recordMode, 0);
            EXPECT_EQ(h->moves.count, 0);
            EXPECT_EQ(h->board.at(5, 5), EMPTY);
        }
        EXPECT_EQ(h->turn.sideToMove, NOBODY);
    }
}

struct ResumeCase {
    const char* name;
    int mode;
    int nextAfter;     // piece after of the entry following the position
    int sideToMove;    // afterwards
    int count = 2;     // moves on the board
};

class HumanResume : public ::testing::TestWithParam<ResumeCase> {};

TEST_P(HumanResume, SteppedPositionResumesWithTheRightSide) {
    const ResumeCase& p = GetParam();
    Harness h;
    h.start();
    h->turn.gameMode = p.mode;
    h->moves.count = p.count;
    h->moves.replay = p.count + 1;
    h->moves.entry[p.count + 1].after = p.nextAfter;
    h.clearLogs();
    click(h, 5, 5);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "OKですか？");
    EXPECT_EQ(h.dialogs.shown[0].title, "再開");
    EXPECT_EQ(h->turn.sideToMove, p.sideToMove);
    EXPECT_EQ(h->sel.clickState, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HumanResume,
    ::testing::Values(ResumeCase{"TwoHumansUpperNext", MODE_MAN, UE_HU, GOTE},
                      ResumeCase{"TwoHumansLowerNext", MODE_MAN, SITA_HU, SENTE},
                      ResumeCase{"TwoHumansNothingNext", MODE_MAN, EMPTY, SENTE},
                      ResumeCase{"TwoHumansUpperNextIsTheLastEntry", MODE_MAN, UE_HU, GOTE, MoveList::MAX - 1},
                      ResumeCase{"ComputerUpperNextMovesThenHuman", MODE_COM, UE_HU, SENTE},
                      ResumeCase{"NoModeUpperNextStaysStopped", MODE_NONE, UE_KIN, NOBODY},
                      ResumeCase{"NoModeLowerNext", MODE_NONE, SITA_KIN, SENTE}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HumanResume, AFullMoveListIsNotReadPastItsEnd) {
    Harness h;
    h.start();
    h->turn.gameMode = MODE_MAN;
    h->moves.count = MoveList::MAX;
    h.clearLogs();
    click(h, 5, 5);
    EXPECT_EQ(h.dialogs.shown.at(0).text, "OKですか？");
    EXPECT_EQ(h->turn.sideToMove, SENTE);
}

}  // namespace
}  // namespace zelkora::testing
