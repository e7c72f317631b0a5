// "ヒント": the move `zelkora-cli bestmove --level 5` chooses on the position
// turned round (as is for the upper player), outlined and written, not made;
// the next click takes it off; off the player's turn it is refused.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/commands.h"
#include "game/sfen.h"
#include "records/record_format.h"
#include "records/replay_steps.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

void click(Harness& h, int c, int r) { h->Form_MouseDown(LEFT_BUTTON, 0, 1050 + 495 * c + 247, 100 + 615 * r + 307); }

// What the command-line engine answers for the position of the player to move.
MoveRecord bestmoveFor(const std::string& sfen, bool lowerPlayer) {
    Position p;
    std::string error;
    EXPECT_TRUE(parseSfen(sfen, p, error)) << error;
    if (lowerPlayer) reversePosition(p.board, p.hands);
    std::istringstream in(formatSfen(p.board, p.hands, false, 1));
    std::ostringstream out, err;
    EXPECT_EQ(cli::bestmoveCommand({"--level", "5"}, in, out, err), 0);
    return parseMoveLine(out.str().substr(0, 17));
}

struct HintCase {
    const char* name;
    const char* sfen;
    int mode;
};

class Hint : public ::testing::TestWithParam<HintCase> {};

TEST_P(Hint, IsTheStrongestMoveForThePlayerAndIsOnlyShown) {
    const HintCase& c = GetParam();
    Harness h;
    h.start();
    if (c.mode == MODE_COM) h->SENTE_Click();
    else h->START_Click();
    h.setPosition(c.sfen);
    const bool lower = h->turn.sideToMove == h->turn.lowerTag;
    const std::string before = position(*h);
    h.clearLogs();
    h->HINT_Click();

    MoveRecord m = bestmoveFor(c.sfen, lower);
    ASSERT_TRUE(h->display.hintShown);
    const MoveRecord& hint = h->display.hint;
    if (lower) {
        // Turned back: squares through the centre, codes negated.
        EXPECT_EQ(hint.toX, 10 - m.toX);
        EXPECT_EQ(hint.toY, 10 - m.toY);
        EXPECT_EQ(hint.after, -m.after);
        if (m.fromX == UPPER_HAND_X) EXPECT_EQ(hint.fromX, LOWER_HAND_X);
        else EXPECT_EQ(std::make_pair(hint.fromX, hint.fromY), std::make_pair(10 - m.fromX, 10 - m.fromY));
    } else {
        EXPECT_EQ(std::tie(hint.fromX, hint.fromY, hint.toX, hint.toY, hint.after),
                  std::tie(m.fromX, m.fromY, m.toX, m.toY, m.after));
    }

    // Nothing is made, nothing else is drawn: the two outlines in the hint's
    // colour, the text cells left of the board and the outline they touch.
    EXPECT_EQ(position(*h), before);
    EXPECT_EQ(h->moves.count, 0);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_TRUE(h.sound.log.empty());
    std::vector<int> hintOutlines;
    for (const auto& call : h.canvas.of(CanvasCall::Outline)) {
        if (call.colour == COLOUR_HINT) hintOutlines.push_back(1);
        else EXPECT_EQ(call.colour, COLOUR_GREEN);
    }
    EXPECT_EQ(hintOutlines.size(), 2u);
    for (const auto& call : h.canvas.of(CanvasCall::Picture)) EXPECT_LT(call.x, 1050 + 495 * 1) << "only left of the board";
    const std::string text = h->文字列変換(10 - hint.toX) + h->文字列変換(hint.toY + 1000) + h->文字列変換(hint.after);
    EXPECT_EQ(h.canvas.texts().back().text, text);
    EXPECT_EQ(h.canvas.texts().back().colour, COLOUR_HINT);

    // The next click takes it off.
    h.clearLogs();
    click(h, 5, 5);
    EXPECT_FALSE(h->display.hintShown);
    EXPECT_EQ(h.canvas.outlinesOfCell(hint.toX, hint.toY).front(), COLOUR_GREEN);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, Hint,
    // Positions the search settles within a few plies (a king offered to be
    // taken), so its answer never depends on how busy the machine is.
    ::testing::Values(
        // A gold dropped beside the gold that shields the lance: taking it opens the file.
        HintCase{"LowerDropAgainstTheComputer", "4l3k/9/4g4/9/9/9/9/9/4K4 b G", MODE_COM},
        // The king steps into the rook's file.
        HintCase{"LowerKingBetweenHumans", "9/9/9/9/3r5/9/9/9/4K3k b -", MODE_MAN},
        HintCase{"UpperDropBetweenHumans", "4k4/9/9/9/9/9/4G4/9/K3L4 w g", MODE_MAN}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HintRefused, WhenNoGameRuns) {
    Harness h;
    h.start();
    h.clearLogs();
    h->HINT_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].title, "ヒント");
    EXPECT_EQ(h.sound.log, std::vector<std::string>{"dsPlay(" + std::to_string(h->sounds.refusal) + ")"});
    EXPECT_FALSE(h->display.hintShown);
    EXPECT_TRUE(h.canvas.calls.empty());
}

}  // namespace
}  // namespace zelkora::testing
