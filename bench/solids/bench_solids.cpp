// Speed of the solids core: the calculation of every kind on a key release, and the reading
// and writing of numbers against the standard conversions on the same inputs.
#include "cputimerecorder.h"
#include "solids/calculation.h"
#include "solids/numbertext.h"

#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace ostrel;

// Typical inputs of each kind: quantity, ratio, mass or density, the four dimensions, and the
// mass mode.
struct Inputs {
    bool totalMass;
    std::array<const char*, 7> texts;
};

const std::map<int, Inputs>& inputs() {
    static const std::map<int, Inputs> s = {
        {1, {false, {"1", "1", "7850", "", "1000", "", "100"}}},
        {2, {false, {"1", "1", "7850", "", "1000", "600", "100"}}},
        {3, {false, {"2", "1.5", "7850", "", "200", "", "1000"}}},
        {4, {false, {"1", "1", "7850", "", "200", "100", "1000"}}},
        {5, {false, {"1", "1", "7850", "", "400", "200", "300"}}},
        {6, {true, {"1", "1", "12", "", "1500", "", ""}}},
        {7, {false, {"1", "1", "7850", "", "1000", "500", "100"}}},
        {8, {false, {"1", "1", "7850", "6", "1000", "", "100"}}},
        {9, {false, {"1", "1", "7850", "", "500", "", ""}}},
        {10, {false, {"1", "1", "7850", "500", "200", "", "100"}}},
        {11, {false, {"1", "1", "7850", "500", "200", "100", "100"}}},
        {12, {false, {"1", "1", "7850", "500", "200", "", "1000"}}},
        {13, {false, {"1", "1", "7850", "500", "200", "100", "1000"}}},
        {14, {false, {"1", "1", "7850", "500", "200", "", ""}}},
        {15, {false, {"1", "1", "7850", "500", "200", "100", "50"}}},
        {16, {true, {"1", "1", "20", "300", "", "", ""}}},
        {17, {true, {"2", "2", "", "12.5", "3", "4.2", ""}}},
        {18, {true, {"1", "1", "100", "", "500", "50", "0.1"}}},
        {19, {true, {"1", "1", "10", "200", "", "", "30"}}},
        {20, {false, {"1", "1", "7850", "", "1000", "100", ""}}},
    };
    return s;
}

void BM_CalculatePart(benchmark::State& state) {
    const int code = int(state.range(0));
    const Inputs& s = inputs().at(code);
    CalcInputs in;
    in.code = code;
    in.totalMass = s.totalMass;
    for (std::size_t i = 0; i < 7; ++i)
        in.texts[i] = QString::fromLatin1(s.texts[i]);
    for (auto _ : state) {
        CalcOutcome o = calculatePart(in);
        benchmark::DoNotOptimize(o);
    }
}
BENCHMARK(BM_CalculatePart)->DenseRange(1, 20);

// The same texts for both readers: what the editor and the parts list read back.
const std::vector<std::string> texts = {"7850", "1000",  "0.1",    "12.5",   "1.5E3",
                                        "617.", "77.07", "-3.25",  "600",    "0.004",
                                        "1",    "38.53", "1233.5", "2.5e-3", "154.14"};

void BM_ReadNumber(benchmark::State& state) {
    std::vector<QString> q;
    for (const std::string& t : texts)
        q.push_back(QString::fromStdString(t));
    for (auto _ : state)
        for (const QString& t : q)
            benchmark::DoNotOptimize(readNumber(t));
    state.SetItemsProcessed(state.iterations() * std::int64_t(q.size()));
}
BENCHMARK(BM_ReadNumber);

void BM_from_chars(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string& t : texts) {
            double v = 0;
            std::from_chars(t.data(), t.data() + t.size(), v);
            benchmark::DoNotOptimize(v);
        }
    state.SetItemsProcessed(state.iterations() * std::int64_t(texts.size()));
}
BENCHMARK(BM_from_chars);

// The values of result captions: masses, inertias, torques.
const std::vector<double> values = {616.5375, 77.0672, 0.0,       24.525,   19.62,
                                    0.4,      2.675,   12345.678, 1233.075, 38.5336,
                                    0.004,    513.87,  12.8468,   7.8125,   1.0e6 / 3};

void BM_FormatWithMask(benchmark::State& state) {
    for (auto _ : state)
        for (double v : values)
            benchmark::DoNotOptimize(formatWithMask(v, u"####.##"));
    state.SetItemsProcessed(state.iterations() * std::int64_t(values.size()));
}
BENCHMARK(BM_FormatWithMask);

void BM_to_chars_shortest(benchmark::State& state) {
    char buf[64];
    for (auto _ : state)
        for (double v : values) {
            auto r = std::to_chars(buf, buf + sizeof buf, v);
            benchmark::DoNotOptimize(r.ptr);
            benchmark::ClobberMemory();
        }
    state.SetItemsProcessed(state.iterations() * std::int64_t(values.size()));
}
BENCHMARK(BM_to_chars_shortest);

void BM_to_chars_fixed2(benchmark::State& state) {
    char buf[64];
    for (auto _ : state)
        for (double v : values) {
            auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
            benchmark::DoNotOptimize(r.ptr);
            benchmark::ClobberMemory();
        }
    state.SetItemsProcessed(state.iterations() * std::int64_t(values.size()));
}
BENCHMARK(BM_to_chars_fixed2);

void BM_snprintf(benchmark::State& state) {
    char buf[64];
    for (auto _ : state)
        for (double v : values) {
            benchmark::DoNotOptimize(std::snprintf(buf, sizeof buf, "%.2f", v));
            benchmark::ClobberMemory();
        }
    state.SetItemsProcessed(state.iterations() * std::int64_t(values.size()));
}
BENCHMARK(BM_snprintf);

void BM_GeneralText(benchmark::State& state) {
    for (auto _ : state)
        for (double v : values)
            benchmark::DoNotOptimize(generalText(v));
    state.SetItemsProcessed(state.iterations() * std::int64_t(values.size()));
}
BENCHMARK(BM_GeneralText);

void ratio(const CpuTimeRecorder& r, const char* a, const char* b) {
    const double x = r.ns(a), y = r.ns(b);
    if (x > 0 && y > 0) std::printf("  %-22s / %-22s = %5.2fx\n", a, b, x / y);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    CpuTimeRecorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);

    double worst = 0, total = 0;
    int count = 0;
    for (const auto& [name, ns] : recorder.all())
        if (name.rfind("BM_CalculatePart/", 0) == 0) {
            worst = std::max(worst, ns);
            total += ns;
            ++count;
        }
    std::printf("\nSummary (CPU time)\n");
    if (count)
        std::printf("  calculatePart: mean %.0f ns, slowest %.0f ns per call over %d kinds\n",
                    total / count, worst, count);
    ratio(recorder, "BM_ReadNumber", "BM_from_chars");
    ratio(recorder, "BM_FormatWithMask", "BM_to_chars_shortest");
    ratio(recorder, "BM_FormatWithMask", "BM_to_chars_fixed2");
    ratio(recorder, "BM_FormatWithMask", "BM_snprintf");
    ratio(recorder, "BM_GeneralText", "BM_to_chars_shortest");
    benchmark::Shutdown();
    return 0;
}
