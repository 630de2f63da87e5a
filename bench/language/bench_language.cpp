// Start-up and language-switch costs of the translation store: opening Lenguas.db and loading
// the working language, switching to another language, and the availability check of the
// menu. Run with the shipped store of the program folder (or a path as first argument).

#include "language/language.h"
#include "language/translationstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

namespace {

QString storePath = QStringLiteral(OSTREL_SHIPPED_LANG_DB);

void OpenAndLoad(benchmark::State& state) {
    for (auto _ : state) {
        ostrel::TranslationStore store(QStringLiteral("bench-open"));
        if (!store.open(storePath)) {
            state.SkipWithError(qPrintable(store.error()));
            return;
        }
        ostrel::Language language;
        language.current = QStringLiteral("Français");
        ostrel::loadLanguage(store, language);
        benchmark::DoNotOptimize(language.texts.size());
    }
}
BENCHMARK(OpenAndLoad)->Unit(benchmark::kMicrosecond)->UseRealTime();

void SwitchLanguage(benchmark::State& state) {
    ostrel::TranslationStore store(QStringLiteral("bench-switch"));
    if (!store.open(storePath)) {
        state.SkipWithError(qPrintable(store.error()));
        return;
    }
    const QStringList names = store.fieldNames().mid(2);
    ostrel::Language language;
    int next = 0;
    for (auto _ : state) {
        language.current = names.at(next);
        next = (next + 1) % names.size();
        ostrel::loadLanguage(store, language);
        benchmark::DoNotOptimize(language.texts.size());
    }
}
BENCHMARK(SwitchLanguage)->Unit(benchmark::kMicrosecond)->UseRealTime();

void AvailableLanguages(benchmark::State& state) {
    ostrel::TranslationStore store(QStringLiteral("bench-menu"));
    if (!store.open(storePath)) {
        state.SkipWithError(qPrintable(store.error()));
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ostrel::availableLanguages(store).size());
}
BENCHMARK(AvailableLanguages)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The median wall time of a step over a number of runs, in milliseconds.
template <typename Step> double medianMs(int runs, Step step) {
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        step();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<size_t>(runs / 2)];
}

// The figures against the 5 ms each step may take.
void printSummary() {
    constexpr double aim = 5.0;
    const double open = medianMs(101, [] {
        ostrel::TranslationStore store(QStringLiteral("bench-summary-open"));
        ostrel::Language language;
        if (store.open(storePath)) ostrel::loadLanguage(store, language);
    });
    ostrel::TranslationStore store(QStringLiteral("bench-summary"));
    if (!store.open(storePath)) return;
    ostrel::Language language;
    const QStringList names = store.fieldNames().mid(2);
    int next = 0;
    const double change = medianMs(101, [&] {
        language.current = names.at(next);
        next = (next + 1) % names.size();
        ostrel::loadLanguage(store, language);
    });
    const double menu = medianMs(101, [&] { ostrel::availableLanguages(store); });
    std::printf("\nmedian wall time, %d entries, %lld languages:\n", store.recordCount(),
                static_cast<long long>(names.size()));
    std::printf("  open + load one language : %7.3f ms = %.2f of the %.0f ms aim\n", open,
                open / aim, aim);
    std::printf("  switch language          : %7.3f ms = %.2f of the %.0f ms aim\n", change,
                change / aim, aim);
    std::printf("  languages for the menu   : %7.3f ms = %.2f of the %.0f ms aim\n", menu,
                menu / aim, aim);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (argc > 1) storePath = QString::fromLocal8Bit(argv[1]);
    std::printf("store: %s (aim: each step under 5000 us)\n", qPrintable(storePath));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    return 0;
}
