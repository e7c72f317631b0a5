// The player's results against the computer, counted by level and handicap
// grade. Qt-free: the window layer stores the table as JSON and shows it.
//
// Per level and grade: games, wins and losses (games = wins + losses), the
// winning streak running now and the best one, and how many of the games were
// played with a take-back or with a hint. Help used is counted apart and does
// not stop a streak, so "wins" minus the helped games bounds the clean ones.
#pragma once

#include <compare>
#include <map>

#include "game/ports.h"

namespace zelkora {

struct ResultKey {
    int level = 0;
    int grade = 0;
    auto operator<=>(const ResultKey&) const = default;
};

struct ResultCounts {
    int games = 0;
    int wins = 0;
    int losses = 0;
    int streak = 0;       // wins in a row up to the last game
    int bestStreak = 0;
    int mattaGames = 0;   // games with a take-back
    int hintGames = 0;    // games with a hint
    bool operator==(const ResultCounts&) const = default;
};

using ResultsTable = std::map<ResultKey, ResultCounts>;

// Counts one finished game into its row.
void countGame(ResultsTable& table, const GameResult& game);

}  // namespace zelkora
