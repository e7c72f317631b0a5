// bestmove: the computer's choice for each position, without playing it.
//
//   zelkora-cli bestmove [--level N] [--seed S] [--trace] < positions
//
// The computer is always the upper side (positive codes), whoever the SFEN
// names to move. It searches exactly as in a game (comSearch: snapshots,
// probes, board moves then drops, compulsory capture, promotion choice,
// tie-breaks) without drawing, sound or wait. Output per position: the
// 17-column record line of the chosen move as the record file holds it, one
// blank and the best score with two decimals; "none" when no move was chosen.
// With --trace a second line "trace:" lists the evaluation rules that fired
// for the chosen move, in the order they applied (levels 1 to 3). At LEVEL4
// to LEVEL6 the search core chooses with the level's node budget alone (no
// time cap, so the answer is the same on any machine, however busy) and the
// score is the search's score; the seed (0 without --seed) chooses among the
// moves nearly as good as the best, as a game's seed does for its first move.
#include <cstdio>
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/positions.h"
#include "computer/engine_bridge.h"
#include "computer/evaluation.h"
#include "records/record_format.h"

namespace zelkora::cli {

namespace {

constexpr const char* BESTMOVE_USAGE = "usage: zelkora-cli bestmove [--level 1|2|3|4|5|6] [--seed S] [--trace] < positions\n";

struct BestmoveOptions {
    std::uint64_t level = 3;
    std::uint64_t seed = 0;
    bool trace = false;
};

// Fills `options`; answers the error line, empty when all is well.
std::string parseOptions(const Args& args, BestmoveOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--trace") {
            options.trace = true;
        } else if (args[i] == "--level" && i + 1 < args.size()) {
            if (!wholeNumber(args[++i], 1, TOP_LEVEL, options.level)) return badNumber("--level", args[i], 1, TOP_LEVEL);
        } else if (args[i] == "--seed" && i + 1 < args.size()) {
            if (!wholeNumber(args[++i], 0, UINT64_MAX, options.seed)) return badNumber("--seed", args[i], 0, UINT64_MAX);
        } else {
            return "error: unknown option or missing value '" + escapedBytes(args[i]) + "'\n";
        }
    }
    return {};
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

// The search core's move for the upper side, as the computer's turn finds it.
void coreSearch(Form1& form, std::uint64_t seed) {
    engine::Position p = toEngine(form.board, form.hands, true);
    engine::SearchLimits limits = gameSearchLimits(form.flags.level, seed, 0, false);
    limits.seconds = limits.wallSeconds = 1e9;
    static thread_local engine::Searcher searcher;
    const engine::SearchResult r = searcher.search(p, limits);
    form.com.chosenValid = r.valid;
    form.com.chosen = r.valid ? toRecord(p, r.best) : MoveRecord{};
    form.com.bestScore = r.score;
}

void answer(Form1& form, const BestmoveOptions& options, std::string& text) {
    form.flags.level = static_cast<int>(options.level);
    if (searchCoreLevel(form.flags.level)) coreSearch(form, options.seed);
    else form.comSearch();
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
    if (!options.trace || searchCoreLevel(form.flags.level)) return;
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
    const std::string error = parseOptions(args, options);
    if (!error.empty()) {
        err << error << BESTMOVE_USAGE;
        return 2;
    }
    return forEachPosition(in, out, [&](Form1& form, std::string& text) { answer(form, options, text); });
}

}  // namespace zelkora::cli
