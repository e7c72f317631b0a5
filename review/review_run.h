// A review running in the background: the positions of a game searched one
// after another through the Worker port, so the window's thread stays free.
//
// Position k is the one after move k (0: the start). A first job sketches
// every position with a small budget, so the whole graph stands within a
// moment; then the positions are searched in order at LEVEL5's budget, each
// answer replacing its sketch. Move k has its mark and best move once
// positions k-1 and k are searched at the full budget.
// Cancelling sets the stop flag the running search reads; its answer and every
// later one are dropped. Answers arrive on the window's thread (the Worker's
// promise), the only thread that reads or changes the run's results.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "game/ports.h"
#include "review/review.h"

namespace zelkora {

class ReviewRun {
public:
    ReviewRun(Worker& worker, std::vector<GamePosition> positions, std::vector<MoveRecord> moves);
    // Stops the running search; its answer is dropped.
    ~ReviewRun();
    ReviewRun(const ReviewRun&) = delete;
    ReviewRun& operator=(const ReviewRun&) = delete;

    void start();
    void cancel();

    int moveCount() const { return static_cast<int>(moves_.size()); }
    int positionCount() const { return static_cast<int>(positions_.size()); }
    int searched() const { return static_cast<int>(reviews_.size()); }
    bool finished() const { return searched() == positionCount(); }
    bool cancelled() const { return cancelled_; }

    bool sketched() const { return !sketch_.empty(); }
    // Move k (1..moveCount): its evaluation after it, searched or sketched.
    std::optional<int> evalAfter(int move) const;
    // Move k with its best move and mark, once positions k-1 and k are searched.
    std::optional<ReviewedMove> reviewed(int move) const;

    // Told on the window's thread once every position is sketched.
    std::function<void()> onSketched;
    // Told on the window's thread after each position's search.
    std::function<void(int position)> onSearched;

private:
    void sketch();
    void searchNext();

    Worker& worker_;
    std::vector<GamePosition> positions_;
    std::vector<MoveRecord> moves_;
    std::vector<PositionReview> reviews_;   // positions 0..searched()-1
    std::vector<int> sketch_;               // every position's sketched evaluation, once made
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    // Shared with every answer on its way: false once the run is gone or cancelled.
    std::shared_ptr<bool> live_ = std::make_shared<bool>(true);
    bool cancelled_ = false;
    bool running_ = false;
};

}  // namespace zelkora
