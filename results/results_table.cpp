// Counting a finished game into the results.
#include "results/results_table.h"

#include <algorithm>

namespace zelkora {

void countGame(ResultsTable& table, const GameResult& game) {
    ResultCounts& row = table[ResultKey{game.level, game.grade}];
    ++row.games;
    if (game.won) {
        ++row.wins;
        ++row.streak;
        row.bestStreak = std::max(row.bestStreak, row.streak);
    } else {
        ++row.losses;
        row.streak = 0;
    }
    if (game.matta) ++row.mattaGames;
    if (game.hint) ++row.hintGames;
}

}  // namespace zelkora
