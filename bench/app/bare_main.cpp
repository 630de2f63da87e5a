// A bare Qt main window started as MainWindow starts: the yardstick of the startup benchmark.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(880, 620);
    window.show();
    QTimer::singleShot(0, &app, [&app] {
        std::puts("idle");
        std::fflush(stdout);
        app.quit();
    });
    return app.exec();
}
