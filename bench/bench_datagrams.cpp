// Datagrams per second through the parser and the three writers.
#include "SampleCall.h"
#include "core/dsc/DatagramParser.h"
#include "core/dsc/DatagramWriter.h"

#include <benchmark/benchmark.h>

namespace {
DscCall sample()
{
    return sample_call("269070001", "274111001", "INDIVIDUAL", "ROUTINE", "F3E/G3E TP", "03", "06");
}

void parse(benchmark::State &state)
{
    const QString text = datagram_text(DscWriter::Full, sample(), QString(), KeyOrder::Alternate);
    for (auto _ : state) {
        DscCall call = parse_datagram(text);
        benchmark::DoNotOptimize(call);
    }
    state.SetItemsProcessed(state.iterations());
}

void write(benchmark::State &state)
{
    const DscCall call = sample();
    const DscWriter writer = DscWriter(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(datagram_text(writer, call, QStringLiteral("274111001"), KeyOrder::Standard));
    state.SetItemsProcessed(state.iterations());
}
} // namespace

BENCHMARK(parse);
BENCHMARK(write)->Arg(int(DscWriter::Plain))->Arg(int(DscWriter::Position))->Arg(int(DscWriter::Full));
BENCHMARK_MAIN();
