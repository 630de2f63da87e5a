// Draws the pictures of the motor check: the Motors window, the Drive panel with a motor that
// fails and one that passes, the table of every motor, and the report with its Motor block as
// PDF, in one language. The motor list is the sample list; the user's own settings and list
// stay as they are (Qt's test folders).
// Usage: bench_app_motorshot <program folder> <language item 1-6> <output folder>
#include "app/drivepanel.h"
#include "app/mainwindow.h"
#include "app/projectcommands.h"
#include "app/recoverycopies.h"
#include "app/usermotors.h"
#include "drive/motorcsv.h"
#include "drive/motorlist.h"
#include "platform/atomicfile.h"
#include "platform/dialogs.h"
#include "report/report.h"
#include "shotinput.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <functional>
#include <iostream>

namespace {

using ostrel::shot::click;
using ostrel::shot::type;

// Every window is shown, drawn into a picture, then handed to the next step.
class ShotDialogs : public ostrel::Dialogs {
public:
    QString next;                      // the picture of the next window
    std::function<int(QDialog&)> then; // what is done in it
    void message(const QString& text, ostrel::MessageIcon, const QString&) override {
        std::cerr << text.toStdString() << '\n';
    }
    bool question(const QString&, const QString&) override { return true; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    ostrel::SaveChoice askToSave(const QString&, const QString&,
                                 const ostrel::SaveButtons&) override {
        return ostrel::SaveChoice::Discard;
    }
    int exec(QDialog& dialog) override {
        dialog.show();
        (void)QTest::qWaitForWindowExposed(&dialog);
        QTest::qWait(200);
        if (!next.isEmpty()) dialog.grab().save(next);
        const int result = then ? then(dialog) : QDialog::Rejected;
        dialog.hide();
        then = nullptr;
        next.clear();
        return result;
    }
};

// The motor of that name in the drop-down, chosen as the user does.
void choose(QWidget& window, const QString& name) {
    auto* box = window.findChild<QComboBox*>(QStringLiteral("motorChoice"));
    const int item = box->findText(name);
    box->setCurrentIndex(item);
    emit box->activated(item);
    QTest::qWait(100);
}

// The panel's check rows in view, then the panel drawn.
bool panelShot(ostrel::MainWindow& window, const QString& path) {
    auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("driveScroll"));
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    QTest::qWait(150);
    return window.grab().save(path);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 4) return 2;
    QStandardPaths::setTestModeEnabled(true);
    const QString out = QString::fromLocal8Bit(argv[3]) + QLatin1Char('/');
    const QString language = QString::fromLocal8Bit(argv[2]);
    QFile::remove(ostrel::motorListPath());
    for (const QString& copy :
         ostrel::RecoveryCopies::copiesIn(ostrel::ProjectCommands::recoveryFolder()))
        QFile::remove(copy);
    ShotDialogs dialogs;
    auto window = std::make_unique<ostrel::MainWindow>(QString::fromLocal8Bit(argv[1]), dialogs);
    if (!window->ok()) return 1;
    window->findChild<QAction*>(QStringLiteral("languageAction") + language)->trigger();
    const ostrel::MotorCsvRead sample =
        ostrel::readMotorsCsv(window->programDir() + QStringLiteral("examples/motors.csv"));
    if (!sample.ok) return 1;
    window->motors().setList(ostrel::MotorList(sample.motors));
    window->resize(1500, 1020);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return 1;
    if (!window->drivePanel().isVisible()) window->drivePanel().toggleViewAction()->trigger();

    // A steel disc of 100 x 20 mm behind a ratio of 2: J_L = 3.853e-4 kg·m².
    window->kindCommand(1);
    click(*window, "densityOption");
    type(*window, QStringLiteral("ratioBox"), QStringLiteral("2"));
    type(*window, QStringLiteral("diameterBox"), QStringLiteral("100"));
    type(*window, QStringLiteral("heightBox"), QStringLiteral("20"));
    click(*window, "addButton");
    const std::pair<const char*, const char*> drive[] = {{"speed", "3000"},
                                                         {"accelTime", "0.05"},
                                                         {"constTime", "0.2"},
                                                         {"decelTime", "0.05"},
                                                         {"dwellTime", "0.3"}};
    for (const auto& [key, text] : drive)
        type(*window, QLatin1String(key) + QStringLiteral("Box"), QLatin1String(text));

    dialogs.next = out + QStringLiteral("motors.png");
    window->motorsCommand();

    choose(*window, QStringLiteral("Example 200 W"));
    if (!panelShot(*window, out + QStringLiteral("panel-fail.png"))) return 1;
    choose(*window, QStringLiteral("Example 400 W"));
    if (!panelShot(*window, out + QStringLiteral("panel-pass.png"))) return 1;

    dialogs.next = out + QStringLiteral("every-motor.png");
    dialogs.then = [](QDialog&) { return int(QDialog::Rejected); };
    window->drivePanel().showEveryMotor();

    const ostrel::DriveInputs inputs = window->drivePanel().inputs();
    const ostrel::ChosenMotor motor = *window->drivePanel().motor();
    ostrel::WriteFailure failure;
    const bool written = ostrel::writeReportPdf(
        out + QStringLiteral("report.pdf"), window->parts(), window->language().texts,
        QDate::currentDate(), window->displayChoice(), &inputs, QString(), &failure, &motor);
    window->motors().setList({});
    window->project().undoStack().setClean(); // no question, no recovery copy left behind
    return written ? 0 : 1;
}
