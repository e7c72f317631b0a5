// Compulsory capture: the capture data of each player (map, count, strongest
// square with its scan-order tie-break) and the refusals of the human's turn
// with their order: capturable squares shown, refusal sound, then the box.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

using Squares = std::set<std::pair<int, int>>;

struct CaptureCase {
    const char* name;
    const char* sfen;
    bool lowerPlayer;   // whose capture data is asked for
    int count, bestX, bestY;
    Squares map;
};

std::ostream& operator<<(std::ostream& os, const CaptureCase& c) { return os << c.name; }

const CaptureCase kCaptures[] = {
    // A lower silver on (5, 5) attacks (4, 4) and (6, 4).
    {"TwoEqualPawnsCountOnce", "8k/9/9/3p1p3/4S4/9/9/9/K8 b - 1", true, 1, 4, 4, {{4, 4}, {6, 4}}},
    {"PromotedPawnBeatsPawn", "8k/9/9/3p1+p3/4S4/9/9/9/K8 b - 1", true, 2, 6, 4, {{4, 4}, {6, 4}}},
    {"PromotedPawnFoundFirstStaysStrongest", "8k/9/9/3+p1p3/4S4/9/9/9/K8 b - 1", true, 2, 4, 4, {{4, 4}, {6, 4}}},
    // A lower dragon on (5, 5) attacks rooks on (2, 5) and (8, 5) and a pawn on (5, 3).
    {"FirstOfTwoRooksInScanOrder", "8k/9/4p4/9/1r2+R2r1/9/9/9/K8 b - 1", true, 2, 2, 5, {{2, 5}, {5, 3}, {8, 5}}},
    // The count grows each time the code differs from the strongest so far: 10, 20, 10.
    {"CountFollowsTheScan", "8k/9/4l4/9/1p2+R2p1/9/9/9/K8 b - 1", true, 3, 5, 3, {{2, 5}, {5, 3}, {8, 5}}},
    // A lower gold on (5, 5) attacks an upper rook on (4, 4) and the upper king on (5, 4).
    {"KingIsTheStrongest", "9/9/9/3rk4/4G4/9/9/9/K8 b - 1", true, 2, 5, 4, {{4, 4}, {5, 4}}},
    {"PiecesBehindTheKingAreCapturable", "9/4s4/9/9/4k4/9/9/9/K3R4 b - 1", true, 2, 5, 5, {{5, 2}, {5, 5}}},
    {"OwnPiecesAreNeverOnTheMap", "8k/9/9/3P1P3/4S4/9/9/9/K8 b - 1", true, 0, 0, 0, {}},
    // An upper silver on (5, 5) attacks (4, 6) and (6, 6): the more negative code is stronger.
    {"UpperPrefersTheMoreNegativeCode", "8k/9/9/9/4s4/3P1+P3/9/9/K8 w - 1", false, 2, 6, 6, {{4, 6}, {6, 6}}},
    {"UpperTwoEqualPieces", "8k/9/9/9/4s4/3G1G3/9/9/K8 w - 1", false, 1, 4, 6, {{4, 6}, {6, 6}}},
    {"UpperTakesTheLowerKingFirst", "8k/9/9/9/4s4/3R1K3/9/9/9 w - 1", false, 2, 6, 6, {{4, 6}, {6, 6}}},
};

class CaptureScan : public ::testing::TestWithParam<CaptureCase> {};

TEST_P(CaptureScan, MapCountAndStrongestSquare) {
    const CaptureCase& c = GetParam();
    auto h = positionHarness(c.sfen);
    Form1& f = **h;
    f.調査_取可桝(c.lowerPlayer ? f.turn.lowerTag : f.turn.upperTag);
    const CaptureData& d = c.lowerPlayer ? f.lowerCapture : f.upperCapture;
    EXPECT_EQ(d.count, c.count);
    EXPECT_EQ(d.bestX, c.bestX);
    EXPECT_EQ(d.bestY, c.bestY);
    Squares map;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (d.map[x][y] == 1) map.insert({x, y});
            else EXPECT_EQ(d.map[x][y], 0);
    EXPECT_EQ(map, c.map);
}

INSTANTIATE_TEST_SUITE_P(Positions, CaptureScan, ::testing::ValuesIn(kCaptures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CaptureDataUpkeep, NothingCapturableLeavesTheStrongestSquareAndClearsTheMap) {
    auto h = positionHarness("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
    Form1& f = **h;
    f.lowerCapture.count = 5;
    f.lowerCapture.bestX = 7;
    f.lowerCapture.bestY = 3;
    f.lowerCapture.map[7][3] = 1;
    f.調査_取可桝(f.turn.lowerTag);
    EXPECT_EQ(f.lowerCapture.count, 0);
    EXPECT_EQ(f.lowerCapture.map[7][3], 0);
    EXPECT_EQ(f.lowerCapture.bestX, 7);
    EXPECT_EQ(f.lowerCapture.bestY, 3);
}

TEST(CaptureDataUpkeep, TheTagNamesThePlayerNotTheSide) {
    // The lower player moves second here (tag 7): asking for tag 7 fills the lower data.
    auto h = positionHarness("8k/9/9/3p1p3/4S4/9/9/9/K8 b - 1");
    Form1& f = **h;
    f.turn.lowerTag = GOTE;
    f.turn.upperTag = SENTE;
    f.調査_取可桝(GOTE);
    EXPECT_EQ(f.lowerCapture.count, 1);
    EXPECT_EQ(f.upperCapture.count, 0);
}

TEST(CaptureDataUpkeep, AnyOtherTagOnlySurveys) {
    auto h = positionHarness("8k/9/9/3p1p3/4S4/9/9/9/K8 b - 1");
    Form1& f = **h;
    f.lowerCapture.count = 9;
    f.upperCapture.count = 9;
    f.調査_取可桝(NOBODY);
    EXPECT_EQ(f.lowerCapture.count, 9);
    EXPECT_EQ(f.upperCapture.count, 9);
    EXPECT_EQ(f.inf.lower_influence[4][4], 1);
}

// ---- The rule as the human's turn applies it ----

constexpr const char* kMustCapture = "取れる駒は取らな\r\rければなりません";
constexpr const char* kMustTakeStrongest = "取れる駒のうち、強い駒\r\rを取らなければなりません";

// Notes what the other fakes had seen when the box came up.
class OrderWatchingDialogs : public Dialogs {
public:
    explicit OrderWatchingDialogs(Harness& h) : h_(h) {}
    std::vector<Message> shown;
    std::size_t outlinesBefore = 0;
    std::vector<std::string> soundsBefore;
    Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override {
        shown.push_back({text, title, buttons, icon});
        outlinesBefore = h_.canvas.of(CanvasCall::Outline).size();
        soundsBefore = h_.sound.log;
        return Answer::Ok;
    }

private:
    Harness& h_;
};

struct RefusalCase {
    const char* name;
    const char* sfen;
    int fx, fy, tx, ty;
    const char* message;   // nullptr: accepted
};

std::ostream& operator<<(std::ostream& os, const RefusalCase& c) { return os << c.name; }

// The lower dragon on (5, 5) may take rooks on (2, 5) and (8, 5) or the pawn on (5, 3).
constexpr const char* kTwoRooks = "8k/9/4p4/9/1r2+R2r1/9/9/9/K8 b G 1";
constexpr const char* kTwoPawns = "8k/9/9/3p1p3/4S4/9/9/9/K8 b G 1";
constexpr const char* kNothing = "8k/9/9/9/4S4/9/9/9/K8 b G 1";

const RefusalCase kRefusals[] = {
    {"StrongestFirstRookIsAccepted", kTwoRooks, 5, 5, 2, 5, nullptr},
    {"SecondRookIsNotTheStrongestSquare", kTwoRooks, 5, 5, 8, 5, kMustTakeStrongest},
    {"WeakerPieceIsRefused", kTwoRooks, 5, 5, 5, 3, kMustTakeStrongest},
    {"NotCapturingIsRefused", kTwoRooks, 5, 5, 5, 6, kMustCapture},
    {"DropIsRefusedWhileACaptureIsPossible", kTwoRooks, 11, 7, 5, 7, kMustCapture},
    {"EitherOfEqualPiecesLeft", kTwoPawns, 5, 5, 4, 4, nullptr},
    {"EitherOfEqualPiecesRight", kTwoPawns, 5, 5, 6, 4, nullptr},
    {"PlainMoveRefusedWithOneCode", kTwoPawns, 5, 5, 5, 4, kMustCapture},
    {"DropRefusedWithOneCode", kTwoPawns, 11, 7, 1, 1, kMustCapture},
    {"NothingToCaptureAcceptsAMove", kNothing, 5, 5, 5, 4, nullptr},
    {"NothingToCaptureAcceptsADrop", kNothing, 11, 7, 1, 1, nullptr},
};

class CompulsoryCapture : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(CompulsoryCapture, RefusesWithTheRightMessageAfterShowingTheSquares) {
    const RefusalCase& c = GetParam();
    auto h = positionHarness(c.sfen);
    Form1& f = **h;
    f.sounds.refusal = 2;
    f.sounds.placed = 4;
    OrderWatchingDialogs dialogs(*h);
    f.io.dialogs = &dialogs;
    f.調査_取可桝(f.turn.lowerTag);
    const Board before = f.board;
    const bool refused = f.compulsoryCaptureRefuses(f.turn.lowerTag, c.fx, c.tx, c.ty);

    EXPECT_EQ(refused, c.message != nullptr);
    if (c.message == nullptr) {
        EXPECT_TRUE(dialogs.shown.empty());
        EXPECT_TRUE(h->sound.log.empty());
        EXPECT_TRUE(h->canvas.calls.empty());
        return;
    }
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, c.message);
    EXPECT_EQ(dialogs.shown[0].title, "ルール");
    EXPECT_EQ(dialogs.shown[0].buttons, Buttons::Ok);
    // Before the box: every capturable square outlined in white, then the sound.
    std::size_t mapped = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (f.lowerCapture.map[x][y] == 1) {
                ++mapped;
                EXPECT_EQ(h->canvas.outlinesOfCell(x, y), std::vector<int>{COLOUR_WHITE});
            }
    EXPECT_EQ(dialogs.outlinesBefore, mapped);
    EXPECT_EQ(dialogs.soundsBefore, std::vector<std::string>{"dsPlay(2)"});
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(f.board.at(x, y), before.at(x, y));
}

INSTANTIATE_TEST_SUITE_P(Moves, CompulsoryCapture, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CompulsoryCaptureUpper, TheUpperPlayerUsesItsOwnData) {
    // The upper silver on (5, 5) may take a lower pawn on (4, 6) or a promoted pawn on (6, 6).
    auto h = positionHarness("8k/9/9/9/4s4/3P1+P3/9/9/K8 w - 1");
    Form1& f = **h;
    f.調査_取可桝(f.turn.upperTag);
    EXPECT_FALSE(f.compulsoryCaptureRefuses(f.turn.upperTag, 5, 6, 6));
    EXPECT_TRUE(f.compulsoryCaptureRefuses(f.turn.upperTag, 5, 4, 6));
    EXPECT_TRUE(f.compulsoryCaptureRefuses(f.turn.upperTag, 5, 5, 6));
    ASSERT_EQ(h->dialogs.shown.size(), 2u);
    EXPECT_EQ(h->dialogs.shown[0].text, kMustTakeStrongest);
    EXPECT_EQ(h->dialogs.shown[1].text, kMustCapture);
    // The lower player's data were never computed: nothing restricts him.
    EXPECT_FALSE(f.compulsoryCaptureRefuses(f.turn.lowerTag, 4, 4, 5));
}

}  // namespace
}  // namespace zelkora::testing
