// 盤評価: the score of one trial move of the computer, in three stages.
//
// Stage 1 applies at every level, stage 2 from level 2, stage 3 (rules by the
// kind of piece now on the target, evaluation_pieces.cpp) at level 3. Because
// the game is played to lose, the score rewards leaving the computer's king
// where the human can take it and punishes attacking the human's king. Terms
// are summed in rule order; some rules end the evaluation at once.
#include "computer/evaluation.h"

#include <cstdlib>

#include "computer/evaluator.h"

namespace zelkora {

namespace evaluation {

namespace {

// Stage 1 weights.
constexpr double NEW_REACH_AROUND_HUMAN_KING = -100;   // step 3
constexpr double DROP = -5;                            // step 5
constexpr double PROMOTION = 10;                       // step 5
// Stage 2: a human promoted pawn, lance or knight taken where the human cannot take back.
constexpr double SMALL_PROMOTED_PIECE_TAKEN = 50;      // step 7

}  // namespace

void Evaluator::add(const char* label, double amount) {
    S += amount;
    if (trace) trace->emplace_back(label);
}

void Evaluator::addProbe(const char* label, int value) {
    if (value == 0) return;
    S += value;
    if (trace) trace->emplace_back(std::string(label) + "(" + std::to_string(value) + ")");
}

bool Evaluator::finish(const char* label, double value) {
    result = value;
    if (trace) trace->emplace_back(label);
    return true;
}

double Evaluator::run() {
    if (stage1()) return result;
    if (f.flags.level >= 2) stage2();
    if (f.flags.level == 3 && stage3()) return result;
    return S;
}

bool Evaluator::stage1() {
    // step1: taking the human's king loses the game for the computer.
    if (captured == SITA_OU) return finish("step1", SCORE_TAKES_KING);
    // step2: the human can take the computer's king.
    if (H(ckx(), cky()) > 0) return finish("step2", SCORE_OWN_KING_EN_PRISE);
    // step3: the trial newly reaches a square around the human king.
    if (f.調査_MAN王COMの範囲内() == YES) add("step3", NEW_REACH_AROUND_HUMAN_KING);
    // step4: the computer attacks the human's king.
    if (C(hkx(), hky()) > 0) {
        if (piece == UE_OU && std::abs(hkx() - ckx()) < 2 && std::abs(hky() - cky()) < 2)
            return finish("step4", SCORE_OWN_KING_EN_PRISE);
        return finish("step4", SCORE_GIVES_CHECK);
    }
    // step5: drops cost, promotions earn.
    if (drop())
        add("step5", DROP);
    else if (piece > f.com.pieceMoved)
        add("step5", PROMOTION);
    return false;
}

void Evaluator::stage2() {
    // step6: a quiet move that takes escape squares from the human king.
    if (captured == EMPTY) {
        const bool linePiece = (piece >= UE_KAKU && piece <= UE_RYU) || piece == UE_KYOU;
        const bool nearKing = std::abs(hkx() - tx) < 3 && std::abs(hky() - ty) < 3;
        if ((linePiece || nearKing) && H(tx, ty) == 0) {
            const int escapes = f.調査_自王逃道();
            if (escapes < f.com.escapesBefore) add("step6", f.com.escapesBefore - escapes);
        }
        return;
    }
    // step7: a capture.
    if (H(tx, ty) > 0) {
        bool safe;
        if (C(tx, ty) > 0) {
            safe = piece >= std::abs(WH(tx, ty));
        } else {
            if (!(H0(fx, fy) > 0)) return;
            safe = M(fx, fy, piece) != 0;
        }
        if (!safe) add("step7", std::abs(captured));
    } else {
        add("step7", -std::abs(captured));
        if (captured == SITA_TO || captured == SITA_NARIKYOU || captured == SITA_NARIKEI)
            add("step7+", SMALL_PROMOTED_PIECE_TAKEN);
    }
}

bool Evaluator::stage3() {
    switch (piece) {
    case UE_HU: return pawn();
    case UE_TO: return promotedPawn();
    case UE_KYOU: return lance();
    case UE_KEI: return knight();
    case UE_GIN: return silver();
    case UE_KIN: return gold();
    case UE_KAKU: return bishop();
    case UE_UMA: return promotedBishop();
    case UE_SYA: return rook();
    case UE_RYU: return promotedRook();
    case UE_OU: return king();
    default: return false;   // promoted lance, knight and silver have no rules of their own
    }
}

}  // namespace evaluation

double Form1::盤評価(int captured, int piece, int fx, int fy, int tx, int ty) {
    return evaluation::Evaluator(*this, captured, piece, fx, fy, tx, ty, nullptr).run();
}

double evaluateTraced(Form1& form, int captured, int piece, int fx, int fy, int tx, int ty,
                      std::vector<std::string>& trace) {
    return evaluation::Evaluator(form, captured, piece, fx, fy, tx, ty, &trace).run();
}

}  // namespace zelkora
