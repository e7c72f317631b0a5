#include "tests/engine/reference.h"

namespace zelkora::testing {

Reference::Reference() : form_(std::make_unique<Form1>(ports_.ports())) {}

std::vector<RefMove> Reference::moves(bool expand) {
    Form1& f = *form_;
    const bool upper = upperToMove();
    const int tag = upper ? f.turn.upperTag : f.turn.lowerTag;
    f.調査_2歩フラグ設定();
    f.調査_取可桝(tag);
    const CaptureData& capture = upper ? f.upperCapture : f.lowerCapture;
    const auto allowed = [&](int fx, int tx, int ty) {
        if (upper) {
            const bool drop = fx == UPPER_HAND_X;
            if (capture.count == 0) return !drop || f.hands.upperTotal > 0;
            return !drop && tx == capture.bestX && ty == capture.bestY;
        }
        return !f.compulsoryCaptureRefuses(tag, fx, tx, ty);
    };
    std::vector<RefMove> out;
    const auto add = [&](int fx, int fy, int tx, int ty, int piece) {
        if (!allowed(fx, tx, ty)) return;
        const bool board = fx >= 1 && fx <= 9;
        if (!expand || !board || f.調査_駒成(fx, fy, tx, ty, piece) == NO) {
            out.push_back({fx, fy, tx, ty, piece, piece});
            return;
        }
        const int promoted = f.rules.promotedCode;
        if (f.移動後チェック(ty, piece) == YES) out.push_back({fx, fy, tx, ty, piece, piece});
        out.push_back({fx, fy, tx, ty, piece, promoted});
    };
    for (int fx = 1; fx <= 9; ++fx)
        for (int fy = 1; fy <= 9; ++fy) {
            const int piece = f.board.at(fx, fy);
            if (upper ? !isUpper(piece) : !isLower(piece)) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty)
                    if (f.移動チェック(fx, fy, tx, ty, piece) == YES) add(fx, fy, tx, ty, piece);
        }
    const int* hand = upper ? f.hands.upper : f.hands.lower;
    const int handX = upper ? UPPER_HAND_X : LOWER_HAND_X;
    for (int kind = 1; kind <= 7; ++kind) {
        if (hand[kind] <= 0) continue;
        const int piece = upper ? kindCode(kind) : -kindCode(kind);
        for (int tx = 1; tx <= 9; ++tx)
            for (int ty = 1; ty <= 9; ++ty)
                if (f.移動チェック(handX, kind, tx, ty, piece) == YES) add(handX, kind, tx, ty, piece);
    }
    return out;
}

int Reference::play(const RefMove& m) {
    Form1& f = *form_;
    const bool upper = upperToMove();
    const int captured = f.board.at(m.tx, m.ty);   // a drop's target is empty
    // 駒移動 takes an upper drop by kind index and a lower drop by screen row.
    const int fy = m.fx == LOWER_HAND_X ? m.fy + 2 : m.fy;
    f.駒移動(m.fx, fy, m.tx, m.ty, m.after);
    f.turn.sideToMove = upper ? f.turn.lowerTag : f.turn.upperTag;
    if (upper) return f.turn.kingTaken == f.turn.upperTag ? 1 : 0;
    f.調査_2歩フラグ設定();
    f.勢力調査();
    return f.詰めかCOM() == YES || captured == UE_OU ? 2 : 0;
}

std::uint64_t Reference::perft(int depth) {
    if (depth == 0) return 1;
    const std::vector<RefMove> list = moves(true);
    if (depth == 1) return list.size();
    std::uint64_t n = 0;
    const Board board = form_->board;
    const Hands hands = form_->hands;
    const TurnState turn = form_->turn;
    for (const RefMove& m : list) {
        if (play(m) == 0) n += perft(depth - 1);
        form_->board = board;
        form_->hands = hands;
        form_->turn = turn;
    }
    return n;
}

}  // namespace zelkora::testing
