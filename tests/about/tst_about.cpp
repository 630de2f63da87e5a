// The About window: its animation, version line, page, link, translation and lifetime.
#include "about/picclip.h"
#include "about/propos.h"
#include "platform/dialogs.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

using namespace ostrel;

namespace {

// One plain colour per cell, so that the picture shown tells which cell it is.
const QColor CouleursCellules[PicClip::Cellules] = {Qt::red,  Qt::green,   Qt::blue,
                                                    Qt::cyan, Qt::magenta, Qt::yellow};
constexpr int LargeurCellule = 10;
constexpr int HauteurCellule = 7;

QImage bandeDeTest() {
    QImage bande(PicClip::Cellules * LargeurCellule, HauteurCellule, QImage::Format_RGB32);
    for (int n = 0; n < PicClip::Cellules; ++n)
        for (int x = 0; x < LargeurCellule; ++x)
            for (int y = 0; y < HauteurCellule; ++y)
                bande.setPixelColor(n * LargeurCellule + x, y, CouleursCellules[n]);
    return bande;
}

// A program folder with a strip and, unless told otherwise, a page.
struct DossierProgramme {
    QTemporaryDir dir;
    QString chemin() const { return dir.path() + QLatin1Char('/'); }

    explicit DossierProgramme(bool avecPage = true, bool avecBande = true) {
        if (avecBande) bandeDeTest().save(chemin() + QLatin1String(Propos::FichierBande));
        if (avecPage) {
            QFile page(chemin() + QLatin1String(Propos::FichierPage));
            page.open(QIODevice::WriteOnly);
            page.write("<html><body><p>Twenty kinds of solid.</p></body></html>");
        }
    }
};

// The cell the window shows, told by the colour of Picture1.
int celluleVue(Propos& propos) {
    auto* picture = propos.findChild<QLabel*>(QStringLiteral("Picture1"));
    const QPixmap pixmap = picture->pixmap();
    if (pixmap.isNull()) return -1;
    const QColor couleur = pixmap.toImage().pixelColor(LargeurCellule / 2, HauteurCellule / 2);
    for (int n = 0; n < PicClip::Cellules; ++n)
        if (couleur == CouleursCellules[n]) return n;
    return -2;
}

QString texteDe(Propos& propos, const char* name) {
    return propos.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

QString textePane(Propos& propos) {
    return propos.findChild<QTextBrowser*>(QStringLiteral("WebBrowser1"))->toPlainText();
}

QStringList textes(const QString& caption, const QString& title, const QString& credits,
                   const QString& pageMessage = {}) {
    QStringList t(450);
    t[8] = caption;
    t[12] = title;
    t[67] = credits;
    t[442] = pageMessage;
    return t;
}

// Records what the About command shows instead of blocking on it.
class DialogsEnregistreur : public Dialogs {
public:
    void message(const QString&, MessageIcon, const QString&) override {}
    bool question(const QString&, const QString&) override { return false; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    int exec(QDialog& dialog) override {
        titres << dialog.windowTitle();
        return QDialog::Accepted;
    }
    QStringList titres;
};

void supprimeLesFenetresFermees() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestPropos : public QObject {
    Q_OBJECT

private slots:
    void animationShowsCellZeroThenLoopsSkippingOneOnce();
    void timerTicksEveryFiftyMilliseconds();
    void versionLineWritesMajorMinorRevision();
    void reopenedWindowStartsAgainAtCellZero();
    void captionsFollowTheTextsGivenAtOpening();
    void unreadablePageShowsReadableMessage_data();
    void unreadablePageShowsReadableMessage();
    void presentPageIsShown();
    void linkOpensTheGuideThroughTheOpener();
    void missingStripLeavesPictureEmpty();
    void aboutCommandLeavesNoWindowBehind();
    void modalWindowEndsWithOkAndIsGone();
    void shippedPageAndStripAreInTheProgramFolder();
};

void TestPropos::animationShowsCellZeroThenLoopsSkippingOneOnce() {
    DossierProgramme dossier;
    auto* propos = new Propos(dossier.chemin());
    QCOMPARE(celluleVue(*propos), 0);
    QCOMPARE(propos->numeroImage(), 1);
    QVERIFY(propos->animationActive());

    const QList<int> attendues{2, 3, 4, 5, 0, 1, 2, 3};
    QList<int> vues;
    for (int i = 0; i < attendues.size(); ++i) {
        propos->Timer1_Timer();
        vues << celluleVue(*propos);
        QCOMPARE(propos->celluleAffichee(), vues.last());
    }
    QCOMPARE(vues, attendues);
    delete propos;
}

void TestPropos::timerTicksEveryFiftyMilliseconds() {
    DossierProgramme dossier;
    auto* propos = new Propos(dossier.chemin());
    auto* timer = propos->findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 50);
    QVERIFY(timer->isActive());
    // Left to the event loop, the timer moves the picture on by itself.
    QTRY_VERIFY(celluleVue(*propos) > 0);
    delete propos;
}

void TestPropos::versionLineWritesMajorMinorRevision() {
    QCOMPARE(ligneVersion({1, 2, 15}), QStringLiteral(" Versi\u00f3n   1.2.15"));
    QCOMPARE(ligneVersion({2, 0, 0}), QStringLiteral(" Versi\u00f3n   2.0.0"));

    DossierProgramme dossier;
    auto* propos = new Propos(dossier.chemin(), {1, 2, 15});
    QCOMPARE(texteDe(*propos, "Label2"), QStringLiteral(" Versi\u00f3n   1.2.15"));
    delete propos;

    // By default the window shows the project's own version.
    const VersionProgramme v = versionProgramme();
    QCOMPARE(QStringLiteral("%1.%2.%3").arg(v.majeur).arg(v.mineur).arg(v.revision),
             QStringLiteral(OSTREL_PROJECT_VERSION));
}

void TestPropos::reopenedWindowStartsAgainAtCellZero() {
    DossierProgramme dossier;
    QPointer<Propos> premiere = new Propos(dossier.chemin(), {1, 2, 15});
    premiere->show();
    for (int i = 0; i < 4; ++i)
        premiere->Timer1_Timer();
    QCOMPARE(celluleVue(*premiere), 5);
    premiere->Ok_Click();
    QVERIFY(!premiere->isVisible());
    supprimeLesFenetresFermees();
    QVERIFY(premiere.isNull()); // Ok unloads the window

    auto* seconde = new Propos(dossier.chemin(), {1, 2, 15});
    QCOMPARE(celluleVue(*seconde), 0);
    QCOMPARE(seconde->numeroImage(), 1);
    QCOMPARE(texteDe(*seconde, "Label2"), QStringLiteral(" Versi\u00f3n   1.2.15"));
    delete seconde;
}

void TestPropos::captionsFollowTheTextsGivenAtOpening() {
    DossierProgramme dossier;
    auto* propos = new Propos(dossier.chemin());
    // Until translated, the window shows its design texts.
    QCOMPARE(texteDe(*propos, "Label12"), QStringLiteral("Calcul d'Ostrel"));
    TraduitPropos(*propos, textes("About", "Inertia calculator", "Written and developed by"));
    QCOMPARE(propos->windowTitle(), QStringLiteral("About"));
    QCOMPARE(texteDe(*propos, "Label12"), QStringLiteral("Inertia calculator"));
    QCOMPARE(texteDe(*propos, "Label10"), QStringLiteral("Written and developed by"));
    delete propos;

    // The next opening takes the language of its own time.
    propos = new Propos(dossier.chemin());
    TraduitPropos(*propos, textes("\u00c0 propos", "Calcul d'inertie", "\u00c9crit par"));
    QCOMPARE(propos->windowTitle(), QStringLiteral("\u00c0 propos"));
    QCOMPARE(texteDe(*propos, "Label12"), QStringLiteral("Calcul d'inertie"));
    QCOMPARE(texteDe(*propos, "Label10"), QStringLiteral("\u00c9crit par"));
    // The fixed credits are not translated.
    QCOMPARE(texteDe(*propos, "Label13"), QStringLiteral("The Ostrel developers"));
    delete propos;
}

void TestPropos::unreadablePageShowsReadableMessage_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("no page") << QString();
    QTest::newRow("a folder of that name") << QStringLiteral("folder");
    QTest::newRow("no read permission") << QStringLiteral("unreadable");
}

void TestPropos::unreadablePageShowsReadableMessage() {
    QFETCH(QString, obstacle);
    DossierProgramme dossier(false);
    const QString page = dossier.chemin() + QLatin1String(Propos::FichierPage);
    if (obstacle == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(page));
    } else if (obstacle == QLatin1String("unreadable")) {
        QFile fichier(page);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write("<p>secret</p>");
        fichier.close();
        fichier.setPermissions(QFileDevice::WriteOwner);
        if (QFile(page).open(QIODevice::ReadOnly)) QSKIP("running with rights that read any file");
    }

    auto* propos = new Propos(dossier.chemin());
    QVERIFY(propos->pageAbsente());
    QVERIFY(textePane(*propos).contains(
        QStringLiteral("The page propos.htm cannot be found in the program folder.")));
    QVERIFY(textePane(*propos).contains(page));

    // The working language's wording replaces the English one.
    TraduitPropos(*propos, textes("A", "B", "C", QStringLiteral("La page propos.htm manque.")));
    QVERIFY(textePane(*propos).contains(QStringLiteral("La page propos.htm manque.")));
    QVERIFY(!textePane(*propos).contains(QStringLiteral("cannot be found")));
    delete propos;
}

void TestPropos::presentPageIsShown() {
    DossierProgramme dossier;
    auto* propos = new Propos(dossier.chemin());
    QVERIFY(!propos->pageAbsente());
    // A translation of the missing-page message leaves a present page alone.
    TraduitPropos(*propos, textes("A", "B", "C", QStringLiteral("missing")));
    QCOMPARE(textePane(*propos), QStringLiteral("Twenty kinds of solid."));
    delete propos;
}

void TestPropos::linkOpensTheGuideThroughTheOpener() {
    DossierProgramme dossier;
    auto* propos = new Propos(dossier.chemin());
    QList<QUrl> ouvertes;
    propos->setOuvreAdresse([&](const QUrl& url) { ouvertes << url; });
    const QUrl guide =
        QUrl::fromLocalFile(dossier.chemin() + QLatin1String("guide/user-guide.html"));

    propos->Label4_Click();
    QCOMPARE(ouvertes, QList<QUrl>{guide});

    // A click on the label itself goes the same way; a right click does nothing.
    propos->show();
    auto* lien = propos->findChild<QLabel*>(QStringLiteral("Label4"));
    QTest::mouseClick(lien, Qt::RightButton);
    QCOMPARE(ouvertes.size(), 1);
    QTest::mouseClick(lien, Qt::LeftButton);
    QCOMPARE(ouvertes, (QList<QUrl>{guide, guide}));
    delete propos;
}

void TestPropos::missingStripLeavesPictureEmpty() {
    DossierProgramme dossier(true, false);
    auto* propos = new Propos(dossier.chemin());
    QCOMPARE(celluleVue(*propos), -1);
    propos->Timer1_Timer();
    propos->Timer1_Timer();
    QCOMPARE(propos->celluleAffichee(), 3);
    QCOMPARE(celluleVue(*propos), -1);
    delete propos;
}

void TestPropos::aboutCommandLeavesNoWindowBehind() {
    DossierProgramme dossier;
    QWidget fenetrePrincipale;
    DialogsEnregistreur dialogs;
    ouvrePropos(dialogs, dossier.chemin(), textes("About", "T", "W"), &fenetrePrincipale);
    ouvrePropos(dialogs, dossier.chemin(), textes("Acerca de", "T", "W"), &fenetrePrincipale);
    QCOMPARE(dialogs.titres, (QStringList{QStringLiteral("About"), QStringLiteral("Acerca de")}));
    supprimeLesFenetresFermees();
    QVERIFY(fenetrePrincipale.findChildren<Propos*>().isEmpty());
}

void TestPropos::modalWindowEndsWithOkAndIsGone() {
    DossierProgramme dossier;
    QWidget fenetrePrincipale;
    WidgetDialogs dialogs(&fenetrePrincipale);
    QPointer<Propos> vue;
    int cellule = -1;
    // While the window runs modally, let the animation turn, then press Ok.
    QTimer::singleShot(0, [&] {
        vue = qobject_cast<Propos*>(QApplication::activeModalWidget());
        QVERIFY(vue);
        QTRY_VERIFY(vue->celluleAffichee() >= 3);
        cellule = vue->celluleAffichee();
        QTest::mouseClick(vue->findChild<QPushButton*>(QStringLiteral("Ok")), Qt::LeftButton);
    });
    QCOMPARE(ouvrePropos(dialogs, dossier.chemin(), textes("About", "T", "W"), &fenetrePrincipale),
             int(QDialog::Accepted));
    QVERIFY(cellule >= 3);
    supprimeLesFenetresFermees();
    QVERIFY(vue.isNull());
    QVERIFY(fenetrePrincipale.findChildren<Propos*>().isEmpty());
}

void TestPropos::shippedPageAndStripAreInTheProgramFolder() {
    // The build puts the page and the strip into the program folder.
    const QString dossier = QStringLiteral(OSTREL_PROGRAM_DIR_FOR_TESTS);
    auto* propos = new Propos(dossier);
    QVERIFY(!propos->pageAbsente());
    const QString page = textePane(*propos);
    for (const char* famille : {"centred", "Eccentric", "Miscellaneous", "J / k\u00b2"})
        QVERIFY2(page.contains(QString::fromUtf8(famille), Qt::CaseInsensitive), famille);

    PicClip clip;
    QVERIFY(clip.charge(dossier + QLatin1String(Propos::FichierBande)));
    QVERIFY(!clip.tailleCellule().isEmpty());
    QCOMPARE(clip.tailleCellule().width() * PicClip::Cellules,
             QImage(dossier + QLatin1String(Propos::FichierBande)).width());
    // Successive frames differ, or nothing would seem to move.
    for (int n = 0; n + 1 < PicClip::Cellules; ++n)
        QVERIFY(clip.cellule(n) != clip.cellule(n + 1));
    delete propos;
}

QTEST_MAIN(TestPropos)
#include "tst_about.moc"
