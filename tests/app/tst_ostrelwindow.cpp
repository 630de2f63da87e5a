// The main window driven as a user drives it: real key and mouse events in an offscreen window
// started in a temporary program folder, with every message box recorded.
#include "app/editeur.h"
#include "app/ostrel.h"
#include "app/projectcommands.h"
#include "programfolder.h"
#include "recordingdialogs.h"
#include "solids/catalogue.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <clocale>

using namespace ostrel;

class TestOstrelWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    RecordingDialogs dialogs_;
    std::unique_ptr<Ostrel> w_;

    QString programDir() const { return dir_->path() + QLatin1Char('/'); }

    // Started as the program starts it: with the folder as given, without its final "/".
    void startWindow() {
        w_ = std::make_unique<Ostrel>(dir_->path(), dialogs_);
        QVERIFY(w_->ok());
        QCOMPARE(w_->cheminAppli(), programDir());
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
    QLineEdit* box(const QString& name) const { return get<QLineEdit>(name); }
    QString caption(const QString& name) const { return get<QLabel>(name)->text(); }
    QString texte(int entry) const { return w_->langue().texte(entry); }
    QAction* toolButton(const QString& key) const {
        return get<QToolBar>("Toolbar2")->findChild<QAction*>(QStringLiteral("Toolbar2_") + key);
    }
    void clickToolbar(const QString& key) {
        QAction* action = toolButton(key);
        QVERIFY(action && action->isVisible());
        QTest::mouseClick(get<QToolBar>("Toolbar2")->widgetForAction(action), Qt::LeftButton);
    }
    // Shows the group of the kind's button, then clicks it.
    void chooseKind(const QString& key) {
        const int button = toolButton(key)->property("button").toInt();
        for (const GroupCommand& g : groupCommands())
            if (button >= g.firstVisible && button <= g.lastVisible)
                clickToolbar(QLatin1String(g.key));
        clickToolbar(key);
    }
    void click(const QString& name) { QTest::mouseClick(get<QWidget>(name), Qt::LeftButton); }
    // Pairs of box and text: each box clicked, emptied and typed into key by key.
    void type(const QStringList& inputs) {
        for (qsizetype i = 0; i + 1 < inputs.size(); i += 2) {
            QLineEdit* b = box(inputs[i]);
            QTest::mouseClick(b, Qt::LeftButton);
            b->selectAll();
            QTest::keyClick(b, Qt::Key_Delete);
            QTest::keyClicks(b, inputs[i + 1]);
        }
    }
    QStringList results() const {
        return {caption("Label14"), caption("Label17"), caption("Label21"), caption("Label22")};
    }
    QString cell(const char* grid, int row, int column) const {
        return get<QTableView>(grid)->model()->index(row, column).data().toString();
    }
    int partRows() const { return get<QTableView>("Grille1")->model()->rowCount(); }
    QStringList totals() const {
        return {cell("Grille2", 0, 1), cell("Grille2", 0, 2), cell("Grille2", 0, 3),
                cell("Grille2", 0, 4)};
    }
    // The disc of 1000 x 100 mm in steel, typed key by key: 617 kg, 77.07 kgm².
    void typeSteelDisc() {
        clickToolbar(QStringLiteral("Plateau"));
        click(QStringLiteral("MasseSpecifique"));
        type({"Text6", "1000", "Text8", "100"});
    }
    QString textOfOneBox() const { return dialogs_.texts.size() == 1 ? dialogs_.texts[0] : "?"; }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true); // no user configuration takes part
        // The offscreen platform warns about every window resize; nothing to learn from that.
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType t, const QMessageLogContext& c, const QString& text) {
                if (!text.contains(QLatin1String("propagateSizeHints"))) previous(t, c, text);
            });
    }

    void init() {
        dialogs_ = RecordingDialogs();
        QFile::remove(ProjectCommands::recoveryPath()); // no earlier test's list comes back
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid() && copyProgramFolder(programDir()));
        startWindow();
    }

    void cleanup() {
        w_.reset();
        QCOMPARE(dialogs_.texts.size(), dialogs_.expected);
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    }

    // Wherever the editor is set up again, a kind without density keeps it hidden: the
    // conveyor's line read as a total mass, never steel's 7850 kg/m³ taken for a mass.
    void densityStaysHiddenForKindsWithATotalMassOnly_data() {
        QTest::addColumn<QString>("after");
        QTest::newRow("add") << "add";
        QTest::newRow("take-back") << "take-back";
        QTest::newRow("language") << "language";
    }
    void densityStaysHiddenForKindsWithATotalMassOnly() {
        QFETCH(QString, after);
        chooseKind(QStringLiteral("Convoyeur"));
        type({"Text3", "30", "Text6", "400", "Text7", "20", "Text8", "0.2"});
        const QStringList line = results();
        QCOMPARE(line[0], QStringLiteral("50"));
        click(QStringLiteral("Plus"));
        QCOMPARE(partRows(), 1);
        if (after == QLatin1String("take-back")) {
            click(QStringLiteral("Moins"));
            QCOMPARE(results(), line);
        } else if (after == QLatin1String("language")) {
            get<QAction>("FichierLanguesDisponibles2")->trigger();
        }
        QVERIFY(get<QRadioButton>("MasseSpecifique")->isHidden());
        QVERIFY(get<QRadioButton>("MasseTotal")->isChecked());
        QCOMPARE(caption("Label1"), texte(82));
        for (const char* unit : {"Label19", "Label20", "Label25"})
            QVERIFY2(!get<QLabel>(unit)->isHidden(), unit);
        QVERIFY(get<QLabel>("Label4")->isHidden());
        QCOMPARE(caption("Label20"), QStringLiteral("kg"));
    }

    // Enter (or Tab, when named) moves on along the kind's chain; the focused box is cyan with
    // its text unselected, the one left white.
    void enterMovesAlongTheChain_data() {
        QTest::addColumn<QStringList>("chain"); // key, box left, widget reached[, "Tab"]
        QTest::newRow("disc") << QStringList{"Plateau", "Text3", "Text6"};
        QTest::newRow("sphere") << QStringList{"Bille", "Text6", "Plus"};
        QTest::newRow("tab") << QStringList{"Plateau", "Text1", "Text2", "Tab"};
    }
    void enterMovesAlongTheChain() {
        QFETCH(QStringList, chain);
        chooseKind(chain[0]);
        QLineEdit* start = box(chain[1]);
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(start->palette().color(QPalette::Base), QColor(0, 255, 255));
        QTest::keyPress(start,
                        chain.value(3) == QLatin1String("Tab") ? Qt::Key_Tab : Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), chain[2]);
        QCOMPARE(start->palette().color(QPalette::Base), QColor(255, 255, 255));
        if (auto* reached = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            QCOMPARE(reached->palette().color(QPalette::Base), QColor(0, 255, 255));
            QCOMPARE(reached->selectedText(), QString());
        }
    }

    void massModeSwitchRecomputes() {
        clickToolbar(QStringLiteral("Plateau"));
        type({"Text6", "1000", "Text8", "100"});
        QVERIFY(results()[0].isEmpty()); // no mass yet
        click(QStringLiteral("MasseSpecifique"));
        QCOMPARE(results()[0], QStringLiteral("617"));
        QCOMPARE(caption("Label1"), texte(36));
        QCOMPARE(QApplication::focusWidget(), box("Text1"));
        click(QStringLiteral("MasseTotal"));
        QCOMPARE((QStringList{box("Text3")->text(), caption("Label6")}), (QStringList{"", "kg"}));
        QCOMPARE(results(), (QStringList{"", ".", ".", "."}));
    }

    // Typed key by key, a number passes through combinations that contradict (D = 200 while
    // d reads 2, 25, 250): nothing is corrected and no box comes while typing, only the hint
    // and empty mass and inertia. Columns: the kind's key, pairs of box and text typed; what
    // the boxes hold afterwards (pairs); whether the hint shows at the end.
    void typingNeverLosesACharacter_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("held");
        QTest::addColumn<bool>("hinted");
        QTest::newRow("cone d past D")
            << QStringList{"TroncCone", "Text3", "100", "Text6", "200", "Text7", "250"}
            << QStringList{"Text6", "200", "Text7", "250"} << true;
        QTest::newRow("polygon of 12 sides")
            << QStringList{"Polygone", "Text6", "1000", "Text8", "10", "Text5", "12"}
            << QStringList{"Text5", "12"} << false;
    }
    void typingNeverLosesACharacter() {
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, held);
        QFETCH(bool, hinted);
        chooseKind(inputs[0]);
        type(inputs.mid(1)); // no box is announced: any box fails the test
        for (qsizetype i = 0; i + 1 < held.size(); i += 2)
            QCOMPARE(box(held[i])->text(), held[i + 1]);
        QCOMPARE(!w_->editeur().hint().isEmpty(), hinted);
        QCOMPARE(results()[0].isEmpty(), hinted);
        QCOMPARE(results()[1].isEmpty(), hinted);
    }

    // Inputs that contradict are told once, with their correction, when the user confirms
    // the box: Enter, leaving it for another control, or Plus (which then adds nothing).
    // Columns: the kind's key, pairs of box and text typed; how the box is confirmed; the
    // corrected box and its text.
    void contradictionIsToldOnConfirmation_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QStringList>("corrected");
        const int info = int(MessageIcon::Information);
        const QStringList cone{"TroncCone", "Text3", "100", "Text6", "400", "Text7", "400"};
        QTest::newRow("cone, Enter") << cone << "Enter" << info << QStringList{"Text7", ""};
        QTest::newRow("cone, Plus") << cone << "Plus" << info << QStringList{"Text7", ""};
        QTest::newRow("polygon, click elsewhere")
            << QStringList{"Polygone", "Text6", "1000", "Text5", "2"} << "Text1" << info
            << QStringList{"Text5", "3"};
        QTest::newRow("torus, keypad Enter")
            << QStringList{"Tore", "Text3", "10", "Text6", "50", "Text7", "100"} << "KeypadEnter"
            << int(MessageIcon::Exclamation) << QStringList{"Text6", "5"};
    }
    void contradictionIsToldOnConfirmation() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, confirm);
        QFETCH(QStringList, corrected);
        chooseKind(inputs[0]);
        type(inputs.mid(1));
        QCOMPARE(dialogs_.texts.size(), 0);
        const QString hint = w_->editeur().hint();
        QVERIFY(!hint.isEmpty());
        QLineEdit* last = box(inputs[inputs.size() - 2]);
        dialogs_.expect();
        if (confirm == QLatin1String("Enter"))
            QTest::keyClick(last, Qt::Key_Return);
        else if (confirm == QLatin1String("KeypadEnter"))
            QTest::keyClick(last, Qt::Key_Enter, Qt::KeypadModifier);
        else
            click(confirm);
        QCoreApplication::processEvents();
        QCOMPARE(dialogs_.texts.size(), 1);
        QCOMPARE(QString(dialogs_.texts[0])
                     .replace(QLatin1String("\r\n"), QLatin1String(" "))
                     .simplified(),
                 hint);
        QTEST(int(dialogs_.icons[0]), "icon");
        QCOMPARE(dialogs_.titles[0], w_->windowTitle());
        QCOMPARE(box(corrected[0])->text(), corrected[1]);
        QCOMPARE(partRows(), 0);
        if (inputs[0] == QLatin1String("TroncCone")) // the emptied box takes the focus
            QCOMPARE(QApplication::focusWidget(), box(corrected[0]));
        // The torus's D of 5 still contradicts d: Plus adds nothing and tells no more.
        if (inputs[0] == QLatin1String("Tore")) {
            click(QStringLiteral("Plus"));
            QCOMPARE(partRows(), 0);
            QCOMPARE(w_->editeur().hint().isEmpty(), false);
        }
    }

    // A "," typed, sent by the keypad or pasted becomes "." in every number box.
    void commaEntersAsAPoint_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("typed") << "typed";
        QTest::newRow("keypad") << "keypad";
        QTest::newRow("pasted") << "pasted";
    }
    void commaEntersAsAPoint() {
        QFETCH(QString, how);
        chooseKind(QStringLiteral("Convoyeur"));
        type({"Text3", "30", "Text6", "400", "Text7", "20", "Text8", "0"});
        QLineEdit* f = box("Text8");
        if (how == QLatin1String("typed")) {
            QTest::keyClicks(f, QStringLiteral(",1"));
        } else if (how == QLatin1String("keypad")) {
            QTest::keyClick(f, Qt::Key_Comma, Qt::KeypadModifier);
            QTest::keyClick(f, Qt::Key_1, Qt::KeypadModifier);
        } else {
            f->clear();
            QApplication::clipboard()->setText(QStringLiteral("0,1"));
            QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(f->text(), QStringLiteral("0.1"));
        QCOMPARE(f->cursorPosition(), 3);
        QCOMPARE(results()[2], QStringLiteral("5.89")); // 30 kg × 9.81 m/s² × 0.1 × 0.2 m
        box("Text1")->setText(QStringLiteral("1,5"));   // a text the program sets stays
        QCOMPARE(box("Text1")->text(), QStringLiteral("1,5"));
    }

    // Without a configuration the store's first language is the working one.
    void startsInTheDefaultLanguageThenChoosingOneTranslatesAndRemembersIt() {
        TranslationStore store(QStringLiteral("test-langues"));
        QVERIFY(store.open(programDir() + QStringLiteral("Lenguas.db")));
        QCOMPARE(w_->langue().courante, store.fieldNames().value(3));
        QAction* other = get<QAction>("FichierLanguesDisponibles1");
        const QString name = other->text().remove(QLatin1Char('&'));
        QVERIFY(other->isVisible() && name != w_->langue().courante);
        Langue expected{name, {}};
        QVERIFY(ChargeLangue(store, expected));
        clickToolbar(QStringLiteral("Polygone")); // density mode
        const QAbstractItemModel* parts = get<QTableView>("Grille1")->model();
        const QString heading = parts->headerData(2, Qt::Horizontal).toString();
        other->trigger();
        QCOMPARE(w_->langue().courante, name);
        QCOMPARE(w_->project().applicationTitle(), expected.texte(12));
        QVERIFY(w_->windowTitle().endsWith(expected.texte(12)));
        QCOMPARE(caption("Label1"), expected.texte(9));                     // in density mode too
        QCOMPARE(parts->headerData(2, Qt::Horizontal).toString(), heading); // set at start only
        w_.reset(); // the next start works in the chosen language
        startWindow();
        QCOMPARE(w_->langue().courante, name);
    }

    // Under a comma-decimal locale the numbers keep their point.
    void addingALineToTheEmptyListFillsItAndClearsTheEditor_data() {
        QTest::addColumn<bool>("german");
        QTest::newRow("C locale") << false;
        QTest::newRow("German locale") << true;
    }
    void addingALineToTheEmptyListFillsItAndClearsTheEditor() {
        QFETCH(bool, german);
        if (german) {
            w_.reset();
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
            if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) qInfo("de_DE.UTF-8 is not installed");
            startWindow();
        }
        QCOMPARE(partRows(), 0);
        QCOMPARE(totals(), (QStringList{"", "", "", ""}));
        typeSteelDisc();
        QCOMPARE(results(), (QStringList{"617", "77.07", ".", "."}));
        click(QStringLiteral("Plus"));
        QCOMPARE(partRows(), 1);
        QStringList cells;
        for (int c : {1, 2, 3, 4, 9, 14})
            cells << cell("Grille1", 0, c);
        QCOMPARE(cells, (QStringList{"617.", "77.07", "0", "0", "1", "1"}));
        QCOMPARE(totals(), (QStringList{"617", "77.07", "0", "0"}));
        // The editor is ready for the next disc: same boxes and letters, units hidden.
        QCOMPARE(w_->editeur().typeSolide(), 1);
        QCOMPARE((QStringList{box("Text1")->text(), box("Text3")->text(), box("Text6")->text()}),
                 (QStringList{"1", "", ""}));
        QVERIFY(!box("Text6")->isHidden() && !box("Text8")->isHidden() && box("Text7")->isHidden());
        QCOMPARE(caption("Label8"), QStringLiteral("D"));
        QVERIFY(!get<QLabel>("Label19")->isHidden() && get<QLabel>("Label20")->isHidden());
        QVERIFY(get<QRadioButton>("MasseTotal")->isChecked());
        QVERIFY(results().join(QString()).isEmpty());
        // A second disc, then one taken back: the totals follow.
        typeSteelDisc();
        click(QStringLiteral("Plus"));
        QCOMPARE(totals(), (QStringList{"1234", "154.14", "0", "0"}));
        click(QStringLiteral("Moins"));
        QCOMPARE(partRows(), 1);
        QCOMPARE(totals(), (QStringList{"617", "77.07", "0", "0"}));
    }

    // Every visible column is wide enough for its heading and its cells in the grid's font,
    // in every language, and the totals line keeps the same widths; hidden columns stay
    // hidden. Numbers of 1234.567 size in the four result columns.
    void listColumnsShowEveryNumberAndHeadingWhole_data() {
        QTest::addColumn<int>("language"); // item of the language menu
        for (int item = 1; item <= 6; ++item)
            QTest::newRow(qPrintable(QStringLiteral("language %1").arg(item))) << item;
    }
    void listColumnsShowEveryNumberAndHeadingWhole() {
        QFETCH(int, language);
        QAction* item = get<QAction>(QStringLiteral("FichierLanguesDisponibles%1").arg(language));
        QVERIFY(item->isVisible());
        item->trigger();
        w_.reset(); // the list's headings are those of the language the program starts in
        startWindow();
        chooseKind(QStringLiteral("DiversIner"));
        type({"Text3", "1234.567", "Text5", "1234.567", "Text6", "1234.567", "Text7", "1234.567"});
        click(QStringLiteral("Plus"));
        QCOMPARE(partRows(), 1);
        const QTableView* parts = get<QTableView>("Grille1");
        const QTableView* sums = get<QTableView>("Grille2");
        const QFontMetrics cells = parts->fontMetrics();
        const QFontMetrics headings = parts->horizontalHeader()->fontMetrics();
        for (int c = 1; c < 15; ++c) {
            QCOMPARE(parts->isColumnHidden(c), c == 5 || c == 8 || c == 9 || c == 14);
            if (parts->isColumnHidden(c)) continue;
            const QString heading = parts->model()->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(headings.horizontalAdvance(heading) + 8 <= parts->columnWidth(c),
                     qPrintable(heading));
            const QString text = cell("Grille1", 0, c);
            QVERIFY2(cells.horizontalAdvance(text) + 6 <= parts->columnWidth(c), qPrintable(text));
            if (c <= 4) {
                QCOMPARE(sums->columnWidth(c), parts->columnWidth(c));
                QVERIFY(sums->fontMetrics().horizontalAdvance(cell("Grille2", 0, c)) + 6 <=
                        sums->columnWidth(c));
            }
        }
        QCOMPARE(cell("Grille1", 0, 2), QStringLiteral("1234.57"));
    }

    // In every shipped language: no two access keys alike within one menu or among the
    // window's own (menu titles, buttons), and every caption of the editor as wide as its text
    // in its font, for the kinds with the longest captions (the list's headings: above).
    void translationsKeepAccessKeysApartAndTextsWhole() {
        QStringList clashes, cut;
        const auto keyOf = [](const QString& text) {
            return QKeySequence::mnemonic(text).toString().toLower();
        };
        for (int item = 1; item <= 6; ++item) {
            QAction* language =
                get<QAction>(QStringLiteral("FichierLanguesDisponibles%1").arg(item));
            QVERIFY(language->isVisible());
            language->trigger();
            const QString name = w_->langue().courante;
            QList<QPair<QString, QStringList>> scopes; // name, texts with access keys
            QStringList window;
            for (QAction* a : w_->menuBar()->actions())
                window << a->text();
            for (QAbstractButton* b : w_->findChildren<QAbstractButton*>())
                if (!b->isHidden() && !qobject_cast<QToolButton*>(b)) window << b->text();
            scopes.append({QStringLiteral("window"), window});
            for (QMenu* menu : w_->findChildren<QMenu*>()) {
                QStringList texts;
                for (QAction* a : menu->actions())
                    if (a->isVisible() && !a->isSeparator()) texts << a->text();
                scopes.append({menu->objectName(), texts});
            }
            for (const auto& [scope, texts] : scopes) {
                QHash<QString, QString> seen;
                for (const QString& text : texts) {
                    const QString key = keyOf(text);
                    if (key.isEmpty()) continue;
                    if (seen.contains(key))
                        clashes
                            << QStringLiteral("%1, %2: %3 / %4").arg(name, scope, seen[key], text);
                    seen.insert(key, text);
                }
            }
            for (const QString& kind :
                 QStringList{"DiversIner", "Convoyeur", "MasseDese", "Polygone"}) {
                chooseKind(kind);
                QCoreApplication::processEvents();
                for (QLabel* label : w_->editeur().findChildren<QLabel*>()) {
                    if (!label->isVisibleTo(w_.get()) || label->pixmap().isNull() == false ||
                        label->wordWrap() || label->text().isEmpty())
                        continue;
                    if (label->fontMetrics().horizontalAdvance(label->text()) > label->width())
                        cut << QStringLiteral("%1, %2: %3").arg(name, kind, label->text());
                }
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void doubleClickTakesTheRowBack() {
        chooseKind(QStringLiteral("RectExc"));
        type({"Text1", "2", "Text2", "2", "Text5", "300", "Text6", "200", "Text7", "100", "Text8",
              "50"});
        click(QStringLiteral("MasseSpecifique"));
        QTest::keyClick(box("Text1"), Qt::Key_End);
        const QStringList computed = results();
        click(QStringLiteral("Plus"));
        chooseKind(QStringLiteral("Plateau"));
        QTableView* grid = get<QTableView>("Grille1");
        const QPoint row = grid->visualRect(grid->model()->index(0, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(partRows(), 0);
        QCOMPARE(totals(), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE((QList<int>{w_->editeur().typeSolide(), w_->editeur().image3()}),
                 (QList<int>{15, 19}));
        QVERIFY(w_->editeur().image1File().endsWith("RectanEx.bmp", Qt::CaseInsensitive));
        QVERIFY(get<QRadioButton>("MasseSpecifique")->isChecked());
        QCOMPARE(caption("Label6"), QStringLiteral("kg/m³"));
        // Text3 comes back as stored, not divided by the ratio of 2.
        QCOMPARE((QStringList{box("Text1")->text(), box("Text2")->text(), box("Text3")->text(),
                              box("Text5")->text(), box("Text8")->text()}),
                 (QStringList{"2", "2", "7850", "300", "50"}));
        QCOMPARE(results(), computed);
        click(QStringLiteral("Moins")); // nothing left to take back
        QCOMPARE(w_->editeur().typeSolide(), 15);
    }

    void refusedLineChangesNothing() {
        chooseKind(QStringLiteral("DiversIner"));
        type({"Text3", "5", "Text5", "1", "Text6", "-2", "Text7", "3"});
        dialogs_.expect();
        click(QStringLiteral("Plus"));
        QCOMPARE(textOfOneBox(), texte(346) + texte(347));
        QCOMPARE(dialogs_.icons, QList<MessageIcon>{MessageIcon::Exclamation});
        QCOMPARE(partRows(), 0);
        QCOMPARE(totals(), (QStringList{"", "", "", ""}));
        QCOMPARE(box("Text6")->text(), QStringLiteral("-2")); // the editor keeps the line
    }
};

QTEST_MAIN(TestOstrelWindow)
#include "tst_ostrelwindow.moc"
