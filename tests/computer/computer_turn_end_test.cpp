// What the player sees when the computer's turn ends the game: the move that
// took his king on the board, outlined and in notation, "思考中" gone, all of
// it on screen before the first box.
#include <gtest/gtest.h>

#include <algorithm>

#include "display/pictures.h"
#include "tests/common/screen.h"

namespace zelkora::testing {
namespace {

struct EndingTurn {
    const char* what;
    const char* sfen;          // the computer (upper side) to move
    const char* firstBox;
    bool moves;                // the computer plays a move before the box
};

const EndingTurn kEndings[] = {
    {"the computer takes the human's king", "k8/4l4/9/3PgP3/3GKG3/3SSP3/9/9/9 w - 1", "あなたの勝ちです", true},
    {"the computer has no legal move", "9/9/9/9/4K4/9/9/9/p8 w - 1", "コンピュータは指す手がありません", false},
};

TEST(ComBanEnding, TheScreenIsCompleteBeforeTheFirstBox) {
    for (const EndingTurn& e : kEndings) {
        SCOPED_TRACE(e.what);
        Harness h;
        h.start();
        h.setPosition(e.sfen);
        Form1& f = *h;
        f.turn = TurnState{GOTE, SENTE, SENTE, MODE_COM, NOBODY};
        SnapshotDialogs boxes(h.canvas);
        f.io.dialogs = &boxes;
        h.clearLogs();

        f.com_ban();

        ASSERT_FALSE(boxes.seen.empty());
        const auto& first = boxes.seen.front();
        EXPECT_EQ(first.text, e.firstBox);
        EXPECT_TRUE(first.refreshed) << "what was drawn is shown before the box";
        const auto texts = textsOnScreen(h.canvas, first.calls);
        EXPECT_FALSE(textOnScreen(texts, "思考中"));
        if (!e.moves) continue;

        const MoveRecord& m = f.moves.entry[1];
        ASSERT_EQ(m.captured, SITA_OU);
        EXPECT_EQ(pictureOnCell(h.canvas, m.toX, m.toY, first.calls), pictureForCode(m.after));
        std::vector<int> outlines;
        for (std::size_t i = 0; i < first.calls; ++i) {
            const CanvasCall& c = h.canvas.calls[i];
            if (c.kind == CanvasCall::Outline && c.x == 1050 + 495.0 * m.toX && c.y == 100 + 615.0 * m.toY)
                outlines.push_back(c.colour);
        }
        ASSERT_FALSE(outlines.empty());
        EXPECT_EQ(outlines.back(), COLOUR_WHITE);
        for (const std::string& part : {f.文字列変換(10 - m.toX), f.文字列変換(1000 + m.toY), f.文字列変換(m.after)})
            EXPECT_TRUE(textOnScreen(texts, part)) << part;
    }
}

}  // namespace
}  // namespace zelkora::testing
