// Test helper: scores one trial move of the computer the way its turn does.
//
// The computer's turn is prepared by a full search (snapshots of the board,
// of both influence counts and of the human king's escapes, the pin flag),
// then the trial is made on the board, the influence map rebuilt, and the
// evaluation run with its rule trace.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "computer/evaluation.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {

struct TrialMove {
    int fx, fy, tx, ty;   // fx -1: a drop of hand kind fy
    bool promote = false;
};

struct TrialResult {
    double score = 0;
    std::vector<std::string> fired;
};

inline TrialResult scoreTrialMove(Harness& h, int level, const TrialMove& m) {
    Form1& f = *h;
    f.flags.level = level;
    f.comSearch();
    const bool drop = m.fx < 0;
    const int piece = drop ? kindCode(m.fy) : f.board.at(m.fx, m.fy);
    const int captured = drop ? EMPTY : f.board.at(m.tx, m.ty);
    const int after = m.promote ? piece + 1 : piece;
    f.com.pieceMoved = piece;
    if (!drop) f.board.at(m.fx, m.fy) = EMPTY;
    f.board.at(m.tx, m.ty) = after;
    f.勢力調査();
    TrialResult r;
    r.score = evaluateTraced(f, captured, after, m.fx, m.fy, m.tx, m.ty, r.fired);
    return r;
}

}  // namespace zelkora::testing
