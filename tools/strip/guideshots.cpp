// Takes the screenshots of the user guide from the real main window and About window: a few
// part lines are typed and added the way a user would, then each view is grabbed into
// docs/images. Run by hand when the window changes (target ostrel_guideshots):
//
//   ostrel_guideshots <program folder of a build> <docs/images>
//
// The program folder is copied first, so that nothing is written into the build's own.

#include "about/propos.h"
#include "app/editeur.h"
#include "app/ostrel.h"
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
class DialogsMuets : public ostrel::Dialogs {
public:
    void message(const QString& text, ostrel::MessageIcon, const QString&) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool question(const QString&, const QString&) override { return false; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    int exec(QDialog&) override { return 0; }
    ostrel::SaveChoice askToSave(const QString&, const QString&) override {
        return ostrel::SaveChoice::Discard;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
};

bool copieDossier(const QString& dossier, const QString& cible) {
    const QString source = QDir(dossier).absolutePath();
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString fichier = it.next();
        const QString copie = cible + QDir(source).relativeFilePath(fichier);
        QDir().mkpath(QFileInfo(copie).path());
        if (!QFile::copy(fichier, copie)) return false;
    }
    return true;
}

void tape(ostrel::Editeur& editeur, ostrel::InputBox box, const char* texte) {
    QLineEdit* edit = editeur.box(box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QString::fromLatin1(texte));
}

void densite(ostrel::Ostrel& fenetre) {
    QTest::mouseClick(fenetre.findChild<QRadioButton*>(QStringLiteral("MasseSpecifique")),
                      Qt::LeftButton);
}

bool enregistre(QWidget& widget, const QString& chemin, const QRect& zone = {}) {
    QCoreApplication::processEvents();
    QTest::qWait(200);
    const QPixmap image = zone.isNull() ? widget.grab() : widget.grab(zone);
    if (image.save(chemin, "PNG", 9)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
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
    QTemporaryDir dossier;
    const QString programme = dossier.path() + QLatin1Char('/');
    if (!copieDossier(QString::fromLocal8Bit(argv[1]), programme)) return 1;
    const QString images = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');

    DialogsMuets dialogs;
    ostrel::Ostrel fenetre(programme, dialogs);
    if (!fenetre.ok()) return 1;
    fenetre.resize(900, 640);
    fenetre.show();
    QTest::qWait(300);
    ostrel::Editeur& editeur = fenetre.editeur();
    using ostrel::InputBox;

    // Two steel discs, a ring on a 1:2 ratio, then a sphere left in the editor.
    fenetre.kindCommand(1);
    densite(fenetre);
    tape(editeur, InputBox::Text1, "2");
    tape(editeur, InputBox::Text6, "1000");
    tape(editeur, InputBox::Text8, "100");
    fenetre.AjoutePiece();
    fenetre.kindCommand(2);
    densite(fenetre);
    tape(editeur, InputBox::Text2, "2");
    tape(editeur, InputBox::Text6, "1000");
    tape(editeur, InputBox::Text7, "600");
    tape(editeur, InputBox::Text8, "100");
    fenetre.AjoutePiece();
    fenetre.kindCommand(18);
    tape(editeur, InputBox::Text3, "100");
    tape(editeur, InputBox::Text6, "500");
    tape(editeur, InputBox::Text7, "50");
    tape(editeur, InputBox::Text8, "0.1");
    fenetre.AjoutePiece();
    fenetre.kindCommand(1);
    densite(fenetre);
    tape(editeur, InputBox::Text6, "400");
    tape(editeur, InputBox::Text8, "60");

    bool ok = enregistre(fenetre, images + QStringLiteral("main-window.png"));
    ok = enregistre(editeur, images + QStringLiteral("editor.png")) && ok;
    QWidget* centre = fenetre.centralWidget();
    const QRect liste(0, editeur.geometry().bottom() + 1, centre->width(),
                      centre->height() - editeur.geometry().bottom() - 1);
    ok = enregistre(*centre, images + QStringLiteral("parts-list.png"), liste) && ok;

    auto* propos = new ostrel::Propos(programme, ostrel::versionProgramme(), &fenetre);
    ostrel::TraduitPropos(*propos, fenetre.langue().textes);
    propos->show();
    QTest::qWait(300);
    ok = enregistre(*propos, images + QStringLiteral("about.png")) && ok;
    delete propos;
    return ok ? 0 : 1;
}
