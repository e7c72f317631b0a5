#include "records/replay_steps.h"

#include <algorithm>

#include "records/record_format.h"

namespace zelkora {

namespace {

// The hand and hand total of the side that owns `code` (for a drop: the
// dropping side). Only called with a lower or upper piece.
int* handOf(Hands& hands, int code) { return isUpper(code) ? hands.upper : hands.lower; }
const int* handOf(const Hands& hands, int code) { return isUpper(code) ? hands.upper : hands.lower; }
int& totalOf(Hands& hands, int code) { return isUpper(code) ? hands.upperTotal : hands.lowerTotal; }

// The capturer's hand gains (+1) or loses (-1) the captured piece. A captured
// king has no hand kind but still counts in the total; other codes change nothing.
void moveCaptured(Hands& hands, int captured, int delta) {
    const int kind = handKind(captured);
    if (isLower(captured)) {
        if (kind) hands.upper[kind] += delta;
        hands.upperTotal += delta;
    } else if (isUpper(captured)) {
        if (kind) hands.lower[kind] += delta;
        hands.lowerTotal += delta;
    }
}

bool isBoardMove(const MoveRecord& m) { return m.fromX >= 1 && m.fromX <= BOARD_SIZE; }

bool sameSide(int a, int b) { return (isLower(a) && isLower(b)) || (isUpper(a) && isUpper(b)); }

// The promoted form of a piece that can promote, else 0.
int promoted(int code) {
    const int kind = handKind(code);
    if (kind == 0 || kind == 5 || code != (code < 0 ? -kindCode(kind) : kindCode(kind))) return 0;
    return code < 0 ? code - 1 : code + 1;
}

bool fitsPosition(const MoveRecord& m, bool boardMove, const Board& board) {
    if (!isLower(m.before) && !isUpper(m.before)) return false;
    if (board.at(m.toX, m.toY) != m.captured) return false;
    if (m.captured != EMPTY && sameSide(m.captured, m.before)) return false;
    if (!boardMove) return m.after == m.before && m.captured == EMPTY;
    if (board.at(m.fromX, m.fromY) != m.before) return false;
    return m.after == m.before || (promoted(m.before) != 0 && m.after == promoted(m.before));
}

}  // namespace

EntryFault entryFault(const MoveRecord& move, const Board& board, const Hands& hands) {
    if (!entryOnBoard(move)) return EntryFault::OffBoard;
    const bool boardMove = isBoardMove(move);
    if (!boardMove && handOf(hands, move.after)[handKind(move.after)] < 1) return EntryFault::EmptyHand;
    return fitsPosition(move, boardMove, board) ? EntryFault::None : EntryFault::Mismatch;
}

void stepForward(Board& board, Hands& hands, const MoveRecord& m) {
    if (isBoardMove(m)) {
        board.at(m.fromX, m.fromY) = EMPTY;
    } else {
        handOf(hands, m.after)[handKind(m.after)] -= 1;
        totalOf(hands, m.after) -= 1;
    }
    board.at(m.toX, m.toY) = m.after;
    moveCaptured(hands, m.captured, +1);
}

ReplayStop replay(Board& board, Hands& hands, const std::vector<MoveRecord>& moves,
                  const std::function<void(int applied)>& afterEach) {
    int applied = 0;
    for (const MoveRecord& m : moves) {
        if (const EntryFault fault = entryFault(m, board, hands); fault != EntryFault::None) return {applied + 1, fault};
        stepForward(board, hands, m);
        ++applied;
        if (afterEach) afterEach(applied);
    }
    return {};
}

void stepBack(Board& board, Hands& hands, const MoveRecord& m) {
    if (isBoardMove(m)) {
        board.at(m.fromX, m.fromY) = m.before;
    } else {
        handOf(hands, m.after)[handKind(m.after)] += 1;
        totalOf(hands, m.after) += 1;
    }
    moveCaptured(hands, m.captured, -1);
    board.at(m.toX, m.toY) = m.captured;
}

void reversePosition(Board& board, Hands& hands) {
    const Board copy = board;
    for (int c = 1; c <= BOARD_SIZE; ++c)
        for (int r = 1; r <= BOARD_SIZE; ++r) board.at(c, r) = -copy.at(10 - c, 10 - r);
    for (int k = 1; k <= 7; ++k) std::swap(hands.lower[k], hands.upper[k]);
    std::swap(hands.lowerTotal, hands.upperTotal);
}

}  // namespace zelkora
