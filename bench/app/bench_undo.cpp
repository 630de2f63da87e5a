// Undo and redo at 10,000 lines: of an add (the last row goes and comes back) and of a
// take-back from the middle (the row comes back at its place and goes again), through the
// model with a shown grid as the window has it (offscreen); and the recovery copy the window
// writes after every change, at the same size. Figures per undo + redo pair.
#include "app/projectundo.h"
#include "list/partslist.h"
#include "list/partslistmodel.h"
#include "list/projectfile.h"

#include <QApplication>
#include <QDir>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <memory>

using namespace ostrel;

namespace {

constexpr int Lines = 10000;

// A disc line with its inputs and exact results, as the editor hands it over.
PartsList::Line discLine(int i) {
    PartsList::Line line;
    const double diameter = 100 + i % 900;
    const double mass = 7850 * 3.141592653589793 * diameter * diameter / 4e6 * 0.1;
    const double inertia = mass * diameter * diameter / 8e6;
    line.exact = std::array<double, 4>{mass, inertia, 0, 0};
    line.captions = {QString::number(mass, 'f', 3), QString::number(inertia, 'f', 3), ".", "."};
    line.totalMass = false;
    line.texts = {"1", "1", "7850", "", QString::number(diameter), "", "100"};
    line.code = 1;
    line.image = 6;
    return line;
}

struct Fixture {
    PartsList list;
    std::unique_ptr<PartsListModel> model;
    std::unique_ptr<QTableView> view;
    QUndoStack stack;

    explicit Fixture(bool shown) {
        model = std::make_unique<PartsListModel>(list);
        for (int i = 0; i < Lines; ++i)
            model->add(discLine(i), PartsList::AddRule::Exact);
        if (shown) {
            view = std::make_unique<QTableView>();
            view->setModel(model.get());
            view->resize(900, 400);
            view->show();
            QApplication::processEvents();
        }
    }
};

void BM_UndoRedoOfAnAdd(benchmark::State& state) {
    Fixture f(state.range(0) != 0);
    f.model->add(discLine(Lines), PartsList::AddRule::Exact);
    const PartsList& list = f.list;
    f.stack.push(ProjectUndo::added(*f.model, *list.row(list.rowCount() - 1), false));
    for (auto _ : state) {
        f.stack.undo();
        f.stack.redo();
    }
    if (f.list.partCount() != Lines + 1) state.SkipWithError("the list lost a row");
    state.SetLabel(state.range(0) ? "model + shown grid" : "model");
}
BENCHMARK(BM_UndoRedoOfAnAdd)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_UndoRedoOfATakeBack(benchmark::State& state) {
    Fixture f(state.range(0) != 0);
    const int middle = Lines / 2;
    PartsList::Row row = *f.list.row(middle);
    f.model->takeBack(middle);
    f.stack.push(ProjectUndo::takenBack(*f.model, middle, row));
    for (auto _ : state) {
        f.stack.undo();
        f.stack.redo();
    }
    if (f.list.partCount() != Lines - 1) state.SkipWithError("the list lost a row");
    state.SetLabel(state.range(0) ? "model + shown grid" : "model");
}
BENCHMARK(BM_UndoRedoOfATakeBack)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What the window does after every change while the list is unsaved.
void BM_RecoveryCopy(benchmark::State& state) {
    Fixture f(false);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("recovery.ostrel"));
    for (auto _ : state) {
        const ProjectSave saved = saveProject(projectFromList(f.list), path);
        if (!saved.ok) state.SkipWithError("the copy was not written");
    }
}
BENCHMARK(BM_RecoveryCopy)->Unit(benchmark::kMillisecond);

// The part of it taken on the window's thread: the snapshot of the list.
void BM_RecoverySnapshot(benchmark::State& state) {
    Fixture f(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(projectFromList(f.list));
}
BENCHMARK(BM_RecoverySnapshot)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
