#include "engine/search.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>

#include "engine/evaluate.h"
#include "engine/pieces.h"

namespace zelkora::engine {

namespace {

enum Bound : std::uint8_t { EXACT = 1, LOWER_BOUND = 2, UPPER_BOUND = 3 };
constexpr int MAX_QDEPTH = 16;

double now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// CPU time of the calling thread: what the search itself used, however many
// other processes share the machine.
double threadCpuNow() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// Order keys, highest first: the table move, captures by the strength of the
// piece taken, killers, quiet moves that leave the moved piece where the
// opponent must take it, then the rest by history, a promotion a little ahead.
// Each band lies above everything the bands below it can add up to.
constexpr int KEY_TABLE = 1 << 30;
constexpr int KEY_CAPTURE = 1 << 28;   // plus the code taken (at most 950)
constexpr int KEY_KILLER = 1 << 27;    // the older killer one below
constexpr int KEY_FORCING = 1 << 26;
constexpr int KEY_PROMOTION = 16;      // added to a quiet move's history

// Scores of won and lost games are stored relative to the node, not the root.
int toTable(int score, int ply) {
    if (score > WIN_BOUND) return score + ply;
    if (score < -WIN_BOUND) return score - ply;
    return score;
}
int fromTable(int score, int ply) {
    if (score > WIN_BOUND) return score - ply;
    if (score < -WIN_BOUND) return score + ply;
    return score;
}

// The side to move reaches the enemy king: it must take it, and the enemy wins.
bool mustTakeEnemyKing(const Position& p) {
    const int k = p.king[p.side ^ 1];
    return k != 0 && attacked(p, k, p.side);
}

// Score of a finished game for the side that made the last move.
int resultScore(Result r, int mover, int ply) {
    const int winner = r == UPPER_WINS ? UPPER : LOWER;
    return winner == mover ? WIN - ply : -(WIN - ply);
}

}  // namespace

Searcher::Searcher() = default;

bool Searcher::outOfBudget() {
    if (stopped_) return true;
    if (nodes_ >= budget_) stopped_ = true;
    if (nodes_ >= nextClockCheck_) {
        nextClockCheck_ = nodes_ + 1024;
        if (threadCpuNow() > cpuDeadline_ || now() > wallDeadline_ || (stop_ && stop_->load(std::memory_order_relaxed))) {
            stopped_ = true;
            clockStopped_ = true;
        }
    }
    return stopped_;
}

void Searcher::order(const Position& p, MoveList& list, std::uint32_t ttMove, int ply) {
    // A capture is compulsory, so a quiet move onto a square the opponent
    // reaches forces the reply: such offers start the chains that decide games.
    std::uint8_t reply[121];
    const bool forcing = extendChains_ && list.n > 0 && (list.m[0].isDrop() || p.board[list.m[0].to] == EMPTY);
    if (forcing) {
        std::memset(reply, 0, sizeof reply);
        addReach(p, p.side ^ 1, reply);
    }
    for (int i = 0; i < list.n; ++i) {
        const Move& m = list.m[i];
        const std::uint32_t packed = m.pack();
        int k;
        if (packed == ttMove) k = KEY_TABLE;
        else if (!m.isDrop() && p.board[m.to] != EMPTY) k = KEY_CAPTURE + std::abs(p.board[m.to]);
        else if (packed == killers_[ply][0]) k = KEY_KILLER;
        else if (packed == killers_[ply][1]) k = KEY_KILLER - 1;
        else k = history_[p.side][m.from][m.to] + (m.promote ? KEY_PROMOTION : 0);
        if (forcing && k < KEY_KILLER - 1) k = std::min(k, KEY_FORCING - 1) + (reply[m.to] ? KEY_FORCING : 0);
        keys_[ply][i] = k;
    }
}

// Brings the best remaining move to place i (the first of equal keys, so the
// order, and the search, stay deterministic).
void Searcher::pick(MoveList& list, int i, int ply) {
    int* keys = keys_[ply];
    int best = i;
    for (int j = i + 1; j < list.n; ++j)
        if (keys[j] > keys[best]) best = j;
    if (best == i) return;
    const Move m = list.m[best];
    const int k = keys[best];
    for (int j = best; j > i; --j) {
        list.m[j] = list.m[j - 1];
        keys[j] = keys[j - 1];
    }
    list.m[i] = m;
    keys[i] = k;
}

Score Searcher::quiesce(Position& p, Score alpha, Score beta, int ply, int qdepth) {
    ++nodes_;
    // Capture chains can be long and branch wide: the budget and the clock
    // bound them as they bound the main search.
    if (outOfBudget()) return 0;
    const int me = p.side, you = me ^ 1;
    const Reach reach(p);
    const int enemyKing = p.king[you], ownKing = p.king[me];
    if (enemyKing != 0 && reach.of[me][enemyKing]) return -(WIN - ply);
    // A capture is compulsory when the side to move reaches an enemy piece.
    bool forced = false;
    p.forEachPiece(you, [&](int sq) { forced = forced || reach.of[me][sq]; });
    if (!forced || qdepth >= MAX_QDEPTH || ply >= MAX_PLY) {
        // A free king, attacked or one step from a square the enemy reaches,
        // wins: the enemy must take it.
        if (!forced && ownKing != 0) {
            if (reach.of[you][ownKing]) return WIN - ply - 2;
            for (int i = 0; i < 8; ++i) {
                const int t = ownKing + DIRS[i];
                const int c = p.board[t];
                if (c != OFF && (c == EMPTY || owns(you, c)) && reach.of[you][t]) return WIN - ply - 2;
            }
        }
        return evaluate(p, reach);
    }
    // A compulsory capture: no standing pat, every forced move is searched.
    MoveList list;
    generateCaptures(p, list);
    if (list.n == 0) return -(WIN - ply);
    int best = -WIN;
    for (int i = 0; i < list.n; ++i) {
        Undo u;
        p.make(list.m[i], u);
        const Result r = resultAfter(p, u);
        const int score = r != NO_RESULT ? resultScore(r, me, ply + 1) : -quiesce(p, -beta, -alpha, ply + 1, qdepth + 1);
        p.unmake(u);
        if (stopped_) return 0;
        if (score > best) best = score;
        if (score > alpha) alpha = score;
        if (alpha >= beta) break;
    }
    return best;
}

// A stored result that settles this node without a search (never at the
// root, which must list its moves); `ttMove` gets the stored best move.
bool Searcher::probeTable(const Position& p, int depth, Score alpha, Score beta, int ply, std::uint32_t& ttMove,
                          Score& score) const {
    const Entry& e = slot(p.key);
    if (e.key != p.key) return false;
    ttMove = e.move;
    if (e.depth < depth || ply == 0) return false;
    score = fromTable(e.score, ply);
    return e.bound == EXACT || (e.bound == LOWER_BOUND && score >= beta) || (e.bound == UPPER_BOUND && score <= alpha);
}

void Searcher::store(const Position& p, int depth, Score best, Score alpha0, Score beta, std::uint32_t bestMove, int ply) {
    Entry& e = slot(p.key);
    e.key = p.key;
    e.move = bestMove;
    e.score = static_cast<std::int16_t>(toTable(best, ply));
    e.depth = static_cast<std::int8_t>(depth);
    e.bound = best <= alpha0 ? UPPER_BOUND : best >= beta ? LOWER_BOUND : EXACT;
}

// A quiet move that refuted the node becomes the first killer of its ply and
// gains history.
void Searcher::noteCutoff(const Move& m, const Undo& u, int mover, int depth, int ply) {
    if (!m.isDrop() && u.captured != EMPTY) return;
    if (killers_[ply][0] != m.pack()) {
        killers_[ply][1] = killers_[ply][0];
        killers_[ply][0] = m.pack();
    }
    history_[mover][m.from][m.to] += depth * depth;
}

// The score of the i-th move, made on `p`, for the side that made it: the
// first with the full window, the others with a null window first. At the
// root, moves within the margin of the best get exact scores too, so the draw
// can choose among them; `exact` says whether the score is one.
Score Searcher::scoreChild(Position& p, int i, int next, Score alpha, Score alpha0, Score beta, int ply, bool& exact) {
    exact = true;
    if (i == 0) return -negamax(p, next, -beta, -alpha, ply + 1);
    const Score floor = ply == 0 ? std::max(alpha - margin_, alpha0) : alpha;
    Score score = -negamax(p, next, -floor - 1, -floor, ply + 1);
    if (score > floor && score < beta) score = -negamax(p, next, -beta, -floor, ply + 1);
    exact = score > floor;
    return score;
}

Score Searcher::negamax(Position& p, int depth, Score alpha, Score beta, int ply) {
    if (depth <= 0 || ply >= MAX_PLY) return quiesce(p, alpha, beta, ply, 0);
    ++nodes_;
    if (mustTakeEnemyKing(p)) return -(WIN - ply);
    if (outOfBudget()) return 0;

    std::uint32_t ttMove = 0;
    Score stored = 0;
    if (probeTable(p, depth, alpha, beta, ply, ttMove, stored)) return stored;

    MoveList list;
    generate(p, list, true);
    if (list.n == 0) return -(WIN - ply);
    order(p, list, ttMove, ply);
    const int next = childDepth(p, list, depth, ply);

    const Score alpha0 = alpha;
    Score best = -WIN - 1;
    std::uint32_t bestMove = 0;
    for (int i = 0; i < list.n; ++i) {
        pick(list, i, ply);
        const Move& m = list.m[i];
        Undo u;
        const int mover = p.side;
        p.make(m, u);
        const Result r = resultAfter(p, u);
        bool exact = true;
        const Score score = r != NO_RESULT ? resultScore(r, mover, ply + 1)
                                           : scoreChild(p, i, next, alpha, alpha0, beta, ply, exact);
        p.unmake(u);
        if (stopped_) return 0;
        if (ply == 0) root_.push_back({m.pack(), exact ? score : NOT_EXACT});
        if (score > best) {
            best = score;
            bestMove = m.pack();
        }
        if (score > alpha) alpha = score;
        if (alpha >= beta) {
            noteCutoff(m, u, mover, depth, ply);
            break;
        }
    }
    store(p, depth, best, alpha0, beta, bestMove, ply);
    return best;
}

// The side to move has one reply, or only captures on one square (which piece
// takes, or whether it promotes): the reply is forced, and searching it costs
// no depth, so a chain of forced captures is seen to its end. Capped at three
// times the iteration's depth so that no chain runs on for ever.
int Searcher::childDepth(const Position& p, const MoveList& list, int depth, int ply) const {
    if (!extendChains_ || ply == 0 || ply >= 3 * rootDepth_) return depth - 1;
    const Move& first = list.m[0];
    const bool capture = !first.isDrop() && p.board[first.to] != EMPTY;
    for (int i = 1; i < list.n; ++i) {
        const Move& m = list.m[i];
        if (m.to != first.to || (!capture && m.from != first.from)) return depth - 1;
    }
    return depth;
}

// The move to play: the best, or with a margin one of the root moves of the
// last completed iteration whose exact score is that close to it. A proven
// result (won or lost) is played as found, and a proven loss is never chosen
// in place of a move that is not one.
Move Searcher::chooseAmongRoot(const Position& p, Move best, int bestScore, SearchResult& result) const {
    result.candidates = 1;
    if (margin_ <= 0 || rootDone_.empty() || bestScore > WIN_BOUND || bestScore < -WIN_BOUND) return best;
    std::uint32_t near[MoveList::CAPACITY];
    int n = 0;
    for (const RootMove& r : rootDone_)
        if (r.score != NOT_EXACT && r.score >= bestScore - margin_ && r.score >= -WIN_BOUND) near[n++] = r.move;
    if (n <= 1) return best;
    result.candidates = n;
    return Move::unpack(near[mix(draw_ ^ p.key) % static_cast<std::uint64_t>(n)]);
}

// A completed iteration: its best move (the table's, at the root), score and
// depth; its root moves are those the variety chooses from.
void Searcher::finishIteration(const Position& p, SearchResult& result, int depth, int score) {
    const Entry& e = slot(p.key);
    if (e.key == p.key && e.move != 0) result.best = Move::unpack(e.move);
    result.score = score;
    result.depth = depth;
    if (!stopped_) rootDone_.swap(root_);
}

// An iteration cut short: once it has finished the last best move, the best
// of the moves it finished is played, with that score.
void Searcher::usePartialIteration(SearchResult& result) {
    const std::uint32_t last = result.best.pack();
    const RootMove* best = nullptr;
    bool lastDone = false;
    for (const RootMove& r : root_) {
        if (r.move == last && r.score != NOT_EXACT) lastDone = true;
        if (r.score != NOT_EXACT && (!best || r.score > best->score)) best = &r;
    }
    if (!lastDone) return;
    result.best = Move::unpack(best->move);
    result.score = best->score;
    rootDone_.swap(root_);
}

SearchResult Searcher::search(Position& p, const SearchLimits& limits) {
    const double start = now(), cpuStart = threadCpuNow();
    // A table larger than this search asks for keeps its size; only the part
    // in use is cleared, so a search does not depend on what came before.
    const std::size_t entries = std::size_t(1) << limits.tableBits;
    if (table_.size() < entries) table_.resize(entries);
    std::fill(table_.begin(), table_.begin() + static_cast<std::ptrdiff_t>(entries), Entry{});
    tableMask_ = entries - 1;
    std::memset(killers_, 0, sizeof killers_);
    std::memset(history_, 0, sizeof history_);
    nodes_ = 0;
    nextClockCheck_ = 1024;
    budget_ = limits.nodes;
    cpuDeadline_ = cpuStart + limits.seconds;
    wallDeadline_ = start + (limits.wallSeconds > 0 ? limits.wallSeconds : 3 * limits.seconds);
    stop_ = limits.stop;
    margin_ = limits.margin;
    draw_ = limits.draw;
    extendChains_ = limits.extendChains;
    rootDone_.clear();
    stopped_ = false;
    clockStopped_ = false;

    SearchResult result;
    MoveList root;
    generate(p, root, true);
    if (root.n == 0) return result;
    result.valid = true;
    result.best = root.m[0];

    for (int depth = 1; depth <= limits.maxDepth; ++depth) {
        rootDepth_ = depth;
        root_.clear();
        const int score = negamax(p, depth, -WIN - 1, WIN + 1, 0);
        if (stopped_ && depth > 1) {
            if (limits.partialIterations) usePartialIteration(result);
            break;
        }
        finishIteration(p, result, depth, score);
        if (stopped_) break;
        if (score > WIN_BOUND || score < -WIN_BOUND) break;   // the game's outcome is settled
        // Unless a cut-short iteration counts, the next one would not finish.
        if (nodes_ >= (limits.partialIterations ? budget_ : budget_ / 2)) break;
    }
    result.best = chooseAmongRoot(p, result.best, result.score, result);
    result.nodes = nodes_;
    result.seconds = now() - start;
    result.cpuSeconds = threadCpuNow() - cpuStart;
    result.stoppedByClock = clockStopped_;
    return result;
}

}  // namespace zelkora::engine
