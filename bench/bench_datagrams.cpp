// Datagrams per second through the parser and the three writers.
#include "dsc/chiamate.h"
#include "reception/ricezione_dati.h"

#include <benchmark/benchmark.h>

namespace {
TDscCall sample()
{
    TDscCall c;
    c.TXMMSI = "269070001";
    c.RXMMSI = "274111001";
    c.FORMAT = "INDIVIDUAL  ";
    c.CATEGORY = "ROUTINE     ";
    c.INFO1 = "F3E/G3E TP  ";
    c.DANGER = "03";
    c.LATD = "41";
    c.LATM = "07";
    c.LATC = "512";
    c.NS = "N";
    c.LOND = "009";
    c.LONM = "33";
    c.LONC = "048";
    c.EW = "E";
    c.TIME = "10:42";
    c.CH = "06";
    return c;
}

void parse(benchmark::State &state)
{
    const QString text = datagram_text(DscWriter::Full, sample(), QString(), KeyOrder::Alternate);
    TDscCall call;
    for (auto _ : state) {
        parse_datagram(text, call);
        benchmark::DoNotOptimize(call);
    }
    state.SetItemsProcessed(state.iterations());
}

void write(benchmark::State &state)
{
    const TDscCall call = sample();
    const DscWriter writer = DscWriter(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(datagram_text(writer, call, QStringLiteral("274111001"), KeyOrder::Standard));
    state.SetItemsProcessed(state.iterations());
}
} // namespace

BENCHMARK(parse);
BENCHMARK(write)->Arg(int(DscWriter::Plain))->Arg(int(DscWriter::Position))->Arg(int(DscWriter::Full));
BENCHMARK_MAIN();
