// Draws the README's picture of the main window: a disc in the editor and two lines in the
// list, grabbed from the real window. Usage: bench_app_shot <program folder> <output.png>
#include "app/ostrel.h"
#include "app/projectcommands.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>

namespace {

void type(QWidget& window, const char* name, const QString& text) {
    auto* box = window.findChild<QLineEdit*>(QLatin1String(name));
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClicks(box, text);
}

void click(QWidget& window, const char* name) {
    QTest::mouseClick(window.findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) return 2;
    // The window's recovery copy stays out of the user's folders, and none is offered back.
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(ostrel::ProjectCommands::recoveryPath());
    ostrel::WidgetDialogs dialogs(nullptr);
    ostrel::Ostrel window(QString::fromLocal8Bit(argv[1]), dialogs);
    if (!window.ok()) return 1;
    window.show();
    QTest::qWaitForWindowExposed(&window);

    window.kindCommand(2); // a ring of steel
    click(window, "MasseSpecifique");
    type(window, "Text6", QStringLiteral("1000"));
    type(window, "Text7", QStringLiteral("600"));
    type(window, "Text8", QStringLiteral("100"));
    click(window, "Plus");
    window.kindCommand(1); // two discs on a shaft turning twice as fast
    click(window, "MasseSpecifique");
    type(window, "Text1", QStringLiteral("2"));
    type(window, "Text2", QStringLiteral("2"));
    type(window, "Text6", QStringLiteral("1000"));
    type(window, "Text8", QStringLiteral("100"));
    click(window, "Plus");
    window.kindCommand(1); // the next disc, being typed
    click(window, "MasseSpecifique");
    type(window, "Text6", QStringLiteral("800"));
    type(window, "Text8", QStringLiteral("60"));
    QTest::qWait(200);
    const bool saved = window.grab().save(QString::fromLocal8Bit(argv[2]));
    window.project().endSession();
    return saved ? 0 : 1;
}
