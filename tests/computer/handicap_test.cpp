// The handicap ladder: "△" and "▽" one square at a time, the grade label,
// the flag that blocks saving, and the three refusals.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

std::unique_ptr<Harness> started() {
    auto h = std::make_unique<Harness>();
    h->start();
    h->clearLogs();
    return h;
}

bool sameBoard(const Board& a, const Board& b) {
    for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y)
            if (a.at(x, y) != b.at(x, y)) return false;
    return true;
}

Board boardOf(const char* sfen) {
    Position p;
    std::string error;
    EXPECT_TRUE(parseSfen(sfen, p, error)) << error;
    return p.board;
}

int playedCount(const Harness& h, std::int32_t buffer) {
    const std::string call = "dsPlay(" + std::to_string(buffer) + ")";
    return static_cast<int>(std::count(h.sound.log.begin(), h.sound.log.end(), call));
}

TEST(Handicap, ElevenUpsFromEvenTakeOffTenComputerPieces) {
    auto h = started();
    for (int i = 0; i < 11; ++i) (*h)->LBEL_UP_Click();
    EXPECT_EQ((*h)->flags.handicapGrade, 10);
    EXPECT_EQ((*h)->flags.handicapFlag, 1);
    // Only the king and the pawns stay on the computer's side.
    EXPECT_TRUE(sameBoard((*h)->board,
                          boardOf("4k4/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1")));
    // Ten squares changed, each with the piece-placed sound; the eleventh press none.
    EXPECT_EQ(playedCount(*h, (*h)->sounds.placed), 10);
    EXPECT_TRUE((*h)->hands.upperTotal == 0 && (*h)->hands.lowerTotal == 0);
    EXPECT_EQ((*h)->moves.count, 0);
}

TEST(Handicap, ElevenDownsFromEvenTakeOffTenHumanPieces) {
    auto h = started();
    for (int i = 0; i < 11; ++i) (*h)->LEBEL_DOWN_Click();
    EXPECT_EQ((*h)->flags.handicapGrade, -10);
    EXPECT_TRUE(sameBoard((*h)->board,
                          boardOf("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/9/4K4 b - 1")));
}

TEST(Handicap, UpThenDownRestoresBoardAndGradeFromEveryGrade) {
    for (int grade = -10; grade <= 9; ++grade) {
        auto h = started();
        for (int g = 0; g < grade; ++g) (*h)->LBEL_UP_Click();
        for (int g = 0; g > grade; --g) (*h)->LEBEL_DOWN_Click();
        ASSERT_EQ((*h)->flags.handicapGrade, grade);
        const Board before = (*h)->board;
        (*h)->LBEL_UP_Click();
        EXPECT_EQ((*h)->flags.handicapGrade, grade + 1);
        EXPECT_FALSE(sameBoard((*h)->board, before)) << grade;
        (*h)->LEBEL_DOWN_Click();
        EXPECT_EQ((*h)->flags.handicapGrade, grade) << grade;
        EXPECT_TRUE(sameBoard((*h)->board, before)) << grade;
    }
}

TEST(Handicap, EachStepShowsItsSquareAndTheGradeLabel) {
    auto h = started();
    (*h)->LBEL_UP_Click();
    // The computer's bishop square shows the empty square, outlined in the grid colour.
    const auto pictures = h->canvas.of(CanvasCall::Picture);
    ASSERT_FALSE(pictures.empty());
    EXPECT_EQ(pictures.back().picture, Picture::KARA_MASU);
    EXPECT_DOUBLE_EQ(pictures.back().x, 1050 + 495.0 * 8);
    EXPECT_DOUBLE_EQ(pictures.back().y, 100 + 615.0 * 2);
    EXPECT_EQ(h->canvas.outlinesOfCell(8, 2), std::vector<int>({COLOUR_GREEN}));
    const auto texts = h->canvas.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級");
    EXPECT_EQ(texts[0].colour, COLOUR_BLACK);
    EXPECT_DOUBLE_EQ(texts[0].x, 1050 + 495 * 11.1 + 120);
    EXPECT_EQ(texts[1].colour, COLOUR_WHITE);
    EXPECT_DOUBLE_EQ(texts[1].y, 100 + 615 * 1.8 + 160);

    h->clearLogs();
    (*h)->LEBEL_DOWN_Click();
    (*h)->LEBEL_DOWN_Click();
    // Back to even (the bishop returns), then the human's bishop leaves (2, 8).
    EXPECT_EQ((*h)->board.at(8, 2), UE_KAKU);
    EXPECT_EQ((*h)->board.at(2, 8), EMPTY);
    EXPECT_EQ(h->canvas.texts().back().text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級");
}

TEST(Handicap, AtTheEndsNothingChangesButTheFlagIsSet) {
    auto h = started();
    (*h)->flags.handicapGrade = 10;
    const Board before = (*h)->board;
    (*h)->LBEL_UP_Click();
    EXPECT_EQ((*h)->flags.handicapGrade, 10);
    EXPECT_EQ((*h)->flags.handicapFlag, 1);
    EXPECT_TRUE(sameBoard((*h)->board, before));
    EXPECT_EQ(playedCount(*h, (*h)->sounds.placed), 0);

    auto low = started();
    (*low)->flags.handicapGrade = -10;
    (*low)->LEBEL_DOWN_Click();
    EXPECT_EQ((*low)->flags.handicapGrade, -10);
    EXPECT_EQ((*low)->flags.handicapFlag, 1);
}

TEST(Handicap, Refusals) {
    const struct {
        const char* what;
        int recordMode, moveCount, reversed;
        const char* text;
    } cases[] = {
        {"record mode", 1, 0, 0, "棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい"},
        {"a game under way", 0, 3, 0, "対局途中ではできません\r\r局面→最初にして下さい"},
        {"reversed board", 0, 0, 1, "反転後ではできません\r\r局面→最初にして下さい"},
        {"record mode comes first", 1, 3, 1, "棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい"},
        {"a game under way before reversal", 0, 3, 1, "対局途中ではできません\r\r局面→最初にして下さい"},
    };
    for (const auto& c : cases) {
        for (bool up : {true, false}) {
            auto h = started();
            Form1& f = **h;
            f.flags.recordMode = c.recordMode;
            f.moves.count = c.moveCount;
            f.moves.replay = 7;
            f.flags.reversed = c.reversed;
            const Board before = f.board;
            up ? f.LBEL_UP_Click() : f.LEBEL_DOWN_Click();
            ASSERT_EQ(h->dialogs.shown.size(), 1u) << c.what;
            EXPECT_EQ(h->dialogs.shown[0].text, c.text) << c.what;
            EXPECT_EQ(h->dialogs.shown[0].title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定") << c.what;
            EXPECT_EQ(playedCount(*h, f.sounds.refusal), 1) << c.what;
            EXPECT_EQ(f.flags.handicapGrade, 0) << c.what;
            EXPECT_EQ(f.flags.handicapFlag, 0) << c.what;
            EXPECT_EQ(f.moves.replay, 7) << c.what;
            EXPECT_TRUE(sameBoard(f.board, before)) << c.what;
        }
    }
}

TEST(Handicap, AcceptedCommandResetsTheReplayCursor) {
    auto h = started();
    (*h)->moves.replay = 4;
    (*h)->LEBEL_DOWN_Click();
    EXPECT_EQ((*h)->moves.replay, 0);
    EXPECT_TRUE(sameBoard((*h)->board, boardOf("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/7R1/LNSGKGSNL b - 1")));
}

}  // namespace
}  // namespace zelkora::testing
