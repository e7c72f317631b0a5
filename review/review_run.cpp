// The positions of a game searched one after another on the worker.
#include "review/review_run.h"

#include <utility>

namespace zelkora {

ReviewRun::ReviewRun(Worker& worker, std::vector<GamePosition> positions, std::vector<MoveRecord> moves)
    : worker_(worker), positions_(std::move(positions)), moves_(std::move(moves)) {
    // A record with an entry that cannot be stepped is reviewed up to it.
    if (moves_.size() + 1 > positions_.size()) moves_.resize(positions_.empty() ? 0 : positions_.size() - 1);
}

ReviewRun::~ReviewRun() { cancel(); }

namespace {

// A few thousand nodes: the whole game's sketch takes about as long as one
// position's search at LEVEL5.
constexpr std::uint64_t SKETCH_NODES = 12000;

}  // namespace

void ReviewRun::start() {
    if (running_ || cancelled_) return;
    running_ = true;
    sketch();
}

void ReviewRun::sketch() {
    auto answer = std::make_shared<std::vector<int>>();
    std::vector<GamePosition> positions = positions_;
    std::shared_ptr<std::atomic<bool>> stop = stop_;
    std::shared_ptr<bool> live = live_;
    worker_.run(
        [answer, positions = std::move(positions), stop] {
            for (const GamePosition& p : positions) answer->push_back(reviewPosition(p, stop.get(), SKETCH_NODES).lowerEval);
        },
        [this, answer, live] {
            if (!*live) return;
            sketch_ = *answer;
            if (onSketched) onSketched();
            if (*live) searchNext();
        });
}

void ReviewRun::cancel() {
    if (cancelled_ || finished()) return;
    cancelled_ = true;
    *live_ = false;
    stop_->store(true);
}

void ReviewRun::searchNext() {
    running_ = !finished();
    if (!running_) return;
    const int k = searched();
    auto answer = std::make_shared<PositionReview>();
    const GamePosition position = positions_[k];
    std::shared_ptr<std::atomic<bool>> stop = stop_;
    std::shared_ptr<bool> live = live_;
    worker_.run([answer, position, stop] { *answer = reviewPosition(position, stop.get()); },
                [this, answer, live, k] {
                    if (!*live) return;
                    reviews_.push_back(*answer);
                    if (onSearched) onSearched(k);
                    // The listener may have cancelled the run.
                    if (*live) searchNext();
                });
}

std::optional<int> ReviewRun::evalAfter(int move) const {
    if (move < 1 || move > moveCount()) return std::nullopt;
    if (move < searched()) return reviews_[move].lowerEval;
    if (sketched()) return sketch_[move];
    return std::nullopt;
}

std::optional<ReviewedMove> ReviewRun::reviewed(int move) const {
    if (move < 1 || move > moveCount() || move >= searched()) return std::nullopt;
    const PositionReview& before = reviews_[move - 1];
    const int after = reviews_[move].lowerEval;
    const MoveRecord& played = moves_[move - 1];
    return ReviewedMove{played, before, after, markOf(before.lowerEval, after, isUpper(played.after))};
}

}  // namespace zelkora
