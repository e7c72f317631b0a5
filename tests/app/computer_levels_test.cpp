// Whole games against the computer on the real window, one per level and per
// choice of "先手" / "後手", played by mouse clicks from a seeded random human
// until a winner is announced. The human picks among its legal board moves and drops,
// obeying compulsory capture, and right-clicks where it must or may promote.
// After every turn:
//  - the pieces are conserved between the board and the hands;
//  - replaying the move list with "進" on a fresh game, each entry legal in the
//    position it was made from, reproduces the board and the hands.
// At the end the announced winner agrees with the final position.
#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include <QAction>
#include <QTest>

#include "display/qt/canvas_widget.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

constexpr int kPiecesOfKind[8] = {0, 18, 4, 4, 4, 4, 2, 2};
// Far above the length of these games (under 75 human moves).
constexpr int kMaxHumanMoves = 120;

// Answers "続けますか？" with No, so the final position stays on the board.
class StoppingDialogs : public ScriptedDialogs {
public:
    Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override {
        ScriptedDialogs::message(text, title, buttons, icon);
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
};

struct Candidate {
    int fx, fy, tx, ty;   // for a drop fx = 11 and fy the hand cell's row
    bool mustPromote, mayPromote;
};

QPoint cellCentre(MainWindow& w, int c, int r) { return w.pixelOf(1050 + 495 * c + 247, 100 + 615 * r + 307); }

// Every legal move and drop of the lower player; while a capture is possible,
// only the captures of the strongest capturable piece.
std::vector<Candidate> humanCandidates(Form1& f) {
    f.調査_取可桝(f.turn.lowerTag);
    f.調査_2歩フラグ設定();
    int strongest = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (f.lowerCapture.map[x][y] == 1 && f.board.at(x, y) > strongest) strongest = f.board.at(x, y);

    std::vector<Candidate> out;
    auto consider = [&](int fx, int fy, int piece, int kindRow) {
        for (int tx = 1; tx <= 9; ++tx)
            for (int ty = 1; ty <= 9; ++ty) {
                if (f.移動チェック(fx, fy, tx, ty, piece) != YES) continue;
                if (strongest > 0 && f.board.at(tx, ty) != strongest) continue;
                const bool drop = fx == LOWER_HAND_X;
                const bool must = !drop && f.移動後チェック(ty, piece) == NO;
                const bool may = !drop && f.調査_駒成(fx, fy, tx, ty, piece) != NO;
                out.push_back({fx, drop ? kindRow : fy, tx, ty, must, may});
            }
    };
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (isLower(f.board.at(x, y))) consider(x, y, f.board.at(x, y), 0);
    if (strongest == 0) {
        static const int codes[8] = {0, SITA_HU, SITA_KYOU, SITA_KEI, SITA_GIN, SITA_KIN, SITA_KAKU, SITA_SYA};
        for (int k = 1; k <= 7; ++k)
            if (f.hands.lower[k] > 0) consider(LOWER_HAND_X, k, codes[k], k + 2);
    }
    return out;
}

void expectPiecesConserved(const Form1& f) {
    int count[8] = {};
    int kings = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = f.board.at(x, y);
            if (code == 0) continue;
            if (code == SITA_OU || code == UE_OU) ++kings;
            else ++count[handKind(code)];
        }
    int lowerKinds = 0, upperKinds = 0;
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(count[k] + f.hands.lower[k] + f.hands.upper[k], kPiecesOfKind[k]) << "kind " << k;
        lowerKinds += f.hands.lower[k];
        upperKinds += f.hands.upper[k];
    }
    // A taken king counts in its taker's hand total only.
    EXPECT_EQ(f.hands.lowerTotal + f.hands.upperTotal, lowerKinds + upperKinds + (2 - kings));
}

// Replays the move list with "進" on a fresh game; every entry must be legal in
// the position it is played from, and the end must equal the window's game.
void expectReplayReproduces(const Form1& played) {
    Harness h;
    h.start();
    Form1& f = *h;
    const int n = played.moves.count;
    for (int i = 1; i <= n; ++i) f.moves.entry[i] = played.moves.entry[i];
    f.moves.replay = n;
    for (int i = 1; i <= n; ++i) {
        const MoveRecord& m = f.moves.entry[i];
        f.調査_2歩フラグ設定();
        const bool drop = m.fromX == LOWER_HAND_X || m.fromX == UPPER_HAND_X;
        if (!drop) {
            EXPECT_EQ(f.board.at(m.fromX, m.fromY), m.before) << "move " << i;
        }
        EXPECT_EQ(f.board.at(m.toX, m.toY), m.captured) << "move " << i;
        EXPECT_EQ(f.移動チェック(m.fromX, m.fromY, m.toX, m.toY, m.before), YES) << "move " << i;
        f.AFTER_Click();
    }
    EXPECT_EQ(position(f), position(played));
}

// (level, the human moves first)
class ComputerLevels : public WindowTest, public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(ComputerLevels, AGameIsPlayedToItsEndByMouse) {
    const auto [level, humanFirst] = GetParam();
    StoppingDialogs stopping;
    FakeWorker worker;   // the computer answers at once
    MainWindow w(&stopping, nullptr, &worker);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Form1& f = w.form();

    w.menuAction("LEVEL" + std::to_string(level))->trigger();
    ASSERT_EQ(f.flags.level, level);
    w.menuAction(humanFirst ? "SENTE" : "GOTE")->trigger();
    ASSERT_EQ(f.turn.gameMode, MODE_COM);
    ASSERT_EQ(f.moves.count, humanFirst ? 0 : 1);

    // Fixed seeds: every run plays the same games (one of them won by the human).
    std::mt19937 random(23240 + 2 * level + humanFirst);
    std::string winner;
    for (int turn = 1; turn <= kMaxHumanMoves && winner.empty(); ++turn) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        std::vector<Candidate> candidates = humanCandidates(f);
        ASSERT_FALSE(candidates.empty());
        std::shuffle(candidates.begin(), candidates.end(), random);
        const int before = f.moves.count;
        for (const Candidate& c : candidates) {
            const std::size_t boxes = stopping.shown.size();
            const bool promote = c.mustPromote || (c.mayPromote && random() % 2 == 0);
            QTest::mouseClick(&w.canvasWidget(), Qt::LeftButton, {}, cellCentre(w, c.fx, c.fy));
            QTest::mouseClick(&w.canvasWidget(), promote ? Qt::RightButton : Qt::LeftButton, {},
                              cellCentre(w, c.tx, c.ty));
            for (std::size_t i = boxes; i < stopping.shown.size(); ++i) {
                const std::string& text = stopping.shown[i].text;
                const std::string suffix = "の勝ちです";
                if (text.size() > suffix.size() && text.ends_with(suffix))
                    winner = text.substr(0, text.size() - suffix.size());
            }
            if (f.moves.count != before || w.hasEnded()) break;
        }
        ASSERT_GT(f.moves.count, before) << "no candidate move was accepted";
        if (winner.empty()) {
            ASSERT_EQ(f.moves.count, before + 2);
            ASSERT_EQ(f.turn.sideToMove, f.turn.lowerTag);
        }
        expectPiecesConserved(f);
        expectReplayReproduces(f);
        if (::testing::Test::HasFailure()) return;
    }

    ASSERT_FALSE(winner.empty()) << "no winner after " << kMaxHumanMoves << " human moves";
    ASSERT_TRUE(w.hasEnded());
    const MoveRecord& last = f.moves.entry[f.moves.count];
    bool lowerKing = false, upperKing = false;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            lowerKing |= f.board.at(x, y) == SITA_OU;
            upperKing |= f.board.at(x, y) == UE_OU;
        }
    if (winner == "あなた") {
        // The computer took the human's king, or had no move left.
        if (lowerKing) {
            bool noMove = false;
            for (const Message& m : stopping.shown) noMove |= m.text == "コンピュータは指す手がありません";
            EXPECT_TRUE(noMove);
        } else {
            EXPECT_EQ(last.captured, SITA_OU);
            EXPECT_TRUE(isUpper(last.before));
        }
    } else {
        ASSERT_EQ(winner, "コンピュータ");
        // The human's last move took the computer's king or mated it.
        EXPECT_TRUE(isLower(last.before));
        f.勢力調査();
        EXPECT_TRUE(!upperKing ? last.captured == UE_OU : f.詰めかCOM() == YES);
    }
}

INSTANTIATE_TEST_SUITE_P(EachLevel, ComputerLevels,
                         ::testing::Combine(::testing::Values(1, 2, 3), ::testing::Bool()));

}  // namespace
}  // namespace zelkora::testing
