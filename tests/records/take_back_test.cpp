// "待った": after a capture, a drop and a promotion, each followed by the
// computer's reply, and after a move between two humans, everything on the
// board and on the screen is as it was before; the refusals change nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

#include "records/record_format.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

// What the screen shows per grid cell, rebuilt from every call the canvas got:
// the last picture, the last outline colour, and the texts drawn since that
// picture (a text belongs to the cell its top-left corner lies in).
struct Screen {
    using Cell = std::pair<int, int>;
    std::map<Cell, Picture> pictures;
    std::map<Cell, int> outlines;
    std::map<Cell, std::vector<std::pair<std::string, int>>> texts;

    static Cell cellOf(double x, double y) {
        return {static_cast<int>(std::floor((x - 1050) / 495 + 1e-6)), static_cast<int>(std::floor((y - 100) / 615 + 1e-6))};
    }
    explicit Screen(const RecordingCanvas& canvas) {
        int colour = 0;
        for (const CanvasCall& c : canvas.calls) {
            if (c.kind == CanvasCall::Font) colour = c.colour;
            if (c.kind == CanvasCall::Picture) {
                pictures[cellOf(c.x, c.y)] = c.picture;
                texts.erase(cellOf(c.x, c.y));
            }
            if (c.kind == CanvasCall::Outline) outlines[cellOf(c.x, c.y)] = c.colour;
            if (c.kind == CanvasCall::Text) texts[cellOf(c.x, c.y)].push_back({c.text, colour});
        }
    }
};

void expectSameScreen(const Screen& before, const Screen& after) {
    for (int x = -2; x <= 15; ++x)
        for (int y = 1; y <= 9; ++y) {
            const Screen::Cell cell{x, y};
            EXPECT_EQ(before.pictures.count(cell) ? int(before.pictures.at(cell)) : -1,
                      after.pictures.count(cell) ? int(after.pictures.at(cell)) : -1) << "picture " << x << "," << y;
            if (x >= 1 && x <= 9) {
                EXPECT_EQ(before.outlines.at(cell), after.outlines.at(cell)) << "outline " << x << "," << y;
            }
            const auto none = std::vector<std::pair<std::string, int>>{};
            EXPECT_EQ(before.texts.count(cell) ? before.texts.at(cell) : none,
                      after.texts.count(cell) ? after.texts.at(cell) : none) << "texts " << x << "," << y;
        }
}

void click(Harness& h, int c, int r, int button = LEFT_BUTTON) {
    h->Form_MouseDown(button, 0, 1050 + 495 * c + 247, 100 + 615 * r + 307);
}

// Upper king (1, 1), upper gold (5, 3), lower pawn (5, 5), lower king (9, 9),
// plus what each case adds. The opening pair is forced: the pawn steps to
// (5, 4) and the computer must take it with the gold.
struct Case {
    const char* name;
    const char* sfen;
    int fromC, fromR, toC, toR, button;
    int capturedBefore;   // code on the target before the player's move
};

class TakeBackAgainstComputer : public ::testing::TestWithParam<Case> {};

TEST_P(TakeBackAgainstComputer, RestoresBoardListTextsAndOutlines) {
    const Case& c = GetParam();
    Harness h;
    h.start();
    h->SENTE_Click();
    h.setPosition(c.sfen);
    h->画面_再描画();
    click(h, 5, 5);
    click(h, 5, 4);
    ASSERT_EQ(h->moves.count, 2);
    ASSERT_EQ(h->board.at(5, 4), UE_KIN);
    ASSERT_EQ(h->board.at(c.toC, c.toR), c.capturedBefore);

    const std::string position0 = position(*h);
    const Hands hands0 = h->hands;
    const Screen screen0(h.canvas);
    click(h, c.fromC, c.fromR);
    click(h, c.toC, c.toR, c.button);
    ASSERT_EQ(h->moves.count, 4) << "the player's move and the computer's reply";
    ASSERT_EQ(h->turn.kingTaken, NOBODY);

    h.dialogs.shown.clear();
    h.sound.log.clear();
    h->MATTA_Click();
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(position(*h), position0);
    EXPECT_EQ(std::memcmp(&hands0, &h->hands, sizeof hands0), 0);
    EXPECT_EQ(h->moves.count, 2);
    EXPECT_EQ(h->moves.replay, 2);
    EXPECT_EQ(h->moves.moveNumber, 2);
    EXPECT_EQ(h->turn.sideToMove, h->turn.lowerTag);
    EXPECT_EQ(h->sel.clickState, 0);
    expectSameScreen(screen0, Screen(h.canvas));

    // Saving now writes the two moves left.
    h->KIFU_WRITE_Click();
    h.panel.fields = {{1, "g"}};
    h->Command1_Click();
    const LoadedRecord saved = readRecord(std::vector<std::uint8_t>(
        h.files.files.at("./g.棋譜").begin(), h.files.files.at("./g.棋譜").end()));
    ASSERT_EQ(saved.moves.size(), 2u);
    EXPECT_EQ(saved.moves[1].after, UE_KIN);

    // The game goes on: the same move can be made again.
    click(h, c.fromC, c.fromR);
    click(h, c.toC, c.toR, c.button);
    EXPECT_EQ(h->moves.count, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, TakeBackAgainstComputer,
    ::testing::Values(
        // The lance must take the gold.
        Case{"Capture", "k8/9/4g4/9/4P4/9/9/9/4L3K b -", 5, 9, 5, 4, LEFT_BUTTON, UE_KIN},
        // A silver from the hand (screen row 6).
        Case{"Drop", "k8/9/4g4/9/4P4/9/9/9/8K b S", 11, 6, 3, 6, LEFT_BUTTON, EMPTY},
        // The rook enters the zone and promotes.
        Case{"Promotion", "k8/9/4g4/9/4P4/7R1/9/9/8K b -", 8, 6, 8, 2, RIGHT_BUTTON, EMPTY}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TakeBackBetweenHumans, OneMoveAtATimeBackToTheFirst) {
    Harness h;
    h.start();
    h->START_Click();
    const std::string start = position(*h);
    for (const auto& [c, r, button] : {std::tuple{3, 7, LEFT_BUTTON}, {3, 6, LEFT_BUTTON}, {7, 3, LEFT_BUTTON},
                                       {7, 4, LEFT_BUTTON}, {2, 8, LEFT_BUTTON}, {8, 2, RIGHT_BUTTON}})
        click(h, c, r, button);   // ７六歩 ３四歩 ２二角成
    ASSERT_EQ(h->moves.count, 3);
    h->MATTA_Click();
    EXPECT_EQ(h->turn.sideToMove, SENTE) << "the player who made the move is to move again";
    EXPECT_EQ(h->hands.lowerTotal, 0);
    h->MATTA_Click();
    EXPECT_EQ(h->turn.sideToMove, GOTE);
    h->MATTA_Click();
    EXPECT_EQ(position(*h), start);
    EXPECT_EQ(h->moves.moveNumber, 0);
    // No move taken back comes back when the whole screen is drawn again.
    h.canvas.calls.clear();
    h->画面_再描画_状態込み();
    const Screen redrawn(h.canvas);
    for (const Screen::Cell cell : {Screen::Cell{-2, 8}, Screen::Cell{13, 3}})
        EXPECT_EQ(redrawn.texts.count(cell), 0u) << "last-move text at " << cell.first;
    h->MATTA_Click();
    EXPECT_EQ(h.dialogs.shown.back().text, "戻せる手がありません");
}

struct Refusal {
    const char* name;
    void (*setUp)(Harness&);
    const char* text;
};

class TakeBackRefused : public ::testing::TestWithParam<Refusal> {};

TEST_P(TakeBackRefused, PlaysTheRefusalAndChangesNothing) {
    const Refusal& r = GetParam();
    Harness h;
    h.start();
    r.setUp(h);
    const std::string before = position(*h);
    const int count = h->moves.count, side = h->turn.sideToMove;
    h.clearLogs();
    h->MATTA_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, r.text);
    EXPECT_EQ(h.dialogs.shown[0].title, "待った");
    EXPECT_EQ(h.sound.log, std::vector<std::string>{"dsPlay(" + std::to_string(h->sounds.refusal) + ")"});
    EXPECT_EQ(position(*h), before);
    EXPECT_EQ(h->moves.count, count);
    EXPECT_EQ(h->turn.sideToMove, side);
    EXPECT_TRUE(h.canvas.of(CanvasCall::Picture).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TakeBackRefused,
    ::testing::Values(
        Refusal{"NoGame", [](Harness&) {}, "対局中ではありません"},
        Refusal{"NothingYet", [](Harness& h) { h->SENTE_Click(); }, "戻せる手がありません"},
        // Only the computer's opening move is on the list: no move of the player.
        Refusal{"OnlyTheComputersOpening", [](Harness& h) { h->GOTE_Click(); }, "戻せる手がありません"},
        Refusal{"SteppingARecord",
                [](Harness& h) {
                    h->moves.entry[1] = {3, 7, 3, 6, 0, -10, -10};
                    h->moves.replay = 1;
                    h->flags.recordMode = 1;
                    h->AFTER_Click();
                },
                "棋譜ﾓｰﾄﾞではできません"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelkora::testing
