// The computer's turn: at levels 1 to 3 a one-ply search over every legal board
// move and drop of the upper side, each scored by 盤評価, and the best one
// played; at LEVEL4 and LEVEL5 the search core's move (search_levels.cpp).
//
// comSearch is the search alone (snapshots, probes, trials), with no drawing,
// sound or wait. com_ban runs it in steps: the start (the status display, the
// search on a copy of the game away from the window's thread, the half-second
// timer) and, once both the search and the timer have ended, the reply
// (playing the chosen move, the announcements, the end of the game). The
// searched copy's rule and survey state is taken over before the reply, so the
// game goes on exactly as if the search had run on it. Trials change only the squares they
// touch and are taken back at once; hands are never touched by a trial, so
// every evaluation sees the hands of the start of the turn. Ties keep the move
// met first: board moves before drops, each in scan order, and promoting only
// when it scores strictly better.
#include "computer/engine_bridge.h"
#include "computer/evaluation.h"
#include "game/Form1.h"

namespace zelkora {

namespace {

constexpr double THINKING_WAIT = 0.5;   // seconds the player sees "思考中"

// "思考中" stands where the upper side's last move is written.
constexpr double THINKING_C = -2, THINKING_R = 8;

void paintOverThinking(Form1& f) {
    for (int c = 0; c < 3; ++c) f.描画_絵(f.display.background, THINKING_C + c, THINKING_R);
    f.描画_桝輪郭(COLOUR_GREEN, -1, 7);
    f.display.shown.thinking = false;
}

// A turn that plays no move takes "思考中" away and brings back the upper
// side's last move, so that no box appears over a stale "思考中".
void withdrawThinking(Form1& f) {
    const MoveText& previous = f.thinking.previous;
    paintOverThinking(f);
    if (previous.shown)
        f.描画_移動結果(previous.c, previous.r, previous.column, previous.row, previous.piece, COLOUR_WHITE,
                       previous.hasMove ? &previous.move : nullptr);
    f.io.canvas->refresh();
}

// Before any trial: best score, board snapshot, probes, influence snapshots.
void prepareTurn(Form1& f) {
    f.com.bestScore = SCORE_SEARCH_START;
    f.com.chosen = MoveRecord{};
    f.com.chosenValid = false;
    f.com.trials = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            f.com.before.at(x, y) = f.board.at(x, y);
            f.com.escapeMarks[x][y] = 0;
        }
    }
    f.調査_取可桝(f.turn.upperTag);
    f.調査_2歩フラグ設定();
    f.com.escapesBefore = f.調査_自王逃道();
    f.勢力調査();
    f.調査_移動不可駒();
    f.com.handTotalBefore = f.hands.upperTotal;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            f.com.lowerBefore[x][y] = f.inf.lower_influence[x][y];
            f.com.upperBefore[x][y] = f.inf.upper_influence[x][y];
        }
    }
}

// Scores the trial position now on the board (the survey is up to date).
double scoreTrial(Form1& f, int captured, int piece, int fx, int fy, int tx, int ty) {
    ++f.com.trials;
    return f.盤評価(captured, piece, fx, fy, tx, ty);
}

// Keeps a trial when it scores strictly better than the best so far.
bool improves(Form1& f, double score, const MoveRecord& move) {
    if (!(score > f.com.bestScore)) return false;
    f.com.bestScore = score;
    f.com.chosen = move;
    f.com.chosenValid = true;
    return true;
}

// Scores one legal board move, made on the board; answers the score and the
// code that stands on the target when the move is played.
double scoreBoardMove(Form1& f, int captured, int piece, int fx, int fy, int tx, int ty, int& after) {
    if (f.調査_駒成(fx, fy, tx, ty, piece) == NO) {
        f.勢力調査();
        after = piece;
        return scoreTrial(f, captured, piece, fx, fy, tx, ty);
    }
    const int promoted = f.rules.promotedCode;
    if (f.移動後チェック(ty, piece) == NO) {
        f.board.at(tx, ty) = promoted;
        f.勢力調査();
        after = promoted;
        return scoreTrial(f, captured, promoted, fx, fy, tx, ty);
    }
    f.勢力調査();
    const double plain = scoreTrial(f, captured, piece, fx, fy, tx, ty);
    f.board.at(tx, ty) = promoted;
    f.勢力調査();
    const double promoting = scoreTrial(f, captured, promoted, fx, fy, tx, ty);
    if (promoting > plain) {
        after = promoted;
        return promoting;
    }
    after = piece;
    return plain;
}

// Every legal board move, onto the strongest-capture square only while
// a capture is compulsory. Answers true when the search must stop (the human's
// king taken by the best move so far).
bool tryBoardMoves(Form1& f, bool mustCapture) {
    for (int fx = 1; fx <= 9; ++fx) {
        for (int fy = 1; fy <= 9; ++fy) {
            const int piece = f.board.at(fx, fy);
            if (!isUpper(piece)) continue;
            for (int tx = 1; tx <= 9; ++tx) {
                for (int ty = 1; ty <= 9; ++ty) {
                    if (f.移動チェック(fx, fy, tx, ty, piece) != YES) continue;
                    if (mustCapture && (tx != f.upperCapture.bestX || ty != f.upperCapture.bestY))
                        continue;
                    f.com.pieceMoved = piece;
                    const int captured = f.board.at(tx, ty);
                    f.board.at(fx, fy) = EMPTY;
                    f.board.at(tx, ty) = piece;
                    int after = piece;
                    const double score = scoreBoardMove(f, captured, piece, fx, fy, tx, ty, after);
                    f.board.at(tx, ty) = captured;
                    f.board.at(fx, fy) = piece;
                    const MoveRecord move{fx, fy, tx, ty, captured, piece, after};
                    if (improves(f, score, move) && captured == SITA_OU) return true;
                }
            }
        }
    }
    return false;
}

// Every legal drop of a kind the computer holds. Stops after a drop
// once the best score is 9998 or more (the computer's king left where the human
// can take it): nothing can score better.
void tryDrops(Form1& f) {
    for (int kind = 1; kind <= 7; ++kind) {
        if (f.hands.upper[kind] < 1) continue;
        const int piece = kindCode(kind);
        for (int tx = 1; tx <= 9; ++tx) {
            for (int ty = 1; ty <= 9; ++ty) {
                if (f.移動チェック(UPPER_HAND_X, kind, tx, ty, piece) != YES) continue;
                f.board.at(tx, ty) = piece;
                f.勢力調査();
                const double score = scoreTrial(f, EMPTY, piece, UPPER_HAND_X, kind, tx, ty);
                f.board.at(tx, ty) = EMPTY;
                const MoveRecord move{UPPER_HAND_X, kind, tx, ty, EMPTY, piece, piece};
                improves(f, score, move);
                if (f.com.bestScore >= SCORE_OWN_KING_EN_PRISE) return;
            }
        }
    }
}

// Board moves, then drops, then a survey of the real board again, so that the influence
// map and the king squares no longer describe the last trial.
void tryAllMoves(Form1& f) {
    const bool mustCapture = f.upperCapture.count > 0;
    const bool stopped = tryBoardMoves(f, mustCapture);
    if (!stopped && !mustCapture && f.com.handTotalBefore > 0) tryDrops(f);
    f.勢力調査();
}

// What the search left in the state it ran on: the survey, the capture data,
// the rule flags and the computer's snapshots and choice. Later turns read some
// of it (the survey keeps squares earlier surveys recorded), so the game takes
// it over as if the search had run on the game itself. The board and the hands
// are as the search found them.
void adoptSearch(Form1& f, const Form1& searched) {
    f.kings = searched.kings;
    f.inf = searched.inf;
    f.lowerCapture = searched.lowerCapture;
    f.upperCapture = searched.upperCapture;
    f.rules = searched.rules;
    f.com = searched.com;
}

// The move chosen is played and announced; a move that took the human's king
// ends the game before any mate test, which would otherwise look at the
// square the king left.
void playReply(Form1& f) {
    const MoveRecord m = f.com.chosen;
    f.手順保存(m.fromX, m.fromY, m.toX, m.toY, m.before, m.after);
    ++f.moves.moveNumber;
    f.描画_手数(f.moves.moveNumber);
    f.駒移動(m.fromX, m.fromY, m.toX, m.toY, m.after);
    f.playSound(f.sounds.placed);
    f.描画_桝輪郭(COLOUR_WHITE, m.toX, m.toY);
    // The move in notation replaces "思考中" and the whole move is on screen
    // before any box (描画_移動結果 shows what was drawn).
    f.display.shown.thinking = false;
    f.描画_移動結果(THINKING_C, THINKING_R, m.toX, m.toY, m.after, COLOUR_WHITE, &f.moves.entry[f.moves.count]);
    f.通知_指し手(true);
    f.途中保存();
    f.勢力調査();

    if (f.turn.kingTaken == f.turn.upperTag) {
        f.終了("あなた");
        return;
    }
    if (f.詰めかMAN() == YES) {
        f.io.dialogs->message(f.文言(Text::MATE_CALL), f.文言(Text::TITLE_MATE));
    } else if (f.inf.upper_influence[f.kings.lowerX][f.kings.lowerY] > 0) {
        f.io.dialogs->message(f.文言(Text::CHECK), "");
    }
    f.turn.sideToMove = f.turn.lowerTag;
}

// The reply, once the search has answered and the half second has passed
// (whichever ends last calls it through).
void reply(Form1& f) {
    if (!f.thinking.searched || !f.thinking.waited) return;
    f.endThinking();
    // No legal move at all: the computer cannot play on, and the game ends in
    // the human's favour.
    if (!f.com.chosenValid) {
        withdrawThinking(f);
        f.io.dialogs->message(f.文言(Text::COMPUTER_HAS_NO_MOVE), " ");
        f.終了("あなた");
        return;
    }
    if (f.moves.count >= MoveList::MAX) withdrawThinking(f);
    if (f.moveListFullRefuses()) {
        f.turn.sideToMove = f.turn.lowerTag;
        return;
    }
    playReply(f);
}

}  // namespace

void Form1::comSearch() {
    prepareTurn(*this);
    if (flags.level >= FIRST_SEARCH_LEVEL) comEngineSearch();
    else tryAllMoves(*this);
}

void Form1::com_ban() {
    thinking.previous = display.shown.upperMove;
    paintOverThinking(*this);
    display.shown.upperMove.shown = false;
    描画_思考中();
    // Shown at once: the window's thread is free again only after this call.
    io.canvas->refresh();

    const int search = beginThinking(false);
    searchAway(searchCopy(), [this](Form1& searched) {
        adoptSearch(*this, searched);
        thinking.searched = true;
        reply(*this);
    });
    // The half second runs from the start of the turn, while the search runs.
    待ち時間(THINKING_WAIT, [this, search] {
        if (!thinkingOn(search)) return;
        thinking.waited = true;
        reply(*this);
    });
}

}  // namespace zelkora
