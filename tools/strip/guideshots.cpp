// Takes the screenshots of the user guide from the real main window and About window: a few
// part lines are typed and added the way a user would, then each view is grabbed into
// docs/images. Run by hand when the window changes (target ostrel_guideshots):
//
//   ostrel_guideshots <program folder of a build> <docs/images>
//
// The program folder is copied first, so that nothing is written into the build's own.

#include "about/aboutwindow.h"
#include "app/mainwindow.h"
#include "app/parteditor.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

// No box may stop the run: messages are printed instead.
class SilentDialogs : public ostrel::Dialogs {
public:
    void message(const QString& text, ostrel::MessageIcon, const QString&) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool question(const QString&, const QString&) override { return false; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    int exec(QDialog&) override { return 0; }
    ostrel::SaveChoice askToSave(const QString&, const QString&,
                                 const ostrel::SaveButtons&) override {
        return ostrel::SaveChoice::Discard;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
};

bool copyFolder(const QString& folder, const QString& target) {
    const QString source = QDir(folder).absolutePath();
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString copy = target + QDir(source).relativeFilePath(file);
        QDir().mkpath(QFileInfo(copy).path());
        if (!QFile::copy(file, copy)) return false;
    }
    return true;
}

void tape(ostrel::PartEditor& editor, ostrel::InputBox box, const char* text) {
    QLineEdit* edit = editor.box(box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

void density(ostrel::MainWindow& window) {
    QTest::mouseClick(window.findChild<QRadioButton*>(QStringLiteral("densityOption")),
                      Qt::LeftButton);
}

bool save(QWidget& widget, const QString& path, const QRect& zone = {}) {
    QCoreApplication::processEvents();
    QTest::qWait(200);
    const QPixmap image = zone.isNull() ? widget.grab() : widget.grab(zone);
    if (image.save(path, "PNG", 9)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The window's recovery copy stays out of the user's folders.
    QStandardPaths::setTestModeEnabled(true);
    if (argc != 3) {
        std::fprintf(stderr, "usage: ostrel_guideshots <program folder> <docs/images>\n");
        return 2;
    }
    QTemporaryDir folder;
    const QString program = folder.path() + QLatin1Char('/');
    if (!copyFolder(QString::fromLocal8Bit(argv[1]), program)) return 1;
    const QString images = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');

    SilentDialogs dialogs;
    ostrel::MainWindow window(program, dialogs);
    if (!window.ok()) return 1;
    window.resize(window.sizeHint().expandedTo(QSize(900, 640))); // the whole toolbar shows
    window.show();
    QTest::qWait(300);
    ostrel::PartEditor& editor = window.editor();
    using ostrel::InputBox;

    // Two steel discs, a ring on a 1:2 ratio, then a sphere left in the editor.
    window.kindCommand(1);
    density(window);
    tape(editor, InputBox::Quantity, "2");
    tape(editor, InputBox::Diameter, "1000");
    tape(editor, InputBox::Height, "100");
    window.addPart();
    window.kindCommand(2);
    density(window);
    tape(editor, InputBox::Ratio, "2");
    tape(editor, InputBox::Diameter, "1000");
    tape(editor, InputBox::SmallDiameter, "600");
    tape(editor, InputBox::Height, "100");
    window.addPart();
    window.kindCommand(18);
    tape(editor, InputBox::MassOrDensity, "100");
    tape(editor, InputBox::Diameter, "500");
    tape(editor, InputBox::SmallDiameter, "50");
    tape(editor, InputBox::Height, "0.1");
    window.addPart();
    window.kindCommand(1);
    density(window);
    tape(editor, InputBox::Diameter, "400");
    tape(editor, InputBox::Height, "60");

    bool ok = save(window, images + QStringLiteral("main-window.png"));
    ok = save(editor, images + QStringLiteral("editor.png")) && ok;
    QWidget* centre = window.centralWidget();
    const QRect list(0, editor.geometry().bottom() + 1, centre->width(),
                     centre->height() - editor.geometry().bottom() - 1);
    ok = save(*centre, images + QStringLiteral("parts-list.png"), list) && ok;

    auto* about = new ostrel::AboutWindow(program, ostrel::programVersion(), &window);
    ostrel::translateAboutWindow(*about, window.language().texts);
    about->show();
    QTest::qWait(300);
    ok = save(*about, images + QStringLiteral("about.png")) && ok;
    delete about;
    return ok ? 0 : 1;
}
