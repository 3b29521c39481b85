// Speed of the engine: one shuffle, and one whole hand played by the computer at every seat.
#include <benchmark/benchmark.h>

#include "cli/session.h"
#include "core/flow.h"
#include "core/random.h"
#include "core/state.h"

namespace {

void BM_DealCards(benchmark::State& state) {
    kestrel::ResetAllState();
    int n = 1;
    for (auto _ : state) {
        kestrel::Generator().Seed(static_cast<std::uint64_t>(n++));
        kestrel::DealCards();
        benchmark::DoNotOptimize(kestrel::G.CardOwner);
    }
}
BENCHMARK(BM_DealCards);

void BM_WholeHand(benchmark::State& state) {
    kestrel::ResetAllState();
    kestrel::cli::RecordingHost host;
    int n = 1;
    for (auto _ : state) {
        kestrel::cli::PlayHandNumber(n, kestrel::cli::DefaultDealer(n), host);
        n = n % 32767 + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WholeHand);

}  // namespace
