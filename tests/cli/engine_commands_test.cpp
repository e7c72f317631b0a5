// zelkora-cli legal, bestmove at LEVEL4 / LEVEL5 and match: formats, and the
// relations that must hold between their answers and the other commands.
#include <gtest/gtest.h>

#include <regex>
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
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w GP 1\n";
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

TEST(BestmoveSearchLevels, AnswerInTheRecordFormatAndAlwaysTheSame) {
    const std::string position = "ln1g1g1nl/1r1s1k1b1/p1pppp1pp/1p4p2/9/2P3P2/PP1PPP1PP/1B1S1K1R1/LN1G1GSNL w Sp 1\n";
    for (const char* level : {"4", "5"}) {
        const CliRun first = run(bestmoveCommand, {"--level", level}, position);
        EXPECT_EQ(first.status, 0);
        EXPECT_TRUE(std::regex_match(first.out, std::regex("[- ][0-9]{4}[- 0-9]{4}[- 0-9]{4}[- 0-9]{4} -?[0-9]+\\.[0-9]{2}\n")))
            << first.out;
        EXPECT_EQ(first.out, run(bestmoveCommand, {"--level", level}, position).out);
    }
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
