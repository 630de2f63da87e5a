// Speed of a mechanism line on a key release: the box texts read against their declarations and
// the four results computed, for each of the three mechanisms, against the aim of 1 µs a line
// and against the solids' calculation of a disc from the same number of texts read. The
// editor's whole path is calculatePart (the captions written, and on a refusal every box
// judged for its note): measured for each mechanism, and for a screw whose mass is refused.
#include "cputimerecorder.h"
#include "solids/calculation.h"
#include "solids/mechanism.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace ostrel;

// Typical boxes of each mechanism, in the order of its inputs.
const std::map<int, std::vector<const char*>>& inputs() {
    static const std::map<int, std::vector<const char*>> s = {
        {21, {"1", "1", "250", "10", "20", "1000", "7850", "0.1", "90", "500", "100"}},
        {22, {"1", "1", "400", "100", "40", "7850", "0.02", "30", "150"}},
        {23, {"2", "3", "12", "0.8", "60", "30", "2700", "2", "0.1", "0", "20"}},
    };
    return s;
}

void BM_CalculateMechanism(benchmark::State& state) {
    const int code = int(state.range(0));
    std::vector<QString> texts;
    for (const char* t : inputs().at(code))
        texts.push_back(QString::fromLatin1(t));
    for (auto _ : state) {
        MechanismResult r = calculateMechanism(code, texts);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CalculateMechanism)->DenseRange(21, 23);

CalcInputs editorInputs(int code) {
    CalcInputs in;
    in.code = code;
    const std::vector<const char*>& texts = inputs().at(code);
    for (std::size_t i = 0; i < texts.size(); ++i)
        in.texts[i] = QString::fromLatin1(texts[i]);
    return in;
}

void BM_CalculatePartMechanism(benchmark::State& state) {
    const CalcInputs in = editorInputs(int(state.range(0)));
    for (auto _ : state) {
        CalcOutcome o = calculatePart(in);
        benchmark::DoNotOptimize(o);
    }
}
BENCHMARK(BM_CalculatePartMechanism)->DenseRange(21, 23);

void BM_CalculatePartMechanismRefused(benchmark::State& state) {
    CalcInputs in = editorInputs(21);
    in.texts[2] = QStringLiteral("-250");
    for (auto _ : state) {
        CalcOutcome o = calculatePart(in);
        benchmark::DoNotOptimize(o);
    }
}
BENCHMARK(BM_CalculatePartMechanismRefused);

void BM_CalculateDisc(benchmark::State& state) {
    CalcInputs in;
    in.code = 1;
    in.totalMass = false;
    in.texts = {"1", "1", "7850", "", "1000", "", "100"};
    for (auto _ : state) {
        CalcOutcome o = calculatePart(in);
        benchmark::DoNotOptimize(o);
    }
}
BENCHMARK(BM_CalculateDisc);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    CpuTimeRecorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);

    constexpr double AimNs = 1000;
    const auto& all = recorder.all();
    const auto disc = all.find("BM_CalculateDisc");
    std::printf("\nSummary (CPU time per line; aim under %.0f ns)\n", AimNs);
    for (const auto& [name, ns] : all) {
        if (name.rfind("BM_CalculateMechanism/", 0) != 0 &&
            name.rfind("BM_CalculatePartMechanism", 0) != 0)
            continue;
        std::printf("  %-34s %6.0f ns  %5.2f of the aim", name.c_str(), ns, ns / AimNs);
        if (disc != all.end() && disc->second > 0)
            std::printf("  %5.2fx a disc", ns / disc->second);
        std::printf("%s\n", ns < AimNs ? "" : "  ABOVE THE AIM");
    }
    benchmark::Shutdown();
    return 0;
}
