// The computer's whole search (comSearch: snapshots, probes, every trial move
// and drop with its survey and evaluation; no drawing, sound or wait) at
// level 3, over a fixed set of positions: the sample positions of the
// command-line tests (openings, middle games, endgames, checks and mates) and
// positions taken from seeded random games under this game's rules.
//
//   ComputerTurn/all     one iteration searches every position once
//   ComputerTurn/spread  the same, timing each position on its own; the
//                        counters give the median and the worst time per turn
//                        (each position's best of the iterations)
//
// The same positions always give the same moves, so the counter "signature"
// (a hash of the chosen moves) also shows that the computer's play did not
// change between two runs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "cli/positions.h"
#include "game/sfen.h"

namespace {

using zelkora::Form1;

std::vector<std::string> samplePositions() {
    const std::string here = __FILE__;
    const std::string path = here.substr(0, here.find_last_of('/')) + "/../tests/cli/fixtures/positions.sfen";
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

// One random legal move of the side to move, with compulsory capture of the
// strongest piece; answers false when the side has no move.
bool randomMove(Form1& f, bool lower, std::mt19937& rng) {
    struct Candidate { int fx, fy, tx, ty, piece, after; };
    std::vector<Candidate> moves;
    const int tag = lower ? f.turn.lowerTag : f.turn.upperTag;
    f.調査_取可桝(tag);
    f.調査_2歩フラグ設定();
    const zelkora::CaptureData& capture = lower ? f.lowerCapture : f.upperCapture;
    const bool mustCapture = capture.count > 0;
    for (int fx = 1; fx <= 9; ++fx)
        for (int fy = 1; fy <= 9; ++fy) {
            const int piece = f.board.at(fx, fy);
            if (lower ? !zelkora::isLower(piece) : !zelkora::isUpper(piece)) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty) {
                    if (f.移動チェック(fx, fy, tx, ty, piece) != zelkora::YES) continue;
                    if (mustCapture && (tx != capture.bestX || ty != capture.bestY)) continue;
                    int after = piece;
                    if (f.調査_駒成(fx, fy, tx, ty, piece) != zelkora::NO &&
                        (f.移動後チェック(ty, piece) == zelkora::NO || rng() % 2 == 0))
                        after = f.rules.promotedCode;
                    moves.push_back({fx, fy, tx, ty, piece, after});
                }
        }
    if (!mustCapture) {
        const int* hand = lower ? f.hands.lower : f.hands.upper;
        const int handX = lower ? zelkora::LOWER_HAND_X : zelkora::UPPER_HAND_X;
        for (int kind = 1; kind <= 7; ++kind) {
            if (hand[kind] <= 0) continue;
            const int piece = lower ? -zelkora::kindCode(kind) : zelkora::kindCode(kind);
            // The lower hand is addressed by its screen row, the upper hand by the kind.
            const int fy = lower ? kind + 2 : kind;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty)
                    if (f.移動チェック(handX, kind, tx, ty, piece) == zelkora::YES)
                        moves.push_back({handX, fy, tx, ty, piece, piece});
        }
    }
    if (moves.empty()) return false;
    const Candidate& m = moves[rng() % moves.size()];
    f.駒移動(m.fx, m.fy, m.tx, m.ty, m.after);
    return true;
}

// Positions after 10, 30 and 60 plies of seeded random games (fewer when a
// game ends early), the upper side always being the computer.
std::vector<std::string> randomGamePositions(zelkora::NullPorts& ports) {
    std::vector<std::string> out;
    std::mt19937 rng(20240611);
    for (int game = 0; game < 12; ++game) {
        auto form = zelkora::cli::freshForm(ports);
        Form1& f = *form;
        f.初期設定();
        bool lower = true;
        for (int ply = 1; ply <= 60; ++ply) {
            if (!randomMove(f, lower, rng) || f.turn.kingTaken != zelkora::NOBODY) break;
            lower = !lower;
            if (ply == 10 || ply == 30 || ply == 60)
                out.push_back(zelkora::formatSfen(f.board, f.hands, lower, ply + 1));
        }
    }
    return out;
}

struct Turns {
    zelkora::NullPorts ports;
    std::vector<std::unique_ptr<Form1>> forms;
    Turns() {
        std::vector<std::string> sfens = samplePositions();
        for (const std::string& s : randomGamePositions(ports)) sfens.push_back(s);
        for (const std::string& sfen : sfens) {
            zelkora::Position p;
            std::string error;
            if (!zelkora::parseSfen(sfen, p, error)) continue;
            forms.push_back(zelkora::cli::freshForm(ports));
            zelkora::loadPosition(*forms.back(), p);
            forms.back()->flags.level = 3;
        }
    }
    double signature() const {
        std::uint32_t h = 2166136261u;
        for (const auto& f : forms) {
            const zelkora::MoveRecord& m = f->com.chosen;
            for (int v : {m.fromX, m.fromY, m.toX, m.toY, m.after}) h = (h ^ static_cast<std::uint32_t>(v)) * 16777619u;
        }
        return static_cast<double>(h % 1000000);
    }
};

Turns& turns() {
    static Turns t;
    return t;
}

void ComputerTurnAll(benchmark::State& state) {
    Turns& t = turns();
    for (auto _ : state)
        for (auto& f : t.forms) {
            f->comSearch();
            benchmark::DoNotOptimize(f->com.bestScore);
        }
    state.counters["positions"] = static_cast<double>(t.forms.size());
    state.counters["per_turn"] = benchmark::Counter(static_cast<double>(state.iterations() * t.forms.size()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["signature"] = t.signature();
}
BENCHMARK(ComputerTurnAll)->Name("ComputerTurn/all")->Unit(benchmark::kMillisecond);

void ComputerTurnSpread(benchmark::State& state) {
    Turns& t = turns();
    std::vector<double> best(t.forms.size(), 1e30);
    for (auto _ : state)
        for (std::size_t i = 0; i < t.forms.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            t.forms[i]->comSearch();
            const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
            best[i] = std::min(best[i], took.count());
        }
    std::vector<double> sorted = best;
    std::sort(sorted.begin(), sorted.end());
    state.counters["median_us"] = sorted[sorted.size() / 2];
    state.counters["worst_us"] = sorted.back();
    state.counters["positions"] = static_cast<double>(sorted.size());
}
BENCHMARK(ComputerTurnSpread)->Name("ComputerTurn/spread")->Unit(benchmark::kMillisecond);

}  // namespace
