// The About window: its animation, version line, page, link, translation and lifetime.
#include "about/picclip.h"
#include "about/propos.h"
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
const QList<QColor> Couleurs{Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow};

// A program folder with a strip of 10 x 7 cells and, unless told otherwise, a page.
struct DossierProgramme {
    QTemporaryDir dir;
    QString chemin() const { return dir.path() + QLatin1Char('/'); }
    explicit DossierProgramme(bool avecPage = true) {
        QImage bande(PicClip::Cellules * 10, 7, QImage::Format_RGB32);
        for (int x = 0; x < bande.width(); ++x)
            for (int y = 0; y < bande.height(); ++y)
                bande.setPixelColor(x, y, Couleurs[x / 10]);
        bande.save(chemin() + QLatin1String(Propos::FichierBande));
        QFile page(chemin() + QLatin1String(Propos::FichierPage));
        if (avecPage && page.open(QIODevice::WriteOnly))
            page.write("<p>Twenty kinds of solid.</p>");
    }
};

// The cell Picture1 shows, told by its colour; -1 when it shows nothing.
int celluleVue(Propos& propos) {
    const QImage image = propos.findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().toImage();
    return image.isNull() ? -1 : int(Couleurs.indexOf(image.pixelColor(5, 3)));
}

QString texteDe(QWidget& fenetre, const char* name) {
    return fenetre.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

QString textePane(Propos& propos) {
    return propos.findChild<QTextBrowser*>(QStringLiteral("WebBrowser1"))->toPlainText();
}

// The working language's texts by entry: caption, title, credits, missing-page message.
QStringList textes(const QStringList& t) {
    QStringList parEntree(450);
    const int entrees[] = {8, 12, 67, 442};
    for (int i = 0; i < t.size(); ++i)
        parEntree[entrees[i]] = t[i];
    return parEntree;
}

// Records the captions of what the About command shows instead of blocking on it.
class DialogsEnregistreur : public Dialogs {
public:
    void message(const QString& text, MessageIcon, const QString&) override { messages << text; }
    bool question(const QString&, const QString&) override { return false; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    SaveChoice askToSave(const QString&, const QString&) override { return SaveChoice::Cancel; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    int exec(QDialog& d) override {
        vus << QStringList{d.windowTitle(), texteDe(d, "Label12"), texteDe(d, "Label10")};
        return QDialog::Accepted;
    }
    QList<QStringList> vus;
    QStringList messages;
};

} // namespace

class TestPropos : public QObject {
    Q_OBJECT

private slots:
    void animationShowsCellZeroThenLoopsSkippingOneOnce() {
        DossierProgramme dossier;
        std::unique_ptr<Propos> propos(new Propos(dossier.chemin()));
        QList<int> vues{celluleVue(*propos)};
        for (int i = 0; i < 8; ++i) {
            propos->Timer1_Timer();
            vues << celluleVue(*propos);
        }
        QCOMPARE(vues, (QList<int>{0, 2, 3, 4, 5, 0, 1, 2, 3}));
    }

    void versionLineComesFromTheProject() {
        DossierProgramme dossier;
        std::unique_ptr<Propos> propos(new Propos(dossier.chemin(), {1, 2, 15}));
        QCOMPARE(texteDe(*propos, "Label2"), QStringLiteral(" Versi\u00f3n   1.2.15"));
        const VersionProgramme v = versionProgramme();
        QCOMPARE(QStringLiteral("%1.%2.%3").arg(v.majeur).arg(v.mineur).arg(v.revision),
                 QStringLiteral(OSTREL_PROJECT_VERSION));
    }

    void okUnloadsAndReopenedWindowStartsAtCellZero() {
        DossierProgramme dossier;
        QPointer<Propos> premiere = new Propos(dossier.chemin());
        premiere->show();
        for (int i = 0; i < 4; ++i)
            premiere->Timer1_Timer();
        QCOMPARE(celluleVue(*premiere), 5);
        premiere->Ok_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(premiere.isNull());
        std::unique_ptr<Propos> seconde(new Propos(dossier.chemin()));
        QCOMPARE(celluleVue(*seconde), 0);
    }

    void missingPageShowsReadableMessageInTheWorkingLanguage() {
        DossierProgramme avec, sans(false);
        std::unique_ptr<Propos> present(new Propos(avec.chemin())),
            absent(new Propos(sans.chemin()));
        QVERIFY(!present->pageAbsente() && absent->pageAbsente());
        QVERIFY(textePane(*absent).contains(
            QStringLiteral("The page propos.htm cannot be found in the program folder.")));
        QVERIFY(textePane(*absent).contains(sans.chemin() + QLatin1String(Propos::FichierPage)));
        // The working language's wording replaces the English one, and only on a missing page.
        for (Propos* p : {present.get(), absent.get()})
            TraduitPropos(*p, textes({"A", "B", "C", "La page propos.htm manque."}));
        QVERIFY(textePane(*absent).contains(QStringLiteral("La page propos.htm manque.")));
        QVERIFY(!textePane(*absent).contains(QStringLiteral("cannot be found")));
        QCOMPARE(textePane(*present), QStringLiteral("Twenty kinds of solid."));
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
        const QString chemin = dossier.chemin() + QLatin1String("guide/user-guide.html");
        if (installed) {
            QVERIFY(QDir(dossier.chemin()).mkpath(QStringLiteral("guide")));
            QFile guide(chemin);
            QVERIFY(guide.open(QIODevice::WriteOnly));
        }
        std::unique_ptr<Propos> propos(new Propos(dossier.chemin()));
        DialogsEnregistreur dialogs;
        propos->setDialogs(&dialogs);
        QStringList t = textes({"About", "B", "C", "D"});
        t[445] = QStringLiteral("Guide not opened:");
        TraduitPropos(*propos, t);
        QList<QUrl> ouvertes;
        propos->setOuvreAdresse([&](const QUrl& url) {
            ouvertes << url;
            return opens;
        });
        propos->show(); // a click on the label
        QTest::mouseClick(propos->findChild<QLabel*>(QStringLiteral("Label4")), Qt::LeftButton);
        QCOMPARE(ouvertes, installed ? QList<QUrl>{QUrl::fromLocalFile(chemin)} : QList<QUrl>{});
        const QStringList attendu{QStringLiteral("Guide not opened:\n") +
                                  QDir::toNativeSeparators(chemin)};
        QCOMPARE(dialogs.messages, told ? attendu : QStringList{});
    }

    void aboutCommandTakesEachOpeningsLanguageAndLeavesNoWindow() {
        DossierProgramme dossier;
        QWidget fenetrePrincipale;
        DialogsEnregistreur dialogs;
        const QStringList en{"About", "Inertia calculator", "Written by"};
        const QStringList fr{"\u00c0 propos", "Calcul d'inertie", "\u00c9crit par"};
        for (const QStringList& t : {en, fr})
            QCOMPARE(ouvrePropos(dialogs, dossier.chemin(), textes(t), &fenetrePrincipale),
                     int(QDialog::Accepted));
        QCOMPARE(dialogs.vus, (QList<QStringList>{en, fr}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(fenetrePrincipale.findChildren<Propos*>().isEmpty());
    }

    void shippedStripHasSixEqualFramesThatMove() {
        const QString bande = QStringLiteral(OSTREL_PROGRAM_DIR_FOR_TESTS) + Propos::FichierBande;
        PicClip clip;
        QVERIFY(clip.charge(bande));
        QCOMPARE(clip.tailleCellule().width() * PicClip::Cellules, QImage(bande).width());
        for (int n = 0; n + 1 < PicClip::Cellules; ++n)
            QVERIFY(!clip.cellule(n).isNull() && clip.cellule(n) != clip.cellule(n + 1));
    }
};

QTEST_MAIN(TestPropos)
#include "tst_about.moc"
