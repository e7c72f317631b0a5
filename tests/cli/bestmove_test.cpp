// zelkora-cli bestmove: the computer's choice for the sample positions at each
// level must equal the expected answers line for line, and the options and
// the special answers behave as documented.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/commands.h"

namespace zelkora::cli {
namespace {

std::string fixturePath(const std::string& name) {
    const char* folder = std::getenv("ZELKORA_FIXTURES");
    if (folder) return std::string(folder) + "/" + name;
    const std::string here = __FILE__;
    return here.substr(0, here.find_last_of('/')) + "/fixtures/" + name;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct CliRun {
    int status;
    std::string out, err;
};

CliRun bestmove(const Args& args, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = bestmoveCommand(args, in, out, err);
    return {status, out.str(), err.str()};
}

class BestmoveFixtures : public ::testing::TestWithParam<int> {};

TEST_P(BestmoveFixtures, MatchesExpectedAnswers) {
    const int level = GetParam();
    const CliRun run = bestmove({"--level", std::to_string(level)}, readFile(fixturePath("positions.sfen")));
    EXPECT_EQ(run.status, 0);
    const std::string expected =
        readFile(fixturePath("bestmove-level" + std::to_string(level) + ".expected"));
    std::istringstream got(run.out), want(expected);
    std::string g, w;
    int line = 0;
    while (std::getline(want, w)) {
        ++line;
        ASSERT_TRUE(std::getline(got, g)) << "missing line " << line;
        EXPECT_EQ(g, w) << "line " << line;
    }
    EXPECT_FALSE(std::getline(got, g)) << "extra output: " << g;
}

// Levels 4 and 5 at seed 0: the search core's answers, scores included, pinned.
INSTANTIATE_TEST_SUITE_P(Levels, BestmoveFixtures, ::testing::Values(1, 2, 3, 4, 5));

TEST(Bestmove, DefaultLevelIsThree) {
    const std::string positions = readFile(fixturePath("positions.sfen"));
    EXPECT_EQ(bestmove({}, positions).out, bestmove({"--level", "3"}, positions).out);
}

TEST(Bestmove, RecordLineColumnsForBoardMoveAndDrop) {
    // A knight takes a promoted pawn; a drop names column -1 and the kind index.
    EXPECT_EQ(bestmove({"--level", "1"}, "4k4/9/1n7/9/+P8/9/9/9/8K w - 1\n").out, " 2315  30  30 -11 0.00\n");
    EXPECT_EQ(bestmove({"--level", "1"}, "k8/9/1N7/9/9/9/9/9/8K w p 1\n").out, "-1112  10  10   0 9998.00\n");
}

TEST(Bestmove, NoMoveAnswersNone) {
    EXPECT_EQ(bestmove({}, "9/9/9/9/4K4/9/9/9/9 w - 1\n").out, "none\n");
}

TEST(Bestmove, TraceNamesTheRulesOfTheChosenMove) {
    // The computer's king steps forward onto (6, 2): both parts of K1 hold.
    const CliRun run = bestmove({"--trace"}, "4k4/9/9/9/9/9/9/9/8K w - 1\n");
    EXPECT_EQ(run.out, " 5162 950 950   0 101.00\ntrace: K1 K1+\n");
    const CliRun quiet = bestmove({"--level", "1", "--trace"}, "4k4/9/9/9/9/9/9/9/8K w - 1\n");
    EXPECT_EQ(quiet.out, " 5141 950 950   0 0.00\ntrace:\n");
}

TEST(Bestmove, TraceKeepsTheAnswerLines) {
    const std::string positions = readFile(fixturePath("positions.sfen"));
    const std::string plain = bestmove({}, positions).out;
    std::istringstream traced(bestmove({"--trace"}, positions).out);
    std::string answers, line;
    while (std::getline(traced, line)) {
        answers += line + "\n";
        ASSERT_TRUE(std::getline(traced, line));
        EXPECT_EQ(line.rfind("trace:", 0), 0u) << line;
    }
    EXPECT_EQ(answers, plain);
}

TEST(Bestmove, BadArgumentsAndLines) {
    const struct {
        Args args;
    } bad[] = {{{"--level"}}, {{"--level", "7"}}, {{"--level", "0"}}, {{"--level", "5x"}}, {{"--seed", "abc"}},
               {{"--seed", "-1"}}, {{"--seed", "18446744073709551616"}}, {{"--depth", "2"}}, {{"3"}}};
    for (const auto& b : bad) {
        const CliRun run = bestmove(b.args, "");
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("usage"), std::string::npos);
    }
    const CliRun run = bestmove({}, "not a position\n4k4/9/9/9/9/9/9/9/8K w - 1\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.rfind("error: ", 0), 0u);
    EXPECT_NE(run.out.find(" 5162 950 950   0 101.00\n"), std::string::npos);
}

}  // namespace
}  // namespace zelkora::cli
