// The human's clicks through the ports: selecting, reselecting, illegal
// targets, the promotion button, moves and drops from both hands.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "tests/game/human_turn_helpers.h"

namespace zelkora::testing {
namespace {

// ---- Selecting ----

TEST(HumanSelection, OwnPieceIsSelectedAndOutlinedInRed) {
    auto h = twoHumans(kStart, 1);
    click(*h, 7, 7);
    Form1& f = **h;
    EXPECT_EQ(f.sel.clickState, 1);
    EXPECT_EQ(f.sel.srcX, 7);
    EXPECT_EQ(f.sel.srcY, 7);
    EXPECT_EQ(f.sel.piece, SITA_HU);
    EXPECT_EQ(h->canvas.outlinesOfCell(7, 7).back(), COLOUR_SELECTED);
    // Guidance is on: the one square the pawn reaches is outlined in white.
    EXPECT_EQ(boardOutlines(h->canvas, COLOUR_WHITE), (std::vector<std::pair<int, int>>{{7, 6}}));
    EXPECT_TRUE(h->dialogs.shown.empty());
}

TEST(HumanSelection, OpponentPieceIsShownButNotSelected) {
    auto h = twoHumans(kStart, 1);
    click(*h, 3, 3);
    Form1& f = **h;
    EXPECT_EQ(f.sel.clickState, 0);
    EXPECT_EQ(f.sel.piece, UE_HU);
    EXPECT_EQ(h->canvas.outlinesOfCell(3, 3).back(), COLOUR_WHITE);
    const auto white = boardOutlines(h->canvas, COLOUR_WHITE);
    EXPECT_NE(std::find(white.begin(), white.end(), std::pair{3, 4}), white.end());
}

TEST(HumanSelection, EmptySquareWithNothingSelectedDoesNothing) {
    auto h = twoHumans(kStart, 1);
    click(*h, 5, 5);
    EXPECT_EQ((*h)->sel.clickState, 0);
    EXPECT_TRUE(h->canvas.of(CanvasCall::Outline).empty());
}

TEST(HumanSelection, AnotherOwnPieceMovesTheSelection) {
    auto h = twoHumans(kStart);
    click(*h, 7, 7);
    h->clearLogs();
    click(*h, 8, 8);
    Form1& f = **h;
    EXPECT_EQ(f.sel.clickState, 1);
    EXPECT_EQ(f.sel.srcX, 8);
    EXPECT_EQ(f.sel.srcY, 8);
    EXPECT_EQ(f.sel.piece, SITA_SYA);
    EXPECT_EQ(h->canvas.outlinesOfCell(7, 7).front(), COLOUR_GREEN);
    EXPECT_EQ(h->canvas.outlinesOfCell(8, 8).back(), COLOUR_SELECTED);
    EXPECT_EQ(f.moves.count, 0);
}

TEST(HumanSelection, AHandPieceSelectionMovesToABoardPiece) {
    auto h = twoHumans("k8/9/9/9/9/9/6P2/9/8K b P 1");
    click(*h, 11, 3);
    ASSERT_EQ((*h)->sel.clickState, 1);
    h->clearLogs();
    click(*h, 7, 7);
    Form1& f = **h;
    EXPECT_EQ(f.sel.clickState, 1);
    EXPECT_EQ(f.sel.srcX, 7);
    EXPECT_EQ(f.sel.piece, SITA_HU);
    // The stand's cell loses its red outline; the board grid does not cover it.
    EXPECT_EQ(h->canvas.outlinesOfCell(11, 3), std::vector<int>{COLOUR_GREEN});
    EXPECT_EQ(h->canvas.outlinesOfCell(7, 7).back(), COLOUR_SELECTED);
}

TEST(HumanSelection, IllegalTargetDropsTheSelectionSilently) {
    // Afterwards the clicked square is outlined, and what stands there shows its reach.
    struct Case { const char* name; int c, r; std::vector<std::pair<int, int>> white; };
    const Case cases[] = {{"two steps", 7, 5, {{7, 5}}},
                          {"sideways", 6, 6, {{6, 6}}},
                          {"unreachable enemy", 7, 3, {{7, 4}, {7, 3}}}};
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        auto h = twoHumans(kStart, 1);
        click(*h, 7, 7);
        const Board before = (*h)->board;
        h->clearLogs();
        click(*h, tc.c, tc.r);
        Form1& f = **h;
        EXPECT_EQ(f.sel.clickState, 0);
        EXPECT_TRUE(h->dialogs.shown.empty());
        EXPECT_TRUE(h->sound.log.empty());
        EXPECT_EQ(f.moves.count, 0);
        EXPECT_EQ(std::memcmp(&before, &f.board, sizeof before), 0);
        EXPECT_EQ(h->canvas.outlinesOfCell(7, 7).front(), COLOUR_GREEN);
        EXPECT_EQ(boardOutlines(h->canvas, COLOUR_WHITE), tc.white);
    }
}

TEST(HumanSelection, ClicksAreMappedWithFloor) {
    // Just left of the grid's origin is cell -1 (the upper hand), not cell 0.
    auto h = twoHumans("k8/9/9/9/9/9/9/9/8K w g 1");
    (*h)->Form_MouseDown(LEFT_BUTTON, 0, 1050 - 10, 100 + 615 * 3 + 1);   // cell (-1, 3): gold, kind 5
    EXPECT_EQ((*h)->sel.clickState, 1);
    EXPECT_EQ((*h)->sel.piece, UE_KIN);
    // The board's left edge belongs to column 1; one twip less is column 0.
    auto g = twoHumans(kStart);
    (*g)->Form_MouseDown(LEFT_BUTTON, 0, 1545 - 0.5, 100 + 615 * 7 + 300);
    EXPECT_EQ((*g)->sel.clickState, 0);
    (*g)->Form_MouseDown(LEFT_BUTTON, 0, 1545, 100 + 615 * 7 + 300);
    EXPECT_EQ((*g)->sel.clickState, 1);
    EXPECT_EQ((*g)->sel.srcX, 1);
}

TEST(HumanSelection, EveryClickClosesTheRecordPanelFirst) {
    auto h = twoHumans(kStart);
    h->panel.drives = h->panel.folders = h->panel.files = true;
    click(*h, 5, 5);
    ASSERT_FALSE(h->panel.log.empty());
    EXPECT_EQ(h->panel.log.front(), "lists 000");
    EXPECT_FALSE(h->panel.drives || h->panel.folders || h->panel.files);
}

// ---- Making a move ----

// The texts drawn, without the turn text that follows every move between two humans.
std::vector<RecordingCanvas::DrawnText> moveTexts(const RecordingCanvas& canvas) {
    std::vector<RecordingCanvas::DrawnText> out;
    for (const auto& t : canvas.texts())
        if (t.text != "先手の番" && t.text != "後手の番") out.push_back(t);
    return out;
}

TEST(HumanMove, APlainMoveIsRecordedMadeAndAnnounced) {
    auto h = twoHumans(kStart);
    click(*h, 7, 7);
    h->clearLogs();
    click(*h, 7, 6);
    Form1& f = **h;
    EXPECT_EQ(f.board.at(7, 6), SITA_HU);
    EXPECT_EQ(f.board.at(7, 7), EMPTY);
    ASSERT_EQ(f.moves.count, 1);
    const MoveRecord& m = f.moves.entry[1];
    EXPECT_EQ(std::tie(m.fromX, m.fromY, m.toX, m.toY, m.captured, m.before, m.after),
              std::make_tuple(7, 7, 7, 6, 0, SITA_HU, SITA_HU));
    EXPECT_EQ(f.moves.moveNumber, 1);
    EXPECT_EQ(f.sel.clickState, 0);
    EXPECT_EQ(f.turn.sideToMove, GOTE);
    EXPECT_EQ(h->sound.log, std::vector<std::string>{played(*h, f.sounds.placed)});
    // Move number, then the lower side's last move ３六歩 at cell (13, 3), in white.
    std::vector<std::string> white;
    for (const auto& t : h->canvas.texts())
        if (t.colour == COLOUR_WHITE) white.push_back(t.text);
    EXPECT_EQ(white, (std::vector<std::string>{" 1", "手目", "３", "六", "歩", "後手の番"}));
    const auto texts = moveTexts(h->canvas);
    EXPECT_DOUBLE_EQ(texts.back().x, 1050 + 495 * 14.2);
    EXPECT_DOUBLE_EQ(texts.back().y, 100 + 615 * 3.4);
    // The window is refreshed once the last move is written.
    const auto last = std::find_if(h->canvas.calls.rbegin(), h->canvas.calls.rend(),
                                   [](const CanvasCall& c) { return c.kind == CanvasCall::Text && c.text == "歩"; });
    EXPECT_TRUE(std::any_of(h->canvas.calls.rbegin(), last,
                            [](const CanvasCall& c) { return c.kind == CanvasCall::Refresh; }));
}

TEST(HumanMove, TheTurnAlternatesBetweenTheTwoPlayers) {
    auto h = twoHumans(kStart);
    click(*h, 7, 7);
    click(*h, 7, 6);
    click(*h, 3, 7);   // a lower pawn on the upper player's turn: shown only
    EXPECT_EQ((*h)->sel.clickState, 0);
    click(*h, 3, 3);
    click(*h, 3, 4);
    EXPECT_EQ((*h)->board.at(3, 4), UE_HU);
    EXPECT_EQ((*h)->turn.sideToMove, SENTE);
    EXPECT_EQ((*h)->moves.count, 2);
    EXPECT_EQ((*h)->moves.moveNumber, 2);
    // The upper side's last move ７四歩 goes to cell (-2, 8).
    const auto texts = moveTexts(h->canvas);
    EXPECT_EQ(texts.back().text, "歩");
    EXPECT_DOUBLE_EQ(texts.back().x, 1050 + 495 * -0.8);
    EXPECT_DOUBLE_EQ(texts.back().y, 100 + 615 * 8.4);
}

// The promotion button: left never promotes, right promotes where possible.
struct PromotionCase {
    const char* name;
    const char* sfen;
    int fromC, fromR, toC, toR, button;
    int expected;        // code on the target afterwards, 0 when refused
};

class HumanPromotion : public ::testing::TestWithParam<PromotionCase> {};

TEST_P(HumanPromotion, FollowsTheButton) {
    const PromotionCase& p = GetParam();
    auto h = twoHumans(p.sfen);
    click(*h, p.fromC, p.fromR);
    const int piece = (*h)->board.at(p.fromC, p.fromR);
    h->clearLogs();
    click(*h, p.toC, p.toR, p.button);
    Form1& f = **h;
    if (p.expected == 0) {
        ASSERT_EQ(h->dialogs.shown.size(), 1u);
        EXPECT_EQ(h->dialogs.shown[0].text, "マウスの右をクリックして下さい");
        EXPECT_EQ(h->dialogs.shown[0].title, "成り");
        EXPECT_EQ(h->sound.log, std::vector<std::string>{played(*h, f.sounds.refusal)});
        EXPECT_EQ(f.sel.clickState, 1);
        EXPECT_EQ(f.board.at(p.fromC, p.fromR), piece);
        EXPECT_EQ(f.moves.count, 0);
        EXPECT_EQ(f.moves.moveNumber, 0);
    } else {
        EXPECT_TRUE(h->dialogs.shown.empty());
        EXPECT_EQ(f.board.at(p.toC, p.toR), p.expected);
        ASSERT_EQ(f.moves.count, 1);
        EXPECT_EQ(f.moves.entry[1].before, piece);
        EXPECT_EQ(f.moves.entry[1].after, p.expected);
        EXPECT_EQ(moveTexts(h->canvas).back().text, f.文字列変換(p.expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HumanPromotion,
    ::testing::Values(
        PromotionCase{"PawnToLastRowLeftRefused", "k8/2P6/9/9/9/9/9/9/8K b - 1", 3, 2, 3, 1, LEFT_BUTTON, 0},
        PromotionCase{"PawnToLastRowRightPromotes", "k8/2P6/9/9/9/9/9/9/8K b - 1", 3, 2, 3, 1, RIGHT_BUTTON, SITA_TO},
        PromotionCase{"KnightToRowTwoLeftRefused", "k8/9/9/3N5/9/9/9/9/8K b - 1", 4, 4, 3, 2, LEFT_BUTTON, 0},
        PromotionCase{"UpperLanceToRowNineLeftRefused", "k8/3l5/9/9/9/9/9/9/K8 w - 1", 4, 2, 4, 9, LEFT_BUTTON, 0},
        PromotionCase{"UpperLanceToRowNineRightPromotes", "k8/3l5/9/9/9/9/9/9/K8 w - 1", 4, 2, 4, 9, RIGHT_BUTTON,
                      UE_NARIKYOU},
        PromotionCase{"SilverIntoZoneLeftStaysPlain", "k8/9/9/3S5/9/9/9/9/8K b - 1", 4, 4, 4, 3, LEFT_BUTTON, SITA_GIN},
        PromotionCase{"SilverIntoZoneRightPromotes", "k8/9/9/3S5/9/9/9/9/8K b - 1", 4, 4, 4, 3, RIGHT_BUTTON,
                      SITA_NARIGIN},
        PromotionCase{"RightClickOutsideZoneMovesPlain", "k8/9/9/9/9/9/4P4/9/8K b - 1", 5, 7, 5, 6, RIGHT_BUTTON,
                      SITA_HU},
        PromotionCase{"GoldNeverPromotes", "k8/9/9/3G5/9/9/9/9/8K b - 1", 4, 4, 4, 3, RIGHT_BUTTON, SITA_KIN}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Drops ----

TEST(HumanDrop, FromTheLowerHandOnTheLowerTurn) {
    auto h = twoHumans("k8/9/9/9/9/9/9/9/8K b 2P 1", 1);
    click(*h, 11, 3);
    Form1& f = **h;
    ASSERT_EQ(f.sel.clickState, 1);
    EXPECT_EQ(f.sel.piece, SITA_HU);
    EXPECT_EQ(h->canvas.outlinesOfCell(11, 3).back(), COLOUR_SELECTED);
    // A lower pawn may be dropped on every empty square but the top row.
    EXPECT_EQ(boardOutlines(h->canvas, COLOUR_WHITE).size(), 9u * 8 - 1);
    click(*h, 4, 5);
    EXPECT_EQ(f.board.at(4, 5), SITA_HU);
    EXPECT_EQ(f.hands.lower[1], 1);
    EXPECT_EQ(f.hands.lowerTotal, 1);
    const MoveRecord& m = f.moves.entry[1];
    EXPECT_EQ(std::tie(m.fromX, m.fromY, m.toX, m.toY, m.before, m.after),
              std::make_tuple(LOWER_HAND_X, 3, 4, 5, SITA_HU, SITA_HU));
    EXPECT_EQ(f.turn.sideToMove, GOTE);
}

TEST(HumanDrop, FromTheUpperHandOnTheUpperTurn) {
    auto h = twoHumans("k8/9/9/9/9/9/9/9/8K w g 1");
    click(*h, -1, 3);   // row 3 of the upper stand holds kind 5, gold
    Form1& f = **h;
    ASSERT_EQ(f.sel.clickState, 1);
    EXPECT_EQ(f.sel.piece, UE_KIN);
    click(*h, 5, 5);
    EXPECT_EQ(f.board.at(5, 5), UE_KIN);
    EXPECT_EQ(f.hands.upper[5], 0);
    EXPECT_EQ(f.hands.upperTotal, 0);
    // The record keeps the screen row of the stand.
    const MoveRecord& m = f.moves.entry[1];
    EXPECT_EQ(std::tie(m.fromX, m.fromY, m.before, m.after), std::make_tuple(UPPER_HAND_X, 3, UE_KIN, UE_KIN));
    EXPECT_EQ(f.turn.sideToMove, SENTE);
}

TEST(HumanDrop, TheOpponentsHandIsOnlyShown) {
    struct Case { const char* sfen; int c, r, piece; };
    for (Case tc : {Case{"k8/9/9/9/9/9/9/9/8K b r 1", -1, 1, UE_SYA}, Case{"k8/9/9/9/9/9/9/9/8K w N 1", 11, 5, SITA_KEI}}) {
        SCOPED_TRACE(tc.sfen);
        auto h = twoHumans(tc.sfen, 1);
        click(*h, tc.c, tc.r);
        Form1& f = **h;
        EXPECT_EQ(f.sel.clickState, 0);
        EXPECT_EQ(f.sel.piece, tc.piece);
        EXPECT_EQ(h->canvas.outlinesOfCell(tc.c, tc.r).back(), COLOUR_WHITE);
        EXPECT_FALSE(boardOutlines(h->canvas, COLOUR_WHITE).empty());
        // The next click on an empty square does not drop it.
        click(*h, 5, 5);
        EXPECT_EQ(f.board.at(5, 5), EMPTY);
        EXPECT_EQ(f.moves.count, 0);
    }
}

TEST(HumanDrop, AnEmptyHandCellKeepsTheSelection) {
    auto h = twoHumans(kStart, 1);
    click(*h, 7, 7);
    h->clearLogs();
    click(*h, 11, 4);   // the lower stand's lance cell, empty
    Form1& f = **h;
    EXPECT_EQ(f.sel.clickState, 1);
    EXPECT_EQ(f.sel.srcX, 7);
    // The old highlights were hidden and the source outline cleared.
    EXPECT_EQ(h->canvas.outlinesOfCell(7, 7).back(), COLOUR_GREEN);
    EXPECT_TRUE(boardOutlines(h->canvas, COLOUR_WHITE).empty());
    click(*h, 7, 6);
    EXPECT_EQ(f.board.at(7, 6), SITA_HU);
}

TEST(HumanMove, AFullMoveListRefusesTheMove) {
    auto h = twoHumans(kStart);
    Form1& f = **h;
    f.moves.count = MoveList::MAX;
    click(*h, 7, 7);
    h->clearLogs();
    click(*h, 7, 6);
    EXPECT_EQ(f.moves.count, MoveList::MAX);
    EXPECT_EQ(f.board.at(7, 7), SITA_HU);
    EXPECT_EQ(f.board.at(7, 6), EMPTY);
    EXPECT_EQ(f.moves.moveNumber, 0);
    ASSERT_EQ(h->dialogs.shown.size(), 1u);
    EXPECT_EQ(count(h->sound.log, played(*h, f.sounds.refusal)), 1);
}

}  // namespace
}  // namespace zelkora::testing
