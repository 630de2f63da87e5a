// A change of display (digits and units) on a 10,000-line list: the models re-announce every
// result cell, heading and total, and the shown grids repaint. Also the cost of writing every
// result cell and total of the list through the models, as a view that read them all would.
// Aim: under 50 ms per change. Times are wall-clock and process processor time.
#include "list/partslist.h"
#include "list/partslistmodel.h"
#include "list/totalsmodel.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

constexpr int Lines = 10000;

using ostrel::Digits;
using ostrel::DisplayChoice;
using ostrel::InertiaUnit;
using ostrel::MassUnit;
using ostrel::TorqueUnit;

const DisplayChoice Choices[] = {
    {Digits::Significant4, MassUnit::Kg, InertiaUnit::KgCm2, TorqueUnit::NM},
    {Digits::Significant6, MassUnit::Lb, InertiaUnit::LbIn2, TorqueUnit::LbfIn},
    {Digits::Significant4, MassUnit::G, InertiaUnit::GCm2, TorqueUnit::NCm},
};

double cpuNow() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Stopwatch {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    double cpu = cpuNow();
    double wallMs(int n) const {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall)
                   .count() /
               n;
    }
    double cpuMs(int n) const { return (cpuNow() - cpu) / n; }
};

struct PerChange {
    double wall = 0, cpu = 0;
};
PerChange announced, repainted, everyCell;

ostrel::PartsList::Line lineNumber(int i) {
    ostrel::PartsList::Line line;
    const double mass = 0.05 + (i % 997) * 0.37;
    const double inertia = std::pow(10.0, -8 + (i % 11)) * (1 + (i % 7) * 0.13);
    line.exact = std::array<double, 4>{mass, inertia, (i % 5) * 0.011, (i % 3) * 0.7};
    line.captions = {QString::number(mass, 'f', 0), QString::number(inertia, 'f', 2), ".", "."};
    line.texts = {"1", "1", "7850", "", QString::number(20 + i % 500), "", "35"};
    line.code = i % 20 + 1;
    return line;
}

void BM_DisplayChangeOn10000Lines(benchmark::State& state) {
    ostrel::PartsList list;
    ostrel::PartsListModel parts(list);
    ostrel::TotalsModel totals(parts);
    for (int i = 0; i < Lines; ++i)
        parts.add(lineNumber(i), ostrel::PartsList::AddRule::Exact);
    QTableView grid, totalsGrid;
    grid.setModel(&parts);
    totalsGrid.setModel(&totals);
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setDefaultSectionSize(26);
    totalsGrid.horizontalHeader()->hide();
    totalsGrid.verticalHeader()->hide();
    grid.resize(900, 400);
    totalsGrid.resize(900, 40);
    grid.show();
    totalsGrid.show();
    QApplication::processEvents();
    grid.scrollTo(parts.index(Lines / 2, 1)); // in the middle of the list

    for (auto _ : state) {
        constexpr int Changes = 30;
        // The models' announcements and the views' bookkeeping alone.
        Stopwatch a;
        for (int c = 0; c < Changes; ++c)
            parts.setDisplay(Choices[c % 3]);
        announced = {a.wallMs(Changes), a.cpuMs(Changes)};
        QApplication::processEvents();
        // As in the window: the change, then the grids repainted.
        Stopwatch r;
        for (int c = 0; c < Changes; ++c) {
            parts.setDisplay(Choices[(c + 1) % 3]);
            QApplication::processEvents();
        }
        repainted = {r.wallMs(Changes), r.cpuMs(Changes)};
        // Every result cell and total written through the models (40,004 texts).
        constexpr int Passes = 5;
        Stopwatch e;
        qsizetype characters = 0;
        for (int p = 0; p < Passes; ++p) {
            parts.setDisplay(Choices[p % 3]);
            for (int row = 0; row < parts.rowCount(); ++row)
                for (int column = 1; column <= 4; ++column)
                    characters += parts.data(parts.index(row, column)).toString().size();
            for (int column = 1; column <= 4; ++column)
                characters += totals.data(totals.index(0, column)).toString().size();
        }
        everyCell = {e.wallMs(Passes), e.cpuMs(Passes)};
        benchmark::DoNotOptimize(characters);
    }
    state.counters["ms_per_change_repainted"] = repainted.wall;
    state.counters["ms_every_cell_formatted"] = everyCell.wall;
}

BENCHMARK(BM_DisplayChangeOn10000Lines)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\nDisplay change on a list of %d lines (per change; aim < 50 ms)\n", Lines);
    std::printf("  models announce, views note it:      %.3f ms wall, %.3f ms cpu\n",
                announced.wall, announced.cpu);
    std::printf("  announced and both grids repainted:  %.3f ms wall, %.3f ms cpu\n",
                repainted.wall, repainted.cpu);
    std::printf("  every result cell and total written: %.3f ms wall, %.3f ms cpu\n",
                everyCell.wall, everyCell.cpu);
    return 0;
}
