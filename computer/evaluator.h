// The rules of the computer's board evaluation, shared by the two files that
// hold them (evaluation.cpp: the stages every trial goes through and the
// dispatch; evaluation_pieces.cpp: the rules by kind of piece moved).
//
// An Evaluator scores one trial move: the trial stands on the board and the
// influence map has been rebuilt for it; the snapshots of the computer's turn
// describe the position before it. The score S is a double summed in rule
// order. A rule that "returns" ends the evaluation: the rule functions answer
// true then and leave the final score in `result`.
//
// Every square read goes through a bounds-safe accessor that reads 0 outside
// the arrays, because several rules look one or two rows beyond the target and
// a drop's source square is (-1, hand kind index).
#pragma once

#include <string>
#include <vector>

#include "game/Form1.h"

namespace zelkora::evaluation {

class Evaluator {
public:
    Evaluator(Form1& form, int captured, int piece, int fx, int fy, int tx, int ty,
              std::vector<std::string>* trace)
        : f(form), captured(captured), piece(piece), fx(fx), fy(fy), tx(tx), ty(ty),
          trace(trace) {}

    double run();

private:
    Form1& f;
    const int captured, piece, fx, fy, tx, ty;
    std::vector<std::string>* trace;
    double S = 0;
    double result = 0;

    // ---- readers, 0 outside 0..9 ----
    template <typename T>
    static int cell(const Grid<T>& g, int x, int y) {
        return (x >= 0 && x <= 9 && y >= 0 && y <= 9) ? static_cast<int>(g[x][y]) : 0;
    }
    int B(int x, int y) const { return cell(f.board.ban, x, y); }
    int B0(int x, int y) const { return cell(f.com.before.ban, x, y); }
    int H(int x, int y) const { return cell(f.inf.lower_influence, x, y); }
    int C(int x, int y) const { return cell(f.inf.upper_influence, x, y); }
    int H0(int x, int y) const { return cell(f.com.lowerBefore, x, y); }
    int C0(int x, int y) const { return cell(f.com.upperBefore, x, y); }
    int WH(int x, int y) const { return cell(f.inf.lower_attacker_code, x, y); }
    int WHx(int x, int y) const { return cell(f.inf.lower_attacker_x, x, y); }
    int WHy(int x, int y) const { return cell(f.inf.lower_attacker_y, x, y); }
    int SH(int x, int y) const { return cell(f.inf.lower_guard_code, x, y); }
    int WC(int x, int y) const { return cell(f.inf.upper_guard_code, x, y); }
    int WCx(int x, int y) const { return cell(f.inf.upper_guard_x, x, y); }
    int WCy(int x, int y) const { return cell(f.inf.upper_guard_y, x, y); }
    int M(int x, int y, int code) { return f.調査_移動可場所数(x, y, code); }
    int hkx() const { return f.kings.lowerX; }
    int hky() const { return f.kings.lowerY; }
    int ckx() const { return f.kings.upperX; }
    int cky() const { return f.kings.upperY; }
    bool drop() const { return fx < 0; }

    // ---- score changes, each noted in the trace ----
    void add(const char* label, double amount);
    // A probe's value added to S; noted only when it changes S.
    void addProbe(const char* label, int value);
    bool finish(const char* label, double value);   // sets result, answers true

    // ---- stages ----
    bool stage1();
    void stage2();
    bool stage3();

    // ---- rules by kind of piece now on the target ----
    bool pawn();
    bool pawnDrop();
    bool pawnBoardMove();
    bool promotedPawn();
    bool lance();
    bool knight();
    bool silver();
    bool gold();
    bool bishop();
    bool promotedBishop();
    bool rook();
    bool promotedRook();
    bool king();
};

}  // namespace zelkora::evaluation
