// Status texts through the recording canvas: what is written, where, in which
// colour, size and weight, and the handicap refusal box.
#include <gtest/gtest.h>

#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

double cellX(double c) { return 1050 + 495 * c; }
double cellY(double r) { return 100 + 615 * r; }

// A text expected at a cell position, with its colour and size.
struct ExpectedText {
    double c, r;
    std::string text;
    int colour;
    double points;
};

void expectTexts(const std::vector<RecordingCanvas::DrawnText>& actual, const std::vector<ExpectedText>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("text " + std::to_string(i) + " \"" + expected[i].text + "\"");
        EXPECT_EQ(actual[i].text, expected[i].text);
        EXPECT_NEAR(actual[i].x, cellX(expected[i].c), 1e-6);
        EXPECT_NEAR(actual[i].y, cellY(expected[i].r), 1e-6);
        EXPECT_EQ(actual[i].colour, expected[i].colour);
        EXPECT_EQ(actual[i].points, expected[i].points);
    }
}

class TextTest : public ::testing::Test {
protected:
    Harness h;
    void SetUp() override { h->display.background = PIC_MIDORI; }
};

// ---- 文字列変換 ----

struct Conversion {
    int value;
    const char* text;
};

class StringConversion : public ::testing::TestWithParam<Conversion> {};

TEST_P(StringConversion, GivesTheCharactersOfItsClass) {
    Harness h;
    EXPECT_EQ(h->文字列変換(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    FileDigits, StringConversion,
    ::testing::Values(Conversion{1, "１"}, Conversion{2, "２"}, Conversion{3, "３"}, Conversion{4, "４"},
                      Conversion{5, "５"}, Conversion{6, "６"}, Conversion{7, "７"}, Conversion{8, "８"},
                      Conversion{9, "９"}));

INSTANTIATE_TEST_SUITE_P(
    RowNumerals, StringConversion,
    ::testing::Values(Conversion{1001, "一"}, Conversion{1002, "二"}, Conversion{1003, "三"}, Conversion{1004, "四"},
                      Conversion{1005, "五"}, Conversion{1006, "六"}, Conversion{1007, "七"}, Conversion{1008, "八"},
                      Conversion{1009, "九"}));

INSTANTIATE_TEST_SUITE_P(
    PieceNamesOfBothSides, StringConversion,
    ::testing::Values(Conversion{10, "歩"}, Conversion{-10, "歩"}, Conversion{11, "と"}, Conversion{-11, "と"},
                      Conversion{20, "香"}, Conversion{-20, "香"}, Conversion{21, "香成"}, Conversion{-21, "香成"},
                      Conversion{30, "桂"}, Conversion{-30, "桂"}, Conversion{31, "桂成"}, Conversion{-31, "桂成"},
                      Conversion{100, "銀"}, Conversion{-100, "銀"}, Conversion{101, "銀成"},
                      Conversion{-101, "銀成"}, Conversion{110, "金"}, Conversion{-110, "金"},
                      Conversion{800, "角"}, Conversion{-800, "角"}, Conversion{801, "角成"},
                      Conversion{-801, "角成"}, Conversion{900, "飛"}, Conversion{-900, "飛"},
                      Conversion{901, "飛成"}, Conversion{-901, "飛成"}, Conversion{950, "王"},
                      Conversion{-950, "王"}));

// Outside every class: empty, between the classes, promoted gold, past the ends.
INSTANTIATE_TEST_SUITE_P(
    EverythingElseIsEmpty, StringConversion,
    ::testing::Values(Conversion{0, ""}, Conversion{-1, ""}, Conversion{-9, ""}, Conversion{12, ""},
                      Conversion{111, ""}, Conversion{-111, ""}, Conversion{951, ""}, Conversion{1000, ""},
                      Conversion{1010, ""}, Conversion{-1001, ""}, Conversion{99, ""}));

// ---- 描画_数値 ----

TEST_F(TextTest, PlainNumbersKeepThePlaceOfTheSign) {
    struct Case { int value; const char* text; };
    for (Case c : {Case{0, " 0"}, Case{7, " 7"}, Case{123, " 123"}, Case{-3, "-3"}, Case{-45, "-45"}}) {
        h.clearLogs();
        h->描画_数値(12.1, 3.3, c.value, 12, 0, 14);
        expectTexts(h.canvas.texts(), {{12.1, 3.3, c.text, 12, 14}});
    }
}

TEST_F(TextTest, NumeralModeWritesKanjiForOneToNineOnly) {
    const char* numerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    for (int v = 1; v <= 9; ++v) {
        h.clearLogs();
        h->描画_数値(10.1, v + 0.3, v, COLOUR_YELLOW, 1, 12);
        expectTexts(h.canvas.texts(), {{10.1, v + 0.3, numerals[v - 1], COLOUR_YELLOW, 12}});
    }
    for (int v : {0, 10, -1, 1001}) {
        h.clearLogs();
        h->描画_数値(10.1, 1.3, v, COLOUR_YELLOW, 2, 12);
        EXPECT_TRUE(h.canvas.texts().empty()) << v;
        // The font is still set, as for any call.
        ASSERT_EQ(h.canvas.of(CanvasCall::Font).size(), 1u);
        EXPECT_EQ(h.canvas.colour, COLOUR_YELLOW);
    }
}

TEST_F(TextTest, PlainModeWritesATextUnchanged) {
    h->描画_数値(-1.5, 0.2, std::string("思考中"), COLOUR_WHITE, 0, 12);
    expectTexts(h.canvas.texts(), {{-1.5, 0.2, "思考中", COLOUR_WHITE, 12}});
}

// ---- 描画_文字列 ----

TEST_F(TextTest, GradeLabelsAndTheMoveSuffixAreOffsetInsideTheCell) {
    const std::pair<int, const char*> table[] = {
        {-10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"}, {-9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"}, {-8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段"}, {-7, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"},
        {-6, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"},  {-5, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"}, {-4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"}, {-3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"},
        {-2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"},  {-1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"}, {0, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"},  {1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"},
        {2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"},   {3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"},  {4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"},  {5, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"},
        {6, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"},   {7, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"},  {8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"}, {9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"},
        {10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"},  {99, "手目"}};
    for (const auto& [index, text] : table) {
        h.clearLogs();
        h->描画_文字列(11, 2, index, COLOUR_WHITE, 10);
        const auto texts = h.canvas.texts();
        ASSERT_EQ(texts.size(), 1u) << index;
        EXPECT_EQ(texts[0].text, text);
        EXPECT_DOUBLE_EQ(texts[0].x, cellX(11) + 120);
        EXPECT_DOUBLE_EQ(texts[0].y, cellY(2) + 160);
        EXPECT_EQ(texts[0].points, 10);
    }
    for (int index : {-11, 11, 98, 100}) {
        h.clearLogs();
        h->描画_文字列(11, 2, index, COLOUR_BLACK, 9);
        EXPECT_TRUE(h.canvas.texts().empty()) << index;
        EXPECT_EQ(h.canvas.of(CanvasCall::Font).size(), 1u) << index;
    }
}

// ---- 描画_手数 ----

struct MoveNumberCase {
    int n;
    double c;   // left edge of the black shadow
};

class MoveNumber : public TextTest, public ::testing::WithParamInterface<MoveNumberCase> {};

TEST_P(MoveNumber, MovesLeftByATenthAtTenAndAtAHundred) {
    const auto [n, c] = GetParam();
    h->描画_手数(n);
    const std::string digits = " " + std::to_string(n);
    expectTexts(h.canvas.texts(), {{c, 4.4, digits, COLOUR_BLACK, 12},
                                   {c - 0.1, 4.3, digits, COLOUR_WHITE, 12},
                                   {13.9 + 120 / 495.0, 4.2 + 160 / 615.0, "手目", COLOUR_BLACK, 10},
                                   {13.8 + 120 / 495.0, 4.1 + 160 / 615.0, "手目", COLOUR_WHITE, 10}});
}

INSTANTIATE_TEST_SUITE_P(Widths, MoveNumber,
                         ::testing::Values(MoveNumberCase{0, 13.3}, MoveNumberCase{9, 13.3}, MoveNumberCase{10, 13.2},
                                           MoveNumberCase{99, 13.2}, MoveNumberCase{100, 13.1},
                                           MoveNumberCase{500, 13.1}));

TEST_F(TextTest, MoveNumberRepaintsItsCellsBeforeWriting) {
    h->描画_手数(5);
    const auto pictures = h.canvas.of(CanvasCall::Picture);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].picture, Picture::HAIKEI_MIDORI);
    EXPECT_DOUBLE_EQ(pictures[0].x, cellX(13));
    EXPECT_DOUBLE_EQ(pictures[1].x, cellX(14));
    EXPECT_DOUBLE_EQ(pictures[1].y, cellY(4));
    EXPECT_EQ(h.canvas.outlinesOfCell(11, 4), std::vector<int>{COLOUR_GREEN});
    // Pictures and outline come before any text.
    EXPECT_EQ(h.canvas.calls.front().kind, CanvasCall::Picture);
}

// ---- 描画_移動結果 ----

TEST_F(TextTest, MoveResultOfALowerDropWritesFileRankAndPiece) {
    // A lower pawn dropped on column 3, row 5 is ７五歩.
    h->描画_移動結果(13, 3, 3, 5, SITA_HU, COLOUR_WHITE);
    expectTexts(h.canvas.texts(), {{13.3, 3.5, "７", COLOUR_BLACK, 12},
                                   {13.2, 3.4, "７", COLOUR_WHITE, 12},
                                   {13.7, 3.5, "五", COLOUR_BLACK, 12},
                                   {13.6, 3.4, "五", COLOUR_WHITE, 12},
                                   {14.3, 3.5, "歩", COLOUR_BLACK, 12},
                                   {14.2, 3.4, "歩", COLOUR_WHITE, 12}});
    const auto pictures = h.canvas.of(CanvasCall::Picture);
    ASSERT_EQ(pictures.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pictures[i].picture, Picture::HAIKEI_MIDORI);
        EXPECT_DOUBLE_EQ(pictures[i].x, cellX(13 + i));
        EXPECT_DOUBLE_EQ(pictures[i].y, cellY(3));
    }
    EXPECT_EQ(h.canvas.outlinesOfCell(-1, 7), std::vector<int>{COLOUR_GREEN});
    // The window is refreshed last, so the text shows at once.
    EXPECT_EQ(h.canvas.calls.back().kind, CanvasCall::Refresh);
}

TEST_F(TextTest, MoveResultOfAnUpperPromotionNamesThePromotedPiece) {
    // An upper bishop promoting on column 9, row 7 is １七角成.
    h->描画_移動結果(-2, 8, 9, 7, UE_UMA, COLOUR_WHITE);
    expectTexts(h.canvas.texts(), {{-1.7, 8.5, "１", COLOUR_BLACK, 12},
                                   {-1.8, 8.4, "１", COLOUR_WHITE, 12},
                                   {-1.3, 8.5, "七", COLOUR_BLACK, 12},
                                   {-1.4, 8.4, "七", COLOUR_WHITE, 12},
                                   {-0.7, 8.5, "角成", COLOUR_BLACK, 12},
                                   {-0.8, 8.4, "角成", COLOUR_WHITE, 12}});
}

TEST_F(TextTest, MoveResultOfAnEmptyCodeWritesOnlyTheCoordinates) {
    h->描画_移動結果(13, 3, 1, 9, EMPTY, COLOUR_WHITE);
    const auto texts = h.canvas.texts();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0].text, "９");
    EXPECT_EQ(texts[2].text, "九");
    EXPECT_EQ(texts[4].text, "");
    EXPECT_EQ(texts[5].text, "");
}

// ---- Labels and the bold font ----

TEST_F(TextTest, LabelsTurnTheFontBoldForAllLaterTexts) {
    h->描画_数値(0, 0, 1, COLOUR_WHITE, 0, 9);
    EXPECT_FALSE(h.canvas.texts().back().bold);

    h.clearLogs();
    h->描画_桝_数値();
    const auto labels = h.canvas.texts();
    ASSERT_EQ(labels.size(), 36u);
    for (int a = 1; a <= 9; ++a) {
        SCOPED_TRACE(a);
        const auto* t = &labels[(a - 1) * 4];
        const std::string file = " " + std::to_string(10 - a);
        const char* numerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
        expectTexts({t[0], t[1], t[2], t[3]}, {{a + 0.2, 0.5, file, COLOUR_BLACK, 16},
                                               {a + 0.1, 0.4, file, COLOUR_YELLOW, 16},
                                               {10.2, a + 0.4, numerals[a - 1], COLOUR_BLACK, 12},
                                               {10.1, a + 0.3, numerals[a - 1], COLOUR_YELLOW, 12}});
        EXPECT_EQ(h.canvas.outlinesOfCell(9, a), std::vector<int>{COLOUR_GREEN});
    }
    for (const auto& t : labels) EXPECT_TRUE(t.bold);

    h.clearLogs();
    h->描画_移動駒種類(0, 0, "歩", COLOUR_WHITE);
    h->描画_文字列(0, 0, 99, COLOUR_WHITE, 10);
    h->描画_数値(0, 0, 3, COLOUR_WHITE, 1, 12);
    for (const auto& t : h.canvas.texts()) EXPECT_TRUE(t.bold) << t.text;
}

TEST_F(TextTest, ErasingTheRecordLineRedrawsLabelsAndRowTen) {
    h->描画_棋譜読込み部分消去();
    EXPECT_EQ(h.canvas.texts().size(), 36u);
    std::vector<double> rowTen;
    for (const auto& p : h.canvas.of(CanvasCall::Picture))
        if (p.y == cellY(10)) {
            EXPECT_EQ(p.picture, Picture::HAIKEI_MIDORI);
            rowTen.push_back(p.x);
        }
    std::vector<double> expected;
    for (int c = -1; c <= 9; ++c) expected.push_back(cellX(c));
    EXPECT_EQ(rowTen, expected);
    // The tiles of row 10 overlap the bottom board row: its outlines are redrawn
    // (the corner square (9, 9) also by the label pass, as part of column 9).
    for (int a = 1; a <= 8; ++a) EXPECT_EQ(h.canvas.outlinesOfCell(a, 9), std::vector<int>{COLOUR_GREEN}) << a;
    EXPECT_EQ(h.canvas.outlinesOfCell(9, 9), (std::vector<int>{COLOUR_GREEN, COLOUR_GREEN}));
}

// ---- Shadows ----

// Each black text is the shadow of the next text of the same words: 0.1 cell
// right of and below it in Japanese; one pixel at 100% (15 twips) in English,
// where a wider shadow makes Latin letters look doubled.
TEST_F(TextTest, ShadowsLieATenthOfACellAwayInJapaneseAndAPixelInEnglish) {
    const struct {
        Language language;
        double dx, dy;
    } cases[] = {{Language::Japanese, 49.5, 61.5}, {Language::English, 15, 15}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.language));
        h.clearLogs();
        h->display.language = c.language;
        h->描画_桝_数値();
        h->描画_手数(4);
        h->描画_レベル(3);
        h->描画_ハンデレベル(2);
        h->描画_移動結果(11, 6, 3, 3, -30, COLOUR_WHITE, nullptr);
        const auto texts = h.canvas.texts();
        int shadows = 0;
        for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
            if (texts[i].colour != COLOUR_BLACK) continue;
            ++shadows;
            const auto& letters = texts[i + 1];
            ASSERT_EQ(letters.text, texts[i].text);
            EXPECT_NEAR(texts[i].x - letters.x, c.dx, 1e-6) << letters.text;
            EXPECT_NEAR(texts[i].y - letters.y, c.dy, 1e-6) << letters.text;
        }
        EXPECT_GE(shadows, 22);
    }
}

// ---- 描画_メッセージ ----

TEST_F(TextTest, HandicapRefusalNamesTheReason) {
    const std::pair<int, std::string> table[] = {
        {1, "棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい"},
        {2, "対局途中ではできません\r\r局面→最初にして下さい"},
        {3, "反転後ではできません\r\r局面→最初にして下さい"},
        {0, "\r\r局面→最初にして下さい"},
        {4, "\r\r局面→最初にして下さい"}};
    for (const auto& [n, text] : table) {
        h.clearLogs();
        h->描画_メッセージ(n);
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << n;
        EXPECT_EQ(h.dialogs.shown[0].text, text) << n;
        EXPECT_EQ(h.dialogs.shown[0].title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
        EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::Ok);
    }
}

}  // namespace
}  // namespace zelkora::testing
