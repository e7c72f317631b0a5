// The position changes of stepping through the move list, without drawing.
//
// "進" (records/navigation.cpp) and the command-line replay both apply entries
// through these functions, so a record replays the same way in both. An entry
// is trusted as recorded: the captured field, not the board, says what goes
// into the capturer's hand. Only entries without a fault may be applied; the
// check keeps every write on the board and every hand count from going below 0.
#pragma once

#include "game/Form1.h"

namespace zelkora {

enum class EntryFault {
    None,
    OffBoard,    // a square of the entry lies off the board (or no hand can hold the piece)
    EmptyHand,   // a drop from a hand that holds no piece of that kind
};

// What keeps "進" from applying `move` with these hands.
EntryFault entryFault(const MoveRecord& move, const Hands& hands);

// "進": the source square emptied (or one piece of the dropped kind out of its
// owner's hand), the target := piece after, the captured piece into the other
// hand; a captured king counts in the hand total only.
void stepForward(Board& board, Hands& hands, const MoveRecord& move);

// "戻": exactly undoes stepForward of the same entry.
void stepBack(Board& board, Hands& hands, const MoveRecord& move);

// "反転": every square (c, r) goes to (10 - c, 10 - r) with its code negated;
// the two hands and their totals are exchanged.
void reversePosition(Board& board, Hands& hands);

}  // namespace zelkora
