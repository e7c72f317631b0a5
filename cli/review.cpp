// zelkora-cli review FILE: every move of a ".棋譜" record with the evaluation
// after it (lower player's view, centi-units, clamped), the best move of the
// position it was played in and its mark ("", "?" mistake, "??" blunder),
// then the count of marks per side. The searches run at LEVEL5's budget.
#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "game/null_ports.h"
#include "cli/positions.h"
#include "cli/record_file.h"
#include "review/review.h"

namespace zelkora::cli {

int reviewCommand(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: zelkora-cli review FILE\n";
        return 2;
    }
    LoadedRecord record;
    std::string refusal;
    if (!readRecordFile(args[0], record, refusal)) {
        out << "error: " << refusal << "\n";
        return 1;
    }
    // The initial position as a new game sets it up.
    NullPorts ports;
    auto form = freshForm(ports);
    form->初期設定();
    const std::vector<ReviewedMove> moves = reviewGame(form->board, form->hands, record.moves);

    int marks[2][2] = {};   // [upper][blunder]
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const ReviewedMove& m = moves[i];
        out << i + 1 << '\t' << movesForm(m.played) << '\t' << m.lowerEvalAfter << '\t'
            << (m.before.bestValid ? movesForm(m.before.best) : "-") << '\t' << markText(m.mark) << '\n';
        if (m.mark != Mark::None) ++marks[isUpper(m.played.after)][m.mark == Mark::Blunder];
    }
    out << "mistakes: lower " << marks[0][0] + marks[0][1] << " (blunders " << marks[0][1] << "), upper "
        << marks[1][0] + marks[1][1] << " (blunders " << marks[1][1] << ")\n";
    const int status = moves.size() < record.moves.size() ? 1 : 0;
    if (status) out << "error: entry " << moves.size() + 1 << " cannot be stepped\n";
    return status;
}

}  // namespace zelkora::cli
