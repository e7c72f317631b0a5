// The keyboard cursor on Form1 with recording fakes: a two-human game played
// with keys only ends where the same game played with the mouse ends, with
// the same boxes; the cursor's own moves; Escape; where the cursor is placed.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "keyboard/form_keyboard.h"
#include "tests/game/human_turn_helpers.h"

namespace zelkora::testing {
namespace {

// Lower pawn 7g (3,7) faces upper pawn 7e (3,5); a lower lance on 1c (9,3)
// can reach the last rank; the lower player holds a pawn.
const char* const GAME = "4k4/9/8L/9/2p6/9/2P6/9/4K4 b P 1";

// One step of the game: a cell and the button a click there uses. Tab steps
// onto the stand; the keys get there by arrows.
struct Step {
    int c, r, button;
};
const Step STEPS[] = {
    {3, 7, LEFT_BUTTON}, {3, 6, LEFT_BUTTON},    // a move: the pawn forward
    {3, 5, LEFT_BUTTON}, {3, 6, LEFT_BUTTON},    // a capture, compulsory for the upper side
    {9, 3, LEFT_BUTTON}, {9, 1, LEFT_BUTTON},    // refused: the lance must promote
    {9, 1, RIGHT_BUTTON},                        // the promotion (Shift+Enter)
    {3, 6, LEFT_BUTTON}, {3, 7, LEFT_BUTTON},    // the upper pawn forward
    {11, 3, LEFT_BUTTON}, {5, 5, LEFT_BUTTON},   // a drop from the lower stand
};

// Presses arrows (and Tab between board and stand) until the cursor stands on (c, r).
void walkTo(KeyboardCursor& k, int c, int r) {
    const bool stand = c < 1 || c > 9;
    if (stand != k.onStand()) k.press(Key::Tab);
    for (int i = 0; i < 20 && k.column() != c; ++i) k.press(k.column() < c ? Key::Right : Key::Left);
    for (int i = 0; i < 20 && k.row() != r; ++i) k.press(k.row() < r ? Key::Down : Key::Up);
}

TEST(KeyboardGame, KeysPlayTheSameGameAsTheMouse) {
    auto mouse = twoHumans(GAME);
    for (const Step& s : STEPS) click(*mouse, s.c, s.r, s.button);

    auto keys = twoHumans(GAME);
    FormKeyboard keyboard(**keys);
    KeyboardCursor& k = keyboard.cursor();
    k.press(Key::Down);   // the first key shows the cursor on the lower king
    ASSERT_EQ(std::pair(k.column(), k.row()), std::pair(5, 9));
    for (const Step& s : STEPS) {
        walkTo(k, s.c, s.r);
        ASSERT_EQ(std::pair(k.column(), k.row()), std::pair(s.c, s.r));
        k.press(s.button == RIGHT_BUTTON ? Key::ShiftEnter : Key::Enter);
    }

    EXPECT_EQ(position(**keys), position(**mouse));
    EXPECT_EQ(position(**keys), "4k3+L/9/9/9/4P4/9/2p6/9/4K4 b p");
    EXPECT_EQ((*keys)->moves.count, 5);
    ASSERT_EQ(keys->dialogs.shown.size(), mouse->dialogs.shown.size());
    ASSERT_EQ(keys->dialogs.shown.size(), 1u);
    EXPECT_EQ(keys->dialogs.shown[0].text, mouse->dialogs.shown[0].text);
    // The mark stands on the last cell: three rings inside the square (5, 5).
    ASSERT_FALSE(keys->canvas.marks.empty());
    const auto& mark = keys->canvas.marks.back();
    ASSERT_EQ(mark.size(), 3u);
    EXPECT_EQ(mark[1].colour, COLOUR_CURSOR);
    EXPECT_GT(mark[0].x1, (*keys)->geo.cellX(5));
    EXPECT_LT(mark[0].x2, (*keys)->geo.cellX(6));
    EXPECT_GT(mark[0].y1, (*keys)->geo.cellY(5));
    EXPECT_LT(mark[0].y2, (*keys)->geo.cellY(6));
}

// Where each key takes the cursor from where it stands (shown already).
TEST(KeyboardCursorMoves, ArrowsStopAtEdgesAndStandsSwitch) {
    struct Case {
        const char* name;
        std::pair<int, int> from;
        std::vector<Key> keys;
        std::pair<int, int> to;
    };
    const Case cases[] = {
        {"left edge", {1, 4}, {Key::Left}, {1, 4}},
        {"bottom edge", {4, 9}, {Key::Down, Key::Down}, {4, 9}},
        {"diagonal", {4, 4}, {Key::Up, Key::Right}, {5, 3}},
        {"tab to the lower stand's pawn", {4, 4}, {Key::Tab}, {11, 3}},
        {"tab back to the square left", {4, 4}, {Key::Tab, Key::Down, Key::Tab}, {4, 4}},
        {"stand stops at the rook", {4, 4}, {Key::Tab, Key::Down, Key::Down, Key::Down, Key::Down, Key::Down,
                                             Key::Down, Key::Down, Key::Down}, {11, 9}},
        {"left to the upper stand", {4, 4}, {Key::Tab, Key::Left}, {-1, 3}},
        {"upper stand stops at its last row", {4, 4}, {Key::Tab, Key::Down, Key::Down, Key::Down, Key::Down,
                                                       Key::Down, Key::Down, Key::Left}, {-1, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto h = twoHumans(GAME);
        FormKeyboard keyboard(**h);
        KeyboardCursor& k = keyboard.cursor();
        k.press(Key::Up);   // shows only
        k.placeOnBoard(c.from.first, c.from.second);
        for (Key key : c.keys) k.press(key);
        EXPECT_EQ(std::pair(k.column(), k.row()), c.to);
    }
}

TEST(KeyboardEscape, DropsASelectionFirstThenAsksToQuit) {
    auto h = twoHumans(GAME);
    (*h)->moves.unsaved = true;
    FormKeyboard keyboard(**h);
    KeyboardCursor& k = keyboard.cursor();
    k.press(Key::Up);
    k.placeOnBoard(3, 7);
    k.press(Key::Enter);
    ASSERT_EQ((*h)->sel.clickState, 1);
    k.press(Key::Escape);
    EXPECT_EQ((*h)->sel.clickState, 0);
    EXPECT_TRUE(h->dialogs.shown.empty());
    EXPECT_EQ(h->canvas.outlinesOfCell(3, 7).back(), COLOUR_GREEN);
    h->dialogs.answers.push_back(Answer::No);
    k.press(Key::Escape);
    ASSERT_EQ(h->dialogs.shown.size(), 1u);
    EXPECT_EQ(h->window.quits, 0);
}

TEST(KeyboardPlacement, StartsOnTheKingAndFollowsTheComputersReply) {
    Harness h;
    h.start();
    FormKeyboard keyboard(*h);
    h->io.news.push_back(&keyboard);
    KeyboardCursor& k = keyboard.cursor();
    EXPECT_EQ(std::pair(k.column(), k.row()), std::pair(5, 9));
    h->レベル_設定(1);
    h->SENTE_Click();
    k.press(Key::Up);
    walkTo(k, 3, 7);
    k.press(Key::Enter);
    k.press(Key::Up);
    k.press(Key::Enter);
    ASSERT_EQ(h->moves.count, 2);
    const MoveRecord& reply = h->moves.entry[2];
    EXPECT_EQ(std::pair(k.column(), k.row()), std::pair(reply.toX, reply.toY));
    EXPECT_EQ(h.canvas.marks.back()[0].x1, h->geo.cellX(reply.toX) + 15);
}

}  // namespace
}  // namespace zelkora::testing
