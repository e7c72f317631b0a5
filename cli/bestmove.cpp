// bestmove: the computer's choice for each position, without playing it.
//
//   zelkora-cli bestmove [--level N] [--trace] < positions
//
// The computer is always the upper side (positive codes), whoever the SFEN
// names to move. It searches exactly as in a game (comSearch: snapshots,
// probes, board moves then drops, compulsory capture, promotion choice,
// tie-breaks) without drawing, sound or wait. Output per position: the
// 17-column record line of the chosen move as the record file holds it, one
// blank and the best score with two decimals; "none" when no move was chosen.
// With --trace a second line "trace:" lists the evaluation rules that fired
// for the chosen move, in the order they applied (levels 1 to 3). At LEVEL4
// and LEVEL5 the search core chooses and the score is the search's score.
#include <cstdio>
#include <ostream>

#include "cli/commands.h"
#include "cli/positions.h"
#include "computer/engine_bridge.h"
#include "computer/evaluation.h"
#include "records/record_format.h"

namespace zelkora::cli {

namespace {

struct BestmoveOptions {
    int level = 3;
    bool trace = false;
};

bool parseOptions(const Args& args, BestmoveOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--trace") {
            options.trace = true;
        } else if (args[i] == "--level" && i + 1 < args.size()) {
            const std::string& n = args[++i];
            if (n.size() != 1 || n[0] < '1' || n[0] > '5') return false;
            options.level = n[0] - '0';
        } else {
            return false;
        }
    }
    return true;
}

// Plays the chosen move on the board again, as the search tried it, and scores
// it with the rule trace; the board is put back afterwards.
std::vector<std::string> traceChosen(Form1& form) {
    const MoveRecord m = form.com.chosen;
    std::vector<std::string> fired;
    if (m.fromX == UPPER_HAND_X) {
        form.board.at(m.toX, m.toY) = m.after;
        form.勢力調査();
        evaluateTraced(form, EMPTY, m.after, m.fromX, m.fromY, m.toX, m.toY, fired);
        form.board.at(m.toX, m.toY) = EMPTY;
    } else {
        form.com.pieceMoved = m.before;
        form.board.at(m.fromX, m.fromY) = EMPTY;
        form.board.at(m.toX, m.toY) = m.after;
        form.勢力調査();
        evaluateTraced(form, m.captured, m.after, m.fromX, m.fromY, m.toX, m.toY, fired);
        form.board.at(m.toX, m.toY) = m.captured;
        form.board.at(m.fromX, m.fromY) = m.before;
    }
    form.勢力調査();
    return fired;
}

void answer(Form1& form, const BestmoveOptions& options, std::string& text) {
    form.flags.level = options.level;
    form.comSearch();
    if (!form.com.chosenValid) {
        text += "none\n";
        return;
    }
    char score[32];
    std::snprintf(score, sizeof score, "%.2f", form.com.bestScore);
    text += formatMoveLine(form.com.chosen);
    text += ' ';
    text += score;
    text += '\n';
    if (!options.trace || options.level >= FIRST_SEARCH_LEVEL) return;
    text += "trace:";
    for (const std::string& label : traceChosen(form)) {
        text += ' ';
        text += label;
    }
    text += '\n';
}

}  // namespace

int bestmoveCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    BestmoveOptions options;
    if (!parseOptions(args, options)) {
        err << "usage: zelkora-cli bestmove [--level 1|2|3|4|5] [--trace] < positions\n";
        return 2;
    }
    return forEachPosition(in, out, [&](Form1& form, std::string& text) { answer(form, options, text); });
}

}  // namespace zelkora::cli
