// Draws the README's picture of the main window: a disc in the editor and two lines in the
// list, grabbed from the real window. Usage: bench_app_shot <program folder> <output.png>
// With a third argument, a project file: the two lines are saved to it and opened from it, one
// more line makes the project modified, the Inertia menu is opened, and the whole screen is
// grabbed (run it on a real display server, such as xvfb-run); the window title is printed.
#include "app/mainwindow.h"
#include "app/projectcommands.h"
#include "list/projectfile.h"
#include "platform/dialogs.h"
#include "shotinput.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <cstdio>

using ostrel::shot::click;
using ostrel::shot::type;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) return 2;
    // The window's recovery copy stays out of the user's folders, and none is offered back.
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(ostrel::ProjectCommands::recoveryPath());
    ostrel::WidgetDialogs dialogs(nullptr);
    ostrel::MainWindow window(QString::fromLocal8Bit(argv[1]), dialogs);
    if (!window.ok()) return 1;
    window.show();
    QTest::qWaitForWindowExposed(&window);

    window.kindCommand(2); // a ring of steel
    click(window, "densityOption");
    type(window, "diameterBox", QStringLiteral("1000"));
    type(window, "smallDiameterBox", QStringLiteral("600"));
    type(window, "heightBox", QStringLiteral("100"));
    click(window, "addButton");
    window.kindCommand(1); // two discs on a shaft turning twice as fast
    click(window, "densityOption");
    type(window, "quantityBox", QStringLiteral("2"));
    type(window, "ratioBox", QStringLiteral("2"));
    type(window, "diameterBox", QStringLiteral("1000"));
    type(window, "heightBox", QStringLiteral("100"));
    click(window, "addButton");
    window.kindCommand(1); // the next disc, being typed
    click(window, "densityOption");
    type(window, "diameterBox", QStringLiteral("800"));
    type(window, "heightBox", QStringLiteral("60"));
    QTest::qWait(200);
    if (argc > 3) {
        const QString project = QString::fromLocal8Bit(argv[3]);
        if (!ostrel::saveProject(ostrel::projectFromList(window.parts()), project).ok) return 1;
        window.project().undoStack().setClean(); // as saved: opening it asks nothing
        if (!window.openFile(project)) return 1;
        click(window, "addButton"); // the disc being typed: the project is now modified
        auto* menu = window.findChild<QMenu*>(QStringLiteral("inertiaMenu"));
        window.menuBar()->setActiveAction(menu->menuAction());
        QTest::qWait(500);
        std::printf("window title: %s\n", qPrintable(window.windowTitle()));
        const bool grabbed = window.screen()->grabWindow(0).save(QString::fromLocal8Bit(argv[2]));
        menu->hide();
        window.project().endSession();
        return grabbed ? 0 : 1;
    }
    const bool saved = window.grab().save(QString::fromLocal8Bit(argv[2]));
    window.project().endSession();
    return saved ? 0 : 1;
}
