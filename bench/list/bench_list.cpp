// Adding 10,000 part lines and taking 1,000 back from the middle: on the plain list, and
// through the models with both grids shown as the main window shows them (offscreen).
// Times are given per operation, as wall-clock and as processor time of the whole process
// (the processor time is the steadier figure on a busy machine).
#include "list/partslist.h"
#include "list/partslistmodel.h"
#include "list/totalsmodel.h"

#include <QApplication>
#include <QHeaderView>
#include <QPixmap>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>
#include <sys/resource.h>

namespace {

constexpr int Adds = 10000;
constexpr int TakeBacks = 1000;

double megabytesPeak() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

// Wall-clock and process processor time since construction, in ms per operation.
class Stopwatch {
public:
    Stopwatch() : wall_(std::chrono::steady_clock::now()), cpu_(cpuNow()) {}
    double wallMs(int operations) const {
        const auto elapsed = std::chrono::steady_clock::now() - wall_;
        return std::chrono::duration<double, std::milli>(elapsed).count() / operations;
    }
    double cpuMs(int operations) const { return (cpuNow() - cpu_) / operations; }

private:
    static double cpuNow() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    }
    std::chrono::steady_clock::time_point wall_;
    double cpu_;
};

struct PerOp {
    double wall = 0;
    double cpu = 0;
};

struct Figures {
    PerOp adds;        // over the 10,000 adds
    PerOp firstAdds;   // over the first 1,000 (0 to 1,000 rows)
    PerOp lastAdds;    // over the last 1,000 (9,000 to 10,000 rows)
    PerOp takeBacks;   // over the 1,000 take-backs from the middle
    double peakMb = 0; // ru_maxrss once the list holds 10,000 rows
};

ostrel::PartsList::Line lineNumber(int i) {
    ostrel::PartsList::Line line;
    line.captions = {QString::number(i % 997 + 1), QString::number(i % 89) + ".25",
                     QString::number(i % 7) + ".5", QString::number(i % 13)};
    line.totalMass = i % 3 != 0;
    line.texts = {"1", QString::number(i % 4 + 1),     "7850",
                  "",  QString::number(100 + i % 500), QString::number(20 + i % 50),
                  "35"};
    line.code = i % 20 + 1;
    line.image = i % 20 + 6;
    return line;
}

// add(i) adds line i; takeBack() takes a row back from the middle.
Figures measure(const std::function<void(int)>& add, const std::function<void()>& takeBack) {
    Figures f;
    const Stopwatch all;
    std::optional<Stopwatch> phase;
    for (int i = 0; i < Adds; ++i) {
        if (i == 0 || i == Adds - 1000) phase.emplace();
        add(i);
        if (i == 999) f.firstAdds = {phase->wallMs(1000), phase->cpuMs(1000)};
    }
    f.lastAdds = {phase->wallMs(1000), phase->cpuMs(1000)};
    f.adds = {all.wallMs(Adds), all.cpuMs(Adds)};
    f.peakMb = megabytesPeak();

    const Stopwatch taking;
    for (int i = 0; i < TakeBacks; ++i)
        takeBack();
    f.takeBacks = {taking.wallMs(TakeBacks), taking.cpuMs(TakeBacks)};
    return f;
}

void report(benchmark::State& state, const Figures& f) {
    state.counters["cpu_ms_per_add"] = f.adds.cpu;
    state.counters["cpu_ms_per_add_last1000"] = f.lastAdds.cpu;
    state.counters["cpu_ms_per_takeback"] = f.takeBacks.cpu;
    state.counters["peak_MB_at_10000"] = f.peakMb;
}

Figures plainFigures, modelFigures, repaintFigures;
PerOp bareRepaint;

void BM_PlainList(benchmark::State& state) {
    for (auto _ : state) {
        ostrel::PartsList list;
        plainFigures = measure([&](int i) { list.add(lineNumber(i)); },
                               [&] { list.takeBack(list.partCount() / 2 + 1); });
        benchmark::DoNotOptimize(list.total(1));
    }
    report(state, plainFigures);
}

// range(0) = 0: the operations follow each other without the event loop (what the models and
// the views' bookkeeping cost); 1: the event loop runs after each one and repaints the grids,
// as after each click in the window.
void BM_ModelsWithShownViews(benchmark::State& state) {
    const bool repaint = state.range(0) != 0;
    Figures& figures = repaint ? repaintFigures : modelFigures;
    for (auto _ : state) {
        ostrel::PartsList list;
        ostrel::PartsListModel parts(list);
        ostrel::TotalsModel totals(parts);
        QPixmap picture(24, 24);
        picture.fill(Qt::darkCyan);
        parts.setPictureProvider([&picture](int) { return picture; });

        QTableView grid, totalsGrid;
        grid.setModel(&parts);
        totalsGrid.setModel(&totals);
        // Like the window: the grid has no row header (column 0 holds the pictures) and the
        // totals line no headers at all.
        grid.verticalHeader()->hide();
        grid.verticalHeader()->setDefaultSectionSize(26);
        totalsGrid.horizontalHeader()->hide();
        totalsGrid.verticalHeader()->hide();
        grid.resize(700, 300);
        totalsGrid.resize(700, 40);
        grid.show();
        totalsGrid.show();
        QApplication::processEvents();

        // After an add the new row is current; a take-back takes the current row.
        figures = measure(
            [&](int i) {
                parts.add(lineNumber(i));
                grid.setCurrentIndex(parts.index(parts.rowCount() - 1, 14));
                if (repaint) QApplication::processEvents();
            },
            [&] {
                grid.setCurrentIndex(parts.index(parts.rowCount() / 2, 1));
                parts.takeBack(grid.currentIndex());
                if (repaint) QApplication::processEvents();
            });
        QApplication::processEvents();
        if (repaint) {
            // The paint alone: both grids repainted with nothing changed (9,000 rows).
            const Stopwatch painting;
            for (int i = 0; i < 200; ++i) {
                grid.viewport()->update();
                totalsGrid.viewport()->update();
                QApplication::processEvents();
            }
            bareRepaint = {painting.wallMs(200), painting.cpuMs(200)};
        }
        benchmark::DoNotOptimize(list.total(1));
    }
    report(state, figures);
}

BENCHMARK(BM_PlainList)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModelsWithShownViews)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

void printFigures(const char* what, const Figures& f) {
    std::printf("  %s\n", what);
    std::printf("    add:       %.4f ms wall, %.4f ms cpu (first 1,000: %.4f / %.4f; "
                "last 1,000: %.4f / %.4f)\n",
                f.adds.wall, f.adds.cpu, f.firstAdds.wall, f.firstAdds.cpu, f.lastAdds.wall,
                f.lastAdds.cpu);
    std::printf("    take-back: %.4f ms wall, %.4f ms cpu\n", f.takeBacks.wall, f.takeBacks.cpu);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double startMb = megabytesPeak();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\nParts list: %d adds, then %d take-backs from the middle (per operation)\n", Adds,
                TakeBacks);
    printFigures("plain list", plainFigures);
    printFigures("models + shown views, no event loop between operations (aim < 1 ms per add)",
                 modelFigures);
    printFigures("models + shown views, repainted after each operation", repaintFigures);
    std::printf("  a bare repaint of both grids, nothing changed: %.4f ms wall, %.4f ms cpu\n",
                bareRepaint.wall, bareRepaint.cpu);
    if (plainFigures.adds.cpu > 0 && plainFigures.takeBacks.cpu > 0)
        std::printf("  ratio models/plain (cpu): %.1f x per add, %.1f x per take-back\n",
                    modelFigures.adds.cpu / plainFigures.adds.cpu,
                    modelFigures.takeBacks.cpu / plainFigures.takeBacks.cpu);
    std::printf("  peak memory at 10,000 rows: %.1f MB without repaints, %.1f MB with "
                "(process at start %.1f MB; aim < 150 MB)\n",
                modelFigures.peakMb, repaintFigures.peakMb, startMb);
    return 0;
}
