// 勢力調査 per call on fixed positions: the inner loop of the computer's turn
// (one survey per trial move). Each position has its own Form1, so the loop
// measures the survey alone: no board is copied and nothing is allocated.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "cli/positions.h"
#include "game/sfen.h"

namespace {

using zelkora::Form1;

// The start position, middle games with promoted pieces and hands, and
// positions where a king is in check along a ray.
const char* const kPositions[] = {
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
    "1nsg1g1n1/1r1k2sbl/l1p2pp1p/pp1pp2p1/9/1P1PP3P/P1PK1PPP1/1B2GGSRL/LNS4N1 b - 25",
    "1nb3snl/2s1g1g2/4p2pp/2pk2p2/l4p3/4P1P2/2+bP1P1PP/3R4L/4GK1N1 b R3Pg2snl3p 57",
    "6snb/6g1l/3pk1p2/2+R2p1Pp/4p4/G4PP2/7RP/L+n3KS1L/2S2G1N1 w GSL4Pbn5p 68",
    "+L2gk1b2/3sgr2p/+N2ppp3/2p6/1L4PN1/2PnN4/PP1PPP1Pl/p1SGKR3/1LB1G2S1 b S3Pp 69",
    "ln2kg2+P/6sb1/r3g2p1/1g3pp2/pp5nl/2s2KP2/1P7/9/5P3 w 2P7p 93",
    "4k4/9/4R4/9/9/9/4r4/9/4K4 b - 1",
    "8k/7+B1/9/9/9/9/9/1+b7/K8 w - 1",
};

struct Forms {
    zelkora::NullPorts ports;
    std::vector<std::unique_ptr<Form1>> forms;
    Forms() {
        for (const char* sfen : kPositions) {
            zelkora::Position p;
            std::string error;
            if (!zelkora::parseSfen(sfen, p, error)) continue;
            forms.push_back(zelkora::cli::freshForm(ports));
            zelkora::loadPosition(*forms.back(), p);
        }
    }
};

Forms& forms() {
    static Forms f;
    return f;
}

void BM_SurveyPosition(benchmark::State& state) {
    Form1& form = *forms().forms.at(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        form.勢力調査();
        benchmark::DoNotOptimize(form.inf.lower_influence[5][5]);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SurveyPosition)->DenseRange(0, static_cast<int>(std::size(kPositions)) - 1);

// All positions in turn; the time shown is per call.
void BM_SurveyAll(benchmark::State& state) {
    auto& all = forms().forms;
    for (auto _ : state)
        for (auto& form : all) {
            form->勢力調査();
            benchmark::ClobberMemory();
        }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(all.size()));
    state.counters["ns_per_call"] = benchmark::Counter(
        static_cast<double>(state.iterations() * static_cast<std::int64_t>(all.size())),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SurveyAll);

}  // namespace
