// The menu "棋譜", the panel's "RETURN" and file list, and the menus that close
// the panel, on Form1 with recording fakes: bytes written, state after loading,
// every refusal, and files that cannot be written or read.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "records/record_format.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

// A short game with captures, promotions and drops from both hands; after it
// the position is FINAL.
const std::vector<MoveRecord> GAME = {
    {3, 7, 3, 6, 0, -10, -10},       // lower pawn
    {7, 3, 7, 4, 0, 10, 10},         // upper pawn
    {2, 8, 8, 2, 800, -800, -801},   // lower bishop takes the bishop and promotes
    {7, 1, 8, 2, -801, 100, 100},    // upper silver takes it back
    {11, 8, 5, 5, 0, -800, -800},    // lower drop (screen row of the bishop)
    {-1, 6, 4, 5, 0, 800, 800},      // upper drop (kind index)
    {5, 5, 7, 3, 0, -800, -801},     // lower bishop promotes
    {7, 4, 7, 5, 0, 10, 10},         // upper pawn
};
const char* const FINAL = "lnsgkg1nl/1r5s1/pppppp+Bpp/9/3b2p2/2P6/PP1PPPPPP/7R1/LNSGKGSNL b -";

// The game stepped onto the board with "進", as if played.
void playGame(Harness& h) {
    h.start();
    for (std::size_t i = 0; i < GAME.size(); ++i) h->moves.entry[i + 1] = GAME[i];
    h->moves.replay = static_cast<int>(GAME.size());
    for (std::size_t i = 0; i < GAME.size(); ++i) h->AFTER_Click();
    ASSERT_EQ(position(*h), FINAL);
    h.clearLogs();
}

void fillFields(FakePanel& panel, const std::string& file) {
    panel.fields = {{1, file}, {2, "対局"}, {3, "先手"}, {4, "後手"}};
}

std::vector<Message> messages(std::initializer_list<std::pair<const char*, const char*>> list) {
    std::vector<Message> out;
    for (const auto& [text, title] : list) out.push_back({text, title, Buttons::Ok, Icon::None});
    return out;
}

void expectMessages(const Harness& h, const std::vector<Message>& expected) {
    ASSERT_EQ(h.dialogs.shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(h.dialogs.shown[i].text, expected[i].text) << "message " << i + 1;
        EXPECT_EQ(h.dialogs.shown[i].title, expected[i].title) << "message " << i + 1;
    }
}

// ---- The panel's commands ----

struct PanelCase {
    const char* name;
    void (Form1::*command)();
    std::vector<std::string> log;
    bool fieldsKept;
};

class PanelCommandTest : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PanelCommandTest, ShowsAndHidesTheControls) {
    const PanelCase& c = GetParam();
    Harness h;
    h.start();
    fillFields(h.panel, "x");
    h.clearLogs();
    ((*h).*c.command)();
    EXPECT_EQ(h.panel.log, c.log);
    EXPECT_EQ(h.panel.fields.empty(), !c.fieldsKept);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Records, PanelCommandTest,
    ::testing::Values(
        PanelCase{"Read", &Form1::KIFU_READ_Click, {"lists 111", "text cleared", "text hidden"}, false},
        PanelCase{"Write", &Form1::KIFU_WRITE_Click, {"lists 110", "text shown"}, true},
        PanelCase{"PositionMenu", &Form1::STOP_Click, {"lists 000", "text cleared", "text hidden"}, false},
        PanelCase{"OptionMenu", &Form1::OPTION_Click, {"lists 000", "text cleared", "text hidden"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordWrite, RefusedAfterReversingOrAHandicapChange) {
    struct Case {
        const char* name;
        void (*setUp)(Form1&);
        const char* text;
    };
    const Case cases[] = {
        {"reversed", [](Form1& f) { f.REVERSE_Click(); }, "反転後は書き込みできません"},
        {"handicap", [](Form1& f) { f.LBEL_UP_Click(); }, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"},
        {"handicap and back", [](Form1& f) { f.LBEL_UP_Click(); f.LEBEL_DOWN_Click(); },
         "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"},
    };
    for (const Case& c : cases) {
        Harness h;
        h.start();
        c.setUp(*h);
        h.clearLogs();
        h->KIFU_WRITE_Click();
        expectMessages(h, messages({{c.text, "棋譜書込"}}));
        EXPECT_TRUE(h.panel.log.empty()) << c.name;
        EXPECT_FALSE(h.panel.drives || h.panel.folders || h.panel.textGroup) << c.name;

        // Until "最初".
        h->CANCEL_Click();
        h.clearLogs();
        h->KIFU_WRITE_Click();
        EXPECT_TRUE(h.dialogs.shown.empty()) << c.name;
        EXPECT_TRUE(h.panel.textGroup) << c.name;
    }
}

// ---- "RETURN" ----

TEST(RecordSave, RefusalsComeInOrderAndWriteNothing) {
    struct Case { const char* file; bool played; const char* text; const char* title; };
    for (const Case c : {Case{"", false, "ﾌｧｲﾙ名が入力されていません", "  "},
                         Case{"", true, "ﾌｧｲﾙ名が入力されていません", "  "},
                         Case{"a", false, "保存するデータがありません", "棋譜保存"}}) {
        Harness h;
        if (c.played) playGame(h);
        else h.start();
        h.panel.textGroup = true;
        fillFields(h.panel, c.file);
        h.clearLogs();
        const std::size_t filesBefore = h.files.files.size();
        h->Command1_Click();
        expectMessages(h, messages({{c.text, c.title}}));
        EXPECT_EQ(h.files.files.size(), filesBefore);
        EXPECT_TRUE(h.panel.log.empty());
        EXPECT_TRUE(h.panel.textGroup);
    }
}

TEST(RecordSave, HeaderLinesFollowWhoMovedFirst) {
    // Line 2 names the upper side's player, line 3 the lower side's.
    struct Case { int lowerTag; const char* line2; const char* line3; };
    for (const Case c : {Case{SENTE, "\x8c\xe3\x8e\xe8", "\x90\xe6\x8e\xe8"},     // 後手, 先手
                         Case{GOTE, "\x90\xe6\x8e\xe8", "\x8c\xe3\x8e\xe8"}}) {   // 先手, 後手
        Harness h;
        playGame(h);
        h->turn.lowerTag = c.lowerTag;
        h->turn.upperTag = c.lowerTag == SENTE ? GOTE : SENTE;
        h.panel.currentFolder = "/records";
        fillFields(h.panel, "g");
        h->Command1_Click();
        std::string expected = std::string("\x91\xce\x8b\xc7\r\n") + c.line2 + "\r\n" + c.line3 + "\r\n";
        for (const MoveRecord& m : GAME) expected += formatMoveLine(m) + "\r\n";
        EXPECT_EQ(h.files.get("/records/g.棋譜"), expected) << "lower tag " << c.lowerTag;
    }
}

TEST(RecordSave, WritesTheWholeGameClosesThePanelAndSaysSo) {
    Harness h;
    playGame(h);
    h.panel.currentFolder = "/home/user/棋譜";
    h.panel.textGroup = h.panel.drives = h.panel.folders = true;
    fillFields(h.panel, "第１局");
    h->Command1_Click();

    EXPECT_EQ(h.files.get("/home/user/棋譜/第１局.棋譜"),
              "\x91\xce\x8b\xc7\r\n"   // 対局
              "\x8c\xe3\x8e\xe8\r\n"   // 後手: the lower side moved first
              "\x90\xe6\x8e\xe8\r\n"   // 先手
              " 3736 -10 -10   0\r\n"
              " 7374  10  10   0\r\n"
              " 2882-801-800 800\r\n"
              " 7182 100 100-801\r\n"
              "11855-800-800   0\r\n"
              "-1645 800 800   0\r\n"
              " 5573-801-800   0\r\n"
              " 7475  10  10   0\r\n");
    EXPECT_EQ(h.panel.log, (std::vector<std::string>{"lists 000", "text cleared", "text hidden"}));
    EXPECT_EQ(h.panel.refreshes, 1);
    expectMessages(h, messages({{"棋譜を書き込みました", "  "}}));
}

TEST(RecordSave, AFailedWriteKeepsTheOldRecordAndThePanel) {
    Harness h;
    playGame(h);
    h.files.put("./g.棋譜", "old record\r\n");
    h.files.readOnly = true;
    h.panel.textGroup = true;
    fillFields(h.panel, "g");
    h->Command1_Click();
    expectMessages(h, messages({{"棋譜ﾌｧｲﾙを作成できません\r./g.棋譜", "棋譜保存"}}));
    EXPECT_EQ(h.files.get("./g.棋譜"), "old record\r\n");
    EXPECT_TRUE(h.panel.textGroup);
    EXPECT_EQ(h.panel.text(1), "g");
    EXPECT_EQ(h.panel.refreshes, 0);
}

TEST(RecordSave, ANameWithAFolderSeparatorIsRefused) {
    for (const char* name : {"../x", "sub/x", "/tmp/x"}) {
        Harness h;
        playGame(h);
        fillFields(h.panel, name);
        h->Command1_Click();
        const std::string path = std::string("./") + name + ".棋譜";
        expectMessages(h, messages({{("棋譜ﾌｧｲﾙを作成できません\r" + path).c_str(), "棋譜保存"}}));
        EXPECT_EQ(h.files.files.count(path), 0u) << name;
    }
}

TEST(RecordSave, ANameWithAControlCharacterIsRefusedWithTheBadNameBox) {
    // A pasted NUL would cut "Zelkora.ini\0x.棋譜" to the settings file.
    for (const std::string name : {std::string("Zelkora.ini\0x", 13), std::string("a\tb"), std::string("a\x7F"),
                                    std::string("a\xC2\x85")}) {
        Harness h;
        playGame(h);
        const std::size_t before = h.files.files.size();
        fillFields(h.panel, name);
        h->Command1_Click();
        expectMessages(h, messages({{"ﾌｧｲﾙ名に使えない文字があります", "  "}}));
        EXPECT_EQ(h.files.files.size(), before);
    }
}

TEST(RecordSave, NamesShiftJisCannotHoldAreWrittenOnlyWhenThePlayerAgrees) {
    struct Case { const char* player; Answer answer; bool asked, written; };
    for (const Case c : {Case{"\xED\x95\x9C", Answer::No, true, false},   // Hangul
                         Case{"\xF0\x9F\x98\x80", Answer::Yes, true, true},   // an emoji
                         Case{"先手①", Answer::No, false, true}}) {
        Harness h;
        playGame(h);
        fillFields(h.panel, "g");
        h.panel.fields[4] = c.player;
        h.dialogs.answers = {c.answer};
        h->Command1_Click();
        ASSERT_FALSE(h.dialogs.shown.empty());
        const Message& first = h.dialogs.shown[0];
        EXPECT_EQ(first.text == "Shift_JIS で書けない文字があります。そのまま書きますか？\r"
                                "（KIF書出で名前を .kifu にすると UTF-8 で残ります）" &&
                      first.buttons == Buttons::YesNo,
                  c.asked) << first.text;
        EXPECT_EQ(h.files.exists("./g.棋譜"), c.written) << c.player;
    }
}

// ---- Loading ----

TEST(RecordLoad, ReadsTheRecordAndWaitsForForward) {
    Harness h;
    h.start();
    h.files.put("/r/game.棋譜", "\x91\xce\x8b\xc7\r\n\x91\xbe\x98\x59\r\n\x89\xd4\x8e\x71\r\n"
                                " 3736 -10 -10   0\r\n 7374  10  10   0\r\n 2882-801-800 800\r\n");
    h.panel.currentFolder = "/r";
    h->flags.reversed = 1;
    h->turn.kingTaken = SENTE;
    h.clearLogs();

    h->File1_Click("game.棋譜");
    Form1& f = *h;
    EXPECT_EQ(h.panel.log.front(), "lists 000");
    EXPECT_EQ(position(f), INITIAL);
    EXPECT_EQ(f.flags.recordMode, 1);
    EXPECT_EQ(f.flags.reversed, 0) << "the start-up ran again";
    EXPECT_EQ(f.moves.count, 0);
    EXPECT_EQ(f.moves.moveNumber, 0);
    EXPECT_EQ(f.moves.replay, 3);
    EXPECT_EQ(f.moves.entry[3].captured, 800);
    EXPECT_EQ(f.moves.entry[3].after, -801);

    // The header lines, white, size 12, without shadow, at their places.
    const auto texts = h.canvas.texts();
    struct Place { double x, y; const char* text; };
    for (const Place p : {Place{800, 6350, "対局"}, Place{3700, 100, "太郎"}, Place{3700, 6350, "花子"}}) {
        int found = 0;
        for (const auto& t : texts)
            if (t.text == p.text) {
                ++found;
                EXPECT_EQ(t.x, p.x);
                EXPECT_EQ(t.y, p.y);
                EXPECT_EQ(t.colour, COLOUR_WHITE);
                EXPECT_EQ(t.points, 12);
            }
        EXPECT_EQ(found, 1) << p.text;
    }
    expectMessages(h, messages({{" 読み込みました", "棋譜"}, {"棋譜を '進 'で進めて下さい", "棋譜"}}));

    h.clearLogs();
    h->Command1_Click();
    expectMessages(h, messages({{"ﾌｧｲﾙ名が入力されていません", "  "}}));
    fillFields(h.panel, "again");
    h.clearLogs();
    h->Command1_Click();
    expectMessages(h, messages({{"保存するデータがありません", "棋譜保存"}}));
}

TEST(RecordLoad, AFileThatCannotBeReadLeavesTheGameAlone) {
    Harness h;
    playGame(h);
    h.panel.files = true;
    const int count = h->moves.count;
    h->File1_Click("missing.棋譜");
    expectMessages(h, messages({{"棋譜ﾌｧｲﾙを開けません\r./missing.棋譜", "棋譜"}}));
    EXPECT_EQ(position(*h), FINAL);
    EXPECT_EQ(h->moves.count, count);
    EXPECT_EQ(h->flags.recordMode, 0);
    EXPECT_TRUE(h.sound.log.empty()) << "no restart";
    EXPECT_TRUE(h.canvas.calls.empty());
    EXPECT_TRUE(h.panel.files) << "the list stays for another choice";
}

// Files that cannot be read, are larger than any record or are no record at
// all are refused before anything is reset.
TEST(RecordLoad, FilesThatAreNoRecordLeaveTheGameAlone) {
    const char* const NOT_RECORD = "棋譜ﾌｧｲﾙではありません";
    struct Case {
        const char* name;
        std::string file;
        bool broken;   // stands there, but reading it fails
        const char* text;
        const char* title;
        bool refusalSound;
    };
    const Case cases[] = {
        {"EmptyFile", "", false, NOT_RECORD, "棋譜読込", true},
        {"OneLine", "name\r\n", false, NOT_RECORD, "棋譜読込", true},
        {"TwoLines", "name\r\nupper", false, NOT_RECORD, "棋譜読込", true},
        {"HeaderOnly", "a\r\nb\r\nc\r\n", false, NOT_RECORD, "棋譜読込", true},
        {"Picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + std::string(300, '\xff'), false, NOT_RECORD,
         "棋譜読込", true},
        {"NoMoveLineOnTheBoard", "a\r\nb\r\nc\r\n\r\nzz\r\n 3730 -10 -10   0\r\n", false, NOT_RECORD, "棋譜読込", true},
        {"LargerThanAnyRecord", std::string(RECORD_MAX_BYTES + 1, '\n'), false, "棋譜ﾌｧｲﾙとしては大きすぎます\r./f.棋譜",
         "棋譜読込", false},
        {"ReadError", "a\r\nb\r\nc\r\n 3736 -10 -10   0\r\n", true, "棋譜ﾌｧｲﾙを開けません\r./f.棋譜", "棋譜", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        playGame(h);
        const int count = h->moves.count;
        h.files.put("./f.棋譜", c.file);
        if (c.broken) h.files.unreadable.insert("./f.棋譜");
        h->File1_Click("f.棋譜");
        expectMessages(h, messages({{c.text, c.title}}));
        const std::string refusal = "dsPlay(" + std::to_string(h->sounds.refusal) + ")";
        EXPECT_EQ(h.sound.log, c.refusalSound ? std::vector<std::string>{refusal} : std::vector<std::string>{});
        EXPECT_EQ(position(*h), FINAL);
        EXPECT_EQ(h->moves.count, count);
        EXPECT_EQ(h->flags.recordMode, 0);
        EXPECT_TRUE(h.canvas.calls.empty());
    }
}

struct LoadCase {
    const char* name;
    std::string file;
    int moves;
    std::vector<std::string> headers;
    std::vector<std::string> texts;   // messages, all titled "棋譜"
};

class LoadMessagesTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadMessagesTest, ReportWhatWasRead) {
    const LoadCase& c = GetParam();
    Harness h;
    h.start();
    h.files.put("./f.棋譜", c.file);
    h.clearLogs();
    h->File1_Click("f.棋譜");
    EXPECT_EQ(h->moves.replay, c.moves);
    EXPECT_EQ(h->flags.recordMode, 1);
    const auto texts = h.canvas.texts();
    ASSERT_GE(texts.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(texts[texts.size() - 3 + i].text, c.headers[i]);
    ASSERT_EQ(h.dialogs.shown.size(), c.texts.size());
    for (std::size_t i = 0; i < c.texts.size(); ++i) {
        EXPECT_EQ(h.dialogs.shown[i].text, c.texts[i]);
        EXPECT_EQ(h.dialogs.shown[i].title, "棋譜");
    }
}

std::string longFile(int lines) {
    std::string file = "g\r\nu\r\nl\r\n";
    for (int i = 3; i < lines; ++i) file += i % 2 ? " 3736 -10 -10   0\r\n" : " 3637 -10 -10   0\r\n";
    return file;
}

const char* const LOADED = " 読み込みました";
const char* const STEP = "棋譜を '進 'で進めて下さい";

INSTANTIATE_TEST_SUITE_P(
    Records, LoadMessagesTest,
    ::testing::Values(
        LoadCase{"LongHeaderLinesAreCut", std::string(3000, 'a') + "\r\nb\r\nc\r\n 3736 -10 -10   0\r\n", 1,
                 {std::string(RECORD_HEADER_MAX, 'a'), "b", "c"}, {LOADED, STEP}},
        LoadCase{"LinuxLineEnds", "a\nb\nc\n 3736 -10 -10   0\n", 1, {"a", "b", "c"}, {LOADED, STEP}},
        LoadCase{"SixHundredLines", longFile(600), 500, {"g", "u", "l"},
                 {LOADED, "棋譜ﾌｧｲﾙが500手を超えています\r501手目からは読み込みません", STEP}},
        LoadCase{"DamagedLines", "a\r\nb\r\nc\r\n 3736 -10 -10   0\r\n\r\n 7374  10  10   0\r\nzz\r\n", 4,
                 {"a", "b", "c"}, {LOADED, "使えない手があります：5行目ほか1手\r'進 'はその手の前で止まります", STEP}},
        LoadCase{"InvalidShiftJis", "\x81\r\n\x91\xce\x8b\r\nok\r\n 3736 -10 -10   0\r\n", 1,
                 {"\xEF\xBF\xBD", "対\xEF\xBF\xBD", "ok"}, {LOADED, STEP}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Whole games ----

TEST(RecordRoundTrip, SaveLoadAndStepToTheEnd) {
    Harness h;
    playGame(h);
    fillFields(h.panel, "round");
    h->Command1_Click();
    const std::string saved = h.files.get("./round.棋譜");
    ASSERT_FALSE(saved.empty());

    h->File1_Click("round.棋譜");
    Form1& f = *h;
    ASSERT_EQ(f.moves.replay, static_cast<int>(GAME.size()));
    for (std::size_t i = 0; i < GAME.size(); ++i) {
        const MoveRecord& a = GAME[i];
        const MoveRecord& b = f.moves.entry[i + 1];
        EXPECT_EQ(formatMoveLine(b), formatMoveLine(a)) << "entry " << i + 1;
        EXPECT_EQ(b.captured, a.captured);
    }
    EXPECT_EQ(position(f), INITIAL);
    for (std::size_t i = 0; i < GAME.size(); ++i) f.AFTER_Click();
    EXPECT_EQ(position(f), FINAL);
    EXPECT_EQ(f.moves.moveNumber, static_cast<int>(GAME.size()));

    h.clearLogs();
    f.AFTER_Click();
    expectMessages(h, messages({{"終わり", "進む"}}));
    EXPECT_TRUE(h.sound.log.empty()) << "no refusal sound at the end of a record";

    // Stepping back to the start and forward again gives the same final position.
    for (std::size_t i = 0; i < GAME.size(); ++i) f.REPLAY_Click();
    EXPECT_EQ(position(f), INITIAL);
    EXPECT_EQ(f.hands.lowerTotal + f.hands.upperTotal, 0);
    for (std::size_t i = 0; i < GAME.size(); ++i) f.AFTER_Click();
    EXPECT_EQ(position(f), FINAL);
}

TEST(RecordLoad, DamagedRandomRecordsNeverLeaveTheBoard) {
    // Lines with fields around and beyond the board's limits: whatever the
    // record holds, stepping through it writes only board squares and never
    // takes a hand below zero.
    std::mt19937 random(99);
    auto pick = [&](int lo, int hi) { return lo + static_cast<int>(random() % (hi - lo + 1)); };
    const int codes[] = {0, 5, 10, 11, 20, 30, 100, 110, 111, 800, 801, 900, 950, 999};
    for (int round = 0; round < 60; ++round) {
        std::string file = "g\r\nu\r\nl\r\n";
        const int lines = pick(1, 120);
        for (int i = 0; i < lines; ++i) {
            MoveRecord m;
            const int k = pick(0, 9);
            m.fromX = k < 6 ? pick(1, 9) : (k == 6 ? 11 : k == 7 ? -1 : pick(-9, 99));
            m.fromY = pick(0, 9);
            m.toX = pick(0, 9);
            m.toY = pick(0, 9);
            m.after = (random() % 2 ? -1 : 1) * codes[random() % 14];
            m.before = m.after;
            m.captured = (random() % 2 ? -1 : 1) * codes[random() % 14];
            file += pick(0, 20) == 0 ? std::string("garbage") : formatMoveLine(m);
            file += "\r\n";
        }
        Harness h;
        h.start();
        h.files.put("./r.棋譜", file);
        h->File1_Click("r.棋譜");
        Form1& f = *h;
        for (int step = 0; step < lines + 1 && f.moves.count < f.moves.replay; ++step) {
            const int before = f.moves.count;
            f.AFTER_Click();
            if (f.moves.count == before) break;   // rejected
        }
        for (int i = 0; i <= 9; ++i) {
            ASSERT_EQ(f.board.at(0, i), 0) << "round " << round;
            ASSERT_EQ(f.board.at(i, 0), 0) << "round " << round;
        }
        for (int k = 1; k <= 7; ++k) {
            ASSERT_GE(f.hands.lower[k], 0) << "round " << round;
            ASSERT_GE(f.hands.upper[k], 0) << "round " << round;
        }
        ASSERT_GE(f.hands.lowerTotal, 0);
        ASSERT_GE(f.hands.upperTotal, 0);
        // Taking everything back empties the hands again, still on the board.
        while (f.moves.count > 0) f.REPLAY_Click();
        EXPECT_EQ(f.hands.lowerTotal, 0) << "round " << round;
        EXPECT_EQ(f.hands.upperTotal, 0) << "round " << round;
        for (int i = 0; i <= 9; ++i) ASSERT_EQ(f.board.at(0, i) | f.board.at(i, 0), 0) << "round " << round;
    }
}

}  // namespace
}  // namespace zelkora::testing
