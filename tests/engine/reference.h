// The game's own answers, from Form1's procedures, for comparing the search
// core against them: the moves the window allows the side to move, the end of
// the game after a move, and a perft count built on those two.
//
//  - moves: 調査_2歩フラグ設定 and 調査_取可桝 for the side to move, then every
//    board move 移動チェック accepts and every drop of a kind in hand, kept as
//    the window keeps them: for the lower side what compulsoryCaptureRefuses
//    lets through (the click handler's rule), for the upper side what com_ban
//    tries (only the strongest-capture square while a capture is possible, no
//    drop then); promotion choices from 調査_駒成 and 移動後チェック;
//  - end: the move is made with 駒移動; after a lower move the window's test
//    (勢力調査, then 詰めかCOM, or the upper king taken) gives the upper side the
//    win; after an upper move a taken lower king gives the lower side the win.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <vector>

#include "game/null_ports.h"
#include "game/Form1.h"

namespace zelkora::testing {

struct RefMove {
    int fx, fy, tx, ty, piece, after;
    auto operator<=>(const RefMove&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const RefMove& m) {
    return out << m.fx << ',' << m.fy << ',' << m.tx << ',' << m.ty << ':' << m.piece << '>' << m.after;
}

class Reference {
public:
    Reference();
    Form1& form() { return *form_; }
    bool upperToMove() const { return form_->turn.sideToMove == form_->turn.upperTag; }

    // Base moves (after = piece) in scan order, or every promotion choice.
    std::vector<RefMove> moves(bool expand);
    // Makes the move; answers 0 no end, 1 the lower side wins, 2 the upper side.
    int play(const RefMove& m);
    std::uint64_t perft(int depth);

private:
    NullPorts ports_;
    std::unique_ptr<Form1> form_;
};

}  // namespace zelkora::testing
