// The main window driven as a user drives it: real key and mouse events in an offscreen window
// started in a temporary program folder, with every message box recorded.
#include "app/editeur.h"
#include "app/ostrel.h"
#include "language/langue.h"
#include "language/translationstore.h"
#include "platform/dialogs.h"
#include "solids/catalogue.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <clocale>
#include <memory>

using namespace ostrel;

namespace {

// Records every box and window; one the test did not announce with expect() fails the test.
class RecordingDialogs : public Dialogs {
public:
    struct Box {
        QString text;
        MessageIcon icon;
        QString title;
    };
    std::vector<Box> boxes;
    QStringList windows; // captions of the modal windows shown
    int expected = 0, expectedWindows = 0;

    void expect(int n = 1) { expected += n; }
    static void unexpected(const QString& what) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected ") + what), __FILE__, __LINE__);
    }
    void message(const QString& text, MessageIcon icon, const QString& title) override {
        boxes.push_back({text, icon, title});
        if (static_cast<int>(boxes.size()) > expected) unexpected(QStringLiteral("box: ") + text);
    }
    bool question(const QString& text, const QString&) override {
        unexpected(QStringLiteral("question: ") + text);
        return false;
    }
    QString saveFileName(const QString& title, const QString&, const QString&) override {
        unexpected(QStringLiteral("file dialog: ") + title);
        return {};
    }
    int exec(QDialog& dialog) override {
        windows << dialog.windowTitle();
        if (windows.size() > expectedWindows) unexpected(QStringLiteral("modal window"));
        return 0;
    }
};

// The offscreen platform warns about every window resize; nothing to learn from that.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("propagateSizeHints")) && previousHandler)
        previousHandler(type, context, text);
}

// The editor after choosing the kinds of keys in turn: the boxes shown (Text5 ... Text8 as
// 5 ... 8), their captions ("*79": entry 79), the mass mode, Text3 and its unit and caption.
struct Setup {
    const char* keys;
    const char* shown;
    const char* letters;
    bool densityOffered;
    bool totalMass;
    const char* text3;
    const char* unit;
    int massEntry;
};
const Setup kSetups[] = {
    {"MasseExc", "5", "R,,,", false, true, "", "kg", 9},
    {"Polygone", "568", "*79,D,,H", true, false, "7850", "kg/m³", 36},
    {"Plateau", "68", ",D,,H", true, true, "", "kg", 9},
    {"TubeHorExc Couronne", "678", ",D,d,H", true, true, "", "kg", 9},
    {"DiversIner", "567", "*40,*81,*11,", false, true, "", "kg", 9},
    {"Convoyeur", "678", ",D,*83,*84", false, true, "", "kg", 82},
    {"MasseDese", "58", "R,,,*80", false, true, "", "kg", 9},
};

const char* const kDimensionBoxes[4] = {"Text5", "Text6", "Text7", "Text8"};
const char* const kLetterLabels[4] = {"Label7", "Label8", "Label9", "Label10"};
const char* const kUnitLabels[4] = {"Label4", "Label19", "Label20", "Label25"};

} // namespace

class TestOstrelWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    RecordingDialogs dialogs_;
    std::unique_ptr<Ostrel> w_;

    QString programDir() const { return dir_->path() + QLatin1Char('/'); }

    // A fresh program folder holding the build's store and pictures.
    void makeProgramFolder(bool withStore) {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        const QDir source(QStringLiteral(OSTREL_PROGRAM_DIR));
        QVERIFY(QDir(programDir()).mkpath(QStringLiteral("images")));
        const QStringList pictures =
            source.entryList({QStringLiteral("*.bmp"), QStringLiteral("*.BMP")}, QDir::Files);
        for (const QString& f : pictures)
            QFile::copy(source.filePath(f), programDir() + f);
        const QDir images(source.filePath(QStringLiteral("images")));
        for (const QString& f : images.entryList(QDir::Files))
            QFile::copy(images.filePath(f), programDir() + QStringLiteral("images/") + f);
        if (withStore)
            QVERIFY(QFile::copy(source.filePath(QStringLiteral("Lenguas.db")),
                                programDir() + QStringLiteral("Lenguas.db")));
    }

    void startWindow() {
        w_ = std::make_unique<Ostrel>(programDir(), dialogs_);
        QVERIFY(w_->ok());
        w_->setQuitHandler([] {});
        w_->show();
        QApplication::setActiveWindow(w_.get());
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }

    template <typename T> T* get(const char* name) const {
        T* found = w_->findChild<T*>(QLatin1String(name));
        if (!found) qWarning("no control %s", name);
        return found;
    }
    QLineEdit* box(const char* name) const { return get<QLineEdit>(name); }
    QString caption(const char* name) const { return get<QLabel>(name)->text(); }
    QAction* toolButton(const QString& key) const {
        return get<QToolBar>("Toolbar2")->findChild<QAction*>(QStringLiteral("Toolbar2_") + key);
    }
    void clickToolbar(const QString& key) {
        QAction* action = toolButton(key);
        QVERIFY(action && action->isVisible());
        QWidget* button = get<QToolBar>("Toolbar2")->widgetForAction(action);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Shows the group of the kind's button, then clicks it.
    void chooseKind(const QString& key) {
        const int button = toolButton(key)->property("button").toInt();
        for (const GroupCommand& g : groupCommands())
            if (button >= g.firstVisible && button <= g.lastVisible)
                clickToolbar(QLatin1String(g.key));
        clickToolbar(key);
    }
    void type(const char* name, const QString& text) {
        QLineEdit* b = box(name);
        QTest::mouseClick(b, Qt::LeftButton);
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        QTest::keyClicks(b, text);
    }
    QStringList results() const {
        return {caption("Label14"), caption("Label17"), caption("Label21"), caption("Label22")};
    }
    QString cell(const char* grid, int row, int column) const {
        const QAbstractItemModel* m = get<QTableView>(grid)->model();
        return m->index(row, column).data().toString();
    }
    int partRows() const { return get<QTableView>("Grille1")->model()->rowCount(); }
    QStringList totals() const {
        return {cell("Grille2", 0, 1), cell("Grille2", 0, 2), cell("Grille2", 0, 3),
                cell("Grille2", 0, 4)};
    }
    // The disc of 1000 x 100 mm in steel, typed key by key: 617 kg, 77.07 kgm².
    void typeSteelDisc() {
        clickToolbar(QStringLiteral("Plateau"));
        QTest::mouseClick(get<QRadioButton>("MasseSpecifique"), Qt::LeftButton);
        type("Text6", QStringLiteral("1000"));
        type("Text8", QStringLiteral("100"));
    }
    // The working language as the store gives it, loaded apart from the window.
    Langue loadLanguage(const QString& name) const {
        TranslationStore store(QStringLiteral("test-langues"));
        Langue l;
        l.courante = name;
        if (store.open(programDir() + QStringLiteral("Lenguas.db"))) ChargeLangue(store, l);
        return l;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true); // no user configuration takes part
        previousHandler = qInstallMessageHandler(quietHandler);
        QVERIFY2(QFile::exists(QStringLiteral(OSTREL_PROGRAM_DIR "Lenguas.db")),
                 "the build's program folder holds no Lenguas.db");
    }

    void init() {
        dialogs_ = RecordingDialogs();
        makeProgramFolder(true);
        startWindow();
    }

    void cleanup() {
        w_.reset();
        QCOMPARE(static_cast<int>(dialogs_.boxes.size()), dialogs_.expected);
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    }

    void kindSetupShowsItsInputs_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kSetups)); ++i)
            QTest::newRow(kSetups[i].keys) << i;
    }
    void kindSetupShowsItsInputs() {
        QFETCH(int, row);
        const Setup& setup = kSetups[row];
        for (const QString& key : QString::fromLatin1(setup.keys).split(QLatin1Char(' '))) {
            box("Text1")->setText(QStringLiteral("5"));
            box("Text2")->setText(QStringLiteral("3"));
            chooseKind(key);
        }
        const QStringList letters = QString::fromLatin1(setup.letters).split(QLatin1Char(','));
        for (int i = 0; i < 4; ++i) {
            const bool visible = QByteArray(setup.shown).contains(char('5' + i));
            QCOMPARE(!box(kDimensionBoxes[i])->isHidden(), visible);
            QCOMPARE(!get<QLabel>(kUnitLabels[i])->isHidden(), visible);
            QCOMPARE(caption(kUnitLabels[i]), QStringLiteral("mm"));
            const QString& l = letters[i];
            QCOMPARE(caption(kLetterLabels[i]),
                     l.startsWith(QLatin1Char('*')) ? w_->langue().texte(l.mid(1).toInt()) : l);
        }
        QCOMPARE(!get<QRadioButton>("MasseSpecifique")->isHidden(), setup.densityOffered);
        QCOMPARE(get<QRadioButton>("MasseTotal")->isChecked(), setup.totalMass);
        QCOMPARE(box("Text3")->text(), QString::fromUtf8(setup.text3));
        QCOMPARE(caption("Label6"), QString::fromUtf8(setup.unit));
        QCOMPARE(caption("Label1"), w_->langue().texte(setup.massEntry));
        QCOMPARE(box("Text1")->text(), QStringLiteral("1"));
        QCOMPARE(box("Text2")->text(), QStringLiteral("1"));
        QVERIFY(results().join(QString()).isEmpty());
        QVERIFY(!w_->editeur().image1File().isEmpty());
    }

    void enterMovesAlongTheChain_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("disc") << "Plateau"
                              << "Text3"
                              << "Text6";
        QTest::newRow("point mass") << "MasseExc"
                                    << "Text3"
                                    << "Text5";
        QTest::newRow("arm") << "Bras"
                             << "Text3"
                             << "Text6";
        QTest::newRow("sphere") << "Bille"
                                << "Text6"
                                << "Plus";
        QTest::newRow("quantity") << "Plateau"
                                  << "Text1"
                                  << "Text2";
    }
    void enterMovesAlongTheChain() {
        QFETCH(QString, key);
        QFETCH(QString, from);
        QFETCH(QString, to);
        chooseKind(key);
        QLineEdit* start = box(qPrintable(from));
        QTest::mouseClick(start, Qt::LeftButton);
        QTest::keyPress(start, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
    }

    void focusColoursAndReleaseAfterEnter() {
        typeSteelDisc();
        QLineEdit* quantity = box("Text1");
        QTest::mouseClick(quantity, Qt::LeftButton);
        QCOMPARE(quantity->palette().color(QPalette::Base), QColor(0, 255, 255));
        quantity->setText(QStringLiteral("2"));
        QTest::keyPress(quantity, Qt::Key_Return);
        QCOMPARE(quantity->palette().color(QPalette::Base), QColor(255, 255, 255));
        QLineEdit* ratio = box("Text2");
        QCOMPARE(ratio->palette().color(QPalette::Base), QColor(0, 255, 255));
        // The release of Enter arrives in the ratio box and computes Q = 2, k = 1.
        QCOMPARE(results()[0], QStringLiteral("617"));
        QTest::keyRelease(ratio, Qt::Key_Return);
        QCOMPARE(results()[0], QStringLiteral("1233"));
        // A text set without a key release is not computed until the next release.
        ratio->setText(QStringLiteral("2"));
        QCOMPARE(results()[1], QStringLiteral("154.13"));
        QTest::keyRelease(ratio, Qt::Key_Shift);
        QCOMPARE(results()[1], QStringLiteral("38.53"));
    }

    void massModeSwitchRecomputes() {
        clickToolbar(QStringLiteral("Plateau"));
        type("Text6", QStringLiteral("1000"));
        type("Text8", QStringLiteral("100"));
        QVERIFY(results()[0].isEmpty()); // no mass yet
        QTest::mouseClick(get<QRadioButton>("MasseSpecifique"), Qt::LeftButton);
        QCOMPARE(results()[0], QStringLiteral("617"));
        QCOMPARE(caption("Label1"), w_->langue().texte(36));
        QCOMPARE(QApplication::focusWidget(), box("Text1"));
        QTest::mouseClick(get<QRadioButton>("MasseTotal"), Qt::LeftButton);
        QCOMPARE(box("Text3")->text(), QString());
        QCOMPARE(caption("Label6"), QStringLiteral("kg"));
        QCOMPARE(results()[0], QString());
        QCOMPARE(results()[1], QStringLiteral("."));
    }

    void inconsistentInputsAreToldAndCorrected_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("inputs"); // box, text, ...; the last one is told
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("corrected");
        QTest::addColumn<QString>("correction");
        const int info = int(MessageIcon::Information);
        QTest::newRow("cone") << "TroncCone"
                              << QStringList{"Text3", "100", "Text6", "400", "Text7", "400"} << info
                              << "Text7"
                              << "";
        QTest::newRow("polygon") << "Polygone" << QStringList{"Text6", "1000", "Text5", "2"} << info
                                 << "Text5"
                                 << "3";
        QTest::newRow("torus") << "Tore"
                               << QStringList{"Text3", "10", "Text6", "50", "Text7", "100"}
                               << int(MessageIcon::Exclamation) << "Text6"
                               << "5";
    }
    void inconsistentInputsAreToldAndCorrected() {
        QFETCH(QString, key);
        QFETCH(QStringList, inputs);
        QFETCH(int, icon);
        QFETCH(QString, corrected);
        QFETCH(QString, correction);
        chooseKind(key);
        for (qsizetype i = 0; i + 2 < inputs.size(); i += 2)
            type(qPrintable(inputs[i]), inputs[i + 1]);
        dialogs_.expect();
        type(qPrintable(inputs[inputs.size() - 2]), inputs.back());
        QCOMPARE(static_cast<int>(dialogs_.boxes.size()), 1);
        QCOMPARE(int(dialogs_.boxes.front().icon), icon);
        QCOMPARE(dialogs_.boxes.front().title, w_->windowTitle());
        QCOMPARE(box(qPrintable(corrected))->text(), correction);
        if (key == QLatin1String("TroncCone")) // the emptied box takes the focus
            QCOMPARE(QApplication::focusWidget(), box(qPrintable(corrected)));
    }

    void toolbarButtonAndMenuItemGiveTheSameEditor() {
        clickToolbar(QStringLiteral("Bille"));
        const QString picture = w_->editeur().image1File();
        QCOMPARE(w_->editeur().image3(), 12);
        QVERIFY(!get<QLabel>("Image3")->pixmap().isNull());
        clickToolbar(QStringLiteral("Plateau"));
        get<QAction>("M_ObjetCentreSphere")->trigger();
        QCOMPARE(w_->editeur().typeSolide(), 9);
        QCOMPARE(w_->editeur().image3(), 12);
        QCOMPARE(w_->editeur().image1File(), picture);
        QVERIFY(picture.endsWith(QLatin1String("Bille.bmp"), Qt::CaseInsensitive));
        QVERIFY(!box("Text6")->isHidden());
        QVERIFY(box("Text8")->isHidden());
    }

    void groupCommandsShowTheirKinds() {
        QToolBar* bar = get<QToolBar>("Toolbar2");
        auto visibleButtons = [bar] {
            QList<int> shown;
            for (QAction* a : bar->actions())
                if (a->isVisible() && !a->property("key").toString().isEmpty())
                    shown << a->property("button").toInt();
            return shown;
        };
        const QList<int> fixed{2, 3, 4};
        QCOMPARE(visibleButtons(),
                 (fixed + QList<int>{6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 28, 30}));
        get<QAction>("M_InertieBarreDivers")->trigger();
        QCOMPARE(visibleButtons(), (fixed + QList<int>{23, 24, 25, 28, 30}));
        clickToolbar(QStringLiteral("SolidesExcentres"));
        QCOMPARE(visibleButtons(), (fixed + QList<int>{16, 17, 18, 19, 20, 21, 22, 28, 30}));
    }

    void hintsFollowTheLanguage() {
        QCOMPARE(toolButton(QStringLiteral("Convoyeur"))->toolTip(), QString());
        QCOMPARE(toolButton(QStringLiteral("Plateau"))->toolTip(), w_->langue().texte(44));
        QCOMPARE(toolButton(QStringLiteral("DiversInertie"))->toolTip(), w_->langue().texte(1));
        QCOMPARE(toolButton(QStringLiteral("Quitter"))->toolTip(), QString());
    }

    void quitCommandsEndTheProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << "Ok";
        QTest::newRow("menu") << "M_InertieFinCalcul";
        QTest::newRow("toolbar") << "Quitter";
    }
    void quitCommandsEndTheProgram() {
        QFETCH(QString, how);
        int quits = 0;
        w_->setQuitHandler([&quits] { ++quits; });
        typeSteelDisc();
        QTest::mouseClick(get<QPushButton>("Plus"), Qt::LeftButton);
        QCOMPARE(partRows(), 1);
        if (how == QLatin1String("Ok"))
            QTest::mouseClick(get<QPushButton>("Ok"), Qt::LeftButton);
        else if (how == QLatin1String("Quitter"))
            clickToolbar(how);
        else
            get<QAction>(qPrintable(how))->trigger();
        QCOMPARE(quits, 1);
        QVERIFY(!w_->isVisible());
    }

    void choosingALanguageTranslatesAndRemembersIt() {
        const Langue before = w_->langue();
        QAction* other = nullptr;
        for (int i = 1; i <= 9 && !other; ++i) {
            QAction* item =
                get<QAction>(qPrintable(QStringLiteral("FichierLanguesDisponibles%1").arg(i)));
            if (item->isVisible() && item->text().remove(QLatin1Char('&')) != before.courante)
                other = item;
        }
        QVERIFY2(other, "the store offers a single language");
        const QString name = other->text().remove(QLatin1Char('&'));
        const Langue expected = loadLanguage(name);
        QCOMPARE(expected.courante, name);
        clickToolbar(QStringLiteral("Polygone")); // density mode
        const QString heading =
            get<QTableView>("Grille1")->model()->headerData(2, Qt::Horizontal).toString();
        other->trigger();
        QCOMPARE(w_->langue().courante, name);
        QCOMPARE(w_->windowTitle(), expected.texte(12));
        QCOMPARE(get<QMenu>("M_ObjetCentre")->title(), expected.texte(14));
        QCOMPARE(get<QAction>("M_InertieApercu")->text(), expected.texte(437));
        QCOMPARE(caption("Label1"), expected.texte(9)); // in density mode too
        // Set at startup only: the grid headings keep the language of the start.
        QCOMPARE(get<QTableView>("Grille1")->model()->headerData(2, Qt::Horizontal).toString(),
                 heading);
        QFile cfg(programDir() + QStringLiteral("Ostrel.cfg"));
        QVERIFY(cfg.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(cfg.readAll()), name + QStringLiteral("\r\n"));
        // The next start works in the chosen language.
        w_.reset();
        startWindow();
        QCOMPARE(w_->langue().courante, name);
    }

    void startsWithoutConfigurationInTheDefaultLanguage() {
        TranslationStore store(QStringLiteral("test-fields"));
        QVERIFY(store.open(programDir() + QStringLiteral("Lenguas.db")));
        QCOMPARE(w_->langue().courante, store.fieldNames().value(3));
        QVERIFY(!QFile::exists(programDir() + QStringLiteral("Ostrel.cfg")));
        // The grids: the heading row only, the hidden columns kept, empty totals.
        QTableView* grid = get<QTableView>("Grille1");
        QCOMPARE(partRows(), 0);
        QCOMPARE(grid->model()->headerData(3, Qt::Horizontal).toString(), w_->langue().texte(41));
        QCOMPARE(grid->model()->headerData(14, Qt::Horizontal).toString(), QStringLiteral("N"));
        for (int c = 0; c < 15; ++c)
            QCOMPARE(grid->isColumnHidden(c), c == 5 || c == 8 || c == 9 || c == 14);
        const int twips685 = qRound(685 * grid->logicalDpiX() / 1440.0);
        QCOMPARE(grid->columnWidth(2), twips685);
        QCOMPARE(cell("Grille2", 0, 0), w_->langue().texte(385));
        QCOMPARE(totals(), (QStringList{"", "", "", ""}));
        QCOMPARE(w_->editeur().typeSolide(), 0);
    }

    void startWithoutStoreFailsNamingTheFile() {
        w_.reset();
        makeProgramFolder(false);
        dialogs_.expect();
        Ostrel window(programDir(), dialogs_);
        QVERIFY(!window.ok());
        QCOMPARE(static_cast<int>(dialogs_.boxes.size()), 1);
        QVERIFY2(dialogs_.boxes.front().text.contains(QLatin1String("Lenguas.db")),
                 qPrintable(dialogs_.boxes.front().text));
    }

    void missingOrUnreadablePictureLeavesAnEmptyPicture() {
        QVERIFY(QFile::remove(ImageListPath(QStringLiteral("Bille.bmp"))));
        clickToolbar(QStringLiteral("Bille"));
        QCOMPARE(w_->editeur().typeSolide(), 9);
        QVERIFY(w_->editeur().image1File().isEmpty());
        QVERIFY(get<QLabel>("Image1")->pixmap().isNull());
        QVERIFY(!box("Text6")->isHidden());
        // A file that is no picture shows nothing either.
        QFile garbage(ImageListPath(QStringLiteral("plateau.bmp")));
        QVERIFY(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
        garbage.write("BM not a bitmap");
        garbage.close();
        clickToolbar(QStringLiteral("Plateau"));
        QCOMPARE(w_->editeur().typeSolide(), 1);
        QVERIFY(get<QLabel>("Image1")->pixmap().isNull());
    }

    void addingALineFillsTheListAndClearsTheEditor() {
        typeSteelDisc();
        QCOMPARE(results(), (QStringList{"617", "77.07", ".", "."}));
        QTest::mouseClick(get<QPushButton>("Plus"), Qt::LeftButton);
        QCOMPARE(partRows(), 1);
        QCOMPARE(cell("Grille1", 0, 1), QStringLiteral("617."));
        QCOMPARE(cell("Grille1", 0, 2), QStringLiteral("77.07"));
        QCOMPARE(cell("Grille1", 0, 3), QStringLiteral("0"));
        QCOMPARE(cell("Grille1", 0, 4), QStringLiteral("0"));
        QCOMPARE(cell("Grille1", 0, 9), QStringLiteral("1"));
        QCOMPARE(cell("Grille1", 0, 14), QStringLiteral("1"));
        QCOMPARE(totals(), (QStringList{"617", "77.07", "0", "0"}));
        // The editor is ready for the next disc: same boxes and letters, units hidden.
        QCOMPARE(box("Text1")->text(), QStringLiteral("1"));
        QCOMPARE(box("Text3")->text(), QString());
        QCOMPARE(box("Text6")->text(), QString());
        QVERIFY(!box("Text6")->isHidden() && !box("Text8")->isHidden());
        QVERIFY(box("Text7")->isHidden());
        QCOMPARE(caption("Label8"), QStringLiteral("D"));
        QVERIFY(get<QLabel>("Label19")->isHidden());
        QVERIFY(get<QRadioButton>("MasseTotal")->isChecked());
        QVERIFY(results().join(QString()).isEmpty());
        QCOMPARE(w_->editeur().typeSolide(), 1);
        // A second disc, then one taken back: the totals follow.
        typeSteelDisc();
        QTest::mouseClick(get<QPushButton>("Plus"), Qt::LeftButton);
        QCOMPARE(totals(), (QStringList{"1234", "154.14", "0", "0"}));
        QTest::mouseClick(get<QPushButton>("Moins"), Qt::LeftButton);
        QCOMPARE(partRows(), 1);
        QCOMPARE(totals(), (QStringList{"617", "77.07", "0", "0"}));
    }

    void doubleClickTakesTheRowBack() {
        chooseKind(QStringLiteral("RectExc"));
        for (auto [name, text] : {std::pair{"Text1", "2"},
                                  {"Text5", "300"},
                                  {"Text6", "200"},
                                  {"Text7", "100"},
                                  {"Text8", "50"}})
            type(name, QLatin1String(text));
        QTest::mouseClick(get<QRadioButton>("MasseSpecifique"), Qt::LeftButton);
        QTest::keyClick(box("Text1"), Qt::Key_End);
        const QStringList computed = results();
        QTest::mouseClick(get<QPushButton>("Plus"), Qt::LeftButton);
        chooseKind(QStringLiteral("Plateau"));
        QTableView* grid = get<QTableView>("Grille1");
        const QRect row = grid->visualRect(grid->model()->index(0, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(partRows(), 0);
        QCOMPARE(totals(), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(w_->editeur().typeSolide(), 15);
        QCOMPARE(w_->editeur().image3(), 19);
        QVERIFY(w_->editeur().image1File().endsWith(QLatin1String("RectanEx.bmp"),
                                                    Qt::CaseInsensitive));
        QVERIFY(get<QRadioButton>("MasseSpecifique")->isChecked());
        QCOMPARE(caption("Label6"), QStringLiteral("kg/m³"));
        QCOMPARE(box("Text1")->text(), QStringLiteral("2"));
        QCOMPARE(box("Text3")->text(), QStringLiteral("7850"));
        QCOMPARE(box("Text5")->text(), QStringLiteral("300"));
        QCOMPARE(box("Text8")->text(), QStringLiteral("50"));
        QCOMPARE(results(), computed);
        // Nothing left to take back.
        QTest::mouseClick(get<QPushButton>("Moins"), Qt::LeftButton);
        QCOMPARE(w_->editeur().typeSolide(), 15);
    }

    void takeBackKeepsTheStoredMassWhateverTheRatio() {
        clickToolbar(QStringLiteral("Bras"));
        type("Text2", QStringLiteral("2"));
        type("Text3", QStringLiteral("30"));
        type("Text6", QStringLiteral("1000"));
        const QStringList computed = results();
        QCOMPARE(computed[1], QStringLiteral("2.5")); // 30 * 1 / 3 / 2²
        QTest::mouseClick(get<QPushButton>("Plus"), Qt::LeftButton);
        QTest::mouseClick(get<QPushButton>("Moins"), Qt::LeftButton);
        QCOMPARE(box("Text2")->text(), QStringLiteral("2"));
        QCOMPARE(box("Text3")->text(), QStringLiteral("30"));
        QCOMPARE(results(), computed);
    }

    void refusedLineChangesNothing() {
        chooseKind(QStringLiteral("DiversIner"));
        type("Text3", QStringLiteral("5"));
        type("Text5", QStringLiteral("1"));
        type("Text6", QStringLiteral("-2"));
        type("Text7", QStringLiteral("3"));
        dialogs_.expect();
        QTest::mouseClick(get<QPushButton>("Plus"), Qt::LeftButton);
        QCOMPARE(static_cast<int>(dialogs_.boxes.size()), 1);
        QCOMPARE(dialogs_.boxes.front().text, w_->langue().texte(346) + w_->langue().texte(347));
        QCOMPARE(dialogs_.boxes.front().icon, MessageIcon::Exclamation);
        QCOMPARE(partRows(), 0);
        QCOMPARE(totals(), (QStringList{"", "", "", ""}));
        QCOMPARE(box("Text6")->text(), QStringLiteral("-2")); // the editor keeps the line
    }

    void printAndAboutGoThroughTheDialogs() {
        dialogs_.expect(); // nothing to print yet
        get<QAction>("M_InertieImprime")->trigger();
        QCOMPARE(static_cast<int>(dialogs_.boxes.size()), 1);
        QCOMPARE(dialogs_.boxes.front().text, w_->langue().texte(43));
        dialogs_.expectedWindows = 1;
        get<QAction>("M_InertieProposito")->trigger();
        QCOMPARE(dialogs_.windows, QStringList{w_->langue().texte(8)});
    }

    void gridWidthsAreCoupledOnClick() {
        typeSteelDisc();
        QTest::mouseClick(get<QPushButton>("Plus"), Qt::LeftButton);
        QTableView* list = get<QTableView>("Grille1");
        QTableView* totalsLine = get<QTableView>("Grille2");
        totalsLine->setColumnWidth(2, 123);
        QTest::mouseClick(totalsLine->viewport(), Qt::LeftButton, {},
                          totalsLine->visualRect(totalsLine->model()->index(0, 1)).center());
        QCOMPARE(list->columnWidth(2), 123);
        list->setColumnWidth(1, 97); // a heading drag keeps the totals under their column
        QCOMPARE(totalsLine->columnWidth(1), 97);
        for (int c = 0; c < 5; ++c)
            QCOMPARE(totalsLine->columnWidth(c), list->columnWidth(c));
    }

    void numbersKeepThePointUnderACommaLocale() {
        w_.reset();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const bool cLocale = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        startWindow();
        typeSteelDisc();
        QCOMPARE(results()[1], QStringLiteral("77.07"));
        QTest::mouseClick(get<QPushButton>("Plus"), Qt::LeftButton);
        QCOMPARE(cell("Grille1", 0, 2), QStringLiteral("77.07"));
        QCOMPARE(totals()[1], QStringLiteral("77.07"));
        if (!cLocale) qInfo("de_DE.UTF-8 is not installed: only Qt's default locale was German");
    }

private:
    QString ImageListPath(const QString& name) const { return programDir() + name; }
};

QTEST_MAIN(TestOstrelWindow)
#include "tst_ostrelwindow.moc"
