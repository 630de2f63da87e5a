// The report suites draw text with real font metrics, so they run on an offscreen
// QGuiApplication (a QApplication for the window commands).

#include <gtest/gtest.h>

#ifdef OSTREL_REPORT_WIDGETS
#include <QApplication>
using App = QApplication;
#else
#include <QGuiApplication>
using App = QGuiApplication;
#endif

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
