// The menu "対局": which state each entry sets, the boxes it shows, and that no
// entry touches the position.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

// Remembers the game mode and side to move at the moment each box is shown.
class StateAtMessage : public ScriptedDialogs {
public:
    explicit StateAtMessage(const Form1& form) : form(form) {}
    const Form1& form;
    std::vector<std::pair<int, int>> modeAndSide;
    Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override {
        modeAndSide.push_back({form.turn.gameMode, form.turn.sideToMove});
        return ScriptedDialogs::message(text, title, buttons, icon);
    }
};

// A started harness with a position of five moves on the board.
std::unique_ptr<Harness> midGame() {
    auto h = std::make_unique<Harness>();
    h->start();
    h->setPosition("lnsgk2nl/1r4g2/p1ppppspp/1p4p2/7P1/2P6/PP1PPPP1P/1BG4R1/LNS1KGSNL b Bb 1");
    (*h)->turn.sideToMove = NOBODY;
    (*h)->moves.count = 5;
    (*h)->moves.replay = 5;
    h->clearLogs();
    return h;
}

void expectPositionKept(const Form1& before, const Form1& after) {
    EXPECT_EQ(std::memcmp(&before.board, &after.board, sizeof before.board), 0);
    EXPECT_EQ(std::memcmp(&before.hands, &after.hands, sizeof before.hands), 0);
    EXPECT_EQ(before.moves.count, after.moves.count);
    EXPECT_EQ(before.moves.replay, after.moves.replay);
}

struct Expected {
    const char* name;
    void (Form1::*handler)();
    int lowerTag, upperTag, mode;
    const char* message;   // nullptr: no box
};

class GameMenu : public ::testing::TestWithParam<Expected> {};

TEST_P(GameMenu, SetsTheTurnOrderOnTheCurrentPosition) {
    const Expected& e = GetParam();
    auto h = midGame();
    Form1& f = **h;
    const Form1 before = f;
    StateAtMessage dialogs(f);
    f.io.dialogs = &dialogs;
    (f.*e.handler)();
    // The computer's first move after "後手" is its own business; the rest keep the position.
    if (e.handler != &Form1::GOTE_Click) expectPositionKept(before, f);
    EXPECT_EQ(f.turn.lowerTag, e.lowerTag);
    EXPECT_EQ(f.turn.upperTag, e.upperTag);
    EXPECT_EQ(f.turn.gameMode, e.mode);
    if (e.message) {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, e.message);
        EXPECT_EQ(dialogs.shown[0].title, " ");
        EXPECT_EQ(dialogs.shown[0].buttons, Buttons::Ok);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, GameMenu,
    ::testing::Values(Expected{"Start", &Form1::START_Click, SENTE, GOTE, MODE_MAN, "先手の番です"},
                      Expected{"Sente", &Form1::SENTE_Click, SENTE, GOTE, MODE_COM, "あなたの番です"},
                      Expected{"Gote", &Form1::GOTE_Click, GOTE, SENTE, MODE_COM, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GameMenu, StartAnnouncesTheFirstPlayerAfterSettingUpTheGame) {
    auto h = midGame();
    StateAtMessage dialogs(**h);
    (*h)->io.dialogs = &dialogs;
    (*h)->sel.clickState = 1;
    (*h)->flags.recordMode = 1;
    (*h)->START_Click();
    ASSERT_EQ(dialogs.modeAndSide.size(), 1u);
    EXPECT_EQ(dialogs.modeAndSide[0], std::make_pair(MODE_MAN, SENTE));
    // Click state and record mode are left as they were.
    EXPECT_EQ((*h)->sel.clickState, 1);
    EXPECT_EQ((*h)->flags.recordMode, 1);
}

TEST(GameMenu, StartErasesTheRecordLineAndTheLevelCorner) {
    auto h = midGame();
    (*h)->START_Click();
    // The labels are rewritten (4 texts per column), whose turn it is is written
    // (shadow and text) and the cells (-2..0, 0) painted over.
    EXPECT_EQ(h->canvas.texts().size(), 38u);
    std::vector<double> topLeft;
    for (const auto& p : h->canvas.of(CanvasCall::Picture))
        if (p.y == 100 && p.x < 1545) topLeft.push_back(p.x);
    EXPECT_EQ(topLeft, (std::vector<double>{1050 - 990, 1050 - 495, 1050}));
    int rowTen = 0;
    for (const auto& p : h->canvas.of(CanvasCall::Picture)) rowTen += p.y == 100 + 6150;
    EXPECT_EQ(rowTen, 11);
}

TEST(GameMenu, StartDuringAComputerGameSwitchesToTwoHumans) {
    auto h = midGame();
    (*h)->SENTE_Click();
    (*h)->turn.lowerTag = GOTE;
    (*h)->turn.upperTag = SENTE;
    (*h)->turn.sideToMove = GOTE;
    (*h)->START_Click();
    EXPECT_EQ((*h)->turn.gameMode, MODE_MAN);
    EXPECT_EQ((*h)->turn.sideToMove, SENTE);
    EXPECT_EQ((*h)->turn.lowerTag, SENTE);
}

TEST(GameMenu, SenteShowsTheBoxBeforeTheGameStarts) {
    auto h = midGame();
    StateAtMessage dialogs(**h);
    (*h)->io.dialogs = &dialogs;
    (*h)->sel.clickState = 1;
    (*h)->flags.recordMode = 1;
    (*h)->SENTE_Click();
    ASSERT_EQ(dialogs.modeAndSide.size(), 1u);
    EXPECT_EQ(dialogs.modeAndSide[0], std::make_pair(MODE_NONE, NOBODY));
    EXPECT_EQ((*h)->turn.sideToMove, SENTE);
    EXPECT_EQ((*h)->sel.clickState, 0);
    EXPECT_EQ((*h)->flags.recordMode, 0);
}

TEST(GameMenu, AfterSenteTheHumansClickSelectsALowerPiece) {
    Harness h;
    h.start();
    h->SENTE_Click();
    h.clearLogs();
    h->Form_MouseDown(LEFT_BUTTON, 0, 1050 + 495 * 7 + 247, 100 + 615 * 7 + 307);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h->sel.clickState, 1);
    EXPECT_EQ(h->sel.piece, SITA_HU);
}

TEST(GameMenu, GoteLetsTheComputerMoveFirstThenItIsTheHumansTurn) {
    Harness h;
    h.start();
    h->sel.clickState = 1;
    h->flags.recordMode = 1;
    h.clearLogs();
    h->GOTE_Click();
    EXPECT_EQ(h->sel.clickState, 0);
    EXPECT_EQ(h->flags.recordMode, 0);
    // The grid was redrawn over the whole board.
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) EXPECT_FALSE(h.canvas.outlinesOfCell(c, r).empty()) << c << "," << r;
    // The computer (upper side, tag 6) made the first move.
    EXPECT_EQ(h->moves.count, 1);
    EXPECT_GE(h->moves.entry[1].after, 10);
    EXPECT_EQ(h->turn.sideToMove, h->turn.lowerTag);
}

TEST(GameMenu, OpeningTheMenuClosesTheRecordPanel) {
    auto h = midGame();
    h->panel.drives = h->panel.folders = h->panel.files = true;
    const Form1 before = **h;
    (*h)->TAIKYOKU_Click();
    ASSERT_FALSE(h->panel.log.empty());
    EXPECT_EQ(h->panel.log.front(), "lists 000");
    EXPECT_FALSE(h->panel.drives || h->panel.folders || h->panel.files);
    expectPositionKept(before, **h);
    EXPECT_EQ((*h)->turn.gameMode, before.turn.gameMode);
}

TEST(GameMenu, OpeningTheTwoHumanSubmenuChangesNothing) {
    auto h = midGame();
    const Form1 before = **h;
    (*h)->MATCH_MAN_Click();
    expectPositionKept(before, **h);
    EXPECT_EQ(std::memcmp(&before.turn, &(*h)->turn, sizeof before.turn), 0);
    EXPECT_TRUE(h->canvas.calls.empty());
    EXPECT_TRUE(h->dialogs.shown.empty());
    EXPECT_TRUE(h->panel.log.empty());
}

}  // namespace
}  // namespace zelkora::testing
