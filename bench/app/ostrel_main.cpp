// MainWindow's startup as the program runs it, in the build's program folder; it says "idle" and
// quits as soon as the window is shown and the event loop has nothing left to do.
#include "app/mainwindow.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel"));
    const QString programDir =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath();
    ostrel::WidgetDialogs dialogs(nullptr);
    ostrel::MainWindow window(programDir, dialogs);
    if (!window.ok()) return 1;
    window.show();
    QTimer::singleShot(0, &app, [&app] {
        std::puts("idle");
        std::fflush(stdout);
        app.quit();
    });
    return app.exec();
}
