// The About window: its animation, version line, page, link, translation and lifetime.
#include "about/aboutwindow.h"
#include "about/picturestrip.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace ostrel;

namespace {

// One plain colour per cell, so that the picture shown tells which cell it is.
const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow};

// A program folder with a strip of 10 x 7 cells and, unless told otherwise, a page.
struct DossierProgramme {
    QTemporaryDir dir;
    QString path() const { return dir.path() + QLatin1Char('/'); }
    explicit DossierProgramme(bool withPage = true) {
        QImage strip(PictureStrip::CellCount * 10, 7, QImage::Format_RGB32);
        for (int x = 0; x < strip.width(); ++x)
            for (int y = 0; y < strip.height(); ++y)
                strip.setPixelColor(x, y, colours[x / 10]);
        strip.save(path() + QLatin1String(AboutWindow::StripFile));
        QFile page(path() + QLatin1String(AboutWindow::PageFile));
        if (withPage && page.open(QIODevice::WriteOnly))
            page.write("<p>Twenty kinds of solid.</p>");
    }
};

// The cell the animation shows, told by its colour; -1 when it shows nothing.
int shownCell(AboutWindow& about) {
    const QImage image = about.findChild<QLabel*>(QStringLiteral("animation"))->pixmap().toImage();
    return image.isNull() ? -1 : int(colours.indexOf(image.pixelColor(5, 3)));
}

QString labelText(QWidget& window, const char* name) {
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

QString paneText(AboutWindow& about) {
    return about.findChild<QTextBrowser*>(QStringLiteral("pageView"))->toPlainText();
}

// The working language's texts by entry: caption, title, credits, missing-page message.
QStringList texts(const QStringList& t) {
    QStringList byEntry(450);
    const int entries[] = {8, 12, 67, 442};
    for (int i = 0; i < t.size(); ++i)
        byEntry[entries[i]] = t[i];
    return byEntry;
}

// Records the captions of the About window and the messages instead of showing them; the
// About window asks nothing else.
class RecordingDialogs : public Dialogs {
public:
    void message(const QString& text, MessageIcon, const QString&) override { messages << text; }
    int exec(QDialog& d) override {
        seen << QStringList{d.windowTitle(), labelText(d, "titleLabel"),
                            labelText(d, "creditsLabel")};
        return QDialog::Accepted;
    }
    bool question(const QString&, const QString&) override { return false; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    SaveChoice askToSave(const QString&, const QString&, const SaveButtons&) override {
        return SaveChoice::Cancel;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QList<QStringList> seen;
    QStringList messages;
};

} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    // The animation shows cell 0, then loops 2 ... 5, 0, 1 ... (cell 1 skipped once); OK unloads
    // the window, and the next one starts at cell 0 again.
    void animationLoopsAndAReopenedWindowStartsAtCellZero() {
        DossierProgramme dossier;
        QPointer<AboutWindow> first = new AboutWindow(dossier.path());
        first->show();
        QList<int> seen{shownCell(*first)};
        for (int i = 0; i < 8; ++i) {
            first->timerTick();
            seen << shownCell(*first);
        }
        QCOMPARE(seen, (QList<int>{0, 2, 3, 4, 5, 0, 1, 2, 3}));
        first->closeWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        std::unique_ptr<AboutWindow> second(new AboutWindow(dossier.path()));
        QCOMPARE(shownCell(*second), 0);
    }

    void versionLineComesFromTheProject() {
        DossierProgramme dossier;
        std::unique_ptr<AboutWindow> about(new AboutWindow(dossier.path(), {1, 2, 15}));
        QCOMPARE(labelText(*about, "versionLabel"), QStringLiteral(" Versi\u00f3n   1.2.15"));
        const ProgramVersion v = programVersion();
        QCOMPARE(QStringLiteral("%1.%2.%3").arg(v.majorNumber).arg(v.minorNumber).arg(v.revision),
                 QStringLiteral(OSTREL_PROJECT_VERSION));
    }

    void missingPageShowsReadableMessageInTheWorkingLanguage() {
        DossierProgramme with, sans(false);
        std::unique_ptr<AboutWindow> present(new AboutWindow(with.path())),
            absent(new AboutWindow(sans.path()));
        QVERIFY(!present->pageMissing() && absent->pageMissing());
        QVERIFY(paneText(*absent).contains(
            QStringLiteral("The page propos.htm cannot be found in the program folder.")));
        QVERIFY(paneText(*absent).contains(sans.path() + QLatin1String(AboutWindow::PageFile)));
        // The working language's wording replaces the English one, and only on a missing page.
        for (AboutWindow* p : {present.get(), absent.get()})
            translateAboutWindow(*p, texts({"A", "B", "C", "La page propos.htm manque."}));
        QVERIFY(paneText(*absent).contains(QStringLiteral("La page propos.htm manque.")));
        QVERIFY(!paneText(*absent).contains(QStringLiteral("cannot be found")));
        QCOMPARE(paneText(*present), QStringLiteral("Twenty kinds of solid."));
    }

    // The link opens the installed guide through the opener; when the guide is missing or
    // nothing can open it, a message names the guide's path. Columns: whether the guide is
    // installed, what the opener answers, whether a message comes.
    void linkOpensTheGuideOrSaysWhereItIs_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("told");
        QTest::newRow("opened") << true << true << false;
        QTest::newRow("no launcher") << true << false << true;
        QTest::newRow("guide missing") << false << true << true;
    }
    void linkOpensTheGuideOrSaysWhereItIs() {
        QFETCH(bool, installed);
        QFETCH(bool, opens);
        QFETCH(bool, told);
        DossierProgramme dossier;
        const QString path = dossier.path() + QLatin1String("guide/user-guide.html");
        if (installed) {
            QVERIFY(QDir(dossier.path()).mkpath(QStringLiteral("guide")));
            QFile guide(path);
            QVERIFY(guide.open(QIODevice::WriteOnly));
        }
        std::unique_ptr<AboutWindow> about(new AboutWindow(dossier.path()));
        RecordingDialogs dialogs;
        about->setDialogs(&dialogs);
        QStringList t = texts({"About", "B", "C", "D"});
        t[445] = QStringLiteral("Guide not opened:");
        translateAboutWindow(*about, t);
        QList<QUrl> opened;
        about->setUrlOpener([&](const QUrl& url) {
            opened << url;
            return opens;
        });
        about->show(); // a click on the label
        QTest::mouseClick(about->findChild<QLabel*>(QStringLiteral("guideLink")), Qt::LeftButton);
        QCOMPARE(opened, installed ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
        const QStringList expected{QStringLiteral("Guide not opened:\n") +
                                   QDir::toNativeSeparators(path)};
        QCOMPARE(dialogs.messages, told ? expected : QStringList{});
    }

    void aboutCommandTakesEachOpeningsLanguageAndLeavesNoWindow() {
        DossierProgramme dossier;
        QWidget mainWindow;
        RecordingDialogs dialogs;
        const QStringList en{"About", "Inertia calculator", "Written by"};
        const QStringList fr{"\u00c0 propos", "Calcul d'inertie", "\u00c9crit par"};
        for (const QStringList& t : {en, fr})
            QCOMPARE(showAboutWindow(dialogs, dossier.path(), texts(t), &mainWindow),
                     int(QDialog::Accepted));
        QCOMPARE(dialogs.seen, (QList<QStringList>{en, fr}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(mainWindow.findChildren<AboutWindow*>().isEmpty());
    }

    void shippedStripHasSixEqualFramesThatMove() {
        const QString strip = QStringLiteral(OSTREL_PROGRAM_DIR_FOR_TESTS) + AboutWindow::StripFile;
        PictureStrip clip;
        QVERIFY(clip.load(strip));
        QCOMPARE(clip.cellSize().width() * PictureStrip::CellCount, QImage(strip).width());
        for (int n = 0; n + 1 < PictureStrip::CellCount; ++n)
            QVERIFY(!clip.cell(n).isNull() && clip.cell(n) != clip.cell(n + 1));
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
