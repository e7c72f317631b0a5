// zelkora-cli replay FILE: one SFEN per applied entry, "error: ..." at the first
// entry "進" would refuse, then "end"; the exit status says which happened.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "records/record_format.h"

namespace zelkora::cli {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out, err;
};

class ReplayTest : public ::testing::Test {
protected:
    fs::path dir;

    void SetUp() override {
        dir = fs::temp_directory_path() / ("zelkora-replay-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string write(const std::string& name, const std::string& bytes) {
        const fs::path p = dir / fs::u8path(name);
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

    static Outcome run(const Args& args) {
        std::istringstream in;
        std::ostringstream out, err;
        const int status = replayCommand(args, in, out, err);
        return {status, out.str(), err.str()};
    }
};

const char* const HEADER = "\x91\xce\x8b\xc7\r\n\x91\xbe\x98\x59\r\n\x89\xd4\x8e\x71\r\n";

TEST_F(ReplayTest, PrintsThePositionAfterEveryEntry) {
    const std::string path = write("対局.棋譜", std::string(HEADER) +
                                                " 3736 -10 -10   0\r\n"
                                                " 7374  10  10   0\r\n"
                                                " 2882-801-800 800\r\n"
                                                " 7182 100 100-801\r\n"
                                                "11855-800-800   0\r\n"
                                                "-1645 800 800   0\r\n"
                                                " 5573-801-800   0\r\n"
                                                " 7475  10  10   0\r\n");
    const Outcome r = run({path});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 1\n"
              "lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 2\n"
              "lnsgkgsnl/1r5+B1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL b B 3\n"
              "lnsgkg1nl/1r5s1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL b Bb 4\n"
              "lnsgkg1nl/1r5s1/pppppp1pp/6p2/4B4/2P6/PP1PPPPPP/7R1/LNSGKGSNL b b 5\n"
              "lnsgkg1nl/1r5s1/pppppp1pp/6p2/3bB4/2P6/PP1PPPPPP/7R1/LNSGKGSNL b - 6\n"
              "lnsgkg1nl/1r5s1/pppppp+Bpp/6p2/3b5/2P6/PP1PPPPPP/7R1/LNSGKGSNL b - 7\n"
              "lnsgkg1nl/1r5s1/pppppp+Bpp/9/3b2p2/2P6/PP1PPPPPP/7R1/LNSGKGSNL b - 8\n"
              "end\n");
}

TEST_F(ReplayTest, StopsAtTheFirstEntryForwardWouldRefuse) {
    struct Case {
        const char* name;
        const char* moves;
        const char* expected;
    };
    const Case cases[] = {
        {"empty hand", " 3736 -10 -10   0\r\n11355 -10 -10   0\r\n 7374  10  10   0\r\n",
         "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 1\n"
         "error: entry 2 (line 5): drop of a piece the hand does not hold\nend\n"},
        {"blank line", "\r\n 3736 -10 -10   0\r\n",
         "error: entry 1 (line 4): square off the board\nend\n"},
        {"target off the board", " 3736 -10 -10   0\r\n 7370  10  10   0\r\n",
         "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 1\n"
         "error: entry 2 (line 5): square off the board\nend\n"},
        {"king onto a pawn without taking it", " 3736 -10 -10   0\r\n 5957   0-950-950\r\n",
         "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 1\n"
         "error: entry 2 (line 5): does not match the board\nend\n"},
    };
    for (const Case& c : cases) {
        const Outcome r = run({write("r.棋譜", std::string(HEADER) + c.moves)});
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_EQ(r.out, c.expected) << c.name;
    }
}

TEST_F(ReplayTest, FilesThatAreNoRecordOrCannotBeReadAreErrors) {
    const std::string d = dir.string();
    fs::create_directories(dir / "folder");
    struct Case {
        std::string path, expected;
    };
    const Case cases[] = {
        {write("h.棋譜", HEADER), "not a record file: " + d + "/h.棋譜"},
        {write("png.棋譜", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\r\n\r\n", 20)), "not a record file: " + d + "/png.棋譜"},
        {write("big.棋譜", std::string(RECORD_MAX_BYTES + 1, ' ')),
         "larger than any record (" + std::to_string(RECORD_MAX_BYTES) + " bytes): " + d + "/big.棋譜"},
        {d + "/missing.棋譜", "cannot read " + d + "/missing.棋譜"},
        {d + "/folder", "cannot read " + d + "/folder"},
        {d + "/bad\x01\xff", "cannot read " + d + "/bad\\x01\\xff"},
    };
    for (const Case& c : cases) {
        const Outcome r = run({c.path});
        EXPECT_EQ(r.status, 1) << c.path;
        EXPECT_EQ(r.out, "error: " + c.expected + "\nend\n");
    }

    EXPECT_EQ(run({}).status, 2);
    EXPECT_EQ(run({"a", "b"}).status, 2);
}

TEST_F(ReplayTest, ALongRecordStopsAtFiveHundredEntriesWithANote) {
    std::string file = HEADER;
    for (int i = 0; i < 600; ++i) file += i % 2 ? " 3637 -10 -10   0\r\n" : " 3736 -10 -10   0\r\n";
    const Outcome r = run({write("long.棋譜", file)});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("more than 500 moves"), std::string::npos);
    std::istringstream lines(r.out);
    int count = 0;
    std::string line, last;
    while (std::getline(lines, line)) {
        if (line != "end") last = line;
        ++count;
    }
    EXPECT_EQ(count, 501);
    EXPECT_EQ(last, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 500");
}

}  // namespace
}  // namespace zelkora::cli
