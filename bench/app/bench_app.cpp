// The main window's speed: process start to the window shown and idle, for a bare Qt main
// window and for MainWindow, launched the same way in one run; the time from a key release in a
// dimension box to the result captions updated; adds and take-backs in a long list.
#include "app/mainwindow.h"
#include "app/parteditor.h"
#include "app/projectcommands.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <sys/resource.h>
#include <vector>

namespace {

std::map<std::string, std::vector<double>> g_startups; // seconds, per program

// Starts program and returns the seconds until it printed "idle"; -1 when it did not.
double timeToIdle(const QString& program, const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, args);
    double seconds = -1;
    while (process.waitForReadyRead(10000)) {
        if (process.readAllStandardOutput().contains("idle")) {
            seconds = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
            break;
        }
    }
    process.waitForFinished(10000);
    return seconds;
}

// Each iteration starts the bare window, then MainWindow, so that both meet the same load of the
// machine; the iteration's time is MainWindow's.
void BM_StartupBareThenMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        const double bare = timeToIdle(QStringLiteral(BENCH_BARE), {});
        const double ostrel =
            timeToIdle(QStringLiteral(BENCH_OSTREL), {QStringLiteral(OSTREL_PROGRAM_DIR)});
        if (bare < 0 || ostrel < 0) {
            state.SkipWithError("a program did not reach idle");
            return;
        }
        g_startups["bare"].push_back(bare);
        g_startups["ostrel"].push_back(ostrel);
        state.SetIterationTime(ostrel);
    }
}
BENCHMARK(BM_StartupBareThenMainWindow)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

// A disc in density mode with its height typed: each iteration releases a key in the diameter
// box, which recomputes and writes the four captions.
void BM_KeyReleaseToCaptions(benchmark::State& state) {
    ostrel::WidgetDialogs dialogs(nullptr);
    ostrel::MainWindow window(QStringLiteral(OSTREL_PROGRAM_DIR), dialogs);
    if (!window.ok()) {
        state.SkipWithError("Lenguas.db missing from the program folder");
        return;
    }
    window.show();
    window.kindCommand(1);
    window.findChild<QRadioButton*>(QStringLiteral("densityOption"))->setChecked(true);
    QLineEdit* diameter = window.editor().box(ostrel::InputBox::Diameter);
    window.editor().box(ostrel::InputBox::Height)->setText(QStringLiteral("100"));
    const QLabel* inertia = window.findChild<QLabel*>(QStringLiteral("inertiaResult"));
    const QString sizes[2] = {QStringLiteral("1000"), QStringLiteral("500")};
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        diameter->setText(sizes[i++ & 1]);
        state.ResumeTiming();
        QTest::keyRelease(diameter, Qt::Key_0);
        benchmark::DoNotOptimize(inertia->text());
    }
    if (inertia->text().isEmpty()) state.SkipWithError("the captions were not written");
}
BENCHMARK(BM_KeyReleaseToCaptions)->Unit(benchmark::kMicrosecond);

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// The shown window's list: 10,000 discs added with the add button, then 1,000 taken back from the
// middle with the take-back button. The times are those of the add and of the take-back alone;
// typing each line into the editor is left out.
void BM_WindowAdds10000TakesBack1000(benchmark::State& state) {
    ostrel::WidgetDialogs dialogs(nullptr);
    ostrel::MainWindow window(QStringLiteral(OSTREL_PROGRAM_DIR), dialogs);
    if (!window.ok()) {
        state.SkipWithError("Lenguas.db missing from the program folder");
        return;
    }
    window.show();
    ostrel::PartEditor& editor = window.editor();
    auto* grid = window.findChild<QTableView*>(QStringLiteral("partsTable"));
    QElapsedTimer clock;
    for (auto _ : state) {
        window.kindCommand(1);
        qint64 addNs = 0;
        for (int i = 0; i < 10000; ++i) {
            editor.box(ostrel::InputBox::MassOrDensity)->setText(QString::number(100 + i % 50));
            editor.box(ostrel::InputBox::Diameter)->setText(QStringLiteral("1000"));
            editor.calculatePart();
            clock.start();
            window.addPart();
            addNs += clock.nsecsElapsed();
        }
        QCoreApplication::processEvents();
        const double rowsMb = peakMegabytes();
        qint64 takeNs = 0;
        for (int i = 0; i < 1000; ++i) {
            grid->setCurrentIndex(grid->model()->index(grid->model()->rowCount() / 2, 1));
            clock.start();
            window.takeBackPart();
            takeNs += clock.nsecsElapsed();
        }
        state.SetIterationTime(static_cast<double>(addNs + takeNs) * 1e-9);
        state.counters["add_us"] = static_cast<double>(addNs) / 10000 / 1e3;
        state.counters["takeback_us"] = static_cast<double>(takeNs) / 1000 / 1e3;
        state.counters["peak_MB"] = rowsMb;
        state.counters["rows_left"] = grid->model()->rowCount();
    }
    window.project().endSession();
}
BENCHMARK(BM_WindowAdds10000TakesBack1000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The windows' recovery copies stay out of the user's folders, and none is offered back.
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(ostrel::ProjectCommands::recoveryPath());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double bare = median(g_startups["bare"]);
    const double ostrel = median(g_startups["ostrel"]);
    if (bare > 0 && ostrel > 0)
        std::printf("startup to idle, median: bare main window %.1f ms, Ostrel %.1f ms, "
                    "ratio %.2f (aim <= 1.5)\n",
                    bare * 1e3, ostrel * 1e3, ostrel / bare);
    return 0;
}
