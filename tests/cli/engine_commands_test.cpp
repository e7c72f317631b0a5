// zelkora-cli legal, bestmove's seed at the search-core levels and match:
// formats, options, and the relations that must hold between their answers and
// the other commands.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

#include "cli/commands.h"
#include "cli/match.h"

namespace zelkora::cli {
namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun run(CommandFunction command, const Args& args, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = command(args, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(Legal, WithoutACaptureItListsWhatMovesLists) {
    // No piece can be taken in either position: compulsory capture removes
    // nothing, so the core's list is the one of 移動チェック, line for line.
    const std::string positions =
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1\n"
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPP1/1B5R1/LNS1KGSNL w GP 1\n";
    const CliRun legal = run(legalCommand, {}, positions);
    EXPECT_EQ(legal.status, 0);
    EXPECT_EQ(legal.out, run(movesCommand, {}, positions).out);
}

TEST(Legal, ACompulsoryCaptureLeavesOnlyTheStrongestTarget) {
    // The upper silver on (5, 5) reaches a lower pawn on (5, 6) and a lower gold
    // on (4, 6): only the gold may be taken, and no drop is listed.
    const CliRun legal = run(legalCommand, {}, "4k4/9/9/9/4s4/3GP4/9/9/4K4 w P 1\n");
    EXPECT_EQ(legal.out, "5 5 4 6 100\nend\n");
}

// The move of a bestmove answer (a record line: from x in two columns, from
// y, to x, to y, the code after in four) as `moves` lists a board move.
std::string asListedLine(const std::string& answer) {
    const int fromX = std::stoi(answer.substr(0, 2)), after = std::stoi(answer.substr(5, 4));
    return std::to_string(fromX) + " " + answer[2] + " " + answer[3] + " " + answer[4] + " " + std::to_string(after);
}

std::set<std::string> lines(const std::string& text) {
    std::set<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.insert(line);
    return out;
}

TEST(BestmoveSearchLevels, EverySeedChoosesALegalMoveAndTheSeedsDiffer) {
    // Openings: several moves score alike, so the seeds' answers differ; each
    // is a move the game's own move test lists (`moves`: no capture is
    // possible, so that is the whole list), and a seed repeats its answer.
    for (const char* position : {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1\n",
                                 "lnsgkgsnl/1r5b1/ppppppppp/9/9/5P3/PPPPP1PPP/1B5R1/LNSGKGSNL w - 2\n"}) {
        const std::set<std::string> listed = lines(run(movesCommand, {}, position).out);
        std::set<std::string> answers;
        for (const char* seed : {"1", "2", "3", "4", "5", "6"}) {
            const CliRun r = run(bestmoveCommand, {"--level", "4", "--seed", seed}, position);
            ASSERT_EQ(r.status, 0);
            EXPECT_TRUE(listed.count(asListedLine(r.out))) << position << " seed " << seed << ": " << r.out;
            answers.insert(r.out);
        }
        EXPECT_GE(answers.size(), 2u) << position;
        EXPECT_EQ(run(bestmoveCommand, {"--level", "4", "--seed", "6"}, position).out,
                  run(bestmoveCommand, {"--level", "4", "--seed", "6"}, position).out);
    }
}

TEST(Match, NumbersAreWholeAndInRange) {
    const Args bad[] = {
        {"--levels", "2,1", "--games", "1x"},          {"--levels", "2,1", "--games", "4294967297"},
        {"--levels", "2,1", "--games", "2000000000"},   {"--levels", "2,1", "--games", "0"},
        {"--levels", "2,1", "--games", "2", "--seed", "abc"}, {"--levels", "2,1", "--games", "2", "--jobs", "-3"},
        {"--levels", "2,1", "--games", "2", "--jobs", "0"},   {"--levels", "2,7", "--games", "2"},
        {"--levels", "2,1x", "--games", "2"},           {"--levels", "21", "--games", "2"},
        {"--levels", "2,1", "--games", " 2"},           {"--levels", "2,1", "--games"},
        {"--games", "2"},
    };
    for (const Args& args : bad) {
        const CliRun r = run(matchCommand, args, "");
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.err.rfind("error: ", 0), 0u) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(Match, ThreadsAreBoundedByGamesAndTheMachine) {
    const struct {
        std::uint64_t jobs, games;
        unsigned hardware;
        int threads;
    } cases[] = {{1000, 2, 2, 2}, {50000, 1000000, 2, 4}, {3, 1000, 8, 3}, {8, 8, 0, 2}, {1, 5, 2, 1}};
    for (const auto& c : cases) EXPECT_EQ(matchThreads(c.jobs, c.games, c.hardware), c.threads) << c.jobs;
}

TEST(Match, EndsWithTheResultLine) {
    const CliRun match = run(matchCommand, {"--levels", "2,1", "--games", "2", "--seed", "3", "--jobs", "2"}, "");
    EXPECT_EQ(match.status, 0);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(match.out, m,
                                  std::regex("\nLEVEL2 vs LEVEL1: \\+([0-9]+) -([0-9]+) =([0-9]+), score "
                                             "[0-9]+\\.[0-9]%, Elo [-+][0-9]+ ± [0-9]+\n$")))
        << match.out;
    EXPECT_EQ(std::stoi(m[1]) + std::stoi(m[2]) + std::stoi(m[3]), 2);
    EXPECT_EQ(run(matchCommand, {"--levels", "2,9", "--games", "2"}, "").status, 2);
}

TEST(Match, ReportCountsFromASide) {
    const std::vector<MatchGame> games = {{0, 40, true}, {1, 60, false}, {-1, 300, true}, {0, 20, false}};
    const std::string report = matchReport(5, 3, games);
    EXPECT_NE(report.find("LEVEL5 vs LEVEL3: +2 -1 =1, score 62.5%, Elo +89 ± "), std::string::npos) << report;
}

}  // namespace
}  // namespace zelkora::cli
