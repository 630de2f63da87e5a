// The display of results in the main window: the choice from its menus, the editor's captions
// and units, the list and totals, the hint on results the classic masks hide, and the choice
// kept per user. Offscreen, in a temporary program folder and a temporary user configuration.
#include "app/displaymenu.h"
#include "app/displaysettings.h"
#include "app/editeur.h"
#include "app/ostrel.h"
#include "app/projectcommands.h"
#include "platform/dialogs.h"
#include "programfolder.h"
#include "solids/catalogue.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace ostrel;

namespace {

// Any box at all fails the test: choosing a display never asks or tells anything.
class NoDialogs : public Dialogs {
public:
    int shown = 0;
    void message(const QString& text, MessageIcon, const QString&) override { fail(text); }
    bool question(const QString& text, const QString&) override { return fail(text); }
    QString saveFileName(const QString& title, const QString&, const QString&) override {
        fail(title);
        return {};
    }
    int exec(QDialog& dialog) override { return fail(dialog.windowTitle()); }
    SaveChoice askToSave(const QString& text, const QString&) override {
        fail(text);
        return SaveChoice::Cancel;
    }
    QString openFileName(const QString& title, const QString&, const QString&) override {
        fail(title);
        return {};
    }

private:
    bool fail(const QString& what) {
        ++shown;
        QTest::qFail(qPrintable(QStringLiteral("unexpected box: ") + what), __FILE__, __LINE__);
        return false;
    }
};

QString withoutAccessKeys(QString s) {
    return s.remove(QLatin1Char('&'));
}

} // namespace

class TestDisplayChoice : public QObject {
    Q_OBJECT

private:
    QTemporaryDir config_;
    std::unique_ptr<QTemporaryDir> dir_;
    NoDialogs dialogs_;
    std::unique_ptr<Ostrel> w_;

    void startWindow() {
        QFile::remove(ProjectCommands::recoveryPath()); // no earlier test's list comes back
        w_ = std::make_unique<Ostrel>(dir_->path(), dialogs_);
        QVERIFY(w_->ok());
        w_->setQuitHandler([] {});
        w_->show();
        QApplication::setActiveWindow(w_.get());
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }
    template <typename T> T* get(const QString& name) const {
        T* found = w_->findChild<T*>(name);
        if (!found) qWarning("no control %s", qPrintable(name));
        return found;
    }
    QString caption(const QString& name) const { return get<QLabel>(name)->text(); }
    QStringList results() const {
        return {caption("Label14"), caption("Label17"), caption("Label21"), caption("Label22")};
    }
    QStringList units() const {
        return {caption("Label15"), caption("Label18"), caption("Label23"), caption("Label24")};
    }
    QString cell(const char* grid, int row, int column) const {
        return get<QTableView>(grid)->model()->index(row, column).data().toString();
    }
    QString heading(int column) const {
        return get<QTableView>("Grille1")->model()->headerData(column, Qt::Horizontal).toString();
    }
    int partRows() const { return get<QTableView>("Grille1")->model()->rowCount(); }
    QStringList totals() const {
        return {cell("Grille2", 0, 1), cell("Grille2", 0, 2), cell("Grille2", 0, 3),
                cell("Grille2", 0, 4)};
    }
    void clickToolbar(const QString& key) {
        auto* bar = get<QToolBar>("Toolbar2");
        QAction* action = bar->findChild<QAction*>(QStringLiteral("Toolbar2_") + key);
        QVERIFY(action);
        if (!action->isVisible()) {
            const int button = action->property("button").toInt();
            for (const GroupCommand& g : groupCommands())
                if (button >= g.firstVisible && button <= g.lastVisible)
                    QTest::mouseClick(bar->widgetForAction(bar->findChild<QAction*>(
                                          QStringLiteral("Toolbar2_") + QLatin1String(g.key))),
                                      Qt::LeftButton);
        }
        QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
    }
    void type(const QStringList& inputs) {
        for (qsizetype i = 0; i + 1 < inputs.size(); i += 2) {
            QLineEdit* b = get<QLineEdit>(inputs[i]);
            QTest::mouseClick(b, Qt::LeftButton);
            b->selectAll();
            QTest::keyClick(b, Qt::Key_Delete);
            QTest::keyClicks(b, inputs[i + 1]);
        }
    }
    // A 20 x 1000 mm steel shaft (7870 kg/m³) behind a ratio of 2: J = 3.091e-5 kg·m².
    void typeShaft() {
        clickToolbar(QStringLiteral("Plateau"));
        QTest::mouseClick(get<QRadioButton>("MasseSpecifique"), Qt::LeftButton);
        type({"Text2", "2", "Text3", "7870", "Text6", "20", "Text8", "1000"});
    }
    // A menu item of the display menu, as the user picks it.
    void pick(const QString& name) {
        QAction* item = w_->findChild<QAction*>(name);
        QVERIFY2(item, qPrintable(name));
        item->trigger();
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(config_.isValid());
        // The user's configuration folder of this run.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType t, const QMessageLogContext& c, const QString& text) {
                if (!text.contains(QLatin1String("propagateSizeHints"))) previous(t, c, text);
            });
    }

    void init() {
        QSettings().clear();
        dir_ = std::make_unique<QTemporaryDir>();
        const QString program = dir_->path() + QLatin1Char('/');
        QVERIFY(QDir(program).mkpath(QStringLiteral("images")));
        QVERIFY(copyProgramFolder(program));
        startWindow();
    }

    void cleanup() {
        w_.reset();
        QCOMPARE(dialogs_.shown, 0);
    }

    // The menu sits under Preferences and is the context menu of the result block, the list's
    // heading and the totals line; its items show the current choice.
    void theMenuIsWhereTheResultsAre() {
        auto* preferences = get<QMenu>("M_Idiomas");
        QMenu* menu = w_->displayMenu().menu();
        QVERIFY(preferences->actions().contains(menu->menuAction()));
        QCOMPARE(menu->title(), w_->langue().texte(450));
        for (QWidget* where :
             {w_->editeur().resultBlock(),
              static_cast<QWidget*>(get<QTableView>("Grille1")->horizontalHeader()),
              static_cast<QWidget*>(get<QTableView>("Grille2"))}) {
            QCOMPARE(where->contextMenuPolicy(), Qt::ActionsContextMenu);
            QVERIFY(where->actions().contains(menu->menuAction()));
        }
        // A right click on a result caption reaches the block's menu, not the label's own.
        QCOMPARE(get<QLabel>("Label17")->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(w_->displayMenu().digitsItem(Digits::Classic)->isChecked());
        QVERIFY(w_->displayMenu().unitItem(Quantity::Inertia, 0)->isChecked());
    }

    // In Classic the shaft's inertia reads "." with a hint naming the choice, and nothing else
    // changes; with significant digits in kg·cm² it reads 0.3091 and is added to the list.
    void shaftInClassicThenInKgCm2() {
        typeShaft();
        QCOMPARE(results(), (QStringList{"2", ".", ".", "."}));
        QCOMPARE(units(), (QStringList{"kg", QString::fromUtf8("kg·m²"), "Nm", "Nm"}));
        const QString hint = get<QLabel>("Label17")->toolTip();
        QVERIFY(hint.startsWith(w_->langue().texte(457)));
        QVERIFY(hint.endsWith(withoutAccessKeys(w_->langue().texte(450))));
        QVERIFY(get<QLabel>("Label14")->toolTip().isEmpty()); // 2 kg shows
        QVERIFY(get<QLabel>("Label21")->toolTip().isEmpty()); // truly zero

        QList<DisplayChoice> heard;
        connect(&w_->displaySettings(), &DisplaySettings::changed, this,
                [&heard](const DisplayChoice& c) { heard << c; });
        pick(QStringLiteral("M_Resultats_Inertie_kg.cm2")); // a unit brings 4 digits in
        const DisplayChoice kgcm2{Digits::Significant4, MassUnit::Kg, InertiaUnit::KgCm2,
                                  TorqueUnit::NM};
        QCOMPARE(heard, QList<DisplayChoice>{kgcm2});
        QVERIFY(w_->displayChoice() == kgcm2);
        QVERIFY(w_->displayMenu().digitsItem(Digits::Significant4)->isChecked());
        QCOMPARE(results(), (QStringList{"2.472", "0.3091", "0", "0"}));
        QCOMPARE(units(), (QStringList{"kg", "kg·cm²", "N·m", "N·m"}));
        QVERIFY(get<QLabel>("Label17")->toolTip().isEmpty());
        QCOMPARE(w_->editeur().line().captions[1], QStringLiteral(".")); // the list's cell text

        QTest::mouseClick(get<QWidget>("Plus"), Qt::LeftButton);
        QCOMPARE(partRows(), 1);
        QCOMPARE(cell("Grille1", 0, 2), QStringLiteral("0.3091"));
        QCOMPARE(heading(2), w_->langue().texte(40) + QStringLiteral(" kg·cm²"));
        QCOMPARE(totals(), (QStringList{"2.472", "0.3091", "0", "0"}));
        // The column is wide enough for the widest text it may show.
        QTableView* grid = get<QTableView>("Grille1");
        QVERIFY(grid->columnWidth(2) >= grid->fontMetrics().horizontalAdvance("-8.888E-88"));

        // Back to Classic: the list's classic cells and totals, the editor as today.
        pick(QStringLiteral("M_Resultats_Classique"));
        QCOMPARE(cell("Grille1", 0, 2), QStringLiteral("0"));
        QCOMPARE(heading(2), w_->langue().texte(40));
        QCOMPARE(totals(), (QStringList{"2", "0", "0", "0"}));
        QVERIFY(results().join(QString()).isEmpty()); // cleared after the add
        QCOMPARE(units(), (QStringList{"kg", QString::fromUtf8("kg·m²"), "Nm", "Nm"}));
    }

    // A line taken back under significant digits gives the editor what it gives today, and
    // its results show again in the chosen units.
    void takeBackWithSignificantDigits() {
        pick(QStringLiteral("M_Resultats_Chiffres6"));
        pick(QStringLiteral("M_Resultats_Masse_g"));
        QVERIFY(w_->displayChoice().digits == Digits::Significant6); // a unit keeps 6 digits
        typeShaft();
        const QStringList shown = results();
        QCOMPARE(shown, (QStringList{"2472.43", "3.09054E-05", "0", "0"}));
        QTest::mouseClick(get<QWidget>("Plus"), Qt::LeftButton);
        QCOMPARE(partRows(), 1);
        QTableView* grid = get<QTableView>("Grille1");
        grid->setCurrentIndex(grid->model()->index(0, 1));
        QTest::mouseClick(get<QWidget>("Moins"), Qt::LeftButton);
        QCOMPARE(partRows(), 0);
        QCOMPARE(totals(), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(get<QLineEdit>("Text2")->text(), QStringLiteral("2"));
        QCOMPARE(get<QLineEdit>("Text3")->text(), QStringLiteral("7870"));
        QCOMPARE(results(), shown);
    }

    // The choice is kept per user and read at the next start; the same choice again changes
    // nothing and is not announced.
    void theChoiceIsKeptForTheNextStart() {
        pick(QStringLiteral("M_Resultats_Couple_lbf.in"));
        pick(QStringLiteral("M_Resultats_Inertie_lb.ft2"));
        int heard = 0;
        connect(&w_->displaySettings(), &DisplaySettings::changed, this, [&heard] { ++heard; });
        pick(QStringLiteral("M_Resultats_Inertie_lb.ft2"));
        QCOMPARE(heard, 0);
        QSettings stored;
        QCOMPARE(stored.value("Results/digits").toString(), QStringLiteral("4"));
        QCOMPARE(stored.value("Results/inertia").toString(), QStringLiteral("lb.ft2"));
        QCOMPARE(stored.value("Results/torque").toString(), QStringLiteral("lbf.in"));
        w_.reset();
        startWindow();
        const DisplayChoice expected{Digits::Significant4, MassUnit::Kg, InertiaUnit::LbFt2,
                                     TorqueUnit::LbfIn};
        QVERIFY(w_->displayChoice() == expected);
        QVERIFY(w_->displayMenu().unitItem(Quantity::Torque, 2)->isChecked());
        QCOMPARE(units(), (QStringList{"kg", "lb·ft²", "lbf·in", "lbf·in"}));
    }

    // Stored values that are not a choice, or a file that cannot be read, fall back field by
    // field to Classic and SI units without a word; nothing out of range comes through.
    void badStoredValuesFallBackQuietly_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected"); // digits/mass/inertia/torque as stored texts
        QTest::newRow("good") << QByteArray("[Results]\ndigits=6\nmass=lb\ninertia=kg.mm2\n"
                                            "torque=N.cm\n")
                              << "6/lb/kg.mm2/N.cm";
        QTest::newRow("unknown digits and unit")
            << QByteArray("[Results]\ndigits=5\nmass=tonne\ninertia=kg.mm2\n")
            << "classic/kg/kg.mm2/N.m";
        QTest::newRow("spaces, a list, a number")
            << QByteArray("[Results]\ndigits=\" 4 \"\ninertia=kg.cm2, x\ntorque=3\n")
            << "4/kg/kg.m2/N.m";
        QTest::newRow("not settings at all")
            << QByteArray("\xff\xfe[Results\ndigits=\"4\n\x01") << "classic/kg/kg.m2/N.m";
        QTest::newRow("missing") << QByteArray() << "classic/kg/kg.m2/N.m";
    }
    void badStoredValuesFallBackQuietly() {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        QTemporaryDir d;
        const QString path = d.filePath("settings.ini");
        if (!file.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(file);
        }
        DisplaySettings settings(path);
        const DisplayTexts t = toTexts(settings.load());
        QCOMPARE(QStringList({t.digits, t.mass, t.inertia, t.torque}).join('/'), expected);
    }

    // A choice that cannot be stored still applies for the session; out-of-range values never
    // come through.
    void unwritableSettingsStillApply() {
        DisplaySettings readOnly(QStringLiteral("/proc/ostrel-no-such-place/settings.ini"));
        DisplayChoice c;
        c.digits = Digits::Significant6;
        readOnly.setChoice(c);
        QVERIFY(readOnly.choice() == c);
        c.inertia = InertiaUnit(42);
        c.digits = Digits(9);
        readOnly.setChoice(c);
        QVERIFY(readOnly.choice() == DisplayChoice{});
    }
};

QTEST_MAIN(TestDisplayChoice)
#include "tst_displaychoice.moc"
