// The position changes of stepping through the move list, without drawing.
//
// "進" (records/navigation.cpp) and the command-line replay both apply entries
// through these functions, so a record replays the same way in both. An entry
// is applied only when it fits the position (entryFault), so stepping can
// neither create nor destroy a piece, writes only on the board and keeps
// every hand count at 0 or more; "戻" then undoes it exactly.
#pragma once

#include <functional>
#include <vector>

#include "game/Form1.h"

namespace zelkora {

enum class EntryFault {
    None,
    OffBoard,    // a square of the entry lies off the board (or no hand can hold the piece)
    EmptyHand,   // a drop from a hand that holds no piece of that kind
    Mismatch,    // the entry does not fit the position: the source does not hold
                 // the piece before, the target not the captured code, the piece
                 // after is neither the piece before nor (board moves) its
                 // promoted form, or the capture takes an own piece
};

// What keeps "進" from applying `move` to this position. Every entry the game
// itself records passes on the position it was made from.
EntryFault entryFault(const MoveRecord& move, const Board& board, const Hands& hands);

// "進": the source square emptied (or one piece of the dropped kind out of its
// owner's hand), the target := piece after, the captured piece into the other
// hand; a captured king counts in the hand total only.
void stepForward(Board& board, Hands& hands, const MoveRecord& move);

// Where a replay stopped: the number (from 1) of the first entry that did not
// fit and why; entry 0 when every entry was applied.
struct ReplayStop {
    int entry = 0;
    EntryFault fault = EntryFault::None;
};

// Applies `moves` in order with stepForward while each fits; `afterEach` (when
// given) sees the number of entries applied after every step. The command-line
// replay, the KIF export and its mate test all step a record this way.
ReplayStop replay(Board& board, Hands& hands, const std::vector<MoveRecord>& moves,
                  const std::function<void(int applied)>& afterEach = {});

// "戻": exactly undoes stepForward of the same entry.
void stepBack(Board& board, Hands& hands, const MoveRecord& move);

// "反転": every square (c, r) goes to (10 - c, 10 - r) with its code negated;
// the two hands and their totals are exchanged.
void reversePosition(Board& board, Hands& hands);

}  // namespace zelkora
