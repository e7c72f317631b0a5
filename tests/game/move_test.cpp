// Making a move: the record written before the move, the board and hands after
// it (captures unpromoted into the capturer's hand, kings only into the total),
// drops from both hands, the repaints of the touched cells and the full list.
#include <gtest/gtest.h>

#include "display/pictures.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

struct TakeCase {
    int code;
    int lowerKind, upperKind;   // hand index that grows (0: none)
};

TEST(TakePiece, CapturedPiecesGoUnpromotedIntoTheCapturersHand) {
    const TakeCase cases[] = {
        {UE_HU, 1, 0},      {UE_TO, 1, 0},        {UE_KYOU, 2, 0},     {UE_NARIKYOU, 2, 0},
        {UE_KEI, 3, 0},     {UE_NARIKEI, 3, 0},   {UE_GIN, 4, 0},      {UE_NARIGIN, 4, 0},
        {UE_KIN, 5, 0},     {111, 5, 0},          {UE_KAKU, 6, 0},     {UE_UMA, 6, 0},
        {UE_SYA, 7, 0},     {UE_RYU, 7, 0},       {SITA_HU, 0, 1},     {SITA_TO, 0, 1},
        {SITA_KYOU, 0, 2},  {SITA_NARIKEI, 0, 3}, {SITA_GIN, 0, 4},    {SITA_NARIGIN, 0, 4},
        {SITA_KIN, 0, 5},   {-111, 0, 5},         {SITA_UMA, 0, 6},    {SITA_SYA, 0, 7},
        {SITA_RYU, 0, 7},   {0, 0, 0},            {5, 0, 0},           {999, 0, 0},
    };
    for (const TakeCase& c : cases) {
        auto h = positionHarness("9/9/9/9/9/9/9/9/9 b - 1");
        Form1& f = **h;
        f.駒取得(c.code);
        for (int k = 1; k <= 7; ++k) {
            EXPECT_EQ(f.hands.lower[k], k == c.lowerKind ? 1 : 0) << c.code << " kind " << k;
            EXPECT_EQ(f.hands.upper[k], k == c.upperKind ? 1 : 0) << c.code << " kind " << k;
        }
        EXPECT_EQ(f.hands.lowerTotal, 0) << "駒取得 leaves the totals to 駒移動";
        EXPECT_EQ(f.turn.kingTaken, NOBODY) << c.code;
    }
}

TEST(TakePiece, TakingAKingRecordsTheCapturersTag) {
    struct { int lowerTag, upperTag, king, marker; } cases[] = {
        {SENTE, GOTE, UE_OU, SENTE}, {SENTE, GOTE, SITA_OU, GOTE},
        {GOTE, SENTE, UE_OU, GOTE},  {GOTE, SENTE, SITA_OU, SENTE},
    };
    for (const auto& c : cases) {
        auto h = positionHarness("9/9/9/9/9/9/9/9/9 b - 1");
        Form1& f = **h;
        f.turn.lowerTag = c.lowerTag;
        f.turn.upperTag = c.upperTag;
        f.駒取得(c.king);
        EXPECT_EQ(f.turn.kingTaken, c.marker);
        for (int k = 1; k <= 7; ++k) EXPECT_EQ(f.hands.lower[k] + f.hands.upper[k], 0);
    }
}

struct MoveCase {
    const char* name;
    const char* sfen;
    int fx, fy, tx, ty, piece;   // as 駒移動 gets them (piece: code placed)
    const char* after;           // the position afterwards (move number ignored)
};

std::ostream& operator<<(std::ostream& os, const MoveCase& c) { return os << c.name; }

const MoveCase kMoves[] = {
    {"LowerPawnTakesAPromotedSilver", "4k4/9/9/4+s4/4P4/9/9/9/4K4 b - 1", 5, 5, 5, 4, SITA_HU,
     "4k4/9/9/4P4/9/9/9/9/4K4 b S 1"},
    {"LowerPawnPromotesWhileTaking", "4k4/9/4p4/4P4/9/9/9/9/4K4 b - 1", 5, 4, 5, 3, SITA_TO,
     "4k4/9/4+P4/9/9/9/9/9/4K4 b P 1"},
    {"UpperRookTakesADragon", "4k4/9/4r4/9/9/9/4+R4/9/4K4 w - 1", 5, 3, 5, 7, UE_RYU,
     "4k4/9/9/9/9/9/4+r4/9/4K4 w r 1"},
    {"UpperKingTakesTheLowerKing", "9/9/9/4k4/4K4/9/9/9/9 w - 1", 5, 4, 5, 5, UE_OU,
     "9/9/9/9/4k4/9/9/9/9 w - 1"},
    {"LowerDropFromScreenRow", "4k4/9/9/9/9/9/9/9/4K4 b 2Gr 1", 11, 7, 3, 3, SITA_KIN,
     "4k4/9/2G6/9/9/9/9/9/4K4 b Gr 1"},
    {"UpperDropByKindIndex", "4k4/9/9/9/9/9/9/9/4K4 w R2n 1", -1, 3, 4, 5, UE_KEI,
     "4k4/9/9/9/3n5/9/9/9/4K4 w Rn 1"},
};

class MakeMove : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MakeMove, BoardAndHandsAfterwards) {
    const MoveCase& c = GetParam();
    auto h = positionHarness(c.sfen);
    Form1& f = **h;
    const int lowerTotal = f.hands.lowerTotal, upperTotal = f.hands.upperTotal;
    const int target = f.board.at(c.tx, c.ty);
    f.駒移動(c.fx, c.fy, c.tx, c.ty, c.piece);

    Position expected;
    std::string error;
    ASSERT_TRUE(parseSfen(c.after, expected, error)) << error;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(f.board.at(x, y), expected.board.at(x, y)) << x << "," << y;
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(f.hands.lower[k], expected.hands.lower[k]) << "lower kind " << k;
        EXPECT_EQ(f.hands.upper[k], expected.hands.upper[k]) << "upper kind " << k;
    }
    // Totals: one up for the capturer of anything (a king too), one down per drop.
    const bool drop = c.fx == 11 || c.fx == -1;
    const int lowerGain = isUpper(target) ? 1 : 0, upperGain = isLower(target) ? 1 : 0;
    EXPECT_EQ(f.hands.lowerTotal, lowerTotal + lowerGain - (c.fx == 11 ? 1 : 0));
    EXPECT_EQ(f.hands.upperTotal, upperTotal + upperGain - (c.fx == -1 ? 1 : 0));
    EXPECT_EQ(f.turn.kingTaken, target == SITA_OU ? f.turn.upperTag : (target == UE_OU ? f.turn.lowerTag : NOBODY));

    // Repaints: the source (a board square) emptied and outlined once, the
    // target drawn with its new piece and outlined twice.
    const auto pictures = h->canvas.of(CanvasCall::Picture);
    auto drawnAt = [&](int cx, int cy) {
        std::vector<Picture> out;
        for (const auto& p : pictures)
            if (p.x == f.geo.cellX(cx) && p.y == f.geo.cellY(cy)) out.push_back(p.picture);
        return out;
    };
    EXPECT_EQ(drawnAt(c.tx, c.ty), std::vector<Picture>{*pictureForCode(c.piece)});
    EXPECT_EQ(h->canvas.outlinesOfCell(c.tx, c.ty), (std::vector<int>{COLOUR_GREEN, COLOUR_GREEN}));
    if (!drop) {
        EXPECT_EQ(drawnAt(c.fx, c.fy), std::vector<Picture>{Picture::KARA_MASU});
        EXPECT_EQ(h->canvas.outlinesOfCell(c.fx, c.fy), std::vector<int>{COLOUR_GREEN});
    }
}

INSTANTIATE_TEST_SUITE_P(Moves, MakeMove, ::testing::ValuesIn(kMoves),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MakeMove, OnlyTheLowerKingsSquareFollowsItsMoves) {
    auto h = positionHarness("9/9/9/4k4/9/9/4K4/9/9 b - 1");
    Form1& f = **h;
    f.kings = Kings{};
    f.駒移動(5, 7, 4, 6, SITA_OU);
    EXPECT_EQ(f.kings.lowerX, 4);
    EXPECT_EQ(f.kings.lowerY, 6);
    f.駒移動(5, 4, 5, 3, UE_OU);
    EXPECT_EQ(f.kings.upperX, 0);
    EXPECT_EQ(f.kings.upperY, 0);
}

TEST(MakeMove, TheCapturersHandStandIsRedrawn) {
    // An upper pawn taken by the lower side appears on the lower stand (column 11, row 3).
    auto h = positionHarness("4k4/9/9/4p4/4P4/9/9/9/4K4 b - 1");
    Form1& f = **h;
    f.駒移動(5, 5, 5, 4, SITA_HU);
    bool pawnOnStand = false;
    for (const auto& p : h->canvas.of(CanvasCall::Picture))
        if (p.x == f.geo.cellX(11) && p.y == f.geo.cellY(3) && p.picture == *pictureForCode(SITA_HU)) pawnOnStand = true;
    EXPECT_TRUE(pawnOnStand);
}

// ---- The move list ----

TEST(MoveList, TheRecordIsWrittenBeforeTheMoveAndAgreesWithIt) {
    auto h = positionHarness("4k4/9/4p4/4P4/9/9/9/9/4K4 b - 1");
    Form1& f = **h;
    f.moves.count = 7;
    f.手順保存(5, 4, 5, 3, SITA_HU, SITA_TO);
    f.駒移動(5, 4, 5, 3, SITA_TO);
    EXPECT_EQ(f.moves.count, 8);
    EXPECT_EQ(f.moves.replay, 8);
    const MoveRecord& r = f.moves.entry[8];
    EXPECT_EQ(r.fromX, 5);
    EXPECT_EQ(r.fromY, 4);
    EXPECT_EQ(r.toX, 5);
    EXPECT_EQ(r.toY, 3);
    EXPECT_EQ(r.captured, UE_HU);
    EXPECT_EQ(r.before, SITA_HU);
    EXPECT_EQ(r.after, SITA_TO);
    EXPECT_EQ(f.board.at(5, 3), r.after);
}

TEST(MoveList, ADropRecordsWhatTheCallerPassed) {
    auto h = positionHarness("4k4/9/9/9/9/9/9/9/4K4 w 2g 1");
    Form1& f = **h;
    f.手順保存(-1, 5, 3, 4, UE_KIN, UE_KIN);
    EXPECT_EQ(f.moves.entry[1].fromX, -1);
    EXPECT_EQ(f.moves.entry[1].fromY, 5);
    EXPECT_EQ(f.moves.entry[1].captured, 0);
}

TEST(MoveList, TheFiveHundredthMoveIsTheLast) {
    auto h = positionHarness("4k4/9/9/9/9/9/9/9/4K4 b - 1");
    Form1& f = **h;
    f.sounds.refusal = 2;
    f.moves.count = MoveList::MAX - 1;
    EXPECT_FALSE(f.moveListFullRefuses());
    f.手順保存(5, 9, 5, 8, SITA_OU, SITA_OU);
    EXPECT_EQ(f.moves.count, MoveList::MAX);
    EXPECT_EQ(f.moves.entry[MoveList::MAX].toY, 8);
    EXPECT_TRUE(h->dialogs.shown.empty());
    EXPECT_TRUE(h->sound.log.empty());

    // A 501st move is refused: refusal sound, one box, nothing written.
    const MoveRecord last = f.moves.entry[MoveList::MAX];
    EXPECT_TRUE(f.moveListFullRefuses());
    ASSERT_EQ(h->dialogs.shown.size(), 1u);
    EXPECT_EQ(h->dialogs.shown[0].text, "これ以上指せません");
    EXPECT_EQ(h->dialogs.shown[0].title, "手順");
    EXPECT_EQ(h->sound.log, std::vector<std::string>{"dsPlay(2)"});
    f.手順保存(5, 8, 5, 7, SITA_OU, SITA_OU);
    EXPECT_EQ(f.moves.count, MoveList::MAX);
    EXPECT_EQ(f.moves.replay, MoveList::MAX);
    EXPECT_EQ(f.moves.entry[MoveList::MAX].toY, last.toY);
}

}  // namespace
}  // namespace zelkora::testing
