// The subcommands of zelkora-cli.
//
// Each subcommand gets the arguments that follow its name, reads standard input
// (normally SFEN positions, one a line), writes its answers to `out` and any
// usage complaint to `err`, and returns the exit status: 0 when every line was
// answered, 1 when some input line was bad, 2 for wrong arguments. main.cpp
// holds the table from names to these functions.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zelkora::cli {

using Args = std::vector<std::string>;
using CommandFunction = int (*)(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);

struct Command {
    const char* name;
    const char* usage;   // shown after the program's name in the usage text
    CommandFunction run;
};

// ---- Rules (cli/rules_commands.cpp) ----
// Every move and drop 移動チェック accepts for the side to move, then "end".
int movesCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
// The eleven influence arrays, the king squares, then "end".
int surveyCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
// Capture data of both players, the two mate tests, the escape count, then "end".
int probeCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);

// The moves the search core allows the side to move, then "end" (cli/legal.cpp).
int legalCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);

// ---- Computer (cli/bestmove.cpp, cli/match.cpp) ----
// The computer's chosen move (record line and score) for each position.
int bestmoveCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
// Games between two levels and their results table.
int matchCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);

// ---- Lessons (cli/lessons.cpp) ----
// Every lesson of "入門": number, title, position and main line, one a line.
int lessonsCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);

// ---- Records (cli/replay.cpp) ----
// Steps through the record FILE as "進" does, one SFEN per entry, then "end".
int replayCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
// The record FILE as KIF in UTF-8, as "KIF書出" writes it (without 開始日時).
int kifCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
// Every move of the record FILE with the evaluation after it, the best move
// and its mark, then the marks per side (cli/review.cpp).
int reviewCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace zelkora::cli
