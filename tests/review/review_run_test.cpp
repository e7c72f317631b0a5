// The review in the background: a sketch of every position first, then the
// positions one at a time on the worker, a move's mark once its position and
// the one before are searched; cancelling drops the running search's answer
// and every later one.
#include <gtest/gtest.h>

#include "game/sfen.h"
#include "review/review_run.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

// The won position of the mark test: the lower king steps out of the rook's
// reach (a blunder), then the upper king steps aside.
constexpr const char* WON = "k3r4/9/9/9/4K4/9/P8/9/9 b - 1";
const std::vector<MoveRecord> MOVES = {{5, 5, 4, 5, 0, SITA_OU, SITA_OU}, {1, 1, 2, 1, 0, UE_OU, UE_OU}};

std::vector<GamePosition> positionsOf() {
    Position p;
    std::string error;
    EXPECT_TRUE(parseSfen(WON, p, error)) << error;
    return gamePositions(p.board, p.hands, MOVES);
}

TEST(ReviewRun, PointsFollowTheSearchesInOrder) {
    FakeWorker worker;
    worker.hold = true;
    ReviewRun run(worker, positionsOf(), MOVES);
    std::vector<int> told;
    run.onSearched = [&](int position) { told.push_back(position); };
    run.start();
    EXPECT_FALSE(run.evalAfter(1).has_value()) << "nothing is searched on the caller's thread";
    worker.finishJobs();
    ASSERT_TRUE(run.sketched());
    EXPECT_TRUE(run.evalAfter(2).has_value()) << "the sketch covers every move";
    EXPECT_EQ(run.searched(), 0);
    worker.finishJobs();
    EXPECT_FALSE(run.reviewed(1).has_value()) << "only the start is searched";
    worker.finishJobs();
    const std::optional<ReviewedMove> first = run.reviewed(1);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->mark, Mark::Blunder);
    EXPECT_EQ(first->before.lowerEval, EVAL_CLAMP);
    EXPECT_EQ(first->lowerEvalAfter, *run.evalAfter(1));
    EXPECT_FALSE(run.reviewed(2).has_value());
    worker.finishJobs();
    EXPECT_TRUE(run.finished());
    EXPECT_EQ(told, (std::vector<int>{0, 1, 2}));
}

TEST(ReviewRun, CancelDropsTheRunningSearchAndTheRest) {
    FakeWorker worker;
    worker.hold = true;
    ReviewRun run(worker, positionsOf(), MOVES);
    run.start();
    worker.finishJobs();   // the sketch
    worker.finishJobs();
    run.cancel();
    worker.finishJobs();   // the search that was running answers after the cancel
    EXPECT_EQ(run.searched(), 1);
    EXPECT_TRUE(run.cancelled());
    EXPECT_TRUE(worker.idle()) << "no later search is started";
}

}  // namespace
}  // namespace zelkora::testing
