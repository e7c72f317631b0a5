// "戻", "進", "最初" and "反転" on the game state: every step and its exact
// inverse, the refusals with and without the refusal sound, damaged entries,
// turning the board, and what each command closes or repaints.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "records/record_format.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

std::string played(std::int32_t buffer) { return "dsPlay(" + std::to_string(buffer) + ")"; }

int count(const std::vector<std::string>& log, const std::string& item) {
    return static_cast<int>(std::count(log.begin(), log.end(), item));
}

// Nothing outside rows and columns 1..9 of the board was ever written.
void expectBorderUntouched(const Form1& f) {
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(f.board.at(0, i), 0) << "column 0, row " << i;
        EXPECT_EQ(f.board.at(i, 0), 0) << "row 0, column " << i;
    }
}

// A started game with `sfen` on the board and `entries` waiting for "進".
void prepare(Harness& h, const std::string& sfen, const std::vector<MoveRecord>& entries, int recordMode = 0) {
    h.start();
    h.setPosition(sfen);
    for (std::size_t i = 0; i < entries.size(); ++i) h->moves.entry[i + 1] = entries[i];
    h->moves.count = 0;
    h->moves.replay = static_cast<int>(entries.size());
    h->flags.recordMode = recordMode;
    h.clearLogs();
}

// ---- One step forward and back ----

struct StepCase {
    const char* name;
    const char* before;   // board, side, hands
    MoveRecord entry;     // fromX, fromY, toX, toY, captured, piece before, piece after
    const char* after;
    int lowerTotal, upperTotal;
};

class StepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepTest, ForwardAppliesTheEntryAndBackRestoresTheStart) {
    const StepCase& c = GetParam();
    Harness h;
    prepare(h, c.before, {c.entry}, 1);
    Form1& f = *h;
    const int lowerBefore = f.hands.lowerTotal, upperBefore = f.hands.upperTotal;

    f.AFTER_Click();
    EXPECT_EQ(position(f), c.after);
    EXPECT_EQ(f.hands.lowerTotal, c.lowerTotal);
    EXPECT_EQ(f.hands.upperTotal, c.upperTotal);
    EXPECT_EQ(f.moves.count, 1);
    EXPECT_EQ(f.moves.moveNumber, 1);
    EXPECT_EQ(f.moves.replay, 1);
    EXPECT_EQ(f.turn.sideToMove, NOBODY);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.sound.log, std::vector<std::string>{played(f.sounds.placed)});

    h.clearLogs();
    f.REPLAY_Click();
    EXPECT_EQ(position(f), c.before);
    EXPECT_EQ(f.hands.lowerTotal, lowerBefore);
    EXPECT_EQ(f.hands.upperTotal, upperBefore);
    EXPECT_EQ(f.moves.count, 0);
    EXPECT_EQ(f.moves.moveNumber, 0);
    EXPECT_EQ(f.moves.replay, 1);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.sound.log, std::vector<std::string>{played(f.sounds.placed)});

    // The replay position survived: the same entry applies again.
    f.AFTER_Click();
    EXPECT_EQ(position(f), c.after);
    expectBorderUntouched(f);
}

INSTANTIATE_TEST_SUITE_P(
    Navigation, StepTest,
    ::testing::Values(
        StepCase{"BoardMove", INITIAL, {3, 7, 3, 6, 0, -10, -10},
                 "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b -", 0, 0},
        StepCase{"Promotion", "4k4/9/9/4P4/9/9/9/9/4K4 b -", {5, 4, 5, 3, 0, -10, -11},
                 "4k4/9/4+P4/9/9/9/9/9/4K4 b -", 0, 0},
        StepCase{"LowerCapture", "4k4/4g4/9/9/4R4/9/9/9/4K4 b -", {5, 5, 5, 2, 110, -900, -900},
                 "4k4/4R4/9/9/9/9/9/9/4K4 b G", 1, 0},
        StepCase{"PromotingCaptureOfAPromotedPiece", "4k4/9/2+r6/2S6/9/9/9/9/4K4 b -", {3, 4, 3, 3, 901, -100, -101},
                 "4k4/9/2+S6/9/9/9/9/9/4K4 b R", 1, 0},
        StepCase{"UpperCapture", "4k4/9/9/4p4/4+P4/9/9/9/4K4 b G", {5, 4, 5, 5, -11, 10, 10},
                 "4k4/9/9/9/4p4/9/9/9/4K4 b Gp", 1, 1},
        StepCase{"DropFromTheLowerHand", "4k4/9/9/9/9/9/9/9/4K4 b 2Pr", {11, 3, 5, 5, 0, -10, -10},
                 "4k4/9/9/9/4P4/9/9/9/4K4 b Pr", 1, 1},
        StepCase{"DropFromTheUpperHandByKind", "4k4/9/9/9/9/9/9/9/4K4 b Pr", {-1, 7, 5, 5, 0, 900, 900},
                 "4k4/9/9/9/4r4/9/9/9/4K4 b P", 1, 0},
        StepCase{"DropFromTheUpperHandByScreenRow", "4k4/9/9/9/9/9/9/9/4K4 b 2b", {-1, 2, 1, 9, 0, 800, 800},
                 "4k4/9/9/9/9/9/9/9/b3K4 b b", 0, 1},
        StepCase{"KingCaptureCountsInTheTotalOnly", "4k4/9/9/9/4R4/9/9/9/4K4 b -", {5, 5, 5, 1, 950, -900, -900},
                 "4R4/9/9/9/9/9/9/9/4K4 b -", 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Navigation, ForwardDrawsTheStepAndItsMoveText) {
    Harness h;
    prepare(h, INITIAL, {{3, 7, 3, 6, 0, -10, -10}, {7, 3, 7, 4, 0, 10, 10}});
    Form1& f = *h;
    f.AFTER_Click();
    // The lower side's move is written at (13, 3), the upper side's at (-2, 8).
    auto texts = h.canvas.texts();
    auto has = [&](const std::string& t) {
        return std::any_of(texts.begin(), texts.end(), [&](const auto& d) { return d.text == t; });
    };
    EXPECT_TRUE(has("７")) << "column of ７六歩";
    EXPECT_TRUE(has("六"));
    EXPECT_TRUE(has("歩"));
    EXPECT_FALSE(h.canvas.outlinesOfCell(3, 7).empty()) << "the emptied source is outlined";
    EXPECT_FALSE(h.canvas.outlinesOfCell(3, 6).empty()) << "the target is outlined";
    const double lowerTextX = f.geo.cellX(13 + 0.2), upperTextX = f.geo.cellX(-2 + 0.2);
    const double lowerTextY = f.geo.cellY(3 + 0.4), upperTextY = f.geo.cellY(8 + 0.4);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const auto& d) {
        return d.x == lowerTextX && d.y == lowerTextY && d.text == "７" && d.colour == COLOUR_WHITE;
    }));

    h.clearLogs();
    f.AFTER_Click();
    texts = h.canvas.texts();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const auto& d) {
        return d.x == upperTextX && d.y == upperTextY && d.text == "３" && d.colour == COLOUR_WHITE;
    }));
}

TEST(Navigation, EveryStepClosesThePanel) {
    for (const bool forward : {true, false}) {
        Harness h;
        prepare(h, INITIAL, {{3, 7, 3, 6, 0, -10, -10}});
        if (!forward) h->AFTER_Click();
        h.panel.fields = {{1, "name"}, {2, "game"}};
        h.panel.drives = h.panel.folders = h.panel.files = h.panel.textGroup = true;
        forward ? h->AFTER_Click() : h->REPLAY_Click();
        EXPECT_FALSE(h.panel.drives || h.panel.folders || h.panel.files || h.panel.textGroup);
        EXPECT_TRUE(h.panel.fields.empty());
    }
}

// ---- Refusals ----

struct RefusalCase {
    const char* name;
    bool forward;
    int recordMode;
    int applied;   // entries stepped before the refused command
    const char* text;
    const char* title;
    bool refusalSound;
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, ChangesNothing) {
    const RefusalCase& c = GetParam();
    Harness h;
    prepare(h, INITIAL, {{3, 7, 3, 6, 0, -10, -10}, {7, 3, 7, 4, 0, 10, 10}}, c.recordMode);
    Form1& f = *h;
    for (int i = 0; i < c.applied; ++i) f.AFTER_Click();
    h.clearLogs();
    const std::string before = position(f);
    const int countBefore = f.moves.count, numberBefore = f.moves.moveNumber;

    c.forward ? f.AFTER_Click() : f.REPLAY_Click();

    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, c.text);
    EXPECT_EQ(h.dialogs.shown[0].title, c.title);
    EXPECT_EQ(count(h.sound.log, played(f.sounds.refusal)), c.refusalSound ? 1 : 0);
    EXPECT_EQ(count(h.sound.log, played(f.sounds.placed)), 0);
    EXPECT_EQ(position(f), before);
    EXPECT_EQ(f.moves.count, countBefore);
    EXPECT_EQ(f.moves.moveNumber, numberBefore);
    EXPECT_TRUE(h.canvas.of(CanvasCall::Picture).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Navigation, RefusalTest,
    ::testing::Values(RefusalCase{"ForwardAtTheEndOfAGame", true, 0, 2, "できません", "進む", true},
                      RefusalCase{"ForwardAtTheEndOfARecord", true, 1, 2, "終わり", "進む", false},
                      RefusalCase{"BackAtTheStartOfAGame", false, 0, 0, "できません", "戻る", true},
                      RefusalCase{"BackAtTheStartOfARecord", false, 1, 0, "できません", "戻る", true}),
    [](const auto& info) { return std::string(info.param.name); });

struct FaultCase {
    const char* name;
    const char* sfen;
    MoveRecord entry;
    const char* text;
};

const char* const MISMATCH = "棋譜の2手目は盤面と合いません";

class FaultyEntryTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultyEntryTest, IsRejectedWhenForwardReachesIt) {
    const FaultCase& c = GetParam();
    Harness h;
    prepare(h, c.sfen, {{3, 7, 3, 6, 0, -10, -10}, c.entry}, 1);
    Form1& f = *h;
    f.AFTER_Click();
    h.clearLogs();
    const std::string before = position(f);
    const Hands hands = f.hands;

    f.AFTER_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, c.text);
    EXPECT_EQ(h.dialogs.shown[0].title, "進む");
    EXPECT_EQ(h.sound.log, std::vector<std::string>{played(f.sounds.refusal)});
    EXPECT_EQ(position(f), before);
    EXPECT_EQ(f.hands.lowerTotal, hands.lowerTotal);
    EXPECT_EQ(f.hands.upperTotal, hands.upperTotal);
    EXPECT_EQ(f.moves.count, 1);
    EXPECT_EQ(f.moves.moveNumber, 1);
    expectBorderUntouched(f);

    // "戻" still takes the good entry back.
    f.REPLAY_Click();
    EXPECT_EQ(f.moves.count, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Navigation, FaultyEntryTest,
    ::testing::Values(
        FaultCase{"BlankLine", INITIAL, {0, 0, 0, 0, 0, 0, 0}, "棋譜の2手目は盤の外を指しています"},
        FaultCase{"TargetRowZero", INITIAL, {3, 6, 3, 0, 0, -10, -10}, "棋譜の2手目は盤の外を指しています"},
        FaultCase{"SourceColumnTen", INITIAL, {10, 7, 3, 6, 0, -10, -10}, "棋譜の2手目は盤の外を指しています"},
        FaultCase{"DropOfAKing", INITIAL, {11, 5, 5, 5, 0, -950, -950}, "棋譜の2手目は盤の外を指しています"},
        FaultCase{"DropFromAnEmptyLowerHand", INITIAL, {11, 3, 5, 5, 0, -10, -10}, "棋譜の2手目の持駒がありません"},
        FaultCase{"DropOfAKindTheHandLacks", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b 3Pg",
                  {-1, 6, 5, 5, 0, 800, 800}, "棋譜の2手目の持駒がありません"},
        FaultCase{"KingOntoAPawnWithoutTakingIt", INITIAL, {5, 9, 5, 7, 0, -950, -950}, MISMATCH},
        FaultCase{"PawnOutOfAnEmptySquare", INITIAL, {5, 5, 5, 4, 0, -10, -10}, MISMATCH},
        FaultCase{"PawnBecomesAGold", INITIAL, {7, 7, 7, 6, 0, -10, -110}, MISMATCH},
        FaultCase{"BishopTakesItsOwnPawn", INITIAL, {2, 8, 4, 7, -10, -800, -800}, MISMATCH},
        FaultCase{"DropThatTakes", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b P",
                  {11, 3, 5, 3, 10, -10, -10}, MISMATCH},
        FaultCase{"DropThatPromotes", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b P",
                  {11, 3, 5, 5, 0, -10, -11}, MISMATCH}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Navigation, BackRefusesACorruptedEntryInsteadOfWritingOffTheBoard) {
    Harness h;
    prepare(h, INITIAL, {});
    Form1& f = *h;
    f.moves.entry[1] = {3, 7, 3, 0, 0, -10, -10};
    f.moves.count = f.moves.replay = 1;
    f.REPLAY_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "できません");
    EXPECT_EQ(f.moves.count, 1);
    EXPECT_EQ(position(f), INITIAL);
    expectBorderUntouched(f);
}

// ---- "最初" ----

TEST(Navigation, StartAgainResetsEverythingAndEndsStepping) {
    Harness h;
    prepare(h, INITIAL, {{3, 7, 3, 6, 0, -10, -10}, {7, 3, 7, 4, 0, 10, 10}}, 1);
    Form1& f = *h;
    f.AFTER_Click();
    f.flags.reversed = 1;
    f.flags.handicapFlag = 1;
    f.flags.handicapGrade = 4;
    f.turn.kingTaken = SENTE;
    f.turn.gameMode = MODE_COM;
    h.clearLogs();

    f.CANCEL_Click();
    EXPECT_EQ(position(f), INITIAL);
    EXPECT_EQ(f.flags.recordMode, 0);
    EXPECT_EQ(f.flags.reversed, 0);
    EXPECT_EQ(f.flags.handicapFlag, 0);
    EXPECT_EQ(f.flags.handicapGrade, 0);
    EXPECT_EQ(f.moves.count, 0);
    EXPECT_EQ(f.moves.replay, 0);
    EXPECT_EQ(f.turn.sideToMove, NOBODY);
    EXPECT_EQ(f.turn.kingTaken, NOBODY);
    EXPECT_EQ(f.turn.gameMode, MODE_NONE);
    ASSERT_FALSE(h.sound.log.empty());
    EXPECT_EQ(h.sound.log.back(), played(f.sounds.placed)) << "the placed sound follows the restart";

    h.clearLogs();
    f.AFTER_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "できません");
}

// ---- "反転" ----

TEST(Reverse, TurnsTheBoardExchangesHandsAndEndsStepping) {
    Harness h;
    prepare(h, "lk7/9/9/9/9/9/9/7+P1/8K b 2Pr", {{9, 9, 9, 8, 0, -950, -950}});
    Form1& f = *h;
    f.moves.count = 1;
    f.moves.moveNumber = 1;

    f.REVERSE_Click();
    EXPECT_EQ(position(f), "k8/1+p7/9/9/9/9/9/9/7KL b R2p");
    EXPECT_EQ(f.hands.lowerTotal, 1);
    EXPECT_EQ(f.hands.upperTotal, 2);
    EXPECT_EQ(f.flags.reversed, 1);
    EXPECT_EQ(f.moves.count, 0);
    EXPECT_EQ(f.moves.replay, 0);
    EXPECT_EQ(f.moves.moveNumber, 1) << "the number shown stays";
    EXPECT_EQ(h.sound.log, std::vector<std::string>{played(f.sounds.placed)});
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_GE(h.canvas.of(CanvasCall::Picture).size(), 559u) << "the whole screen is redrawn";
}

TEST(Reverse, TwiceRestoresBoardAndHandsButNotTheMoveList) {
    const char* const positions[] = {INITIAL, "lk7/9/9/9/9/9/9/7+P1/8K b 2Pr",
                                      "4k4/9/2+r6/2S6/9/9/9/9/4K4 b 3L2Pbgsn"};
    for (const char* sfen : positions) {
        Harness h;
        prepare(h, sfen, {{3, 7, 3, 6, 0, -10, -10}});
        Form1& f = *h;
        const Hands hands = f.hands;
        f.REVERSE_Click();
        f.REVERSE_Click();
        EXPECT_EQ(position(f), sfen);
        EXPECT_EQ(f.hands.lowerTotal, hands.lowerTotal);
        EXPECT_EQ(f.hands.upperTotal, hands.upperTotal);
        EXPECT_EQ(f.moves.count, 0);
        EXPECT_EQ(f.moves.replay, 0);
        h.clearLogs();
        f.AFTER_Click();
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << sfen;
        EXPECT_EQ(h.dialogs.shown[0].text, "できません");
    }
}

TEST(Reverse, NegatesTheHandicapGradeOnlyWhenAHandicapWasSet) {
    struct Case { int flag, grade, expected; };
    for (const Case c : {Case{1, 3, -3}, Case{1, -7, 7}, Case{0, 3, 3}}) {
        Harness h;
        prepare(h, INITIAL, {});
        h->flags.handicapFlag = c.flag;
        h->flags.handicapGrade = c.grade;
        h->REVERSE_Click();
        EXPECT_EQ(h->flags.handicapGrade, c.expected) << "flag " << c.flag << " grade " << c.grade;
    }
}

TEST(Reverse, RefusedInRecordMode) {
    Harness h;
    prepare(h, "lk7/9/9/9/9/9/9/7+P1/8K b 2Pr", {}, 1);
    Form1& f = *h;
    f.REVERSE_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "棋譜ﾓｰﾄﾞではできません");
    EXPECT_EQ(h.dialogs.shown[0].title, "反転");
    EXPECT_EQ(h.sound.log, std::vector<std::string>{played(f.sounds.refusal)});
    EXPECT_EQ(position(f), "lk7/9/9/9/9/9/9/7+P1/8K b 2Pr");
    EXPECT_EQ(f.flags.reversed, 0);
}

}  // namespace
}  // namespace zelkora::testing
