// Searching the positions of a game and marking its moves.
#include "review/review.h"

#include <algorithm>

#include "computer/engine_bridge.h"
#include "engine/evaluate.h"
#include "records/replay_steps.h"

namespace zelkora {

namespace {

int clampEval(int score) { return std::clamp(score, -EVAL_CLAMP, EVAL_CLAMP); }

}  // namespace

std::vector<GamePosition> gamePositions(const Board& board, const Hands& hands, const std::vector<MoveRecord>& moves) {
    std::vector<GamePosition> positions;
    GamePosition p{board, hands, moves.empty() ? false : isUpper(moves.front().after)};
    positions.push_back(p);
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const MoveRecord& m = moves[i];
        if (entryFault(m, p.board, p.hands) != EntryFault::None) break;
        stepForward(p.board, p.hands, m);
        p.upperToMove = i + 1 < moves.size() ? isUpper(moves[i + 1].after) : !isUpper(m.after);
        positions.push_back(p);
    }
    return positions;
}

PositionReview reviewPosition(const GamePosition& position, const std::atomic<bool>* stop, std::uint64_t nodes) {
    engine::Position p = toEngine(position.board, position.hands, position.upperToMove);
    engine::Searcher searcher;
    engine::SearchLimits limits = searchLimits(5);
    limits.stop = stop;
    if (nodes) limits.nodes = nodes;
    limits.margin = 0;   // the best move itself, as a hint shows it
    const engine::SearchResult r = searcher.search(p, limits);
    PositionReview review;
    review.bestValid = r.valid;
    if (r.valid) review.best = toRecord(p, r.best);
    // No move at all: the side to move cannot play on and loses.
    const int score = r.valid ? r.score : -engine::WIN;
    review.lowerEval = clampEval(position.upperToMove ? -score : score);
    return review;
}

Mark markOf(int lowerEvalBefore, int lowerEvalAfter, bool upperMoved) {
    const int fall = upperMoved ? lowerEvalAfter - lowerEvalBefore : lowerEvalBefore - lowerEvalAfter;
    if (fall > BLUNDER_DROP) return Mark::Blunder;
    if (fall > MISTAKE_DROP) return Mark::Mistake;
    return Mark::None;
}

std::vector<ReviewedMove> reviewGame(const Board& board, const Hands& hands, const std::vector<MoveRecord>& moves) {
    const std::vector<GamePosition> positions = gamePositions(board, hands, moves);
    std::vector<PositionReview> reviews;
    for (const GamePosition& p : positions) reviews.push_back(reviewPosition(p));
    std::vector<ReviewedMove> reviewed;
    for (std::size_t k = 1; k < positions.size(); ++k) {
        ReviewedMove r{moves[k - 1], reviews[k - 1], reviews[k].lowerEval, Mark::None};
        r.mark = markOf(reviews[k - 1].lowerEval, reviews[k].lowerEval, isUpper(moves[k - 1].after));
        reviewed.push_back(r);
    }
    return reviewed;
}

std::string movesForm(const MoveRecord& m) {
    const bool drop = m.fromX == LOWER_HAND_X || m.fromX == UPPER_HAND_X;
    const int fromY = drop ? handKind(m.after) : m.fromY;
    return std::to_string(m.fromX) + ' ' + std::to_string(fromY) + ' ' + std::to_string(m.toX) + ' ' +
           std::to_string(m.toY) + ' ' + std::to_string(m.after);
}

const char* markText(Mark mark) {
    switch (mark) {
    case Mark::Mistake: return "?";
    case Mark::Blunder: return "??";
    case Mark::None: break;
    }
    return "";
}

}  // namespace zelkora
