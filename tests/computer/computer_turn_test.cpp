// The computer's turn: which move the search chooses (scan order, ties,
// promotion, compulsory capture, early stops) and what com_ban shows and
// records around it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/computer/trial.h"

namespace zelkora::testing {
namespace {

// ---- The search alone ----

struct SearchCase {
    const char* what;
    const char* sfen;
    int level;
    MoveRecord chosen;   // fromX, fromY, toX, toY, captured, before, after
    double score;
    int trials;          // positions scored; shows where the search stopped
};

const SearchCase kSearch[] = {
    {"equal scores: the first move in scan order (pawn on column 1) is kept",
     "4k4/9/9/p8/9/9/9/9/8K w - 1", 1, {1, 4, 1, 5, 0, UE_HU, UE_HU}, 0, 6},
    {"two silvers promote for the same score: the one met first is played",
     "9/9/9/9/9/1s5s1/9/9/4k3K w - 1", 1, {2, 6, 1, 7, 0, UE_GIN, UE_NARIGIN}, 10, 21},
    {"promoting and not promoting tie at 9998: the piece stays unpromoted",
     "4k4/9/9/9/9/9/4s4/9/K3R4 w - 1", 1, {5, 7, 4, 6, 0, UE_GIN, UE_GIN}, 9998, 15},
    {"a pawn reaching row 9 is tried promoted only",
     "8K/9/9/9/9/9/1k7/2p6/3B5 w - 1", 1, {3, 8, 3, 9, 0, UE_HU, UE_TO}, 9998, 8},
    {"a capture is compulsory: only the strongest piece's square, no drop",
     "4k4/9/9/3s5/2RP5/9/9/9/8K w p 1", 3, {4, 4, 3, 5, SITA_SYA, UE_GIN, UE_GIN}, -900, 1},
    {"taking the human's king ends the search at once",
     "4k4/9/9/4gg3/4K4/9/9/9/9 w p 1", 3, {5, 4, 5, 5, SITA_OU, UE_KIN, UE_KIN}, -9999, 1},
    {"a drop leaving the king to the human ends the search",
     "k8/9/1N7/9/9/9/9/9/8K w p 1", 1, {-1, 1, 1, 2, 0, UE_HU, UE_HU}, 9998, 4},
    {"board moves scoring 9998 do not end it; the first drop after them does",
     "k8/9/1N7/9/2p4g1/9/9/9/8K w p 1", 1, {3, 5, 3, 6, 0, UE_HU, UE_HU}, 9998, 11},
};

TEST(ComputerSearch, ChoosesAndStops) {
    for (const SearchCase& c : kSearch) {
        auto h = positionHarness(c.sfen);
        Form1& f = **h;
        f.flags.level = c.level;
        const Board before = f.board;
        f.comSearch();
        ASSERT_TRUE(f.com.chosenValid) << c.what;
        const MoveRecord& m = f.com.chosen;
        EXPECT_EQ(std::vector<int>({m.fromX, m.fromY, m.toX, m.toY, m.captured, m.before, m.after}),
                  std::vector<int>({c.chosen.fromX, c.chosen.fromY, c.chosen.toX, c.chosen.toY,
                                    c.chosen.captured, c.chosen.before, c.chosen.after}))
            << c.what;
        EXPECT_EQ(f.com.bestScore, c.score) << c.what;
        EXPECT_EQ(f.com.trials, c.trials) << c.what;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) EXPECT_EQ(f.board.at(x, y), before.at(x, y)) << c.what;
    }
}

TEST(ComputerSearch, HandsAreUntouchedByTrials) {
    auto h = positionHarness("k8/9/9/9/9/9/9/9/8K w 2p 1");
    (*h)->comSearch();
    EXPECT_EQ((*h)->hands.upper[1], 2);
    EXPECT_EQ((*h)->hands.upperTotal, 2);
    // Only drops were possible besides the king's three steps.
    EXPECT_GT((*h)->com.trials, 3);
}

TEST(ComputerSearch, NoLegalMoveChoosesNothing) {
    auto h = positionHarness("9/9/9/9/4K4/9/9/9/p8 w - 1");
    (*h)->comSearch();
    EXPECT_FALSE((*h)->com.chosenValid);
    EXPECT_EQ((*h)->com.bestScore, -99999);
    EXPECT_EQ((*h)->com.trials, 0);
}

// ---- The whole turn ----

// A started program with a game against the computer on the given position,
// the computer (upper side) to move.
std::unique_ptr<Harness> comGame(const char* sfen) {
    auto h = std::make_unique<Harness>();
    h->start();
    if (sfen) h->setPosition(sfen);
    Form1& f = **h;
    f.turn.gameMode = MODE_COM;
    f.turn.lowerTag = GOTE;
    f.turn.upperTag = SENTE;
    f.turn.sideToMove = SENTE;
    h->clearLogs();
    return h;
}

std::vector<std::string> messages(const Harness& h) {
    std::vector<std::string> out;
    for (const Message& m : h.dialogs.shown) out.push_back(m.text + "|" + m.title);
    return out;
}

bool drawnAt(const Harness& h, double c, double r, const std::string& text, int colour) {
    const double x = 1050 + 495 * c, y = 100 + 615 * r;
    for (const auto& t : h.canvas.texts())
        if (t.text == text && t.colour == colour && std::abs(t.x - x) < 0.01 && std::abs(t.y - y) < 0.01)
            return true;
    return false;
}

TEST(ComBan, OpeningMoveIsShownRecordedAndHandedOver) {
    auto h = comGame(nullptr);
    Form1& f = **h;
    // The same position searched on its own gives the move the turn must play.
    auto reference = positionHarness("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1");
    (*reference)->comSearch();
    const MoveRecord expected = (*reference)->com.chosen;

    f.com_ban();

    EXPECT_TRUE(drawnAt(*h, -1.5, 8.5, "思考中", COLOUR_BLACK));
    EXPECT_TRUE(drawnAt(*h, -1.6, 8.4, "思考中", COLOUR_WHITE));
    // The window is refreshed after "思考中" and before anything of the move is drawn.
    const auto& calls = h->canvas.calls;
    const auto thinking = std::find_if(calls.begin(), calls.end(), [](const CanvasCall& c) {
        return c.kind == CanvasCall::Text && c.text == "思考中" && c.colour == COLOUR_WHITE;
    });
    const auto refresh = std::find_if(thinking, calls.end(),
                                      [](const CanvasCall& c) { return c.kind == CanvasCall::Refresh; });
    const auto moveNumber = std::find_if(calls.begin(), calls.end(),
                                         [](const CanvasCall& c) { return c.kind == CanvasCall::Text && c.text == "手目"; });
    ASSERT_NE(thinking, calls.end());
    ASSERT_NE(refresh, calls.end());
    EXPECT_LT(refresh - calls.begin(), moveNumber - calls.begin());
    // One half-second wait, on the worker's timer.
    EXPECT_EQ(h->worker.waits, std::vector<double>({0.5}));

    ASSERT_EQ(f.moves.count, 1);
    const MoveRecord& r = f.moves.entry[1];
    EXPECT_EQ(std::vector<int>({r.fromX, r.fromY, r.toX, r.toY, r.before, r.after}),
              std::vector<int>({expected.fromX, expected.fromY, expected.toX, expected.toY, expected.before,
                                expected.after}));
    EXPECT_EQ(f.board.at(r.toX, r.toY), r.after);
    EXPECT_EQ(f.moves.moveNumber, 1);
    EXPECT_EQ(f.turn.sideToMove, f.turn.lowerTag);
    const std::string placed = "dsPlay(" + std::to_string(f.sounds.placed) + ")";
    EXPECT_NE(std::find(h->sound.log.begin(), h->sound.log.end(), placed), h->sound.log.end());
    const auto outlines = h->canvas.outlinesOfCell(r.toX, r.toY);
    ASSERT_FALSE(outlines.empty());
    EXPECT_EQ(outlines.back(), COLOUR_WHITE);
    // The move in notation left of the board: column digit, row numeral, piece.
    EXPECT_TRUE(drawnAt(*h, -1.8, 8.4, f.文字列変換(10 - r.toX), COLOUR_WHITE));
    EXPECT_TRUE(drawnAt(*h, -0.8, 8.4, f.文字列変換(r.after), COLOUR_WHITE));
    EXPECT_TRUE(h->dialogs.shown.empty());
}

TEST(ComBan, Announcements) {
    const struct {
        const char* what;
        const char* sfen;
        std::vector<std::string> shown;
        bool humanToMove;
    } cases[] = {
        {"a compulsory capture that gives check", "k8/4r4/9/9/4P4/9/9/9/4K4 w - 1",
         {"   ** 王手 **|"}, true},
        {"a compulsory capture that mates", "4k4/r8/9/9/P8/9/9/1P7/KL7 w - 1", {"よし！!|詰め ?"}, true},
        // The human king's square is left to the gold; the game ends at once, with
        // no mate test on the square the king left.
        {"taking the human's king", "k8/4l4/9/3PgP3/3GKG3/3SSP3/9/9/9 w - 1",
         {"あなたの勝ちです|終了", "続けますか？|再ゲーム"}, false},
        {"no legal move", "9/9/9/9/4K4/9/9/9/p8 w - 1",
         {"コンピュータは指す手がありません| ", "あなたの勝ちです|終了", "続けますか？|再ゲーム"}, false},
    };
    for (const auto& c : cases) {
        auto h = comGame(c.sfen);
        (*h)->com_ban();
        EXPECT_EQ(messages(*h), c.shown) << c.what;
        if (c.humanToMove) {
            EXPECT_EQ((*h)->turn.sideToMove, (*h)->turn.lowerTag) << c.what;
        }
    }
}

TEST(ComBan, KingTakenEndsTheGameAndYesStartsAgain) {
    auto h = comGame("k8/4l4/9/3PgP3/3GKG3/3SSP3/9/9/9 w - 1");
    (*h)->com_ban();
    // "続けますか？" answered Yes: the initial position, no game running.
    EXPECT_EQ((*h)->turn.gameMode, MODE_NONE);
    EXPECT_EQ((*h)->board.at(5, 9), SITA_OU);
    EXPECT_EQ((*h)->board.at(5, 1), UE_OU);
}

TEST(ComBan, FullMoveListRefusesTheMove) {
    auto h = comGame("4k4/9/9/9/9/9/9/9/4K4 w - 1");
    Form1& f = **h;
    f.moves.count = MoveList::MAX;
    const Board before = f.board;
    f.com_ban();
    EXPECT_EQ(messages(*h), std::vector<std::string>({"これ以上指せません|手順"}));
    EXPECT_EQ(f.moves.count, MoveList::MAX);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(f.board.at(x, y), before.at(x, y));
    EXPECT_EQ(f.turn.sideToMove, f.turn.lowerTag);
}

}  // namespace
}  // namespace zelkora::testing
