// Opening and saving a project of 10,000 lines: the read includes the check of every field,
// the recomputation of every line and the filling of the list; the save includes the lines
// taken from the list, the check that the reader would take them, the JSON text and the
// checked atomic write (temporary file, flush, sync to disk, rename). The save of 10,000 lines
// must stay under 200 ms: "ofTarget" is its time over that. The CSV text of the same list is
// measured beside them.
#include "list/csvexport.h"
#include "list/projectfile.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int Lines = 10000;
constexpr double SaveTargetMs = 200;

// Ten thousand lines cycling through a few kinds in both mass modes.
ostrel::Project bigProject() {
    struct Sample {
        int code;
        bool total;
        std::array<const char*, 7> texts;
    };
    const Sample samples[] = {
        {1, false, {"1", "1", "7850", "", "1000", "", "100"}},
        {2, false, {"2", "1.5", "7850", "", "1000", "600", "100"}},
        {9, true, {"1", "1", "12.5", "", "500", "", ""}},
        {13, false, {"1", "1", "7850", "500", "200", "100", "1000"}},
        {18, true, {"1", "1", "100", "", "500", "50", "0.1"}},
    };
    ostrel::Project project;
    for (int i = 0; i < Lines; ++i) {
        const Sample& s = samples[i % std::size(samples)];
        ostrel::ProjectLine line;
        line.code = s.code;
        line.totalMass = s.total;
        for (int k = 0; k < 7; ++k)
            line.texts[size_t(k)] = QString::fromLatin1(s.texts[size_t(k)]);
        line.texts[0] = QString::number(1 + i % 7);
        project.lines.push_back(line);
    }
    return project;
}

const ostrel::PartsList& bigList() {
    static const ostrel::PartsList list = [] {
        ostrel::PartsList l;
        ostrel::fillList(l, bigProject());
        return l;
    }();
    return list;
}

void OpenProject(benchmark::State& state) {
    const QByteArray bytes = ostrel::projectJson(ostrel::projectFromList(bigList()));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.ostrel"));
    ostrel::saveProject(ostrel::projectFromList(bigList()), path);
    for (auto _ : state) {
        const ostrel::ProjectRead read = ostrel::readProject(path);
        if (!read.ok) state.SkipWithError(read.error.toStdString().c_str());
        ostrel::PartsList list;
        ostrel::fillList(list, read);
        benchmark::DoNotOptimize(list.exactTotal(1));
    }
    state.counters["lines"] = Lines;
    state.counters["MB"] = double(bytes.size()) / 1e6;
}
BENCHMARK(OpenProject)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void SaveProject(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.ostrel"));
    std::chrono::duration<double, std::milli> spent{0};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const ostrel::ProjectSave save =
            ostrel::saveProject(ostrel::projectFromList(bigList()), path);
        spent += std::chrono::steady_clock::now() - start;
        if (!save.ok) state.SkipWithError(save.error.toStdString().c_str());
    }
    state.counters["lines"] = Lines;
    state.counters["ofTarget"] = spent.count() / double(state.iterations()) / SaveTargetMs;
}
BENCHMARK(SaveProject)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void CsvText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ostrel::csvText(bigList()));
    state.counters["lines"] = Lines;
}
BENCHMARK(CsvText)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
