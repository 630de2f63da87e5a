// Time and pages of the report written to PDF for long parts lists of all twenty kinds, and
// how the cost per line grows with the list. Run with QT_QPA_PLATFORM=offscreen.
// "bench_report --sample file.pdf" writes the report of a mixed list there instead.

#include "list/partslist.h"
#include "platform/recordingsurface.h"
#include "report/report.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace ostrel;

namespace {

QStringList texts() {
    QStringList t;
    for (int k = 0; k <= 450; ++k)
        t.append(QString());
    t[9] = QStringLiteral("Mass");
    t[10] = QStringLiteral("deg");
    t[11] = QStringLiteral("Working torque");
    t[35] = QStringLiteral("Total mass");
    t[40] = QStringLiteral("Inertia");
    t[41] = QStringLiteral("Friction");
    t[42] = QStringLiteral("Working");
    t[66] = QStringLiteral("Page");
    t[69] = QStringLiteral("Inertia calculation");
    t[70] = QStringLiteral("Results");
    t[71] = QStringLiteral("Friction torque");
    t[72] = QStringLiteral("Qty");
    t[73] = QStringLiteral("Ratio");
    t[74] = QStringLiteral("axis");
    t[85] = QStringLiteral("Total inertia");
    t[86] = QStringLiteral("Figure");
    t[436] = QStringLiteral("sides");
    return t;
}

// lines part lines, the twenty kinds in turn.
PartsList mixedList(int lines) {
    PartsList list;
    for (int i = 0; i < lines; ++i) {
        const int code = i % 20 + 1;
        PartsList::Line l;
        l.captions = {QString::number(10 + code + i % 7) + QStringLiteral(".25"),
                      QStringLiteral("0.%1").arg(code * 37 + i % 11), QStringLiteral("1.5"),
                      QStringLiteral("2")};
        l.texts = {
            QString::number(1 + i % 4), QStringLiteral("1.5"),
            QStringLiteral("7850"),     QStringLiteral("120"),
            QStringLiteral("300"),      code == 18 ? QStringLiteral("4.5") : QStringLiteral("60"),
            QStringLiteral("25")};
        l.code = code;
        list.add(l);
    }
    return list;
}

int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(page));
}

void BM_ReportPdf(benchmark::State& state) {
    const PartsList list = mixedList(static_cast<int>(state.range(0)));
    const QStringList t = texts();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        if (!writeReportPdf(path, list, t)) state.SkipWithError("PDF not written");
    }
    state.counters["pages"] = pdfPages(path);
    state.counters["lines"] = static_cast<double>(state.range(0));
    state.counters["time_per_line"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReportPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The layout alone, on the recorder: what the PDF engine adds is the difference.
void BM_ReportLayout(benchmark::State& state) {
    const PartsList list = mixedList(static_cast<int>(state.range(0)));
    const QStringList t = texts();
    int pages = 0;
    for (auto _ : state) {
        RecordingSurface page(QSizeF(200, 289));
        printReport(page, list, t);
        pages = page.pageCount();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_ReportLayout)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Median seconds of a few PDF runs of lines part lines.
double medianSeconds(int lines, int runs, int* pages) {
    const PartsList list = mixedList(lines);
    const QStringList t = texts();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    std::vector<double> s;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        writeReportPdf(path, list, t);
        s.push_back(timer.nsecsElapsed() / 1e9);
    }
    *pages = pdfPages(path);
    std::sort(s.begin(), s.end());
    return s[s.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc == 3 && std::strcmp(argv[1], "--sample") == 0) {
        const bool ok = writeReportPdf(QString::fromLocal8Bit(argv[2]), mixedList(60), texts());
        std::printf("%s\n", ok ? "sample written" : "sample NOT written");
        return ok ? 0 : 1;
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    int pages1 = 0, pages10 = 0;
    const double t1 = medianSeconds(1000, 5, &pages1);
    const double t10 = medianSeconds(10000, 3, &pages10);
    std::printf("\nReport to PDF, all twenty kinds (median):\n");
    std::printf("   1,000 lines: %8.3f s, %4d pages (aim: under 1 s)\n", t1, pages1);
    std::printf("  10,000 lines: %8.3f s, %4d pages\n", t10, pages10);
    std::printf("  per-line cost, 10,000 / 1,000: %.2f (1.00 = linear)\n",
                (t10 / 10000) / (t1 / 1000));
    return 0;
}
