// match: games between two levels, a results table and the Elo difference.
//
//   zelkora-cli match --levels A,B --games N [--seed S] [--jobs N]
//
// See cli/match.h for how a game is played. Each game depends only on its
// index, the seed and the levels (node budgets, no clock), so --jobs changes
// the speed and not the results. The games run on at most --jobs threads, and
// never more than there are games or twice the machine's hardware threads.
#include "cli/match.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <random>
#include <system_error>
#include <thread>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "game/null_ports.h"
#include "cli/positions.h"
#include "computer/engine_bridge.h"
#include "engine/movegen.h"

namespace zelkora::cli {

namespace {

using engine::Position;

// The position seen from the other side: squares and codes turned round, hands
// exchanged, the side to move becomes the upper side.
Position turnedRound(const Position& p) {
    Position r;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.at(x, y) != engine::EMPTY) r.put(10 - x, 10 - y, -p.at(x, y));
    for (int kind = 1; kind <= 7; ++kind) {
        r.setHand(engine::UPPER, kind, p.hand[engine::LOWER][kind]);
        r.setHand(engine::LOWER, kind, p.hand[engine::UPPER][kind]);
    }
    r.setSide(engine::UPPER);
    return r;
}

// The move of the window's one-ply computer at level 1..3 for the upper side.
bool windowMove(const Position& p, int level, engine::Move& m) {
    NullPorts ports;
    Form1 form(ports.ports());
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) form.board.at(x, y) = p.at(x, y);
    for (int kind = 1; kind <= 7; ++kind) {
        form.hands.lower[kind] = p.hand[engine::LOWER][kind];
        form.hands.upper[kind] = p.hand[engine::UPPER][kind];
        form.hands.lowerTotal += p.hand[engine::LOWER][kind];
        form.hands.upperTotal += p.hand[engine::UPPER][kind];
    }
    form.turn.sideToMove = form.turn.upperTag;
    form.flags.level = level;
    form.comSearch();
    if (!form.com.chosenValid) return false;
    const MoveRecord& r = form.com.chosen;
    m.to = static_cast<std::uint8_t>(engine::square(r.toX, r.toY));
    if (r.fromX == UPPER_HAND_X) {
        m.from = 0;
        m.kind = static_cast<std::uint8_t>(r.fromY);
        m.promote = 0;
    } else {
        m.from = static_cast<std::uint8_t>(engine::square(r.fromX, r.fromY));
        m.kind = 0;
        m.promote = r.after != r.before;
    }
    return true;
}

// Plays `m` for the upper side and turns the board for the next mover.
// Answers true when the game ended; `moverWins` then says who won.
bool play(Position& p, const engine::Move& m, bool& moverWins) {
    engine::Undo u;
    p.make(m, u);
    if (u.captured == -engine::KING) {   // the opponent's king taken: the opponent wins
        moverWins = false;
        return true;
    }
    p = turnedRound(p);
    if (engine::upperMated(p)) {   // the opponent's king mated: the opponent wins
        moverWins = false;
        return true;
    }
    return false;
}

}  // namespace

MatchGame playMatchGame(int a, int b, int index, std::uint64_t seed) {
    MatchGame game;
    game.aFirst = index % 2 == 0;
    Position p = engine::initialPosition(engine::UPPER);
    int plies = 0;
    // The pair's opening: random plies that do not end the game.
    const int pair = index / 2;
    std::mt19937_64 rng(seed * 1000003 + static_cast<std::uint64_t>(pair));
    const int openingPlies = pair == 0 ? 0 : 2 + static_cast<int>(rng() % 7);
    for (int attempt = 0; attempt < 20 && plies < openingPlies; ++attempt) {
        Position q = engine::initialPosition(engine::UPPER);
        int n = 0;
        bool ended = false;
        while (n < openingPlies && !ended) {
            engine::MoveList list;
            engine::generate(q, list, true);
            if (list.n == 0) { ended = true; break; }
            bool moverWins = false;
            ended = play(q, list.m[rng() % list.n], moverWins);
            ++n;
        }
        if (!ended) {
            p = q;
            plies = n;
        }
    }
    static thread_local engine::Searcher searcher;
    const std::uint64_t gameSeed = moveDraw(seed, index);
    while (plies < MATCH_PLY_LIMIT) {
        const bool aToMove = (plies % 2 == 0) == game.aFirst;
        const int level = aToMove ? a : b;
        engine::Move m;
        bool found;
        if (searchCoreLevel(level)) {
            engine::SearchLimits limits = gameSearchLimits(level, gameSeed, plies, false);
            // The node budget alone, with no clock at all (LEVEL6's wall-clock
            // stop too): the same games on any machine, however busy.
            limits.seconds = 1e9;
            limits.wallSeconds = 0;
            const engine::SearchResult r = searcher.search(p, limits);
            found = r.valid;
            m = r.best;
        } else {
            found = windowMove(p, level, m);
        }
        bool moverWins = false;
        const bool ended = !found || play(p, m, moverWins);
        if (found) ++plies;
        if (ended) {
            game.winner = (aToMove == moverWins) ? 0 : 1;
            break;
        }
    }
    game.plies = plies;
    return game;
}

std::string matchReport(int a, int b, const std::vector<MatchGame>& games) {
    struct Row { int games = 0, wins = 0, losses = 0, draws = 0; long plies = 0; };
    Row rows[3];   // A first, A second, total
    for (const MatchGame& g : games)
        for (Row* r : {&rows[g.aFirst ? 0 : 1], &rows[2]}) {
            ++r->games;
            r->plies += g.plies;
            if (g.winner == 0) ++r->wins;
            else if (g.winner == 1) ++r->losses;
            else ++r->draws;
        }
    const std::string A = levelName(a), B = levelName(b);
    std::string out = A + " vs " + B + ", " + std::to_string(games.size()) + " games\n";
    char line[160];
    std::snprintf(line, sizeof line, "%-16s %6s %6s %7s %6s %12s\n", "", "games", "wins", "losses", "draws",
                  "mean plies");
    out += line;
    const std::string labels[3] = {A + " first", A + " second", "total"};
    for (int i = 0; i < 3; ++i) {
        const Row& r = rows[i];
        std::snprintf(line, sizeof line, "%-16s %6d %6d %7d %6d %12.1f\n", labels[i].c_str(), r.games, r.wins,
                      r.losses, r.draws, r.games ? double(r.plies) / r.games : 0.0);
        out += line;
    }
    // Elo from the score, its 95% interval from the spread of the game scores;
    // a score of 0 or 100% is taken half a game inside for the formula, so a
    // clean sweep reads as a lower bound.
    const Row& t = rows[2];
    const int n = t.games > 0 ? t.games : 1;
    const double score = (t.wins + 0.5 * t.draws) / n;
    double var = 0;
    for (const MatchGame& g : games) {
        const double x = g.winner == 0 ? 1 : g.winner == 1 ? 0 : 0.5;
        var += (x - score) * (x - score);
    }
    var /= n;
    const double lo = 0.5 / n, hi = 1 - 0.5 / n;
    const auto clamp = [lo, hi](double s) { return s < lo ? lo : s > hi ? hi : s; };
    // With every game won (or lost) the spread is that of the clamped score.
    if (var == 0) var = clamp(score) * (1 - clamp(score));
    const double se = std::sqrt(var / n);
    const auto elo = [clamp](double s) { return -400 * std::log10(1 / clamp(s) - 1); };
    const double e = elo(score);
    const double interval = (elo(score + 1.96 * se) - elo(score - 1.96 * se)) / 2;
    std::snprintf(line, sizeof line, "%s vs %s: +%d -%d =%d, score %.1f%%, Elo %+.0f ± %.0f\n", A.c_str(),
                  B.c_str(), t.wins, t.losses, t.draws, 100 * score, e, interval);
    out += line;
    return out;
}

namespace {

constexpr const char* MATCH_USAGE = "usage: zelkora-cli match --levels A,B --games N [--seed S] [--jobs N]\n";
constexpr std::uint64_t MAX_GAMES = 1000000;

struct MatchOptions {
    int a = -1, b = -1;
    std::uint64_t games = 0, jobs = 1, seed = 0;
};

// Reads "A,B": two levels of the menu, or the former LEVEL5 (0).
bool parseLevels(const std::string& value, MatchOptions& o) {
    const std::size_t comma = value.find(',');
    if (comma == std::string::npos) return false;
    std::uint64_t a = 0, b = 0;
    if (!wholeNumber(value.substr(0, comma), 0, TOP_LEVEL, a) || !wholeNumber(value.substr(comma + 1), 0, TOP_LEVEL, b))
        return false;
    o.a = static_cast<int>(a);
    o.b = static_cast<int>(b);
    return true;
}

// Fills `o` from the arguments; answers the error line, empty when all is well.
std::string parseMatchOptions(const Args& args, MatchOptions& o) {
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& key = args[i];
        if (i + 1 >= args.size()) return "error: " + escapedBytes(key) + " needs a value\n";
        const std::string& value = args[i + 1];
        if (key == "--levels") {
            if (!parseLevels(value, o))
                return "error: --levels takes two levels A,B from 1 to " + std::to_string(TOP_LEVEL) + ", not '" +
                       escapedBytes(value) + "'\n";
        } else if (key == "--games") {
            if (!wholeNumber(value, 1, MAX_GAMES, o.games)) return badNumber(key, value, 1, MAX_GAMES);
        } else if (key == "--jobs") {
            if (!wholeNumber(value, 1, MAX_GAMES, o.jobs)) return badNumber(key, value, 1, MAX_GAMES);
        } else if (key == "--seed") {
            if (!wholeNumber(value, 0, UINT64_MAX, o.seed)) return badNumber(key, value, 0, UINT64_MAX);
        } else {
            return "error: unknown option '" + escapedBytes(key) + "'\n";
        }
    }
    if (o.a < 0) return "error: --levels is missing\n";
    if (o.games == 0) return "error: --games is missing\n";
    return {};
}

}  // namespace

std::string levelName(int level) {
    return level == FORMER_LEVEL5 ? std::string("LEVEL5-former") : "LEVEL" + std::to_string(level);
}

int matchThreads(std::uint64_t jobs, std::uint64_t games, unsigned hardwareThreads) {
    const std::uint64_t machine = 2 * std::max(hardwareThreads, 1u);
    return static_cast<int>(std::min({jobs, games, machine}));
}

int matchCommand(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    MatchOptions o;
    const std::string error = parseMatchOptions(args, o);
    if (!error.empty()) {
        err << error << MATCH_USAGE;
        return 2;
    }
    const int games = static_cast<int>(o.games);
    std::vector<MatchGame> results(static_cast<std::size_t>(games));
    std::atomic<int> next{0};
    const auto worker = [&] {
        for (int i = next++; i < games; i = next++) results[static_cast<std::size_t>(i)] = playMatchGame(o.a, o.b, i, o.seed);
    };
    // A thread the system refuses only means fewer threads: the games are
    // shared out as each thread asks for the next one.
    std::vector<std::thread> threads;
    const int wanted = matchThreads(o.jobs, o.games, std::thread::hardware_concurrency());
    try {
        for (int j = 1; j < wanted; ++j) threads.emplace_back(worker);
    } catch (const std::system_error&) {
    }
    worker();
    for (std::thread& t : threads) t.join();
    out << matchReport(o.a, o.b, results);
    out.flush();
    return 0;
}

}  // namespace zelkora::cli
