// Invariants over many random games played under this game's rules (capture
// compulsory, strongest first; promotion when allowed, always when forced),
// from a fixed seed so every run plays the same games:
//  - the pieces are conserved between the board and the hands, and the hand
//    totals equal the counts plus a taken king;
//  - every move and its record agree, and "進" replays the record exactly;
//  - the survey's counts and check marks equal a brute-force count of reaches
//    worked out from the pieces' move geometry;
//  - 移動チェック accepts exactly the geometric moves whose path is clear and
//    whose target holds no own piece.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "records/replay_steps.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

constexpr const char* kStart = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";
constexpr int kPiecesOfKind[8] = {0, 18, 4, 4, 4, 4, 2, 2};

// ---- Move geometry, written from the rules of shogi ----

struct Step {
    int dx, dy;   // dy as seen by the upper side (forward +1); negated for the lower side
};

const std::vector<Step> kGoldSteps = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}};
const std::vector<Step> kSilverSteps = {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}};
const std::vector<Step> kKingSteps = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
const std::vector<Step> kOrthogonal = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
const std::vector<Step> kDiagonal = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

struct Geometry {
    std::vector<Step> steps, rays;
};

Geometry geometryOf(int code) {
    switch (code < 0 ? -code : code) {
    case 10: return {{{0, 1}}, {}};
    case 20: return {{}, {{0, 1}}};
    case 30: return {{{-1, 2}, {1, 2}}, {}};
    case 100: return {kSilverSteps, {}};
    case 11: case 21: case 31: case 101: case 110: return {kGoldSteps, {}};
    case 800: return {{}, kDiagonal};
    case 801: return {kOrthogonal, kDiagonal};
    case 900: return {{}, kOrthogonal};
    case 901: return {kDiagonal, kOrthogonal};
    case 950: return {kKingSteps, {}};
    default: return {};
    }
}

bool onBoard(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }

// Calls visit(tx, ty, between) for every square the piece on (x, y) could go
// to on an empty board, with the squares strictly between for a ray.
template <typename Visit>
void forEachTarget(int code, int x, int y, Visit visit) {
    const int flip = code < 0 ? -1 : 1;
    const Geometry g = geometryOf(code);
    for (const Step& s : g.steps)
        if (onBoard(x + s.dx, y + s.dy * flip)) visit(x + s.dx, y + s.dy * flip, std::vector<std::pair<int, int>>{});
    for (const Step& s : g.rays) {
        std::vector<std::pair<int, int>> between;
        for (int tx = x + s.dx, ty = y + s.dy * flip; onBoard(tx, ty); tx += s.dx, ty += s.dy * flip) {
            visit(tx, ty, between);
            between.push_back({tx, ty});
        }
    }
}

void checkSurveyAgainstBruteForce(const Form1& f, int ply) {
    int lower[10][10] = {}, upper[10][10] = {};
    int lowerMarks[10][10] = {}, upperMarks[10][10] = {};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = f.board.at(x, y);
            if (code == 0) continue;
            const int enemyKing = code < 0 ? UE_OU : SITA_OU;
            auto& counts = code < 0 ? lower : upper;
            auto& marks = code < 0 ? lowerMarks : upperMarks;
            forEachTarget(code, x, y, [&](int tx, int ty, const std::vector<std::pair<int, int>>& between) {
                for (const auto& b : between) {
                    const int c = f.board.at(b.first, b.second);
                    if (c != 0 && c != enemyKing) return;
                }
                ++counts[tx][ty];
                if (f.board.at(tx, ty) != enemyKing || code == -enemyKing) return;
                bool clear = true;
                for (const auto& b : between) clear = clear && f.board.at(b.first, b.second) == 0;
                if (!clear) return;
                marks[x][y] = 9;
                for (const auto& b : between) marks[b.first][b.second] = 1;
            });
        }
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            ASSERT_EQ(f.inf.lower_influence[x][y], lower[x][y]) << "ply " << ply << " at " << x << "," << y;
            ASSERT_EQ(f.inf.upper_influence[x][y], upper[x][y]) << "ply " << ply << " at " << x << "," << y;
            ASSERT_EQ(f.inf.lower_check_marks[x][y], lowerMarks[x][y]) << "ply " << ply << " at " << x << "," << y;
            ASSERT_EQ(f.inf.upper_check_marks[x][y], upperMarks[x][y]) << "ply " << ply << " at " << x << "," << y;
        }
}

void checkLegalityAgainstGeometry(Form1& f, bool lowerSide, int ply) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = f.board.at(x, y);
            if (lowerSide ? !isLower(code) : !isUpper(code)) continue;
            bool geometric[10][10] = {};
            forEachTarget(code, x, y, [&](int tx, int ty, const std::vector<std::pair<int, int>>& between) {
                for (const auto& b : between)
                    if (f.board.at(b.first, b.second) != 0) return;
                const int t = f.board.at(tx, ty);
                geometric[tx][ty] = lowerSide ? !isLower(t) : !isUpper(t);
            });
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty)
                    ASSERT_EQ(f.移動チェック(x, y, tx, ty, code), geometric[tx][ty] ? YES : NO)
                        << "ply " << ply << ": " << code << " from " << x << "," << y << " to " << tx << "," << ty;
        }
}

void checkConservation(const Form1& f, int ply) {
    int onBoard[8] = {};
    int kings = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = f.board.at(x, y);
            if (code == UE_OU || code == SITA_OU) ++kings;
            else if (code != 0) ++onBoard[handKind(code)];
        }
    for (int k = 1; k <= 7; ++k)
        ASSERT_EQ(onBoard[k] + f.hands.lower[k] + f.hands.upper[k], kPiecesOfKind[k]) << "ply " << ply << " kind " << k;
    const bool kingTaken = f.turn.kingTaken != NOBODY;
    ASSERT_EQ(kings, kingTaken ? 1 : 2) << "ply " << ply;
    int lowerSum = 0, upperSum = 0;
    for (int k = 1; k <= 7; ++k) {
        ASSERT_GE(f.hands.lower[k], 0);
        ASSERT_GE(f.hands.upper[k], 0);
        lowerSum += f.hands.lower[k];
        upperSum += f.hands.upper[k];
    }
    ASSERT_EQ(f.hands.lowerTotal, lowerSum + (f.turn.kingTaken == f.turn.lowerTag ? 1 : 0)) << "ply " << ply;
    ASSERT_EQ(f.hands.upperTotal, upperSum + (f.turn.kingTaken == f.turn.upperTag ? 1 : 0)) << "ply " << ply;
}

struct Candidate {
    int fx, fy, tx, ty, piece;
};

// All moves the rules allow the side to move, compulsory capture applied.
std::vector<Candidate> candidates(Form1& f, bool lowerSide) {
    const int tag = lowerSide ? f.turn.lowerTag : f.turn.upperTag;
    f.調査_2歩フラグ設定();
    f.調査_取可桝(tag);
    const CaptureData& cap = lowerSide ? f.lowerCapture : f.upperCapture;
    std::vector<Candidate> out;
    auto allowed = [&](int tx, int ty) {
        if (cap.count == 0) return true;
        if (cap.map[tx][ty] == 0) return false;
        return cap.count == 1 || (tx == cap.bestX && ty == cap.bestY);
    };
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = f.board.at(x, y);
            if (lowerSide ? !isLower(code) : !isUpper(code)) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty)
                    if (f.移動チェック(x, y, tx, ty, code) == YES && allowed(tx, ty)) out.push_back({x, y, tx, ty, code});
        }
    if (cap.count > 0) return out;
    const int* hand = lowerSide ? f.hands.lower : f.hands.upper;
    for (int kind = 1; kind <= 7; ++kind) {
        if (hand[kind] <= 0) continue;
        const int code = lowerSide ? -kindCode(kind) : kindCode(kind);
        const int fx = lowerSide ? LOWER_HAND_X : UPPER_HAND_X;
        // The lower hand is addressed by its screen row, the upper hand by kind.
        const int fy = lowerSide ? kind + 2 : kind;
        for (int tx = 1; tx <= 9; ++tx)
            for (int ty = 1; ty <= 9; ++ty)
                if (f.移動チェック(fx, fy, tx, ty, code) == YES) out.push_back({fx, fy, tx, ty, code});
    }
    return out;
}

// What the games went through, so the test shows it exercised every kind of move.
struct Coverage {
    int plies = 0, captures = 0, promotions = 0, drops = 0, kingsTaken = 0;
};

void playOneGame(std::mt19937& random, int game, Coverage& seen) {
    SCOPED_TRACE("game " + std::to_string(game));
    auto h = positionHarness(kStart);
    Form1& f = **h;
    bool lowerSide = true;
    for (int ply = 1; ply <= 300; ++ply) {
        const std::vector<Candidate> moves = candidates(f, lowerSide);
        ASSERT_NO_FATAL_FAILURE(checkSurveyAgainstBruteForce(f, ply));
        ASSERT_NO_FATAL_FAILURE(checkLegalityAgainstGeometry(f, lowerSide, ply));
        if (moves.empty()) return;
        const Candidate m = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)];

        int placed = m.piece;
        if (f.調査_駒成(m.fx, m.fy, m.tx, m.ty, m.piece) == YES &&
            (f.移動後チェック(m.ty, m.piece) == NO || random() % 2 == 0))
            placed = f.rules.promotedCode;

        const int target = f.board.at(m.tx, m.ty);
        const int count = f.moves.count;
        Board replayBoard = f.board;
        Hands replayHands = f.hands;
        ASSERT_FALSE(f.moveListFullRefuses());
        f.手順保存(m.fx, m.fy, m.tx, m.ty, m.piece, placed);
        f.駒移動(m.fx, m.fy, m.tx, m.ty, placed);

        ASSERT_EQ(f.moves.count, count + 1);
        const MoveRecord& r = f.moves.entry[f.moves.count];
        ASSERT_EQ(r.fromX, m.fx);
        ASSERT_EQ(r.fromY, m.fy);
        ASSERT_EQ(r.toX, m.tx);
        ASSERT_EQ(r.toY, m.ty);
        ASSERT_EQ(r.captured, target);
        ASSERT_EQ(r.before, m.piece);
        ASSERT_EQ(r.after, f.board.at(m.tx, m.ty));
        if (m.fx != LOWER_HAND_X && m.fx != UPPER_HAND_X) {
            ASSERT_EQ(f.board.at(m.fx, m.fy), EMPTY);
        }
        ASSERT_NO_FATAL_FAILURE(checkConservation(f, ply));
        // "進" accepts every entry the game records and repeats the move exactly.
        ASSERT_EQ(entryFault(r, replayBoard, replayHands), EntryFault::None) << "ply " << ply;
        stepForward(replayBoard, replayHands, r);
        ASSERT_TRUE(std::equal(&replayBoard.ban[0][0], &replayBoard.ban[0][0] + 100, &f.board.ban[0][0])) << "ply " << ply;
        ASSERT_TRUE(std::equal(replayHands.lower, replayHands.lower + 8, f.hands.lower)) << "ply " << ply;
        ASSERT_TRUE(std::equal(replayHands.upper, replayHands.upper + 8, f.hands.upper)) << "ply " << ply;
        ++seen.plies;
        seen.captures += target != EMPTY;
        seen.promotions += placed != m.piece;
        seen.drops += m.fx == LOWER_HAND_X || m.fx == UPPER_HAND_X;
        if (f.turn.kingTaken != NOBODY) {
            ++seen.kingsTaken;
            return;
        }
        lowerSide = !lowerSide;
    }
}

TEST(RandomGames, InvariantsHoldThroughout) {
    std::mt19937 random(20240611);
    Coverage seen;
    for (int game = 1; game <= 200; ++game) ASSERT_NO_FATAL_FAILURE(playOneGame(random, game, seen));
    EXPECT_GT(seen.plies, 5000);
    EXPECT_GT(seen.captures, 1000);
    EXPECT_GT(seen.promotions, 100);
    EXPECT_GT(seen.drops, 500);
    EXPECT_GT(seen.kingsTaken, 100);
}

}  // namespace
}  // namespace zelkora::testing
