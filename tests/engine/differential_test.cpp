// The search core against the game's own procedures (tests/engine/reference.h)
// over random positions and whole random games: the same moves in the same
// order, the same promotion choices (and the captures-only list the same as
// the whole one when a capture is compulsory), the same end after every move, and make /
// unmake that restore the position and keep the incremental key right.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "computer/engine_bridge.h"
#include "engine/movegen.h"
#include "tests/engine/reference.h"

namespace zelkora::testing {
namespace {

using engine::Position;

void load(Reference& ref, const Position& p) {
    Form1& f = ref.form();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) f.board.at(x, y) = p.at(x, y);
    f.hands = Hands{};
    for (int kind = 1; kind <= 7; ++kind) {
        f.hands.lower[kind] = p.hand[engine::LOWER][kind];
        f.hands.upper[kind] = p.hand[engine::UPPER][kind];
        f.hands.lowerTotal += f.hands.lower[kind];
        f.hands.upperTotal += f.hands.upper[kind];
    }
    f.turn.kingTaken = NOBODY;
    f.turn.sideToMove = p.side == engine::UPPER ? f.turn.upperTag : f.turn.lowerTag;
}

RefMove asRef(const Position& p, const engine::Move& m) {
    const MoveRecord r = toRecord(p, m);
    return {r.fromX, r.fromY, r.toX, r.toY, r.before, r.after};
}

std::vector<RefMove> coreMoves(const Position& p, bool expand) {
    engine::MoveList list;
    engine::generate(p, list, expand);
    engine::sortInScanOrder(list);
    std::vector<RefMove> out;
    for (int i = 0; i < list.n; ++i) out.push_back(asRef(p, list.m[i]));
    return out;
}

// A random position: both kings, up to 38 other pieces of random kinds and
// sides (none that could never move again), random hands, a random side.
Position randomPosition(std::mt19937& rng) {
    static const int kinds[] = {10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901};
    Position p;
    auto empty = [&] {
        for (;;) {
            const int x = 1 + int(rng() % 9), y = 1 + int(rng() % 9);
            if (p.at(x, y) == 0) return std::pair{x, y};
        }
    };
    auto [kx, ky] = empty();
    p.put(kx, ky, 950);
    auto [lx, ly] = empty();
    p.put(lx, ly, -950);
    const int pieces = 4 + int(rng() % 35);
    for (int i = 0; i < pieces; ++i) {
        const int code = kinds[rng() % 13] * (rng() % 2 ? 1 : -1);
        auto [x, y] = empty();
        if (engine::mustPromote(code, engine::square(x, y))) continue;
        p.put(x, y, code);
    }
    for (int s = 0; s < 2; ++s)
        for (int kind = 1; kind <= 7; ++kind) p.setHand(s, kind, rng() % 4 == 0 ? 1 + int(rng() % 2) : 0);
    p.setSide(int(rng() % 2));
    return p;
}

// A position where the mate test matters: the upper king hemmed in by its own
// pieces, lower pieces close by, upper pawns spread over the columns (the pawn
// drops of the test), the lower side to move.
Position crowdedPosition(std::mt19937& rng) {
    static const int upperKinds[] = {10, 20, 100, 110, 11, 800, 900};
    static const int lowerKinds[] = {-110, -100, -900, -800, -901, -801, -20, -30, -11};
    Position p;
    const int kx = 1 + int(rng() % 9), ky = rng() % 2 ? 1 + int(rng() % 2) : 1 + int(rng() % 9);
    p.put(kx, ky, 950);
    for (;;) {
        const int x = 1 + int(rng() % 9), y = 1 + int(rng() % 9);
        if (p.at(x, y) == 0) {
            p.put(x, y, -950);
            break;
        }
    }
    for (int i = 0; i < 3; ++i) {
        const int x = 1 + int(rng() % 9), y = 1 + int(rng() % 8);
        if (p.at(x, y) == 0) p.put(x, y, 10);
    }
    const auto near = [&](int radius) {
        const int x = kx - radius + int(rng() % (2 * radius + 1)), y = ky - radius + int(rng() % (2 * radius + 1));
        return std::pair{x, y};
    };
    for (int i = 0; i < 5; ++i) {
        auto [x, y] = near(1);
        if (x >= 1 && x <= 9 && y >= 1 && y <= 9 && p.at(x, y) == 0) p.put(x, y, upperKinds[rng() % 7]);
    }
    for (int i = 0; i < 6; ++i) {
        auto [x, y] = near(4);
        const int code = lowerKinds[rng() % 9];
        if (x >= 1 && x <= 9 && y >= 1 && y <= 9 && p.at(x, y) == 0 && !engine::mustPromote(code, engine::square(x, y)))
            p.put(x, y, code);
    }
    p.setHand(engine::UPPER, 1, int(rng() % 3));
    if (rng() % 2) p.setHand(engine::UPPER, 1 + int(rng() % 7), 1);
    if (rng() % 2) p.setHand(engine::LOWER, 1 + int(rng() % 7), 1);
    p.setSide(engine::LOWER);
    return p;
}

struct Tally {
    int positions = 0, moves = 0, captures = 0, drops = 0, ends[3] = {0, 0, 0}, mates = 0;
};

// Compares lists and every move's end; answers a move to continue a game with.
void compare(Position& p, std::mt19937& rng, Tally& tally, std::vector<engine::Move>* next = nullptr) {
    Reference ref;
    load(ref, p);
    ++tally.positions;
    ASSERT_EQ(coreMoves(p, false), ref.moves(false)) << "base moves differ";
    std::vector<RefMove> expected = ref.moves(true), got = coreMoves(p, true);
    std::sort(expected.begin(), expected.end());
    std::sort(got.begin(), got.end());
    ASSERT_EQ(got, expected) << "promotion choices differ";

    engine::MoveList list, captures;
    engine::generate(p, list, true);
    engine::generateCaptures(p, captures);
    const bool forced = list.n > 0 && !list.m[0].isDrop() && p.board[list.m[0].to] != engine::EMPTY;
    ASSERT_EQ(std::vector(captures.m, captures.m + captures.n),
              forced ? std::vector(list.m, list.m + list.n) : std::vector<engine::Move>{})
        << "the captures-only list differs";
    const std::uint64_t key = p.key;
    const Board board = ref.form().board;
    const Hands hands = ref.form().hands;
    const TurnState turn = ref.form().turn;
    for (int i = 0; i < list.n; ++i) {
        const engine::Move m = list.m[i];
        const RefMove r = asRef(p, m);
        engine::Undo u;
        p.make(m, u);
        ASSERT_EQ(p.key, p.computeKey());
        const int core = engine::resultAfter(p, u);
        p.unmake(u);
        ASSERT_EQ(p.key, key);
        const int window = ref.play(r);
        ASSERT_EQ(core, window) << "end differs after " << r.fx << r.fy << r.tx << r.ty << " " << r.after;
        ref.form().board = board;
        ref.form().hands = hands;
        ref.form().turn = turn;
        ++tally.moves;
        ++tally.ends[core];
        if (core == 2 && u.captured != engine::KING) ++tally.mates;
        if (m.isDrop()) ++tally.drops;
        else if (u.captured != 0) ++tally.captures;
    }
    if (next) {
        next->clear();
        for (int i = 0; i < list.n; ++i) next->push_back(list.m[i]);
        std::shuffle(next->begin(), next->end(), rng);
    }
}

TEST(CoreAgainstTheGame, RandomPositions) {
    std::mt19937 rng(20261208);
    Tally tally;
    for (int i = 0; i < 3000; ++i) {
        Position p = i % 2 ? crowdedPosition(rng) : randomPosition(rng);
        compare(p, rng, tally);
        if (HasFatalFailure()) return;
    }
    // The positions must reach every rule that is compared.
    EXPECT_GT(tally.captures, 1000);
    EXPECT_GT(tally.drops, 1000);
    EXPECT_GT(tally.ends[1], 50);
    EXPECT_GT(tally.mates, 20);
}

TEST(CoreAgainstTheGame, WholeRandomGames) {
    std::mt19937 rng(7);
    Tally tally;
    int finished = 0;
    for (int game = 0; game < 40; ++game) {
        Position p = engine::initialPosition(game % 2);
        for (int ply = 0; ply < 300; ++ply) {
            std::vector<engine::Move> next;
            compare(p, rng, tally, &next);
            if (HasFatalFailure()) return;
            if (next.empty()) break;
            engine::Undo u;
            p.make(next.front(), u);
            if (engine::resultAfter(p, u) != engine::NO_RESULT) {
                ++finished;
                break;
            }
        }
    }
    EXPECT_GT(finished, 30);
    EXPECT_GT(tally.captures, 1000);
}

}  // namespace
}  // namespace zelkora::testing
