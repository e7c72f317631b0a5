// Self-play between two levels of the computer.
//
// Every game starts from the initial position (the first pair) or from a short
// random opening (2 to 8 random plies, one opening per pair of games), and the
// two games of a pair alternate who moves first. Before each move the position
// is turned round so the side to move is the upper side, the computer's, and
// the level of that side chooses: levels 1 to 3 by the window's one-ply search
// (no wait), LEVEL4 to LEVEL6 (and the former LEVEL5, level 0) by the search
// core with their node budgets and without the time caps, so a match repeats
// on any machine. The seed chooses the openings and, with the game's index and
// the ply, the draw among each move's near-best moves. The game
// ends as the window ends a game against the computer, seen from the side to
// move: a taken king wins for its owner, a mated king (the window's mate test,
// after every move) wins for its owner, a side without a move loses; 300 plies
// without an end are a draw.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zelkora::cli {

struct MatchGame {
    int winner = -1;       // 0 level A, 1 level B, -1 drawn by the ply limit
    int plies = 0;
    bool aFirst = true;    // level A made the first move (of the opening too)
};

constexpr int MATCH_PLY_LIMIT = 300;

// Plays game `index` of a match between levels a and b.
MatchGame playMatchGame(int a, int b, int index, std::uint64_t seed);

// "LEVEL5", or for the former LEVEL5 (level 0) "LEVEL5-former".
std::string levelName(int level);

// Threads for a match: --jobs, but no more than there are games, nor than
// twice the machine's hardware threads (each thread holds a search table).
int matchThreads(std::uint64_t jobs, std::uint64_t games, unsigned hardwareThreads);

// The results table and the final line, from A's side.
std::string matchReport(int a, int b, const std::vector<MatchGame>& games);

}  // namespace zelkora::cli
