// Board rendering through the recording canvas: where outlines and pictures
// land in twips, the background's tiles, the hand stands, the board and the
// order of the whole-screen redraw.
#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "display/pictures.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

bool near(double a, double b) { return std::abs(a - b) < 0.001; }

// The cell whose top-left corner is at (x, y) twips, if (x, y) is one.
std::pair<double, double> cellOf(double x, double y) { return {(x - 1050) / 495, (y - 100) / 615}; }

bool isPictureAt(const CanvasCall& call, Picture picture, double c, double r) {
    return call.kind == CanvasCall::Picture && call.picture == picture && near(call.x, 1050 + 495 * c) &&
           near(call.y, 100 + 615 * r);
}

struct OutlineCase {
    double c, r;
    double x1, y1, x2, y2;
};

TEST(BoardRendering, CellOutlineLandsOnExactTwips) {
    const OutlineCase cases[] = {
        {1, 1, 1545, 715, 2040, 1330},     // top-left board square
        {9, 9, 5505, 5635, 6000, 6250},    // bottom-right board square
        {-1, 7, 555, 4405, 1050, 5020},    // upper stand, bottom square
        {11, 4, 6495, 2560, 6990, 3175},   // lower stand, silver square
        {0, 0, 1050, 100, 1545, 715},      // the grid's origin cell
    };
    for (const auto& k : cases) {
        Harness h;
        h->描画_桝輪郭(12, k.c, k.r);
        ASSERT_EQ(h.canvas.calls.size(), 1u);
        const auto& o = h.canvas.calls[0];
        EXPECT_EQ(o.kind, CanvasCall::Outline);
        EXPECT_TRUE(near(o.x, k.x1) && near(o.y, k.y1) && near(o.x2, k.x2) && near(o.y2, k.y2))
            << "cell " << k.c << "," << k.r << " got " << o.x << "," << o.y << " - " << o.x2 << "," << o.y2;
        EXPECT_EQ(o.colour, 12);
    }
}

TEST(BoardRendering, PictureTopLeftIsTheCellCorner) {
    Harness h;
    h->描画_絵(SITA_GIN, 3, 7);
    h->描画_絵(PIC_ZELKORA, 11.2, 0);
    h->描画_絵(UE_RYU, -1, 1);
    ASSERT_EQ(h.canvas.calls.size(), 3u);
    EXPECT_TRUE(isPictureAt(h.canvas.calls[0], Picture::SITA_GIN0, 3, 7));
    EXPECT_TRUE(near(h.canvas.calls[1].x, 6594) && near(h.canvas.calls[1].y, 100));
    EXPECT_EQ(h.canvas.calls[1].picture, Picture::ZELKORA);
    EXPECT_TRUE(isPictureAt(h.canvas.calls[2], Picture::UE_SYA1, -1, 1));
}

TEST(BoardRendering, UnknownCodesDrawNothing) {
    Harness h;
    for (const int code : {-111, 111, 7, 12, -1, 999}) h->描画_絵(code, 5, 5);
    EXPECT_TRUE(h.canvas.calls.empty());
}

TEST(BoardRendering, BackgroundIs559TilesAroundTheBoard) {
    Harness h;
    h->描画_背景(PIC_TATAMI);
    const auto& calls = h.canvas.calls;
    EXPECT_EQ(calls.size(), 559u);
    std::set<std::pair<int, int>> cells;
    for (const auto& call : calls) {
        ASSERT_EQ(call.kind, CanvasCall::Picture);
        EXPECT_EQ(call.picture, Picture::HAIKEI_TATAMI);
        const auto [c, r] = cellOf(call.x, call.y);
        ASSERT_TRUE(near(c, std::round(c)) && near(r, std::round(r))) << call.x << "," << call.y;
        const int ci = static_cast<int>(std::lround(c)), ri = static_cast<int>(std::lround(r));
        EXPECT_TRUE(ci >= -3 && ci <= 28 && ri >= -2 && ri <= 17) << ci << "," << ri;
        EXPECT_FALSE(ci >= 1 && ci <= 9 && ri >= 1 && ri <= 9) << "board cell " << ci << "," << ri;
        cells.insert({ci, ri});
    }
    EXPECT_EQ(cells.size(), 559u) << "a cell was tiled twice";
}

TEST(BoardRendering, BackgroundOfAnUnknownCodeDrawsNothingAndUnsetDrawsEmptySquares) {
    Harness h;
    h->描画_背景(9);
    EXPECT_TRUE(h.canvas.calls.empty());
    h->描画_背景(0);
    ASSERT_EQ(h.canvas.calls.size(), 559u);
    for (const auto& call : h.canvas.calls) EXPECT_EQ(call.picture, Picture::KARA_MASU);
}

TEST(BoardRendering, BoardPaintsEachSquareThenItsOutlineColumnByColumn) {
    Harness h;
    h.setPosition("lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2");
    h->board.at(4, 5) = SITA_UMA;
    h->描画_盤();
    const auto& calls = h.canvas.calls;
    ASSERT_EQ(calls.size(), 162u);
    int i = 0;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r, i += 2) {
            const auto expected = pictureForCode(h->board.at(c, r));
            ASSERT_TRUE(expected.has_value());
            EXPECT_TRUE(isPictureAt(calls[i], *expected, c, r)) << c << "," << r;
            EXPECT_EQ(calls[i + 1].kind, CanvasCall::Outline);
            EXPECT_TRUE(near(calls[i + 1].x, 1050 + 495 * c) && near(calls[i + 1].y, 100 + 615 * r));
            EXPECT_EQ(calls[i + 1].colour, COLOUR_GREEN);
        }
    EXPECT_TRUE(isPictureAt(calls[2 * (3 * 9 + 4)], Picture::SITA_KAKU1, 4, 5));
    EXPECT_TRUE(isPictureAt(calls[2 * (2 * 9 + 5)], Picture::SITA_HU0, 3, 6));
}

TEST(BoardRendering, GridAndFirstColumnRepaintOnlyOutlines) {
    Harness h;
    h->描画_将棋盤桝();
    EXPECT_EQ(h.canvas.of(CanvasCall::Outline).size(), 81u);
    EXPECT_EQ(h.canvas.calls.size(), 81u);
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) EXPECT_EQ(h.canvas.outlinesOfCell(c, r), std::vector<int>{COLOUR_GREEN});
    h.canvas.clear();
    h->描画_桝1列目();
    EXPECT_EQ(h.canvas.calls.size(), 9u);
    for (int r = 1; r <= 9; ++r) EXPECT_EQ(h.canvas.outlinesOfCell(1, r), std::vector<int>{COLOUR_GREEN});
}

struct StandCase {
    const char* name;
    bool lower;
    int column;       // picture column
    int countColumn;  // column of the background tile next to it
    int (*rowOfKind)(int);
};

const StandCase STANDS[] = {
    {"lower", true, 11, 12, [](int k) { return k + 2; }},
    {"upper", false, -1, 0, [](int k) { return 8 - k; }},
};

TEST(HandStands, EachKindOnItsRowWithTheBackgroundBeside) {
    for (const auto& s : STANDS) {
        SCOPED_TRACE(s.name);
        Harness h;
        h->display.background = PIC_RENGA;
        int* hand = s.lower ? h->hands.lower : h->hands.upper;
        for (int k = 1; k <= 7; ++k) hand[k] = (k % 2 == 1) ? k : 0;   // pawn, knight, gold, rook held
        if (s.lower) h->描画_自持盤(); else h->描画_敵持盤();
        const auto& calls = h.canvas.calls;
        for (int k = 1; k <= 7; ++k) {
            const int r = s.rowOfKind(k);
            const int code = s.lower ? -kindCode(k) : kindCode(k);
            const auto empty = std::find_if(calls.begin(), calls.end(),
                                            [&](const CanvasCall& c) { return isPictureAt(c, Picture::KARA_MASU, s.column, r); });
            ASSERT_NE(empty, calls.end()) << "row " << r;
            EXPECT_TRUE(isPictureAt(*(empty + 1), Picture::HAIKEI_RENGA, s.countColumn, r)) << "row " << r;
            const auto piece = std::find_if(calls.begin(), calls.end(), [&](const CanvasCall& c) {
                return isPictureAt(c, *pictureForCode(code), s.column, r);
            });
            const auto outlines = h.canvas.outlinesOfCell(s.column, r);
            if (hand[k] > 0) {
                ASSERT_NE(piece, calls.end()) << "kind " << k;
                EXPECT_GT(piece, empty);
                EXPECT_EQ(outlines, (std::vector<int>{COLOUR_GREEN, COLOUR_GREEN}));
            } else {
                EXPECT_EQ(piece, calls.end()) << "kind " << k;
                EXPECT_EQ(outlines, std::vector<int>{COLOUR_GREEN});
            }
        }
        EXPECT_EQ(h.canvas.of(CanvasCall::Picture).size(), 7u * 2 + 4);
    }
}

TEST(HandStands, CountsAreDrawnWithShadowOnlyForHeldKinds) {
    for (const auto& s : STANDS) {
        SCOPED_TRACE(s.name);
        Harness h;
        int* hand = s.lower ? h->hands.lower : h->hands.upper;
        hand[1] = 3;   // pawns
        hand[7] = 1;   // a rook
        if (s.lower) h->描画_自持盤(); else h->描画_敵持盤();
        const auto texts = h.canvas.texts();
        ASSERT_EQ(texts.size(), 4u);
        const double shadowC = s.countColumn + 0.1;
        for (const int k : {1, 7}) {
            const int r = s.rowOfKind(k);
            const auto shadow = std::find_if(texts.begin(), texts.end(), [&](const auto& t) {
                return near(t.x, 1050 + 495 * shadowC) && near(t.y, 100 + 615 * (r + 0.3));
            });
            ASSERT_NE(shadow, texts.end()) << "no shadow for kind " << k;
            ASSERT_NE(shadow + 1, texts.end());
            const auto& text = *(shadow + 1);
            EXPECT_TRUE(near(text.x, 1050 + 495.0 * s.countColumn) && near(text.y, 100 + 615 * (r + 0.2))) << k;
            EXPECT_EQ(shadow->colour, COLOUR_BLACK);
            EXPECT_EQ(text.colour, 12);
            EXPECT_EQ(shadow->points, 14);
            EXPECT_EQ(text.points, 14);
            EXPECT_EQ(text.text, " " + std::to_string(hand[k]));
            EXPECT_EQ(shadow->text, text.text);
        }
    }
}

TEST(HandStands, EmptyHandsShowEmptySquaresOnly) {
    Harness h;
    h->描画_自持盤();
    h->描画_敵持盤();
    EXPECT_TRUE(h.canvas.texts().empty());
    for (const auto& call : h.canvas.of(CanvasCall::Picture)) {
        const auto [c, r] = cellOf(call.x, call.y);
        if (near(c, 11) || near(c, -1)) {
            EXPECT_EQ(call.picture, Picture::KARA_MASU) << c << "," << r;
        }
    }
}

// Index of the first call satisfying pred, or calls.size().
template <typename Pred>
std::size_t firstIndex(const std::vector<CanvasCall>& calls, Pred pred) {
    return std::find_if(calls.begin(), calls.end(), pred) - calls.begin();
}

TEST(WholeScreenRedraw, BackgroundLabelsStandsBoardThenTitle) {
    Harness h;
    h.setPosition("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
    h->display.background = PIC_UCHU;
    h->画面_再描画();
    const auto& calls = h.canvas.calls;
    ASSERT_GT(calls.size(), 559u);
    for (std::size_t i = 0; i < 559; ++i) ASSERT_EQ(calls[i].picture, Picture::HAIKEI_UCHU) << i;

    const std::size_t lowerStand = firstIndex(calls, [](auto& c) { return isPictureAt(c, Picture::KARA_MASU, 11, 3); });
    const std::size_t upperStand = firstIndex(calls, [](auto& c) { return isPictureAt(c, Picture::KARA_MASU, -1, 1); });
    const std::size_t board = firstIndex(calls, [](auto& c) { return isPictureAt(c, Picture::UE_KYOU0, 1, 1); });
    ASSERT_LT(board, calls.size());
    EXPECT_LT(559u, lowerStand);
    EXPECT_LT(lowerStand, upperStand);
    EXPECT_LT(upperStand, board);
    // The 162 calls of the board follow each other and the title comes last.
    ASSERT_EQ(calls.size(), board + 162 + 1);
    EXPECT_TRUE(isPictureAt(calls.back(), Picture::ZELKORA, 11.2, 0));
    // The column labels come between the background and the stands.
    const std::size_t firstText = firstIndex(calls, [](auto& c) { return c.kind == CanvasCall::Text; });
    EXPECT_LT(559u, firstText);
    EXPECT_LT(firstText, lowerStand);
}

TEST(WholeScreenRedraw, LevelIsDrawnOnlyAgainstTheComputer) {
    Harness h;
    h->display.background = PIC_MIDORI;
    h->画面_再描画();
    const std::size_t withoutGame = h.canvas.calls.size();
    h.canvas.clear();
    h->turn.gameMode = MODE_COM;
    h->画面_再描画();
    const auto& calls = h.canvas.calls;
    EXPECT_GT(calls.size(), withoutGame);
    EXPECT_TRUE(isPictureAt(calls.back(), Picture::ZELKORA, 11.2, 0));
    // Whatever the level adds comes after the board's last outline.
    const auto boardEnd = std::find_if(calls.rbegin(), calls.rend(), [](const CanvasCall& c) {
        return c.kind == CanvasCall::Outline && near(c.x, 1050 + 495 * 9) && near(c.y, 100 + 615 * 9);
    });
    ASSERT_NE(boardEnd, calls.rend());
    EXPECT_GT(boardEnd - calls.rbegin(), 1) << "nothing drawn between the board and the title";
}

TEST(WholeScreenRedraw, UnsetBackgroundTilesTheEmptySquare) {
    Harness h;
    h->display.background = 0;
    h->画面_再描画();
    for (std::size_t i = 0; i < 559; ++i) ASSERT_EQ(h.canvas.calls[i].picture, Picture::KARA_MASU) << i;
}

TEST(RecordPanelLists, VisibilityGoesToThePanelInOrder) {
    Harness h;
    h->描画_可視(true, false, true);
    h->描画_可視(false, false, false);
    EXPECT_EQ(h.panel.log, (std::vector<std::string>{"lists 101", "lists 000"}));
}

}  // namespace
}  // namespace zelkora::testing
