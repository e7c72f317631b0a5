// The computer's board evaluation with a record of the rules that fired.
//
// Form1::盤評価 scores a trial move without a record; tools that explain a
// choice (the command-line engine's --trace) call evaluateTraced, which runs the
// very same rules and appends the label of every rule that changed or ended the
// score, in the order they applied ("step1".."step7" for the stages common to
// every piece, "P1".."K4" for the rules by piece kind; a "then" clause that held
// is listed as its rule's label followed by "+").
#pragma once

#include <string>
#include <vector>

#include "game/Form1.h"

namespace zelkora {

// Scores with a fixed meaning (the computer wins when its own king is taken).
constexpr double SCORE_SEARCH_START = -99999;    // below every score
constexpr double SCORE_OWN_KING_EN_PRISE = 9998; // the human can take the computer's king: best
constexpr double SCORE_GIVES_CHECK = -9998;      // the computer attacks the human's king
constexpr double SCORE_TAKES_KING = -9999;       // the computer takes the human's king: worst

double evaluateTraced(Form1& form, int captured, int piece, int fx, int fy, int tx, int ty,
                      std::vector<std::string>& trace);

}  // namespace zelkora
