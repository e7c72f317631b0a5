// KIF export: the bytes of whole games in both encodings, the text of single
// moves, the upper side moving first, the endings, and "KIF書出" on Form1.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "game/sjis.h"
#include "records/kif_format.h"
#include "records/record_format.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

// From the initial position: a promotion with a capture, a recapture, a drop,
// a second promotion and the upper king taken.
const std::vector<MoveRecord> GAME = {
    {3, 7, 3, 6, 0, -10, -10},       // ７六歩(77)
    {7, 3, 7, 4, 0, 10, 10},         // ３四歩(33)
    {2, 8, 8, 2, 800, -800, -801},   // ２二角成(88)
    {7, 1, 8, 2, -801, 100, 100},    // 同　銀(31)
    {11, 8, 5, 5, 0, -800, -800},    // ５五角打
    {1, 3, 1, 4, 0, 10, 10},         // ９四歩(93)
    {5, 5, 3, 3, 10, -800, -801},    // ７三角成(55)
    {9, 3, 9, 4, 0, 10, 10},         // １四歩(13)
    {3, 3, 5, 1, 950, -801, -801},   // ５一馬(73) takes the king
};

const std::string GAME_KIF =
    "開始日時：2026/12/08 12:34:56\r\n"
    "手合割：平手\r\n"
    "先手：下手\r\n"
    "後手：上手\r\n"
    "手数----指手---------消費時間--\r\n"
    "   1 ７六歩(77)   ( 0:00/00:00:00)\r\n"
    "   2 ３四歩(33)   ( 0:00/00:00:00)\r\n"
    "   3 ２二角成(88) ( 0:00/00:00:00)\r\n"
    "   4 同　銀(31)   ( 0:00/00:00:00)\r\n"
    "   5 ５五角打     ( 0:00/00:00:00)\r\n"
    "   6 ９四歩(93)   ( 0:00/00:00:00)\r\n"
    "   7 ７三角成(55) ( 0:00/00:00:00)\r\n"
    "   8 １四歩(13)   ( 0:00/00:00:00)\r\n"
    "   9 ５一馬(73)   ( 0:00/00:00:00)\r\n"
    "  10 反則勝ち     ( 0:00/00:00:00)\r\n"
    "*先手が後手の玉を取りました。玉を取られた後手の勝ちです（負けになれば勝ちの将棋）\r\n";

KifGame game(std::vector<MoveRecord> moves) {
    KifGame g;
    g.started = "2026/12/08 12:34:56";
    g.lowerName = "下手";
    g.upperName = "上手";
    g.moves = std::move(moves);
    return g;
}

std::string text(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(KifBytes, Utf8GameWithDropPromotionRecaptureAndKingTaken) {
    EXPECT_EQ(text(encodeKif(game(GAME), KifEncoding::Utf8)), "#KIF version=2.0 encoding=UTF-8\r\n" + GAME_KIF);
}

TEST(KifBytes, ShiftJisGameIsTheSameTextInCodePage932) {
    const std::string bytes = text(encodeKif(game(GAME), KifEncoding::ShiftJis));
    EXPECT_EQ(bytes, toShiftJis("#KIF version=2.0 encoding=Shift_JIS\r\n" + GAME_KIF));
    // "   4 同　銀(31)" in CP932: the ideographic blank is 81 40.
    EXPECT_NE(bytes.find("   4 \x93\xaf\x81\x40\x8b\xe2(31)"), std::string::npos);
}

TEST(KifBytes, UpperSideFirstStartsFromADiagramWithGoteToMove) {
    const std::string kif = formatKif(game({{7, 3, 7, 4, 0, 10, 10}, {3, 7, 3, 6, 0, -10, -10}}));
    for (const char* line : {"手合割：平手\r\n後手の持駒：なし\r\n", "|v香v桂v銀v金v玉v金v銀v桂v香|一\r\n",
                             "| ・ 角 ・ ・ ・ ・ ・ 飛 ・|八\r\n", "先手の持駒：なし\r\n後手番\r\n先手：下手\r\n",
                             "   1 ３四歩(33)   ( 0:00/00:00:00)\r\n   2 ７六歩(77)   ( 0:00/00:00:00)\r\n"})
        EXPECT_NE(kif.find(line), std::string::npos) << line;
    EXPECT_EQ(formatKif(game(GAME)).find("後手番"), std::string::npos);
}

TEST(KifBytes, TheGamesNameIsTheTitleAfterTheStartDate) {
    KifGame g = game(GAME);
    g.title = "名人戦";
    EXPECT_EQ(formatKif(g).rfind("開始日時：2026/12/08 12:34:56\r\n表題：名人戦\r\n手合割：平手\r\n", 0), 0u);
}

struct MoveTextCase {
    const char* name;
    MoveRecord move;
    MoveRecord previous;   // toX 0: no previous move
    const char* text;
};

class KifMoveText : public ::testing::TestWithParam<MoveTextCase> {};

TEST_P(KifMoveText, Writes) {
    const MoveTextCase& c = GetParam();
    EXPECT_EQ(kifMoveText(c.move, c.previous.toX ? &c.previous : nullptr), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, KifMoveText,
    ::testing::Values(
        MoveTextCase{"NoPromotionIsPlain", {2, 4, 2, 2, 0, -800, -800}, {}, "８二角(84)"},
        MoveTextCase{"Dragon", {1, 2, 1, 1, 0, 901, 901}, {}, "９一龍(92)"},
        MoveTextCase{"PromotedSilver", {6, 8, 6, 9, 0, 101, 101}, {}, "４九成銀(48)"},
        MoveTextCase{"DropFromTheUpperHand", {-1, 2, 5, 5, 0, 20, 20}, {}, "５五香打"},
        MoveTextCase{"RecaptureOfADrop", {6, 4, 5, 5, 20, -100, -101}, {-1, 2, 5, 5, 0, 20, 20}, "同　銀成(44)"},
        // Only the same square is 同: the same file or the same rank alone is not.
        MoveTextCase{"SameFileOtherRank", {3, 6, 3, 5, 0, -10, -10}, {7, 4, 3, 4, 0, 10, 10}, "７五歩(76)"},
        MoveTextCase{"SameRankOtherFile", {2, 7, 2, 6, 0, -10, -10}, {7, 4, 3, 6, 0, 10, 10}, "８六歩(87)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KifEnding, MateOfTheUpperKingAndUnfinishedGame) {
    KifGame g = game({{3, 7, 3, 6, 0, -10, -10}});
    g.upperMated = true;
    const std::string mated = formatKif(g);
    EXPECT_NE(mated.find("   2 反則勝ち     ( 0:00/00:00:00)\r\n*先手が後手玉を詰ませました。詰まされた後手の勝ちです"),
              std::string::npos);
    g.upperMated = false;
    EXPECT_NE(formatKif(g).find("   2 中断         ( 0:00/00:00:00)\r\n*対局は終わっていません\r\n"), std::string::npos);
    // After the opening move the upper king is not even in check.
    EXPECT_FALSE(upperMatedAfter(g.moves));
    // A gold on (5, 2), guarded by a pawn, and a knight on (6, 3) mate the upper king.
    const std::vector<MoveRecord> mate = {{5, 7, 5, 3, 10, -10, -10},  {1, 3, 1, 4, 0, 10, 10},
                                          {8, 9, 6, 3, 10, -30, -30},  {9, 3, 9, 4, 0, 10, 10},
                                          {6, 9, 5, 2, 0, -110, -110}};
    EXPECT_TRUE(upperMatedAfter(mate));
    EXPECT_FALSE(upperMatedAfter({mate.begin(), mate.end() - 1}));
}

// ---- "KIF書出" on Form1 ----

class KifExportTest : public ::testing::Test {
protected:
    Harness h;
    void SetUp() override {
        h.start();
        for (std::size_t i = 0; i < GAME.size(); ++i) h->moves.entry[i + 1] = GAME[i];
        h->moves.count = h->moves.replay = static_cast<int>(GAME.size());
        h->turn.gameMode = MODE_MAN;
    }
    void exportAs(const std::string& name) {
        h->KIFU_KIF_Click();
        h.panel.fields = {{1, name}, {2, "対局"}, {3, "下手"}, {4, "上手"}};
        h.dialogs.shown.clear();
        h->Command1_Click();
    }
};

TEST_F(KifExportTest, NameChoosesEncodingAndFieldsNameTheSides) {
    for (const auto& [name, path, encoding] :
         {std::tuple{"g.kif", "./g.kif", KifEncoding::ShiftJis}, std::tuple{"g.KIFU", "./g.KIFU", KifEncoding::Utf8},
          std::tuple{"g", "./g.kif", KifEncoding::ShiftJis}}) {
        exportAs(name);
        KifGame expected = game(GAME);
        expected.started.clear();   // the fake clock has no calendar
        expected.title = "対局";
        EXPECT_EQ(h.files.get(path), text(encodeKif(expected, encoding))) << name;
        ASSERT_EQ(h.dialogs.shown.size(), 1u);
        EXPECT_EQ(h.dialogs.shown[0].text, "KIFで書き出しました");
        EXPECT_FALSE(h.panel.textGroup);
    }
}

TEST_F(KifExportTest, WritesOnlyTheMovesOnTheBoardAndWriteGoesBackToRecords) {
    h->moves.count = 4;
    exportAs("g.kifu");
    EXPECT_NE(h.files.get("./g.kifu").find("   4 同　銀(31)   ( 0:00/00:00:00)\r\n   5 中断"), std::string::npos);
    // "書込" after "KIF書出" writes a record file again.
    h->KIFU_WRITE_Click();
    h.panel.fields = {{1, "g2"}};
    h->Command1_Click();
    EXPECT_TRUE(h.files.exists("./g2.棋譜"));
}

TEST_F(KifExportTest, LoadedRecordIsWrittenWholeAndRefusalsAreThoseOfWrite) {
    h->moves.count = 0;
    h->flags.recordMode = 1;
    exportAs("g.kifu");
    EXPECT_NE(h.files.get("./g.kifu").find("   9 ５一馬(73)"), std::string::npos);
    h->flags.recordMode = 0;
    exportAs("h.kif");
    EXPECT_EQ(h.dialogs.shown.at(0).text, "保存するデータがありません");
    EXPECT_FALSE(h.files.exists("./h.kif"));
    h->flags.reversed = 1;
    h->KIFU_KIF_Click();
    EXPECT_FALSE(h->display.kifPanel);
}

TEST_F(KifExportTest, ANameWithAFolderSeparatorIsRefusedAndTheExportStaysOpen) {
    exportAs("../g.kif");
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "棋譜ﾌｧｲﾙを作成できません\r./../g.kif");
    EXPECT_FALSE(h.files.exists("./../g.kif"));
    EXPECT_TRUE(h->display.kifPanel);
}

TEST_F(KifExportTest, OnlyAShiftJisFileWithNamesItCannotHoldAsksFirst) {
    struct Case { const char* file; const char* player; bool asked; };
    for (const Case c : {Case{"a.kif", "\xED\x95\x9C", true}, Case{"b.kifu", "\xED\x95\x9C", false},
                         Case{"c.kif", "下手", false}}) {
        h->KIFU_KIF_Click();
        h.panel.fields = {{1, c.file}, {2, "対局"}, {3, c.player}, {4, "上手"}};
        h.dialogs.shown.clear();
        h.dialogs.answers = {Answer::No};
        h->Command1_Click();
        ASSERT_FALSE(h.dialogs.shown.empty());
        EXPECT_EQ(h.dialogs.shown[0].buttons == Buttons::YesNo, c.asked) << c.file;
        EXPECT_EQ(h.files.exists(std::string("./") + c.file), !c.asked) << c.file;
    }
}

TEST_F(KifExportTest, AFinishedGameIsWrittenWholeLikeWrite) {
    h->moves.finished = h->moves.count;
    h->moves.count = 0;
    exportAs("g.kifu");
    EXPECT_NE(h.files.get("./g.kifu").find("   9 ５一馬(73)"), std::string::npos);
}

// The header dates the game's start, whichever way it started, even when the
// export comes an hour after the game ended.
TEST_F(KifExportTest, StartDateIsTheGamesStartNotTheExports) {
    struct Case { const char* how; std::string started; std::function<void(Harness&)> start; };
    const Case cases[] = {
        {"先手", "2026/12/09 10:00:00", [](Harness& x) { x->SENTE_Click(); }},
        {"対局(人間)", "2026/12/10 10:00:00", [](Harness& x) { x->START_Click(); }},
        {"読込", "2026/12/11 10:00:00", [](Harness& x) {
             x->KIFU_WRITE_Click();
             x.panel.fields = {{1, "r"}};
             x->Command1_Click();
             x->File1_Click("r.棋譜");
         }},
    };
    for (const Case& c : cases) {
        h.clock.dateTime = c.started;
        c.start(h);
        h.clock.dateTime = "2026/12/31 11:00:00";
        h->moves.finished = static_cast<int>(GAME.size());
        exportAs("g.kifu");
        EXPECT_EQ(h.files.get("./g.kifu").find("開始日時：" + c.started + "\r\n"), 33u) << c.how;
    }
}

// The names typed at a save come back when the panel opens again for saving,
// until a new game starts.
TEST_F(KifExportTest, NamesAreOfferedAgainUntilANewGame) {
    for (const auto save : {&Form1::KIFU_WRITE_Click, &Form1::KIFU_KIF_Click}) {
        (*h.*save)();
        h.panel.fields = {{1, "g"}, {3, "下手"}, {4, "上手"}};
        h->Command1_Click();
        ASSERT_FALSE(h.panel.textGroup);
        for (const auto open : {&Form1::KIFU_WRITE_Click, &Form1::KIFU_KIF_Click}) {
            (*h.*open)();
            EXPECT_EQ(h.panel.text(3) + "/" + h.panel.text(4), "下手/上手");
            h->STOP_Click();
        }
        h->SENTE_Click();
        (*h.*save)();
        EXPECT_EQ(h.panel.text(3) + h.panel.text(4), "");
        h->STOP_Click();
    }
}

}  // namespace
}  // namespace zelkora::testing
