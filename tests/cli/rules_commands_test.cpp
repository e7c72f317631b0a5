// zelkora-cli moves / survey / probe: byte-for-byte acceptance against the
// sample answers in tests/cli/fixtures, the start position's answers, bad and
// blank lines, and the independence of the lines from each other. The same
// checks run through the library functions and through the built program.
#include <gtest/gtest.h>

#include <cstring>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace zelkora::cli {
namespace {

std::filesystem::path fixtures() {
    if (const char* dir = std::getenv("ZELKORA_FIXTURES")) return dir;
    return std::filesystem::path(__FILE__).parent_path() / "fixtures";
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(CommandFunction command, const std::string& input, const Args& args = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = command(args, in, out, err);
    return {status, out.str(), err.str()};
}

struct Subcommand {
    const char* name;
    CommandFunction function;
};

const Subcommand kSubcommands[] = {
    {"moves", movesCommand},
    {"survey", surveyCommand},
    {"probe", probeCommand},
};

constexpr const char* kStart = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

TEST(CliAcceptance, SamplePositionsGiveTheExpectedAnswers) {
    const std::string positions = readFile(fixtures() / "positions.sfen");
    for (const Subcommand& s : kSubcommands) {
        const Outcome r = run(s.function, positions);
        EXPECT_EQ(r.status, 0) << s.name;
        EXPECT_TRUE(r.out == readFile(fixtures() / (std::string(s.name) + ".expected")))
            << s.name << " differs from " << s.name << ".expected";
    }
}

TEST(CliStartPosition, MovesAreTheThirtyOpeningMoves) {
    const Outcome r = run(movesCommand, std::string(kStart) + "\n");
    EXPECT_EQ(r.status, 0);
    const std::string expected =
        "1 7 1 6 -10\n1 9 1 8 -20\n2 7 2 6 -10\n3 7 3 6 -10\n3 9 3 8 -100\n3 9 4 8 -100\n"
        "4 7 4 6 -10\n4 9 3 8 -110\n4 9 4 8 -110\n4 9 5 8 -110\n5 7 5 6 -10\n5 9 4 8 -950\n"
        "5 9 5 8 -950\n5 9 6 8 -950\n6 7 6 6 -10\n6 9 5 8 -110\n6 9 6 8 -110\n6 9 7 8 -110\n"
        "7 7 7 6 -10\n7 9 6 8 -100\n7 9 7 8 -100\n8 7 8 6 -10\n8 8 3 8 -900\n8 8 4 8 -900\n"
        "8 8 5 8 -900\n8 8 6 8 -900\n8 8 7 8 -900\n8 8 9 8 -900\n9 7 9 6 -10\n9 9 9 8 -20\nend\n";
    EXPECT_EQ(r.out, expected);
}

TEST(CliStartPosition, TheUpperSideToMoveListsItsOwnMovesAndDrops) {
    const Outcome r = run(movesCommand, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPP1/1B5R1/LNSGKGSNL w P 1\n");
    // 30 mirrored moves, no drops: the pawn in hand is the lower side's.
    std::istringstream lines(r.out);
    int count = 0;
    for (std::string line; std::getline(lines, line) && line != "end"; ++count) {
        std::istringstream fields(line);
        int fx, fy, tx, ty, piece;
        fields >> fx >> fy >> tx >> ty >> piece;
        EXPECT_GT(piece, 0) << line;
        EXPECT_NE(fx, 11) << line;
    }
    EXPECT_EQ(count, 30);
}

TEST(CliStartPosition, SurveyPrintsElevenArraysInScanOrderThenTheKings) {
    const Outcome r = run(surveyCommand, std::string(kStart) + "\n");
    EXPECT_EQ(r.status, 0);
    const char* names[] = {"lower_influence",     "upper_influence",   "lower_guard_code", "upper_guard_code",
                           "upper_guard_x",       "upper_guard_y",     "lower_attacker_code",
                           "lower_attacker_x",    "lower_attacker_y",  "lower_check_marks", "upper_check_marks"};
    std::istringstream lines(r.out);
    std::vector<std::vector<int>> arrays;
    for (const char* name : names) {
        std::string line;
        ASSERT_TRUE(std::getline(lines, line));
        std::istringstream fields(line);
        std::string first;
        fields >> first;
        EXPECT_EQ(first, name);
        std::vector<int> values;
        for (int v; fields >> v;) values.push_back(v);
        EXPECT_EQ(values.size(), 81u) << name;
        arrays.push_back(values);
    }
    auto at = [&](int array, int x, int y) { return arrays[array][(x - 1) * 9 + (y - 1)]; };
    EXPECT_EQ(at(1, 5, 2), 4);      // upper_influence at (5, 2)
    EXPECT_EQ(at(0, 5, 8), 4);      // lower_influence at (5, 8)
    EXPECT_EQ(at(2, 2, 8), -900);   // lower_guard_code at the lower bishop
    EXPECT_EQ(at(3, 8, 2), 100);    // upper_guard_code at the upper bishop
    EXPECT_EQ(at(4, 8, 2), 7);
    EXPECT_EQ(at(5, 8, 2), 1);
    EXPECT_EQ(at(6, 4, 8), -950);
    EXPECT_EQ(at(6, 5, 5), -999);
    std::string rest((std::istreambuf_iterator<char>(lines)), std::istreambuf_iterator<char>());
    EXPECT_EQ(rest, "kings 5 9 5 1\nend\n");
}

TEST(CliStartPosition, ProbeFindsNothingToCaptureAndThreeEscapes) {
    const Outcome r = run(probeCommand, std::string(kStart) + "\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "capture lower 0 0 0\ncapture upper 0 0 0\nmate_com 0\nmate_man 0\nescapes 3\nend\n");
}

TEST(CliInput, BadLinesAreReportedAndTheRunGoesOn) {
    const std::string input = std::string("\n") + kStart + "\nnot a position\n   \r\n" +
                              "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL x - 1\n" + kStart + "\r\n";
    for (const Subcommand& s : kSubcommands) {
        const Outcome r = run(s.function, input);
        const Outcome good = run(s.function, std::string(kStart) + "\n");
        EXPECT_EQ(r.status, 1) << s.name;
        std::istringstream lines(r.out);
        std::vector<std::string> errors;
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("error: ", 0) == 0) errors.push_back(line);
        EXPECT_EQ(errors.size(), 2u) << s.name;
        // The two good lines are answered as if alone.
        EXPECT_EQ(r.out.substr(0, good.out.size()), good.out) << s.name;
        EXPECT_EQ(r.out.substr(r.out.size() - good.out.size()), good.out) << s.name;
    }
    EXPECT_EQ(run(probeCommand, "\n \n").out, "");
    EXPECT_EQ(run(probeCommand, "\n \n").status, 0);
}

TEST(CliInput, MorePiecesOfAKindThanASetHoldsAreErrors) {
    const std::string empty = "9/9/9/9/9/9/9/9/9 b ";
    struct Case {
        std::string line, answer;
    };
    const Case cases[] = {
        {std::string(kStart, std::strlen(kStart) - 3) + "P 1", "error: more pawns than a set holds (18)"},
        {empty + "19P", "error: more pawns than a set holds (18)"},
        {empty + "10P9p", "error: more pawns than a set holds (18)"},
        {empty + std::string(100000, 'P'), "error: more pawns than a set holds (18)"},
        {empty + "99999999999999999999R", "error: hand count too large"},
        {"k8/9/9/9/4K4/9/9/9/8k b -", "error: more kings than a set holds (2)"},
        {"+r+r7/9/9/9/9/9/9/9/9 b r", "error: more rooks than a set holds (2)"},
        {empty + std::string("P\0x", 3), "error: bad hand piece '\\x00'"},
        {empty + "9P9p2L2l2N2n2S2s2G2g1B1b1R1r", "capture lower"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(probeCommand, c.line + "\n");
        EXPECT_NE(r.out.find(c.answer), std::string::npos) << r.out;
        EXPECT_EQ(r.status, c.answer.rfind("error", 0) == 0 ? 1 : 0) << c.answer;
    }
}

TEST(CliInput, PiecesThatCanNeverMoveAreErrorsNamingTheSquare) {
    struct Case {
        const char* line;
        const char* answer;
    };
    const Case cases[] = {
        {"4K4/9/9/9/9/9/9/9/8n w - 1", "error: piece 'n' on column 9, row 9 can never move\n"},
        {"4K4/9/9/9/9/9/9/1n7/9 w - 1", "error: piece 'n' on column 2, row 8 can never move\n"},
        {"4K4/9/9/9/9/9/9/9/4p4 w - 1", "error: piece 'p' on column 5, row 9 can never move\n"},
        {"4K4/9/9/9/9/9/9/9/l8 w - 1", "error: piece 'l' on column 1, row 9 can never move\n"},
        {"N8/9/9/9/9/9/9/9/4k4 b - 1", "error: piece 'N' on column 1, row 1 can never move\n"},
        {"4k4/7N1/9/9/9/9/9/9/4K4 b - 1", "error: piece 'N' on column 8, row 2 can never move\n"},
        {"P3k4/9/9/9/9/9/9/9/4K4 b - 1", "error: piece 'P' on column 1, row 1 can never move\n"},
        {"4k3L/9/9/9/9/9/9/9/4K4 b - 1", "error: piece 'L' on column 9, row 1 can never move\n"},
        // Promoted, moving the other way, or with room left: accepted.
        {"+n3k3+p/9/9/9/9/9/9/9/N3K3P b - 1", "end\n"},
        {"4k4/9/N8/9/9/9/n8/9/4K4 b - 1", "end\n"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(probeCommand, std::string(c.line) + "\n");
        EXPECT_TRUE(r.out.ends_with(c.answer)) << c.line << ": " << r.out;
        EXPECT_EQ(r.status, c.answer[1] == 'r' ? 1 : 0) << c.line;
    }
}

TEST(CliInput, EveryLineStartsFromAFreshProgram) {
    // The first position leaves guard squares behind (upper_guard_x / _y are
    // never cleared by a survey); the second must not see them.
    const std::string first = "9/9/9/9/r3g4/9/9/9/9 b - 1\n";
    const std::string second = "9/9/9/4p4/4g4/9/9/9/9 b - 1\n";
    for (const Subcommand& s : kSubcommands) {
        const Outcome alone = run(s.function, second);
        const Outcome both = run(s.function, first + second);
        ASSERT_GE(both.out.size(), alone.out.size());
        EXPECT_EQ(both.out.substr(both.out.size() - alone.out.size()), alone.out) << s.name;
    }
}

TEST(CliInput, SubcommandsTakeNoArguments) {
    for (const Subcommand& s : kSubcommands) {
        const Outcome r = run(s.function, std::string(kStart) + "\n", {"--level", "3"});
        EXPECT_EQ(r.status, 2) << s.name;
        EXPECT_EQ(r.out, "") << s.name;
        EXPECT_NE(r.err, "") << s.name;
    }
}

// ---- The built program ----

Outcome runProgram(const std::string& arguments, const std::filesystem::path& input) {
    const char* bin = std::getenv("ZELKORA_BIN");
    const std::string command = std::string(bin) + "/zelkora-cli " + arguments + " < " + input.string() + " 2>/dev/null";
    Outcome r{0, {}, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {-1, {}, {}};
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.out.append(buffer, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(CliProgram, AnswersTheSamplePositionsAndRejectsUnknownSubcommands) {
    const char* bin = std::getenv("ZELKORA_BIN");
    if (!bin || !std::filesystem::exists(std::filesystem::path(bin) / "zelkora-cli"))
        GTEST_SKIP() << "zelkora-cli is not built (ZELKORA_BIN unset or empty)";
    const auto positions = fixtures() / "positions.sfen";
    for (const Subcommand& s : kSubcommands) {
        const Outcome r = runProgram(s.name, positions);
        EXPECT_EQ(r.status, 0) << s.name;
        EXPECT_TRUE(r.out == readFile(fixtures() / (std::string(s.name) + ".expected"))) << s.name;
    }
    EXPECT_EQ(runProgram("no-such-subcommand", positions).status, 2);
    EXPECT_EQ(runProgram("", positions).status, 2);
}

}  // namespace
}  // namespace zelkora::cli
