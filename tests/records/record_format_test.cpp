// The ".棋譜" writer and reader on their own: byte-exact move lines and files,
// the lenient field conversion, line ends, short, damaged and oversized files.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "records/record_format.h"

namespace zelkora {
namespace {

std::vector<std::uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }
std::string textOf(const std::vector<std::uint8_t>& b) { return {b.begin(), b.end()}; }

// ---- Move lines ----

struct LineCase {
    const char* name;
    MoveRecord move;
    const char* line;
};

class MoveLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(MoveLineTest, WritesSeventeenFixedColumnsAndReadsThemBack) {
    const LineCase& c = GetParam();
    const std::string line = formatMoveLine(c.move);
    EXPECT_EQ(line, c.line);
    EXPECT_EQ(line.size(), 17u);
    const MoveRecord back = parseMoveLine(line);
    EXPECT_EQ(back.fromX, c.move.fromX);
    EXPECT_EQ(back.fromY, c.move.fromY);
    EXPECT_EQ(back.toX, c.move.toX);
    EXPECT_EQ(back.toY, c.move.toY);
    EXPECT_EQ(back.captured, c.move.captured);
    EXPECT_EQ(back.before, c.move.before);
    EXPECT_EQ(back.after, c.move.after);
}

// Fields: fromX, fromY, toX, toY, captured, before, after.
INSTANTIATE_TEST_SUITE_P(
    Writer, MoveLineTest,
    ::testing::Values(
        LineCase{"LowerPawnForward", {3, 7, 3, 6, 0, -10, -10}, " 3736 -10 -10   0"},
        LineCase{"UpperPawnForward", {7, 3, 7, 4, 0, 10, 10}, " 7374  10  10   0"},
        LineCase{"DropFromLowerHand", {11, 3, 5, 5, 0, -10, -10}, "11355 -10 -10   0"},
        LineCase{"DropFromUpperHand", {-1, 6, 4, 5, 0, 800, 800}, "-1645 800 800   0"},
        LineCase{"PromotingCapture", {2, 8, 8, 2, 800, -800, -801}, " 2882-801-800 800"},
        LineCase{"CaptureOfPromotedLowerPiece", {7, 1, 8, 2, -801, 100, 100}, " 7182 100 100-801"},
        LineCase{"LowerKingTakesUpperKing", {5, 2, 5, 1, 950, -950, -950}, " 5251-950-950 950"},
        LineCase{"UpperKingTakesLowerKing", {5, 8, 5, 9, -950, 950, 950}, " 5859 950 950-950"},
        LineCase{"PromotedPawnTakesGold", {4, 4, 4, 3, 110, -11, -11}, " 4443 -11 -11 110"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MoveLine, TheExampleLineByColumns) {
    // ␣3736␣-10␣-10␣␣␣0: the blanks of each field stand where the rule puts them.
    const std::string line = formatMoveLine({3, 7, 3, 6, 0, -10, -10});
    EXPECT_EQ(line.substr(0, 2), " 3");
    EXPECT_EQ(line.substr(2, 1), "7");
    EXPECT_EQ(line.substr(3, 1), "3");
    EXPECT_EQ(line.substr(4, 1), "6");
    EXPECT_EQ(line.substr(5, 4), " -10");
    EXPECT_EQ(line.substr(9, 4), " -10");
    EXPECT_EQ(line.substr(13, 4), "   0");
}

TEST(MoveLine, DropsWriteTheHandColumnWithoutPadding) {
    EXPECT_EQ(formatMoveLine({11, 9, 1, 1, 0, -900, -900}).substr(0, 2), "11");
    EXPECT_EQ(formatMoveLine({-1, 7, 9, 9, 0, 900, 900}).substr(0, 2), "-1");
}

// ---- Whole files ----

MoveList listOf(const std::vector<MoveRecord>& entries) {
    MoveList list;
    for (std::size_t i = 0; i < entries.size(); ++i) list.entry[i + 1] = entries[i];
    list.count = static_cast<int>(entries.size());
    list.replay = list.count;
    return list;
}

TEST(RecordWriter, ShiftJisHeaderAndCrLfAfterEveryLine) {
    const MoveList list = listOf({{3, 7, 3, 6, 0, -10, -10}, {7, 3, 7, 4, 0, 10, 10}});
    const std::string expected =
        "\x91\xce\x8b\xc7\r\n"          // 対局
        "\x91\xbe\x98\x59\r\n"          // 太郎
        "\xc3\xbd\xc4\r\n"              // ﾃｽﾄ (half-width, one byte each)
        " 3736 -10 -10   0\r\n"
        " 7374  10  10   0\r\n";
    EXPECT_EQ(textOf(writeRecord("対局", "太郎", "ﾃｽﾄ", list, 2)), expected);
}

TEST(RecordWriter, WritesOnlyEntriesUpToTheGivenCount) {
    const MoveList list = listOf({{3, 7, 3, 6, 0, -10, -10}, {7, 3, 7, 4, 0, 10, 10}});
    EXPECT_EQ(textOf(writeRecord("", "", "", list, 1)), "\r\n\r\n\r\n 3736 -10 -10   0\r\n");
}

TEST(RecordWriter, LineBreaksInsideANameCannotSplitTheFile) {
    const MoveList list = listOf({{3, 7, 3, 6, 0, -10, -10}});
    const std::string file = textOf(writeRecord("a\r\nb", "c\nd", "e\rf", list, 1));
    EXPECT_EQ(file, "a  b\r\nc d\r\ne f\r\n 3736 -10 -10   0\r\n");
    const LoadedRecord back = readRecord(bytesOf(file));
    EXPECT_EQ(back.header[0], "a  b");
    ASSERT_EQ(back.moves.size(), 1u);
}

TEST(RecordWriter, TheLargestRecordFitsTheReadersLimitWithItsNamesCut) {
    std::vector<MoveRecord> entries(MoveList::MAX, MoveRecord{11, 3, 5, 5, -901, -901, -901});
    std::string longName;
    for (int i = 0; i < 1000; ++i) longName += "名";
    const std::vector<std::uint8_t> file = writeRecord(longName, longName + "x", "x" + longName, listOf(entries), MoveList::MAX);
    EXPECT_LE(file.size(), RECORD_MAX_BYTES);
    const LoadedRecord back = readRecord(file);
    EXPECT_TRUE(back.isRecord);
    EXPECT_EQ(back.moves.size(), entries.size());
    // Cut at a character boundary: whole characters, none broken.
    EXPECT_EQ(back.header[0], longName.substr(0, RECORD_HEADER_MAX / 2 * 3));
    EXPECT_EQ(back.header[2], "x" + longName.substr(0, (RECORD_HEADER_MAX - 2) / 2 * 3));
}

TEST(RecordRoundTrip, AFullListComesBackEntryByEntry) {
    // Every kind of entry: board moves, promotions, captures of promoted pieces,
    // drops from both hands (screen row and kind index), king captures.
    std::vector<MoveRecord> entries;
    std::mt19937 random(7);
    const int codes[] = {10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901, 950};
    for (int i = 0; i < MoveList::MAX; ++i) {
        MoveRecord m;
        const int kind = static_cast<int>(random() % 3);
        m.fromX = kind == 0 ? 1 + static_cast<int>(random() % 9) : (kind == 1 ? 11 : -1);
        m.fromY = 1 + static_cast<int>(random() % 9);
        m.toX = 1 + static_cast<int>(random() % 9);
        m.toY = 1 + static_cast<int>(random() % 9);
        const int sign = random() % 2 ? 1 : -1;
        m.before = sign * codes[random() % (kind == 0 ? 14 : 13)];   // kings are never dropped
        m.after = m.before;
        m.captured = random() % 2 ? -sign * codes[random() % 14] : 0;
        entries.push_back(m);
    }
    const MoveList list = listOf(entries);
    const LoadedRecord back = readRecord(writeRecord("g", "u", "l", list, list.count));
    ASSERT_EQ(back.moves.size(), entries.size());
    EXPECT_FALSE(back.truncated);
    EXPECT_TRUE(back.unusableLines.empty());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MoveRecord& a = entries[i];
        const MoveRecord& b = back.moves[i];
        EXPECT_TRUE(a.fromX == b.fromX && a.fromY == b.fromY && a.toX == b.toX && a.toY == b.toY &&
                    a.captured == b.captured && a.before == b.before && a.after == b.after)
            << "entry " << i + 1 << ": " << formatMoveLine(a) << " read back as " << formatMoveLine(b);
    }
}

// ---- Lenient conversion ----

struct NumberCase {
    const char* field;
    int value;
};

class LenientNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LenientNumberTest, Converts) { EXPECT_EQ(lenientNumber(GetParam().field), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Reader, LenientNumberTest,
                         ::testing::Values(NumberCase{"", 0}, NumberCase{"    ", 0}, NumberCase{" -10", -10},
                                           NumberCase{"  12", 12}, NumberCase{"0950", 950},
                                           NumberCase{"-950", -950}, NumberCase{"-", 0}, NumberCase{"ab", 0},
                                           NumberCase{"1a", 1}, NumberCase{" 1 2", 1}, NumberCase{"+5", 0},
                                           NumberCase{"--1", 0}, NumberCase{" - 1", 0}, NumberCase{"-0", 0},
                                           NumberCase{"\t7", 0}));

TEST(MoveLineReader, FieldsAreTakenByColumns) {
    // A field's blanks and signs are its own: a minus sign in column 6 belongs to
    // piece after, not to the to-row before it.
    const MoveRecord m = parseMoveLine(" 3736-801 100-110");
    EXPECT_EQ(m.fromX, 3);
    EXPECT_EQ(m.fromY, 7);
    EXPECT_EQ(m.toX, 3);
    EXPECT_EQ(m.toY, 6);
    EXPECT_EQ(m.after, -801);
    EXPECT_EQ(m.before, 100);
    EXPECT_EQ(m.captured, -110);
}

struct DamagedLineCase {
    const char* name;
    const char* line;
    MoveRecord expected;
    bool onBoard;
};

class DamagedLineTest : public ::testing::TestWithParam<DamagedLineCase> {};

TEST_P(DamagedLineTest, ReadsLenientlyAndJudgesTheBoard) {
    const DamagedLineCase& c = GetParam();
    const MoveRecord m = parseMoveLine(c.line);
    const MoveRecord& e = c.expected;
    EXPECT_EQ(m.fromX, e.fromX);
    EXPECT_EQ(m.fromY, e.fromY);
    EXPECT_EQ(m.toX, e.toX);
    EXPECT_EQ(m.toY, e.toY);
    EXPECT_EQ(m.captured, e.captured);
    EXPECT_EQ(m.before, e.before);
    EXPECT_EQ(m.after, e.after);
    EXPECT_EQ(entryOnBoard(m), c.onBoard);
}

INSTANTIATE_TEST_SUITE_P(
    Reader, DamagedLineTest,
    ::testing::Values(
        DamagedLineCase{"Blank", "", {0, 0, 0, 0, 0, 0, 0}, false},
        DamagedLineCase{"OnlyBlanks", "                 ", {0, 0, 0, 0, 0, 0, 0}, false},
        DamagedLineCase{"CutAfterTarget", " 3736", {3, 7, 3, 6, 0, 0, 0}, true},
        DamagedLineCase{"NonNumericPieceFields", " 3736 abc x-1 ???", {3, 7, 3, 6, 0, 0, 0}, true},
        DamagedLineCase{"LettersInTarget", " 37ab -10 -10   0", {3, 7, 0, 0, 0, -10, -10}, false},
        DamagedLineCase{"SourceColumnZero", " 0736 -10 -10   0", {0, 7, 3, 6, 0, -10, -10}, false},
        DamagedLineCase{"SourceColumnTen", "10736 -10 -10   0", {10, 7, 3, 6, 0, -10, -10}, false},
        DamagedLineCase{"SourceRowZero", " 3036 -10 -10   0", {3, 0, 3, 6, 0, -10, -10}, false},
        DamagedLineCase{"TargetRowZero", " 3730 -10 -10   0", {3, 7, 3, 0, 0, -10, -10}, false},
        DamagedLineCase{"TargetColumnZero", " 3706 -10 -10   0", {3, 7, 0, 6, 0, -10, -10}, false},
        DamagedLineCase{"DropOfAKing", "11555-950-950   0", {11, 5, 5, 5, 0, -950, -950}, false},
        DamagedLineCase{"DropOfNothing", "11555   0   0   0", {11, 5, 5, 5, 0, 0, 0}, false},
        DamagedLineCase{"DropOfAnUnknownCode", "-1555   5   5   0", {-1, 5, 5, 5, 0, 5, 5}, false},
        DamagedLineCase{"DropFromColumnTwelve", "12555 -10 -10   0", {12, 5, 5, 5, 0, -10, -10}, false},
        DamagedLineCase{"AllNines", "99999999999999999", {99, 9, 9, 9, 9999, 9999, 9999}, false},
        DamagedLineCase{"GoodDropWithLongTail", "-1155  10  10   0 trailing text", {-1, 1, 5, 5, 0, 10, 10}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Lines ----

std::vector<std::string> allLines(const std::string& file) {
    const std::vector<std::uint8_t> bytes = bytesOf(file);
    RecordReader reader(bytes);
    std::vector<std::string> lines;
    std::string line;
    while (reader.読込_棋譜ファイル(line)) lines.push_back(line);
    return lines;
}

TEST(RecordLines, EndAtCrLfLfOrCr) {
    using L = std::vector<std::string>;
    EXPECT_EQ(allLines(""), L{});
    EXPECT_EQ(allLines("a"), L{"a"});
    EXPECT_EQ(allLines("a\r\n"), L{"a"});
    EXPECT_EQ(allLines("a\r\nb\nc\rd"), (L{"a", "b", "c", "d"}));
    EXPECT_EQ(allLines("\r\n\r\n"), (L{"", ""}));
    EXPECT_EQ(allLines("a\n\r\nb"), (L{"a", "", "b"}));
    EXPECT_EQ(allLines("a\r\rb"), (L{"a", "", "b"}));
}

TEST(RecordLines, AFailedReadLeavesTheLineVariableAsItWas) {
    const std::vector<std::uint8_t> bytes = bytesOf("x\r\n");
    RecordReader reader(bytes);
    std::string line = "before";
    EXPECT_EQ(reader.読込_棋譜ファイル(line), YES);
    EXPECT_EQ(line, "x");
    EXPECT_EQ(reader.読込_棋譜ファイル(line), NO);
    EXPECT_EQ(line, "x");
    EXPECT_EQ(reader.linesRead(), 1);
}

// ---- Short, damaged and oversized files ----

struct ShortFileCase {
    const char* name;
    const char* file;
    const char* header[3];
};

class ShortFileTest : public ::testing::TestWithParam<ShortFileCase> {};

TEST_P(ShortFileTest, MissingHeaderLinesRepeatTheLastLineRead) {
    const ShortFileCase& c = GetParam();
    const LoadedRecord r = readRecord(bytesOf(c.file));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(r.header[i], c.header[i]) << "header line " << i + 1;
    EXPECT_TRUE(r.moves.empty());
    EXPECT_FALSE(r.truncated);
}

INSTANTIATE_TEST_SUITE_P(Reader, ShortFileTest,
                         ::testing::Values(ShortFileCase{"Empty", "", {"", "", ""}},
                                           ShortFileCase{"OneLine", "\x91\xce\x8b\xc7\r\n", {"対局", "対局", "対局"}},
                                           ShortFileCase{"TwoLines", "A\r\nB", {"A", "B", "B"}},
                                           ShortFileCase{"ThreeLines", "A\r\nB\r\nC\r\n", {"A", "B", "C"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordReader, BlankAndDamagedMoveLinesAreKeptAndListed) {
    const std::string file =
        "g\r\nu\r\nl\r\n"
        " 3736 -10 -10   0\r\n"   // line 4: fine
        "\r\n"                    // line 5: blank, all fields 0
        " 7374  10  10   0\r\n"   // line 6: fine
        "xx7374  10  10   0\r\n"  // line 7: source column not a number
        "-1355  10  10   0\r\n";  // line 8: a drop, fine as far as the fields go
    const LoadedRecord r = readRecord(bytesOf(file));
    ASSERT_EQ(r.moves.size(), 5u);
    EXPECT_EQ(r.moves[1].fromX, 0);
    EXPECT_EQ(r.moves[1].after, 0);
    EXPECT_EQ(r.unusableLines, (std::vector<int>{5, 7}));
}

TEST(RecordReader, InvalidShiftJisIsReplacedNotFatal) {
    const std::string file = "\x81\r\n\xFF\xFE\r\n\x91\xce\x8b\r\n\x82\xA0\x82\xA0\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\r\n";
    const LoadedRecord r = readRecord(bytesOf(file));
    EXPECT_EQ(r.header[0], "\xEF\xBF\xBD");
    EXPECT_EQ(r.header[1], "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(r.header[2], "対\xEF\xBF\xBD");
    ASSERT_EQ(r.moves.size(), 1u);
    EXPECT_EQ(r.unusableLines, std::vector<int>{4});
}

std::string moveLines(int count) {
    std::string file = "g\r\nu\r\nl\r\n";
    for (int i = 0; i < count; ++i) file += i % 2 ? " 7374  10  10   0\r\n" : " 3736 -10 -10   0\r\n";
    return file;
}

TEST(RecordReader, StopsAtFiveHundredMovesAndSaysSo) {
    const LoadedRecord exact = readRecord(bytesOf(moveLines(MoveList::MAX)));
    EXPECT_EQ(exact.moves.size(), static_cast<std::size_t>(MoveList::MAX));
    EXPECT_FALSE(exact.truncated);

    const LoadedRecord one = readRecord(bytesOf(moveLines(MoveList::MAX + 1)));
    EXPECT_EQ(one.moves.size(), static_cast<std::size_t>(MoveList::MAX));
    EXPECT_TRUE(one.truncated);

    const LoadedRecord huge = readRecord(bytesOf(moveLines(10000 - 3)));
    EXPECT_EQ(huge.moves.size(), static_cast<std::size_t>(MoveList::MAX));
    EXPECT_TRUE(huge.truncated);
    EXPECT_TRUE(huge.unusableLines.empty());
}

TEST(RecordReader, RandomBytesGiveAtMostFiveHundredEntriesAllJudged) {
    std::mt19937 random(2024);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> bytes(random() % 20000);
        // Some rounds lean on line ends, digits and blanks so that fields parse.
        const bool textual = round % 2 == 0;
        for (auto& b : bytes) {
            if (!textual) {
                b = static_cast<std::uint8_t>(random());
                continue;
            }
            static const char alphabet[] = "0123456789 -\r\n\r\n";
            b = static_cast<std::uint8_t>(alphabet[random() % (sizeof alphabet - 1)]);
        }
        const LoadedRecord r = readRecord(bytes);
        ASSERT_LE(r.moves.size(), static_cast<std::size_t>(MoveList::MAX));
        std::size_t offBoard = 0;
        for (const MoveRecord& m : r.moves) offBoard += entryOnBoard(m) ? 0 : 1;
        EXPECT_EQ(offBoard, r.unusableLines.size()) << "round " << round;
        for (std::size_t i = 1; i < r.unusableLines.size(); ++i)
            EXPECT_LT(r.unusableLines[i - 1], r.unusableLines[i]);
    }
}

}  // namespace
}  // namespace zelkora
