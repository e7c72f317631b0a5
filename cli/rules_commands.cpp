// The rules subcommands: moves, survey and probe.
//
//   moves  - recomputes the two-pawn flags and lists every move and drop that
//            移動チェック accepts for the side to move: board moves (from x,
//            from y, to x, to y, each 1..9, outer to inner), then drops of every
//            kind in hand (kind 1..7, to x, to y) as "fx fy tx ty piece", where
//            a drop reads fx 11 (lower hand) or -1 (upper hand) and fy the kind.
//            No compulsory capture and no promotion expansion.
//   survey - one 勢力調査, then the eleven arrays in scan order and the kings.
//   probe  - the capture data of both players (lower tag 6, upper tag 7), the
//            two mate tests and the escape count, each after a fresh survey.
#include <ostream>

#include "cli/commands.h"
#include "cli/positions.h"

namespace zelkora::cli {

namespace {

bool noArguments(const Args& args, const char* name, std::ostream& err) {
    if (args.empty()) return true;
    err << "zelkora-cli " << name << " takes no arguments\n";
    return false;
}

void appendMove(std::string& text, int fx, int fy, int tx, int ty, int piece) {
    appendInt(text, fx);
    text += ' ';
    appendInt(text, fy);
    text += ' ';
    appendInt(text, tx);
    text += ' ';
    appendInt(text, ty);
    text += ' ';
    appendInt(text, piece);
    text += '\n';
}

void listMoves(Form1& form, std::string& text) {
    form.調査_2歩フラグ設定();
    const bool lower = form.turn.sideToMove == form.turn.lowerTag;
    for (int fx = 1; fx <= 9; ++fx)
        for (int fy = 1; fy <= 9; ++fy) {
            const int piece = form.board.at(fx, fy);
            if (lower ? !isLower(piece) : !isUpper(piece)) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty)
                    if (form.移動チェック(fx, fy, tx, ty, piece) == YES) appendMove(text, fx, fy, tx, ty, piece);
        }
    const int* hand = lower ? form.hands.lower : form.hands.upper;
    const int handX = lower ? LOWER_HAND_X : UPPER_HAND_X;
    for (int kind = 1; kind <= 7; ++kind) {
        if (hand[kind] <= 0) continue;
        const int piece = lower ? -kindCode(kind) : kindCode(kind);
        for (int tx = 1; tx <= 9; ++tx)
            for (int ty = 1; ty <= 9; ++ty)
                if (form.移動チェック(handX, kind, tx, ty, piece) == YES) appendMove(text, handX, kind, tx, ty, piece);
    }
    text += "end\n";
}

void appendGrid(std::string& text, const char* name, const Grid<std::int16_t>& grid) {
    text += name;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            text += ' ';
            appendInt(text, grid[x][y]);
        }
    text += '\n';
}

void survey(Form1& form, std::string& text) {
    form.勢力調査();
    const InfluenceMap& m = form.inf;
    appendGrid(text, "lower_influence", m.lower_influence);
    appendGrid(text, "upper_influence", m.upper_influence);
    appendGrid(text, "lower_guard_code", m.lower_guard_code);
    appendGrid(text, "upper_guard_code", m.upper_guard_code);
    appendGrid(text, "upper_guard_x", m.upper_guard_x);
    appendGrid(text, "upper_guard_y", m.upper_guard_y);
    appendGrid(text, "lower_attacker_code", m.lower_attacker_code);
    appendGrid(text, "lower_attacker_x", m.lower_attacker_x);
    appendGrid(text, "lower_attacker_y", m.lower_attacker_y);
    appendGrid(text, "lower_check_marks", m.lower_check_marks);
    appendGrid(text, "upper_check_marks", m.upper_check_marks);
    text += "kings ";
    appendInt(text, form.kings.lowerX);
    text += ' ';
    appendInt(text, form.kings.lowerY);
    text += ' ';
    appendInt(text, form.kings.upperX);
    text += ' ';
    appendInt(text, form.kings.upperY);
    text += "\nend\n";
}

void appendLine(std::string& text, const char* label, int value) {
    text += label;
    text += ' ';
    appendInt(text, value);
    text += '\n';
}

void appendCapture(std::string& text, const char* label, const CaptureData& c) {
    text += label;
    text += ' ';
    appendInt(text, c.count);
    text += ' ';
    appendInt(text, c.bestX);
    text += ' ';
    appendInt(text, c.bestY);
    text += '\n';
}

void probe(Form1& form, std::string& text) {
    form.調査_取可桝(form.turn.lowerTag);
    appendCapture(text, "capture lower", form.lowerCapture);
    form.調査_取可桝(form.turn.upperTag);
    appendCapture(text, "capture upper", form.upperCapture);
    form.勢力調査();
    appendLine(text, "mate_com", form.詰めかCOM());
    form.勢力調査();
    appendLine(text, "mate_man", form.詰めかMAN());
    form.勢力調査();
    appendLine(text, "escapes", form.調査_自王逃道());
    text += "end\n";
}

}  // namespace

int movesCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!noArguments(args, "moves", err)) return 2;
    return forEachPosition(in, out, listMoves);
}

int surveyCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!noArguments(args, "survey", err)) return 2;
    return forEachPosition(in, out, survey);
}

int probeCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!noArguments(args, "probe", err)) return 2;
    return forEachPosition(in, out, probe);
}

}  // namespace zelkora::cli
