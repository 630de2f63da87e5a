// Draws the pictures of the results display: the main window with a servo axis in the list
// and a shaft in the editor, in significant digits and kg·cm², and the first report page as a
// PDF. The choice is stored in a temporary user configuration, never the user's own.
// Usage: bench_app_shot_display <program folder> <window.png> <report.pdf> [<classic.png>]
// The optional picture shows, in Classic, the shaft's hidden inertia with its hint and the
// results menu opened on the result block (the screen is grabbed: run it under a display).
#include "app/displaymenu.h"
#include "app/displaysettings.h"
#include "app/mainwindow.h"
#include "platform/dialogs.h"
#include "report/report.h"
#include "shotinput.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using ostrel::shot::click;
using ostrel::shot::type;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 4) return 2;
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    ostrel::WidgetDialogs dialogs(nullptr);
    ostrel::MainWindow window(QString::fromLocal8Bit(argv[1]), dialogs);
    if (!window.ok()) return 1;
    window.displaySettings().setChoice({ostrel::Digits::Significant4, ostrel::MassUnit::Kg,
                                        ostrel::InertiaUnit::KgCm2, ostrel::TorqueUnit::NM});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    window.kindCommand(1); // a 1 kg disc of 60 mm
    type(window, "massOrDensityBox", QStringLiteral("1"));
    type(window, "diameterBox", QStringLiteral("60"));
    click(window, "addButton");
    window.kindCommand(18); // 500 kg on a screw of 10 mm lead, as a conveyor
    type(window, "massOrDensityBox", QStringLiteral("500"));
    type(window, "diameterBox", QStringLiteral("3.183098861837907"));
    type(window, "heightBox", QStringLiteral("0.05"));
    click(window, "addButton");
    window.kindCommand(1); // a 20 x 1000 mm steel shaft behind a ratio of 2
    click(window, "densityOption");
    type(window, "ratioBox", QStringLiteral("2"));
    type(window, "massOrDensityBox", QStringLiteral("7870"));
    type(window, "diameterBox", QStringLiteral("20"));
    type(window, "heightBox", QStringLiteral("1000"));
    click(window, "addButton");
    window.kindCommand(1); // the next one, being typed: an aluminium disc of 50 x 10 mm
    click(window, "densityOption");
    type(window, "massOrDensityBox", QStringLiteral("2700"));
    type(window, "diameterBox", QStringLiteral("50"));
    type(window, "heightBox", QStringLiteral("10"));
    QTest::qWait(200);
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) return 1;
    if (!ostrel::writeReportPdf(QString::fromLocal8Bit(argv[3]), window.parts(),
                                window.language().texts, QDate::currentDate(),
                                window.displayChoice()))
        return 1;
    if (argc < 5) return 0;

    window.displaySettings().setChoice({});
    window.kindCommand(1);
    click(window, "densityOption");
    type(window, "ratioBox", QStringLiteral("2"));
    type(window, "massOrDensityBox", QStringLiteral("7870"));
    type(window, "diameterBox", QStringLiteral("20"));
    type(window, "heightBox", QStringLiteral("1000"));
    auto* inertia = window.findChild<QLabel*>(QStringLiteral("inertiaResult"));
    QToolTip::showText(inertia->mapToGlobal(QPoint(4, inertia->height())), inertia->toolTip(),
                       inertia);
    QTest::qWait(300);
    const QPixmap hint = window.screen()->grabWindow(0);
    QMenu* menu = window.displayMenu().menu();
    QTimer::singleShot(500, [&] {
        const QPixmap withMenu = window.screen()->grabWindow(0);
        QPixmap both(withMenu.width(), withMenu.height() + hint.height());
        QPainter p(&both);
        p.drawPixmap(0, 0, hint);
        p.drawPixmap(0, hint.height(), withMenu);
        p.end();
        both.save(QString::fromLocal8Bit(argv[4]));
        menu->close();
    });
    QToolTip::hideText();
    menu->popup(inertia->mapToGlobal(QPoint(0, inertia->height())));
    menu->setActiveAction(menu->actions().last()); // no submenu opened by the pointer
    QTimer::singleShot(200, [&] {
        if (QMenu* inertiaUnits = menu->findChild<QMenu*>(QStringLiteral("inertiaUnitMenu")))
            inertiaUnits->popup(menu->geometry().topRight());
    });
    QTest::qWait(900);
    return 0;
}
