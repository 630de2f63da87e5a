// Draws the pictures of the Drive panel: the main window with a four-line list and the panel
// filled in, and the report of that list with its Drive block as PDF.
// Usage: bench_app_driveshot <program folder> <window.png> <report.pdf>
#include "app/drivepanel.h"
#include "app/mainwindow.h"
#include "platform/dialogs.h"
#include "report/report.h"
#include "shotinput.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

namespace {

using ostrel::shot::click;
using ostrel::shot::type;

void addPart(ostrel::MainWindow& window, int kind, bool density,
             std::initializer_list<std::pair<const char*, const char*>> boxes) {
    window.kindCommand(kind);
    if (density) click(window, "densityOption");
    for (const auto& [name, text] : boxes)
        type(window, QLatin1String(name), QLatin1String(text));
    click(window, "addButton");
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 4) return 2;
    QStandardPaths::setTestModeEnabled(true); // the user's settings stay as they are
    ostrel::WidgetDialogs dialogs(nullptr);
    ostrel::MainWindow window(QString::fromLocal8Bit(argv[1]), dialogs);
    if (!window.ok()) return 1;
    window.resize(1400, 1000);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    if (!window.drivePanel().isVisible()) window.drivePanel().toggleViewAction()->trigger();

    addPart(window, 1, true, {{"diameterBox", "300"}, {"heightBox", "20"}}); // disc
    addPart(window, 2, true,
            {{"diameterBox", "300"}, {"smallDiameterBox", "200"}, {"heightBox", "30"}}); // ring
    addPart(window, 1, true,
            {{"ratioBox", "2"}, {"diameterBox", "200"}, {"heightBox", "40"}}); // geared
    addPart(window, 17, false,
            {{"massOrDensityBox", "5"},
             {"radiusBox", "0.02"},
             {"diameterBox", "1.5"},
             {"smallDiameterBox", "4"}}); // given
    const std::pair<const char*, const char*> drive[] = {
        {"motorInertia", "0.025"}, {"gearInertia", "0.002"}, {"efficiency", "0,9"},
        {"speed", "1500"},         {"accelTime", "0.3"},     {"constTime", "2"},
        {"decelTime", "0.3"},      {"dwellTime", "1"},       {"safety", "1.2"}};
    for (const auto& [key, text] : drive)
        type(window, QLatin1String(key) + QStringLiteral("Box"), QLatin1String(text));
    QTest::qWait(200);
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) return 1;
    const ostrel::DriveInputs inputs = window.drivePanel().inputs();
    return ostrel::writeReportPdf(QString::fromLocal8Bit(argv[3]), window.parts(),
                                  window.language().texts, QDate::currentDate(),
                                  window.displayChoice(), &inputs)
               ? 0
               : 1;
}
