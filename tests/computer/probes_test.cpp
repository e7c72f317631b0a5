// Position probes: each one on positions where it must count and where it
// must not. The influence map is rebuilt before every probe, as the
// computer's turn does.
#include <gtest/gtest.h>

#include "tests/computer/trial.h"

namespace zelkora::testing {
namespace {

std::unique_ptr<Harness> surveyed(const char* sfen) {
    auto h = positionHarness(sfen);
    (*h)->勢力調査();
    return h;
}

// ---- 調査_移動可場所数 ----

struct PlacesCase {
    const char* what;
    const char* sfen;
    int x, y, code;
    int expected;
};

const PlacesCase kPlaces[] = {
    {"computer pawn with a free square", "k8/9/9/9/4p4/9/9/9/8K w - 1", 5, 5, UE_HU, 1},
    {"computer pawn whose only square the human reaches", "k8/9/9/9/4p4/9/4G4/9/8K w - 1", 5, 5, UE_HU, 0},
    {"human pawn whose only square the computer reaches", "k8/9/4p4/9/4P4/9/9/9/8K w - 1", 5, 5, SITA_HU, 0},
    {"human pawn with a free square", "k8/9/9/9/4P4/9/9/9/8K w - 1", 5, 5, SITA_HU, 1},
    {"king asked about an empty square", "k8/9/9/9/9/9/9/9/8K w - 1", 5, 5, UE_OU, 8},
    {"king beside a row the human rook holds", "k8/9/9/2R6/9/9/9/9/8K w - 1", 5, 5, UE_OU, 5},
    {"rook on an open board", "k8/9/9/9/9/9/9/9/8K w - 1", 5, 5, UE_SYA, 16},
};

TEST(Probes, MovablePlaces) {
    for (const PlacesCase& c : kPlaces) {
        auto h = surveyed(c.sfen);
        EXPECT_EQ((*h)->調査_移動可場所数(c.x, c.y, c.code), c.expected) << c.what;
    }
}

// ---- 調査_MAN王COMの範囲内 ----

struct ReachCase {
    const char* what;
    const char* sfen;
    TrialMove move;
    int expected;
};

const ReachCase kReach[] = {
    {"a gold newly reaches a square beside the king", "4k4/9/9/9/9/2g6/9/9/4K4 w - 1", {3, 6, 3, 7}, YES},
    {"every square the trial reaches was reached before", "k8/9/9/9/9/4s4/9/r8/4K4 w - 1", {5, 6, 5, 7}, NO},
    {"a knight newly reaches the king's own square", "k8/9/9/9/2n6/9/9/9/4K4 w - 1", {3, 5, 4, 7}, YES},
    {"a move far from the king", "k8/9/9/4p4/9/9/9/9/8K w - 1", {5, 4, 5, 5}, NO},
};

TEST(Probes, HumanKingNewlyInReach) {
    for (const ReachCase& c : kReach) {
        auto h = positionHarness(c.sfen);
        scoreTrialMove(*h, 1, c.move);
        EXPECT_EQ((*h)->調査_MAN王COMの範囲内(), c.expected) << c.what;
    }
}

// ---- 調査_桂狙い, 調査_香狙い ----

struct AimCase {
    const char* what;
    const char* sfen;
    int x, y;
    int expected;
};

const AimCase kKnightAim[] = {
    {"rook-attacked pawn, bishop left and king right of it", "8k/9/9/9/9/2B1p1K2/9/4R4/9 w - 1", 5, 6, 1750},
    {"the attacker is a gold", "8k/9/9/9/9/2B1p1K2/4G4/9/9 w - 1", 5, 6, 0},
    {"the pawn stands on row 5", "8k/9/9/9/2B1p1K2/9/4R4/9/9 w - 1", 5, 5, 0},
    {"the piece beside is the attacker itself", "8k/9/9/9/9/2R1p4/9/9/8K w - 1", 5, 6, 0},
};

const AimCase kLanceAim[] = {
    {"bishop-attacked pawn with the human king down the column", "k8/9/9/9/4g4/9/4p4/9/2B1K4 w - 1", 5, 7, 950},
    {"an own piece first down the column", "k8/9/9/9/4g4/9/4p4/4s4/2B1K4 w - 1", 5, 7, 0},
    {"the human reaches the square behind the pawn", "k8/9/9/9/4g4/5G3/4p4/9/2B1K4 w - 1", 5, 7, 0},
    {"the pawn stands on row 6", "k8/9/9/4g4/9/4p4/9/2B6/5K3 w - 1", 5, 6, 0},
};

TEST(Probes, KnightAim) {
    for (const AimCase& c : kKnightAim) {
        auto h = surveyed(c.sfen);
        EXPECT_EQ((*h)->調査_桂狙い(c.x, c.y), c.expected) << c.what;
    }
}

TEST(Probes, LanceAim) {
    for (const AimCase& c : kLanceAim) {
        auto h = surveyed(c.sfen);
        EXPECT_EQ((*h)->調査_香狙い(c.x, c.y), c.expected) << c.what;
    }
}

// ---- 調査_周辺状況 ----

TEST(Probes, Surroundings) {
    const AimCase cases[] = {
        {"rooks, bishops, promoted ones; a gold and a human rook do not count",
         "9/9/9/3r+bR3/3bk4/3+rg4/9/9/9 w - 1", 5, 5, -4},
        {"the computer's own king counts", "9/9/9/3r+bR3/3bk4/3+rg4/9/9/9 w - 1", 4, 5, -4},
        {"beside the king and the promoted bishop only", "9/9/9/3r+bR3/3bk4/3+rg4/9/9/9 w - 1", 6, 5, -2},
        {"a corner square", "k8/rb7/9/9/9/9/9/9/9 w - 1", 1, 1, -2},
        {"next to the corner king", "k8/rb7/9/9/9/9/9/9/9 w - 1", 2, 1, -3},
    };
    for (const AimCase& c : cases) {
        auto h = surveyed(c.sfen);
        EXPECT_EQ((*h)->調査_周辺状況(c.x, c.y), c.expected) << c.what;
    }
}

// ---- 調査_移動不可駒 ----

TEST(Probes, PinnedPieces) {
    const struct {
        const char* what;
        const char* sfen;
        int pin;
    } cases[] = {
        {"a silver between the human rook and the king", "4k4/9/4s4/9/9/9/4R4/9/8K w - 1", 1},
        {"the rook already reaches the king", "4k4/9/9/4R4/9/9/9/9/8K w - 1", 1},
        {"two pieces between", "4k4/9/4s4/4g4/9/9/4R4/9/8K w - 1", 0},
        {"a gold is no line piece", "4k4/9/4s4/9/9/9/4G4/9/8K w - 1", 0},
        {"a human lance below the king", "9/9/9/9/4k4/4s4/9/4L4/8K w - 1", 1},
        {"a human lance above the king looks the other way", "9/4L4/9/4s4/4k4/9/9/9/8K w - 1", 0},
        {"a human bishop on the diagonal", "4k4/3b5/9/1B7/9/9/9/9/8K w - 1", 1},
    };
    for (const auto& c : cases) {
        auto h = surveyed(c.sfen);
        const Board before = (*h)->board;
        (*h)->com.pin = 1 - c.pin;
        (*h)->調査_移動不可駒();
        EXPECT_EQ((*h)->com.pin, c.pin) << c.what;
        for (int x = 0; x <= 9; ++x)
            for (int y = 0; y <= 9; ++y) EXPECT_EQ((*h)->board.at(x, y), before.at(x, y)) << c.what;
    }
}

}  // namespace
}  // namespace zelkora::testing
