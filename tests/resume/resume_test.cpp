// The unfinished game: the file written after every move holds every move made
// so far (a kill between two moves loses nothing), and taking it up restores
// the board, hands, move list, level, handicap, turn, mode and names exactly;
// declining, a new game and the end of a game remove it.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "records/record_format.h"
#include "resume/resume_file.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

const std::string PATH = RESUME_FILE;

void click(Harness& h, int c, int r) { h->Form_MouseDown(LEFT_BUTTON, 0, 1050 + 495 * c + 247, 100 + 615 * r + 307); }

// Moves held by the unfinished game's file now; -1 when there is none.
int movesInFile(const MemoryFiles& files) {
    if (!files.exists(PATH)) return -1;
    const auto state = readResume(files.files.at(PATH));
    return state ? static_cast<int>(state->moves.size()) : -2;
}

// A game against LEVEL2 at handicap grade 2 with names typed: three moves of
// the player, each answered. The computer's search and wait are held on the
// worker after each of the player's moves: the moment a kill would leave the
// file as it stands, between the player's move and the reply.
void playGame(Harness& h) {
    h.start();
    h->LEVEL2_Click();
    h->LBEL_UP_Click();
    h->LBEL_UP_Click();
    h.panel.fields = {{2, "練習"}, {3, "太郎"}, {4, "COM"}};
    h.worker.hold = true;
    h->SENTE_Click();
    // The third move is the bishop's compulsory capture, so hands change.
    for (const auto& [c, r, tc, tr] : {std::array{7, 7, 7, 6}, {3, 7, 3, 6}, {2, 8, 7, 3}}) {
        const int before = h->moves.count;
        click(h, c, r);
        click(h, tc, tr);
        ASSERT_TRUE(h->thinking.active) << "the reply is held";
        ASSERT_EQ(h->moves.count, before + 1);
        ASSERT_EQ(movesInFile(h.files), before + 1) << "while the computer thinks";
        h.worker.finishJobs();
        h.worker.endWaits();
        ASSERT_EQ(h->moves.count, before + 2);
        ASSERT_EQ(movesInFile(h.files), before + 2) << "after the computer's reply";
    }
    h.worker.hold = false;
    ASSERT_EQ(h->turn.kingTaken, NOBODY);
}

TEST(Resume, EveryMoveReachesTheFileBeforeTheNextOne) {
    Harness h;
    playGame(h);
    EXPECT_EQ(h->moves.count, 6);
}

TEST(Resume, TakingUpRestoresTheGameExactly) {
    Harness before;
    playGame(before);
    Harness after;
    after.files.files[PATH] = before.files.files.at(PATH);
    after.start();
    after.dialogs.answers = {Answer::Yes};
    ASSERT_TRUE(after->途中再開());
    EXPECT_EQ(after.dialogs.shown.at(0).text, "前回の対局を続けますか？");

    EXPECT_EQ(position(*after), position(*before));
    EXPECT_EQ(std::memcmp(&after->hands, &before->hands, sizeof(Hands)), 0);
    ASSERT_EQ(after->moves.count, before->moves.count);
    for (int n = 1; n <= before->moves.count; ++n)
        EXPECT_EQ(formatMoveLine(after->moves.entry[n]), formatMoveLine(before->moves.entry[n])) << n;
    EXPECT_EQ(after->moves.moveNumber, before->moves.moveNumber);
    EXPECT_EQ(after->flags.level, 2);
    EXPECT_TRUE(after.menu.checks["LEVEL2"]);
    EXPECT_EQ(after->flags.handicapGrade, 2);
    EXPECT_EQ(after->flags.handicapFlag, 1);
    EXPECT_EQ(after->turn.gameMode, MODE_COM);
    EXPECT_EQ(after->turn.sideToMove, before->turn.sideToMove);
    EXPECT_EQ(after->turn.lowerTag, before->turn.lowerTag);
    EXPECT_EQ(after->typedNames[1], "太郎");

    // The game goes on from there.
    click(after, 6, 7);
    click(after, 6, 6);
    EXPECT_EQ(after->moves.count, 8);
}

// Every way the file goes: declined at start-up, a new game, the game's end.
TEST(Resume, FileGoesWhenTheGameDoes) {
    Harness h;
    playGame(h);
    Harness declined;
    declined.files.files[PATH] = h.files.files.at(PATH);
    declined.start();
    declined.dialogs.answers = {Answer::No};
    EXPECT_FALSE(declined->途中再開());
    EXPECT_EQ(declined->moves.count, 0);
    EXPECT_EQ(movesInFile(declined.files), -1);

    h->SENTE_Click();
    EXPECT_EQ(movesInFile(h.files), -1) << "a new game";

    click(h, 7, 6);
    click(h, 7, 5);
    ASSERT_GT(movesInFile(h.files), 0);
    h->終了("あなた");
    EXPECT_EQ(movesInFile(h.files), -1) << "the end of the game";
}

// A torn file is never taken up.
TEST(Resume, TornFileIsNotOffered) {
    Harness h;
    playGame(h);
    std::vector<std::uint8_t> bytes = h.files.files.at(PATH);
    bytes.resize(bytes.size() - 5);
    EXPECT_FALSE(readResume(bytes).has_value());
}

}  // namespace
}  // namespace zelkora::testing
