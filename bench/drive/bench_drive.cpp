// The drive's results after an add to a list of 10,000 lines: on the plain list (the add, the
// exact totals and every result, plot profile and display row), and through the model with
// the Drive panel attached, as the window runs it (offscreen). Then every motor of a list of
// 1,000 checked against the axis of the 10,000 lines (aim: under 5 ms).
#include "app/drivepanel.h"
#include "drive/drivecalc.h"
#include "drive/drivetext.h"
#include "drive/motortable.h"
#include "list/partslist.h"
#include "list/partslistmodel.h"
#include "report/driveblock.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using namespace ostrel;
using F = DriveInputs::Field;

constexpr int Lines = 10000;

PartsList::Line line(int k) {
    PartsList::Line l;
    const QString inertia = QString::number(0.001 * (1 + k % 97), 'f', 3);
    l.captions = {QStringLiteral("2"), inertia, QStringLiteral("0.01"), QStringLiteral("0.02")};
    l.texts = {QStringLiteral("1"),   QStringLiteral("1"), QStringLiteral("2"), QString(),
               QStringLiteral("100"), QString(),           QStringLiteral("10")};
    l.code = 1;
    l.image = 1;
    return l;
}

DriveInputs drive() {
    DriveInputs in;
    for (const auto& [f, text] : {std::pair{F::MotorInertia, "0.5"},
                                  {F::Efficiency, "0.9"},
                                  {F::Speed, "1500"},
                                  {F::AccelTime, "0.3"},
                                  {F::ConstTime, "2"},
                                  {F::DecelTime, "0.3"},
                                  {F::DwellTime, "1"}})
        in.setText(f, QString::fromLatin1(text));
    return in;
}

// One add to the plain list, then everything the panel shows, worked from the new totals.
void BM_DriveResultsAfterAddToPlainList(benchmark::State& state) {
    PartsList list;
    for (int k = 0; k < Lines; ++k)
        list.add(line(k));
    const DriveInputs in = drive();
    const QStringList texts;
    for (auto _ : state) {
        list.add(line(7));
        const DriveResults r = computeDrive(in, driveTotals(list));
        benchmark::DoNotOptimize(driveProfile(in, r));
        benchmark::DoNotOptimize(driveResultRows(r, DisplayChoice(), texts));
        state.PauseTiming();
        list.takeBack(list.rowCount() - 1);
        state.ResumeTiming();
    }
    state.counters["lines"] = Lines;
}
BENCHMARK(BM_DriveResultsAfterAddToPlainList)->Unit(benchmark::kMicrosecond);

// One add through the model: the totals signal refreshes the shown panel (results, labels and
// plot data, and with argument 1 a chosen motor's check); the plot is painted later by the
// event loop, outside this figure.
void BM_DrivePanelAfterAddThroughTheModel(benchmark::State& state) {
    PartsList list;
    PartsListModel model(list);
    for (int k = 0; k < Lines; ++k)
        model.add(line(k));
    DrivePanel panel(model);
    Motor motor;
    motor.name = QStringLiteral("Motor");
    motor.ratedTorque = 5;
    motor.peakTorque = 15;
    motor.ratedSpeed = motor.maxSpeed = 3000;
    motor.rotorInertia = 0.5;
    panel.setInputs(drive(),
                    state.range(0) ? std::optional(ChosenMotor{motor, false}) : std::nullopt);
    panel.show();
    QApplication::processEvents();
    for (auto _ : state) {
        model.add(line(7));
        benchmark::DoNotOptimize(panel.results().rmsTorque);
        state.PauseTiming();
        model.takeBack(list.rowCount() - 1);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["lines"] = Lines;
}
BENCHMARK(BM_DrivePanelAfterAddThroughTheModel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Every motor of a 1,000-motor list against the 10,000-line list: the exact totals, then each
// motor's drive and four criteria, the order by rated torque and the smallest that passes.
void BM_CheckEveryMotorOf1000Against10000Lines(benchmark::State& state) {
    constexpr int Motors = 1000;
    constexpr double AimMs = 5;
    PartsList list;
    for (int k = 0; k < Lines; ++k)
        list.add(line(k));
    std::vector<Motor> motors;
    for (int k = 0; k < Motors; ++k) {
        Motor m;
        m.name = QStringLiteral("Motor %1").arg(k);
        m.ratedTorque = 0.5 + 0.05 * (k % 997);
        m.peakTorque = 3 * m.ratedTorque;
        m.ratedSpeed = 3000;
        m.maxSpeed = 1000 + 10 * (k % 500);
        m.peakTorqueAtMaxSpeed = 2 * m.ratedTorque;
        m.rotorInertia = 1e-5 * (1 + k % 991);
        if (k % 3 == 0) m.brakeInertia = 2e-6 * (1 + k % 991);
        motors.push_back(m);
    }
    const DriveInputs in = drive();
    double totalMs = 0;
    int runs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const MotorTable table = checkEveryMotor(motors, true, in, driveTotals(list));
        totalMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        ++runs;
        benchmark::DoNotOptimize(table.smallestPassing);
    }
    state.counters["motors"] = Motors;
    state.counters["lines"] = Lines;
    state.counters["ms"] = totalMs / runs;
    state.counters["of_5ms_aim"] = totalMs / runs / AimMs;
}
BENCHMARK(BM_CheckEveryMotorOf1000Against10000Lines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
