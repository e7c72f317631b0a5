#include "lookahead/forced_chain.h"

#include <cstdlib>

namespace zelkora::lookahead {
namespace {

using engine::Move;

// The plain form of a move when the list holds it, else the promoted one.
const Move* leftClickForm(const engine::MoveList& list, int from, int to, int kind) {
    const Move* found = nullptr;
    for (int i = 0; i < list.n; ++i) {
        const Move& m = list.m[i];
        if (m.from != from || m.to != to || (from == 0 && m.kind != kind)) continue;
        if (!m.promote) return &m;
        found = &m;
    }
    return found;
}

// The outcome of the player's chain after `u` was made, or Open.
Outcome outcomeAfter(engine::Position& p, const engine::Undo& u, int player, bool mateRule) {
    const int kingCode = player == engine::UPPER ? engine::KING : -engine::KING;
    if (u.captured == kingCode) return Outcome::KingGivenUp;
    if (u.captured == -kingCode) return Outcome::KingTaken;
    if (mateRule && player == engine::LOWER && engine::resultAfter(p, u) == engine::UPPER_WINS) return Outcome::Mates;
    return Outcome::Open;
}

}  // namespace

std::optional<Move> forcedMove(const engine::Position& p) {
    engine::MoveList list;
    engine::generate(p, list, true);
    if (list.n == 0) return std::nullopt;
    const Move& first = list.m[0];
    if (first.isDrop() || p.board[first.to] == engine::EMPTY) return std::nullopt;
    for (int i = 1; i < list.n; ++i)
        if (list.m[i].from != first.from || list.m[i].to != first.to) return std::nullopt;
    return *leftClickForm(list, first.from, first.to, 0);
}

Chain followChain(engine::Position p, const Move& first, bool mateRule) {
    Chain chain;
    const int player = p.side;
    std::optional<Move> next = first;
    while (next) {
        if (static_cast<int>(chain.plies.size()) == MAX_PLIES) {
            chain.outcome = Outcome::Limit;
            break;
        }
        engine::Undo u;
        p.make(*next, u);
        chain.plies.push_back(*next);
        chain.outcome = outcomeAfter(p, u, player, mateRule);
        if (chain.outcome != Outcome::Open) break;
        next = forcedMove(p);
    }
    return chain;
}

std::vector<TargetChain> chainsOfPiece(const engine::Position& p, int x, int y, int dropKind, bool mateRule) {
    engine::MoveList list;
    engine::generate(p, list, true);
    const int from = x == 0 ? 0 : engine::square(x, y);
    std::vector<TargetChain> found;
    for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
            const Move* m = leftClickForm(list, from, engine::square(tx, ty), dropKind);
            if (!m) continue;
            Chain chain = followChain(p, *m, mateRule);
            if (chain.worthShowing()) found.push_back({tx, ty, std::move(chain)});
        }
    return found;
}

}  // namespace zelkora::lookahead
