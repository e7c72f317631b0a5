// Stage 3 of 盤評価: the rules by kind of the piece now on the target square.
//
// Each rule is one labelled block, applied top to bottom; a rule that returns
// ends the evaluation (the function answers true, the score is in `result`).
// The weights stand at their rule. For a drop the source square is
// (-1, hand kind index) and is compared like any other square. A "then" clause
// applies only when its rule's first part held.
#include <cstdlib>

#include "computer/evaluator.h"

namespace zelkora::evaluation {

bool Evaluator::pawn() {
    // P1: the human king is the attacker recorded for the pawn's square.
    if (WH(tx, ty) == SITA_OU) add("P1", 200);
    // P2: a lance in hand could back the pawn up.
    if (f.hands.upper[2] > 0) addProbe("P2", f.調査_香狙い(tx, ty));
    // P3: a knight in hand could fork.
    if (f.hands.upper[3] > 0) addProbe("P3", f.調査_桂狙い(tx, ty));
    // P3a: the computer's king right behind the pawn.
    if (fy > 1 && B(tx, ty - 1) == UE_OU) add("P3a", 0.5);
    // P4: an edge pawn on row 4.
    if (ty < 9 && ty == 4 && (tx == 1 || tx == 9)) add("P4", -10);
    // P5: the pawn moved next to a human piece where the human king could take it.
    if (ty < 9 && B(tx, ty + 1) <= -10 && B0(tx, ty) == EMPTY &&
        f.移動チェック(hkx(), hky(), tx, ty, SITA_OU) == YES)
        add("P5", 200);
    // P6: own gold in front.
    const bool p6 = ty < 9 && B(tx, ty + 1) == UE_KIN;
    if (p6) add("P6", 0.5);
    // P7: own rook in front.
    if (ty < 9 && !p6 && B(tx, ty + 1) == UE_SYA) add("P7", -1);
    // P8: a human piece other than a plain pawn in front that cannot move anywhere safe.
    if (ty < 9 && B(tx, ty + 1) < -10 && M(tx, ty + 1, B(tx, ty + 1)) == 0)
        add("P8", std::abs(B(tx, ty + 1)));
    // P9: a covered pawn beside own rook.
    if (C(tx, ty) > 0 && tx > 1 && tx < 9 && (B(tx + 1, ty) == UE_SYA || B(tx - 1, ty) == UE_SYA))
        add("P9", 1);
    return drop() ? pawnDrop() : pawnBoardMove();
}

bool Evaluator::pawnDrop() {
    // P10: the human bishop on its starting square, a pawn dropped in front of it.
    if (B(2, 8) == SITA_KAKU && tx == 2 && ty == 7 && (H(2, 7) != 0 || C(2, 7) > 0))
        add("P10", 30);
    // P11: a dropped pawn attacked from below by a human lance or rook in its column,
    // unless that attacker stood on a square the computer covered and still stands
    // unreached by the human.
    const int ax = WHx(tx, ty), ay = WHy(tx, ty);
    if (!(C0(ax, ay) > 0 && H(ax, ay) == 0) && C(tx, ty) > 0 && ax == tx &&
        (WH(tx, ty) == SITA_KYOU || WH(tx, ty) == SITA_SYA) && ty < ay)
        return finish("P11", S + 120);
    return false;
}

bool Evaluator::pawnBoardMove() {
    // P12: a pawn move.
    add("P12", 0.1);
    // P13: defended by a gold or silver at the weakest.
    if (WC(tx, ty) == UE_KIN || WC(tx, ty) == UE_GIN) add("P13", 0.6);
    // P14: the rest only away from the last two rows.
    if (!(ty < 8)) return false;
    // P15: defended by a lance at the weakest; P16 otherwise: own rook behind in the column.
    if (WC(tx, ty) == UE_KYOU)
        add("P15", 1);
    else if (WC(tx, ty) == UE_SYA && WCx(tx, ty) == tx && C(tx, ty) >= H(tx, ty) && WCy(tx, ty) < ty)
        add("P16", -2);
    // P17: a human knight or stronger two squares ahead, the square between unreached.
    if (H(tx, ty + 1) == 0 && B(tx, ty + 2) <= -30) add("P17", 1);
    // P18: a human pawn in front that the human covers.
    if (ty < 7 && B(tx, ty + 1) == SITA_HU && H(tx, ty + 1) > 0) add("P18", -5);
    // P19 / P20: own bishop beside; then a human pawn two rows ahead of it.
    if (ty < 7 && tx < 9 && B(tx + 1, ty) == UE_KAKU) {
        add("P19", 0.5);
        if (B(tx + 1, ty + 2) == SITA_HU) add("P19+", 5);
    }
    if (ty < 7 && tx > 1 && B(tx - 1, ty) == UE_KAKU) {
        add("P20", 0.5);
        if (B(tx - 1, ty + 2) == SITA_HU) add("P20+", 5);
    }
    // P21 / P22: a capture from a square one computer piece covers.
    if (C(fx, fy) == 1 && captured <= -10) {
        if (ty > 2 && WH(tx, ty) == SITA_KYOU && B(tx, ty - 2) == UE_KAKU)
            add("P21", -5);
        else
            add("P22", 5);
    }
    // P23: a human pawn taken where a human lance or rook attacks the pawn.
    if (C(fx, fy) == 1 && captured == SITA_HU &&
        (WH(tx, ty) == SITA_KYOU || WH(tx, ty) == SITA_SYA))
        add("P23", 50);
    // P24: a human piece in front and the square held.
    if (B(tx, ty + 1) <= -10 && C(tx, ty) > H(tx, ty)) return finish("P24", S + 1);
    // P25: a human pawn in front.
    if (B(tx, ty + 1) == SITA_HU) return finish("P25", S - 5);
    // P26: a stronger human piece in front, the pawn covered.
    if (B(tx, ty + 1) < -10 && C(tx, ty) > 0) {
        if (C0(tx, ty + 1) > 0 && H0(tx, ty + 1) == 0) return finish("P26", S - 1);
        if (C(tx, ty) >= H(tx, ty)) return finish("P26", S + 5);
    }
    // P27: a stronger human piece in front, nobody reaches the pawn.
    if (B(tx, ty + 1) < -10 && C(tx, ty) == 0 && H(tx, ty) == 0) return finish("P27", S - 1);
    return false;
}

bool Evaluator::promotedPawn() {
    // PP1: the promoted pawn is held at least as strongly as it is attacked.
    if (C(tx, ty) >= H(tx, ty)) return finish("PP1", S + 1);
    return false;
}

bool Evaluator::lance() {
    // L1: a knight in hand could fork.
    if (f.hands.upper[3] > 0) addProbe("L1", f.調査_桂狙い(tx, ty));
    // L2: a dropped lance whose front square the human covers while he holds a pawn.
    if (drop() && ty < 8 && f.hands.lower[1] > 0 && H(tx, ty + 1) > 0 && H(tx, ty) == 0)
        add("L2", -10);
    // L3: a dropped lance behind a human lance or stronger that would uncover a target.
    if (drop() && ty < 8 && B(tx, ty + 1) <= SITA_KYOU && (H(tx, ty) == 0 || C(tx, ty) >= H(tx, ty))) {
        for (int r = ty + 2; r <= 9; ++r) {
            if (B(tx, r) == EMPTY) continue;
            if (f.移動チェック(tx, ty + 1, tx, r, UE_KYOU) == YES && B(tx, r) < SITA_KYOU)
                return finish("L3", S + std::abs(B(tx, r)));
            break;
        }
    }
    // L4: a lance moved on the board without capturing.
    if (!drop() && captured == EMPTY) return finish("L4", S - 0.9);
    return false;
}

bool Evaluator::knight() {
    // N1: a knight move.
    add("N1", -0.1);
    // N2: the square in front is reached by the human.
    if (H(tx, ty + 1) > 0) add("N2", -1);
    // N3: an edge knight on row 3.
    if (ty == 3 && (tx == 1 || tx == 9)) add("N3", 10);
    // N4: both squares the knight attacks are covered by the human.
    if (ty < 8 && tx > 1 && tx < 9 && H(tx - 1, ty + 2) > 0 && H(tx + 1, ty + 2) > 0)
        return finish("N4", S - 1);
    return false;
}

bool Evaluator::silver() {
    if (!(ty > 1)) return false;
    // S1: straight ahead.
    if (ty > fy && tx == fx) add("S1", -0.1);
    // S2: own knight right behind.
    if (B(tx, ty - 1) == UE_KEI) add("S2", -0.5);
    // S3: the silver on (7, 3) beside its pawn on (8, 3) facing a human pawn on (8, 5).
    if (tx == 7 && ty == 3 && B(8, 3) == UE_HU && B(8, 5) == SITA_HU) return finish("S3", S + 115);
    return false;
}

bool Evaluator::gold() {
    // G1: a diagonal step ahead.
    if (ty > fy && tx != fx) add("G1", -0.5);
    // G2: to row 4 while own bishop on (6, 4) is reached by the human.
    if (ty == 4 && B(6, 4) == UE_KAKU && H(6, 4) > 0) return finish("G2", S - 5);
    // G3: to (7, 2) with own pawn on (8, 3) and a human pawn on (8, 6) backed by a rook.
    if (ty == 2 && B(8, 3) == UE_HU && B(8, 6) == SITA_HU && tx == 7 && SH(8, 6) == SITA_SYA)
        add("G3", 10);
    // G4 / G5: to row 2 while the human holds a bishop, in front of an own piece on a
    // square that was not covered.
    const bool g4 = ty == 2 && f.hands.lower[6] > 0 && C0(tx, ty + 1) == 0 && B(tx, ty + 1) >= 10;
    if (g4) add("G4", 2);
    if (g4 && C0(tx, ty + 2) == 0 && B(tx, ty + 2) == UE_KAKU) return finish("G5", S + 125);
    return false;
}

bool Evaluator::bishop() {
    // B1: crowded by own bishops, rooks and king.
    addProbe("B1", f.調査_周辺状況(tx, ty));
    // B2: to (9, 3) in the edge pawn pattern with a human lance on (9, 9).
    if (ty < 9 && ty == 3 && tx == 9 && B(9, 4) == UE_HU && B(9, 6) == SITA_HU && B(9, 9) == SITA_KYOU)
        add("B2", -10);
    // B3: to (7, 3) facing a human pawn on (8, 5) backed by a rook.
    if (ty < 9 && ty == 3 && tx == 7 && B(8, 5) == SITA_HU && SH(8, 5) == SITA_SYA) add("B3", 9);
    // B4: the human reaches the square in front and the bishop has no safe square.
    if (ty < 9 && H(tx, ty + 1) > 0 && M(tx, ty, UE_KAKU) == 0) add("B4", -100);
    // B5: the human reaches the square in front, a human pawn two rows ahead.
    if (ty < 9 && H(tx, ty + 1) > 0 && ty < 8 && B(tx, ty + 2) == SITA_HU) add("B5", -1);
    // B6: leaving (9, 3) in the edge pawn pattern backed by a human lance.
    if (fx == 9 && fy == 3 && B(9, 4) == UE_HU && B(9, 6) == SITA_HU && SH(9, 6) == SITA_KYOU)
        return finish("B6", S + 10);
    // B7: leaving (7, 3) and so uncovering (8, 4) in front of a rook-backed human pawn.
    if (fx == 7 && fy == 3 && B(8, 5) == SITA_HU && SH(8, 5) == SITA_SYA && C0(8, 4) > C(8, 4))
        return finish("B7", S - 10);
    return false;
}

bool Evaluator::promotedBishop() {
    // PB1: crowded by own bishops, rooks and king.
    addProbe("PB1", f.調査_周辺状況(tx, ty));
    return false;
}

bool Evaluator::rook() {
    // R1: crowded by own bishops, rooks and king.
    addProbe("R1", f.調査_周辺状況(tx, ty));
    // R2: dropped on row 9 behind a human silver flanked by a gold.
    if (drop() && ty == 9 && B(tx, 8) == SITA_GIN && tx > 1 && tx < 9 &&
        ((B(tx + 1, 8) == SITA_KIN && B(tx - 1, 9) != 0) ||
         (B(tx - 1, 8) == SITA_KIN && B(tx + 1, 9) != 0)))
        add("R2", -1);
    // R3: the human reaches the square in front; then a human pawn two ahead on a sideways move.
    if (!drop() && ty < 8 && H(tx, ty + 1) > 0) {
        add("R3", -1);
        if (B(tx, ty + 2) == SITA_HU && ty == fy) add("R3+", -5);
    }
    // R4 / R5: leaving a row in front of a rook-backed human pawn on column 8.
    const bool r4 = !drop() && ty < 8 && fy < 9 && B(8, fy + 1) == SITA_HU && SH(8, fy + 1) == SITA_SYA;
    if (r4 && C(8, fy) < C0(8, fy)) add("R4", -11);
    if (r4 && B(7, fy) == UE_HU && ty != fy) add("R5", -11);
    // R6: from (2, 2) to (2, 3) off an unreached square.
    if (!drop() && ty < 8 && H(fx, fy) == 0 && fx == 2 && fy == 2 && tx == 2 && ty == 3)
        add("R6", -1);
    // R7 / R8: leaving the human king's column or row.
    if (fx == hkx() && tx != hkx()) add("R7", 5);
    if (fy == hky() && ty != hky()) add("R8", 5);
    // R9 / R10: a rook the human does not reach (or only his king while covered).
    const bool r9 = H(tx, ty) == 0 || (C(tx, ty) > 0 && WH(tx, ty) == SITA_OU);
    if (r9 && M(tx, ty, UE_SYA) <= 1) return finish("R9", S - 35);
    if (r9 && (tx == hkx() || ty == hky()) && std::abs(tx - hkx()) < 3 && std::abs(ty - hky()) < 3)
        return finish("R10", S + 100);
    return false;
}

bool Evaluator::promotedRook() {
    // D1: crowded by own bishops, rooks and king.
    addProbe("D1", f.調査_周辺状況(tx, ty));
    // D2: below a human silver flanked by a gold.
    if (B(tx, ty - 1) == SITA_GIN && tx > 1 && tx < 9 &&
        ((B(tx + 1, ty - 1) == SITA_KIN && B(tx - 1, ty) != 0) ||
         (B(tx - 1, ty - 1) == SITA_KIN && B(tx + 1, ty) != 0)))
        add("D2", -10);
    // D3 / D4: leaving row 9 below a human silver with a gold beside it.
    if (fy == 9 && B(fx, 8) == SITA_GIN && fx > 1 && B(fx - 1, 8) == SITA_KIN) add("D3", 2);
    if (fy == 9 && B(fx, 8) == SITA_GIN && fx < 9 && B(fx + 1, 8) == SITA_KIN) add("D4", 2);
    // D5 / D6: into row 9 on column 3 or 7 beside a human gold.
    if (ty == 9 && B(tx, 8) <= -10 && tx == 3 && B(4, 8) == SITA_KIN && B(2, 9) <= -10)
        add("D5", -150);
    if (ty == 9 && B(tx, 8) <= -10 && tx == 7 && B(6, 8) == SITA_KIN && B(8, 9) <= -10)
        add("D6", -150);
    // D7: unreached (or reached only by the king while covered) in line with the human king.
    if ((H(tx, ty) == 0 || (C(tx, ty) > 0 && WH(tx, ty) == SITA_OU)) &&
        (tx == hkx() || ty == hky()) && std::abs(tx - hkx()) < 3 && std::abs(ty - hky()) < 3)
        return finish("D7", S + 100);
    return false;
}

bool Evaluator::king() {
    // K1: a step towards the human's side; then onto (6, 2).
    if (ty > fy) {
        add("K1", 100);
        if (tx == 6 && ty == 2) add("K1+", 1);
    }
    // K2: some computer piece is pinned to its king.
    if (f.com.pin == 1) add("K2", 10);
    // K3: more computer pieces reach the new square than at the start of the turn.
    if (C(tx, ty) > C0(tx, ty)) add("K3", 1);
    // K4: few safe squares left for the king.
    if (M(tx, ty, UE_OU) < 2) return finish("K4", S - 20);
    return false;
}

}  // namespace zelkora::evaluation
