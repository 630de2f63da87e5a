// The main window driven as a user drives it: real key and mouse events in an offscreen window
// started in a temporary program folder, with every message box recorded. The editor, the
// list, the languages and the layout; the display of results (digits and units, kept per
// user) and the Drive panel's boxes.
#include "app/materiallist.h"
#include "solids/kinds.h"
#include "solids/mechanism.h"
#include "windowfixture.h"

#include <clocale>

using namespace ostrel;

class TestMainWindow : public WindowFixture {
    Q_OBJECT

private:
    // Inputs of each mechanism that give results, in the order of its declaration.
    static QStringList mechanismInputs(int code) {
        switch (code) {
        case 21:
            return {"1", "1", "250", "10", "20", "1000", "7850", "0.1", "90", "500", "100"};
        case 22:
            return {"1", "1", "400", "100", "40", "7850", "0.02", "30", "150"};
        default:
            return {"2", "3", "12", "0.8", "60", "30", "2700", "2", "0.1", "0", "20"};
        }
    }
    // The name of box i of the editor ("input7Box"), and the caption beside a box.
    QString boxName(std::size_t i) const { return w_->editor().inputBox(i)->objectName(); }
    QString captionOf(QString box) const {
        return caption(box.replace("OrDensity", "").replace("Box", "Caption"));
    }
    // A mechanism chosen and its boxes typed key by key.
    void typeMechanism(int code) {
        chooseKind(QLatin1String(mechanismInfo(code)->id));
        const QStringList inputs = mechanismInputs(code);
        QStringList pairs;
        for (qsizetype i = 0; i < inputs.size(); ++i)
            pairs << boxName(std::size_t(i)) << inputs[i];
        type(pairs);
    }
    DrivePanel& panel() const { return w_->drivePanel(); }
    void chooseLanguage(int item) {
        QAction* language = get<QAction>(QStringLiteral("languageAction%1").arg(item));
        QVERIFY(language->isVisible());
        language->trigger();
    }

    // The access keys alike within one menu, among the window's own (menu titles, buttons) or
    // in the save question, in the working language.
    QStringList accessKeyClashes() const {
        QList<QStringList> scopes{{entryText(609), entryText(610), entryText(611)}, {}};
        for (QAction* a : w_->menuBar()->actions())
            scopes[1] << a->text();
        for (QAbstractButton* b : w_->findChildren<QAbstractButton*>())
            if (!b->isHidden() && !qobject_cast<QToolButton*>(b)) scopes[1] << b->text();
        for (QMenu* menu : w_->findChildren<QMenu*>()) {
            scopes << QStringList();
            for (QAction* a : menu->actions())
                if (a->isVisible() && !a->isSeparator()) scopes.last() << a->text();
        }
        QStringList clashes;
        for (const QStringList& texts : scopes) {
            QHash<QString, QString> seen;
            for (const QString& text : texts) {
                const QString key = QKeySequence::mnemonic(text).toString().toLower();
                if (!key.isEmpty() && seen.contains(key))
                    clashes << w_->language().current + ": " + seen[key] + " / " + text;
                if (!key.isEmpty()) seen.insert(key, text);
            }
        }
        return clashes;
    }
    // Every shown column of the list as wide as its heading and its cell, the totals under
    // theirs.
    void columnsFit() const {
        const QTableView* parts = get<QTableView>("partsTable");
        const QTableView* sums = get<QTableView>("totalsTable");
        const QFontMetrics cells = parts->fontMetrics();
        const QFontMetrics headings = parts->horizontalHeader()->fontMetrics();
        for (int c = 1; c < 15; ++c) {
            QCOMPARE(parts->isColumnHidden(c), c == 5 || c == 8 || c == 9 || c == 14);
            if (parts->isColumnHidden(c)) continue;
            const QString heading = parts->model()->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(headings.horizontalAdvance(heading) + 8 <= parts->columnWidth(c),
                     qPrintable(heading));
            const QString text = cell("partsTable", 0, c);
            QVERIFY2(cells.horizontalAdvance(text) + 6 <= parts->columnWidth(c), qPrintable(text));
            if (c <= 4) {
                QCOMPARE(sums->columnWidth(c), parts->columnWidth(c));
                QVERIFY(sums->fontMetrics().horizontalAdvance(cell("totalsTable", 0, c)) + 6 <=
                        sums->columnWidth(c));
            }
        }
    }
    // Where a widget shows in the window: its rectangle cut by every widget around it.
    static QRect shownRect(const QWidget* w) {
        QRect r(w->mapTo(w->window(), QPoint(0, 0)), w->size());
        for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
            r &= QRect(p->mapTo(p->window(), QPoint(0, 0)), p->size());
        return r;
    }
    // The controls a user sees (frames, labels, boxes, buttons, tab bars, the plot; the parts
    // of grids and tab bars aside): none on another; with texts, every caption whole in its
    // label and not cut by the area around it, every button as wide as its text.
    QStringList layoutFaults(bool texts) const {
        QList<QWidget*> shown;
        for (QWidget* w : w_->findChildren<QWidget*>()) {
            bool part = false;
            for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
                part = part || qobject_cast<QAbstractItemView*>(p) || qobject_cast<QTabBar*>(p);
            auto* label = qobject_cast<QLabel*>(w);
            if (!part && w->isVisible() && !shownRect(w).isEmpty() &&
                !(label && label->text().isEmpty() && label->pixmap().isNull()) &&
                (qobject_cast<QFrame*>(w) || qobject_cast<QLineEdit*>(w) ||
                 qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w) ||
                 qobject_cast<QTabBar*>(w) || w->objectName() == QLatin1String("drivePlot")))
                shown << w;
        }
        QStringList faults;
        const auto name = [](const QWidget* w) {
            return QLatin1String(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
        };
        for (qsizetype i = 0; i < shown.size(); ++i) {
            for (qsizetype j = i + 1; j < shown.size(); ++j)
                if (!shown[i]->isAncestorOf(shown[j]) && !shown[j]->isAncestorOf(shown[i]) &&
                    shownRect(shown[i]).intersects(shownRect(shown[j])))
                    faults << name(shown[i]) + QStringLiteral(" on ") + name(shown[j]);
            if (!texts) continue;
            if (auto* l = qobject_cast<QLabel*>(shown[i]); l && !l->text().isEmpty()) {
                const bool fits = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                                : l->fontMetrics().horizontalAdvance(l->text()) <=
                                                      l->contentsRect().width();
                if (!fits || shownRect(l).width() < l->width())
                    faults << QStringLiteral("cut: %1 (%2)").arg(l->text(), name(l));
            }
            auto* b = qobject_cast<QAbstractButton*>(shown[i]);
            if (b && !b->text().isEmpty() && b->width() < b->minimumSizeHint().width())
                faults << QStringLiteral("cut: ") + b->text();
        }
        return faults;
    }

private slots:
    void initTestCase() { setUpSuite(); }
    void init() {
        QSettings().clear(); // Classic digits, SI units, no window size, no Drive panel
        userSettings().clear();
        startInNewFolder();
    }
    void cleanup() {
        closeWindow();
        QFile::remove(motorListPath());
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    }

    // The conveyor's line: a "," typed, sent by the keypad or pasted becomes "."; wherever the
    // editor is set up again (an add, a take-back, a language) its density stays hidden, the
    // line read as a total mass, never steel's 7850 kg/m³ taken for a mass. A text the program
    // sets stays as set.
    void conveyorTakesCommasAndKeepsItsTotalMass_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("after");
        for (const auto& [how, after] :
             {std::pair{"typed", "add"}, {"keypad", "take-back"}, {"pasted", "language"}})
            QTest::addRow("%s, %s", how, after) << QString(how) << QString(after);
    }
    void conveyorTakesCommasAndKeepsItsTotalMass() {
        QFETCH(QString, how);
        QFETCH(QString, after);
        chooseKind(QStringLiteral("conveyor"));
        type({"massOrDensityBox", "30", "diameterBox", "400", "smallDiameterBox", "20", "heightBox",
              "0"});
        QLineEdit* f = box("heightBox");
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
        const QStringList line = results(); // 30 + 20 kg; 30 kg × 9.81 m/s² × 0.1 × 0.2 m
        QCOMPARE(line[0] + ' ' + line[2], QStringLiteral("50 5.89"));
        click(QStringLiteral("addButton"));
        QCOMPARE(partRows(), 1);
        if (after == QLatin1String("take-back")) {
            click(QStringLiteral("takeBackButton"));
            QCOMPARE(results(), line);
        } else if (after == QLatin1String("language")) {
            chooseLanguage(2);
        }
        QVERIFY(get<QRadioButton>("densityOption")->isHidden());
        QVERIFY(get<QRadioButton>("totalMassOption")->isChecked());
        QCOMPARE(caption("massCaption"), entryText(82));
        QVERIFY(!get<QLabel>("smallDiameterUnit")->isHidden());
        QCOMPARE(caption("smallDiameterUnit"), QStringLiteral("kg")); // its d is a mass
        box("quantityBox")->setText(QStringLiteral("1,5"));
        QCOMPARE(box("quantityBox")->text(), QStringLiteral("1,5"));
    }

    // Typed key by key, a number may pass through inputs that contradict (a polygon of one
    // side on the way to 12): nothing is corrected and no box comes while typing. Inputs that
    // still contradict show the hint and no mass or inertia, and are told once, with their
    // correction, when the user confirms the box: Enter, leaving it for another control, or the
    // add button (which then adds nothing). Columns: the kind's key, pairs of box and text
    // typed; how the box is confirmed (none when nothing contradicts); the corrected box and
    // its text.
    void contradictionIsToldOnlyOnConfirmation_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QStringList>("corrected");
        const int info = int(MessageIcon::Information);
        const QStringList cone{"truncatedCone", "massOrDensityBox", "100", "diameterBox",
                               "200",           "smallDiameterBox", "250"};
        QTest::newRow("polygon of 12 sides")
            << QStringList{"regularPolygon", "diameterBox", "1000", "heightBox", "10",
                           "radiusBox",      "12"}
            << "" << 0 << QStringList{"radiusBox", "12"};
        QTest::newRow("cone, Enter")
            << cone << "Enter" << info << QStringList{"smallDiameterBox", ""};
        QTest::newRow("cone, add button")
            << cone << "addButton" << info << QStringList{"smallDiameterBox", ""};
        QTest::newRow("polygon, click elsewhere")
            << QStringList{"regularPolygon", "diameterBox", "1000", "radiusBox", "2"}
            << "quantityBox" << info << QStringList{"radiusBox", "3"};
        QTest::newRow("torus, keypad Enter")
            << QStringList{"torus", "massOrDensityBox", "10", "diameterBox",
                           "50",    "smallDiameterBox", "100"}
            << "KeypadEnter" << int(MessageIcon::Exclamation) << QStringList{"diameterBox", "5"};
    }
    void contradictionIsToldOnlyOnConfirmation() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, confirm);
        QFETCH(QStringList, corrected);
        chooseKind(inputs[0]);
        type(inputs.mid(1)); // no box is announced: any box fails the test
        QLineEdit* last = box(inputs[inputs.size() - 2]);
        QCOMPARE(last->text(), inputs.last());
        const QString hint = w_->editor().hint();
        QCOMPARE(hint.isEmpty(), confirm.isEmpty());
        QCOMPARE(results()[0].isEmpty() && results()[1].isEmpty(), !confirm.isEmpty());
        if (confirm.isEmpty()) return;
        dialogs_.expect();
        if (confirm == QLatin1String("Enter"))
            QTest::keyClick(last, Qt::Key_Return);
        else if (confirm == QLatin1String("KeypadEnter"))
            QTest::keyClick(last, Qt::Key_Enter, Qt::KeypadModifier);
        else
            click(confirm);
        QCoreApplication::processEvents();
        QCOMPARE(onlyMessage().replace(QLatin1String("\r\n"), QLatin1String(" ")).simplified(),
                 hint);
        QTEST(int(dialogs_.icons[0]), "icon");
        QCOMPARE(box(corrected[0])->text(), corrected[1]);
        QCOMPARE(partRows(), 0);
        if (inputs[0] == QLatin1String("truncatedCone")) // the emptied box takes the focus
            QCOMPARE(QApplication::focusWidget(), box(corrected[0]));
        // The torus's D of 5 still contradicts d: the add button adds nothing and tells the
        // same again, without a second correction.
        if (inputs[0] == QLatin1String("torus")) {
            dialogs_.expect();
            click(QStringLiteral("addButton"));
            QCOMPARE(partRows(), 0);
            QCOMPARE(dialogs_.texts.value(1).left(20), dialogs_.texts[0].left(20));
            QCOMPARE(box(corrected[0])->text(), corrected[1]);
        }
    }

    // A steel disc: without a mass it has none; the density option computes it and gives the
    // focus to the first box, from which Tab, like Enter (the mechanisms' chain), reaches the
    // next with its text unselected; back to a total mass, the density is not taken for one.
    // Added, the disc fills the list and the totals and leaves the editor ready for the next
    // disc. Under a comma-decimal locale the numbers keep their point.
    void steelDiscFillsTheListAndClearsTheEditor_data() {
        QTest::addColumn<bool>("german");
        QTest::newRow("C locale") << false;
        QTest::newRow("German locale") << true;
    }
    void steelDiscFillsTheListAndClearsTheEditor() {
        QFETCH(bool, german);
        if (german) {
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
            if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) qInfo("de_DE.UTF-8 is not installed");
            restartWindow();
        }
        QCOMPARE(totals(), (QStringList{"", "", "", ""}));
        clickToolbar(QStringLiteral("disc"));
        type({"diameterBox", "1000", "heightBox", "100"});
        QVERIFY(results()[0].isEmpty()); // no mass yet
        click(QStringLiteral("densityOption"));
        QCOMPARE(results(), (QStringList{"617", "77.07", ".", "."}));
        QCOMPARE(caption("massCaption"), entryText(36));
        QCOMPARE(QApplication::focusWidget(), box("quantityBox"));
        QTest::keyClick(box("quantityBox"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box("ratioBox"));
        QVERIFY(!box("ratioBox")->text().isEmpty() && box("ratioBox")->selectedText().isEmpty());
        click(QStringLiteral("totalMassOption"));
        QCOMPARE(box("massOrDensityBox")->text() + ' ' + caption("massUnit"), " kg");
        QCOMPARE(results(), (QStringList{"", ".", ".", "."}));
        click(QStringLiteral("densityOption"));
        click(QStringLiteral("addButton"));
        QStringList cells;
        for (int c : {1, 2, 3, 4})
            cells << cell("partsTable", 0, c);
        QCOMPARE(cells, (QStringList{"617.", "77.07", "0", "0"}));
        QCOMPARE(totals(), (QStringList{"617", "77.07", "0", "0"}));
        QCOMPARE(w_->editor().kindCode(), 1);
        QCOMPARE((QStringList{box("quantityBox")->text(), box("massOrDensityBox")->text(),
                              box("diameterBox")->text()}),
                 (QStringList{"1", "", ""}));
        QVERIFY(get<QRadioButton>("totalMassOption")->isChecked());
        QVERIFY(results().join(QString()).isEmpty());
    }

    // Every visible column is wide enough for its heading and its cells in the grid's font,
    // in every language, and the totals line keeps the same widths; hidden columns stay
    // hidden. Numbers of 1234.567 size in the four result columns, after the add, New and
    // Undo, a change of digits and Open in a new window.
    void listColumnsShowEveryNumberAndHeadingWhole_data() {
        QTest::addColumn<int>("language"); // item of the language menu
        for (int item = 1; item <= 6; ++item)
            QTest::addRow("language %d", item) << item;
    }
    void listColumnsShowEveryNumberAndHeadingWhole() {
        QFETCH(int, language);
        chooseLanguage(language); // the headings follow at once
        chooseKind(QStringLiteral("givenValues"));
        type({"massOrDensityBox", "1234.567", "radiusBox", "1234.567", "diameterBox", "1234.567",
              "smallDiameterBox", "1234.567"});
        click(QStringLiteral("addButton"));
        QCOMPARE(cell("partsTable", 0, 2), QStringLiteral("1234.57"));
        const QString path = workFile(QStringLiteral("wide.ostrel"));
        saveAs(path);
        columnsFit();
        trigger("newAction");
        trigger("undoAction");
        columnsFit();
        w_->displayMenu().digitsItem(Digits::Significant6)->trigger();
        columnsFit();
        w_->displaySettings().setChoice({});
        restartWindow(); // a new window, its columns as designed
        QVERIFY(w_->openFile(path));
        columnsFit();
    }

    // In every language, with the Drive panel open, its verdict and advice shown, a motor that
    // fails checked, and the kinds with the longest captions: at the window's minimum and its
    // default size nothing overlaps and nothing is cut, the central area needs no scrolling and the
    // profile plot shows whole on its tab; below the minimum (no window manager to hold it) the
    // central area scrolls instead.
    void layoutHoldsAtEverySize_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("size");
        for (int item = 1; item <= 6; ++item)
            for (const char* size : {"minimum", "default"})
                QTest::addRow("language %d %s", item, size) << item << QString(size);
        QTest::newRow("language 4 below the minimum") << 4 << QStringLiteral("below");
    }
    void layoutHoldsAtEverySize() {
        QFETCH(int, language);
        QFETCH(QString, size);
        chooseLanguage(language);
        userSettings().setValue(DrivePanel::visibleKey(), true);
        restartWindow(); // in that language, at its default size, with the panel
        addSteelDisc();
        type({"motorInertiaBox", "0.01", "speedBox", "0.01", "accelTimeBox", "0.01"});
        QVERIFY(get<QLabel>("driveVerdict")->isVisible());
        Motor motor; // fails on every criterion but the speed
        motor.name = QStringLiteral("A motor with a rather long name that the drop-down shortens");
        motor.ratedTorque = motor.peakTorque = motor.rotorInertia = 1e-6;
        motor.ratedSpeed = motor.maxSpeed = 1e6;
        QVERIFY(w_->motors().setList(MotorList({motor})).ok);
        panel().chooseMotor(0);
        QVERIFY(get<QLabel>("motorVerdict")->isVisible() &&
                get<QLabel>("peakTorqueCheck")->isVisible());
        // Each kind may need a larger minimum: the size is set again for it.
        const auto resize = [this, size] {
            QTest::qWait(10);
            if (size == QLatin1String("minimum")) w_->resize(1, 1);
            if (size == QLatin1String("below"))
                w_->windowHandle()->resize(w_->minimumSize() - QSize(200, 150));
            QTest::qWait(10);
        };
        QStringList faults;
        for (const char* kind :
             {"givenValues", "conveyor", "unbalancedMass", "regularPolygon", "beltAxis"}) {
            chooseKind(QLatin1String(kind));
            resize();
            for (const QString& fault : layoutFaults(size != QLatin1String("below")))
                faults << QStringLiteral("%1: %2").arg(QLatin1String(kind), fault);
        }
        const auto* central = get<QScrollArea>("centralScroll");
        QCOMPARE(central->horizontalScrollBar()->isVisible() &&
                     central->verticalScrollBar()->isVisible(),
                 size == QLatin1String("below"));
        get<QTabWidget>("driveTabs")->setCurrentIndex(1);
        resize();
        const QWidget* plot = get<QWidget>("drivePlot");
        QVERIFY(plot->isVisible() && plot->height() >= 150);
        QCOMPARE(shownRect(plot).size(), plot->size());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Inputs without a result, typed or put in a box without a key release (a mouse paste),
    // after a solid or a mechanism showed results: the results empty, the box says why, and +
    // names the box and the reason and leaves the list as it was. A mechanism refuses a
    // negative mass, which a solid takes as a hole. Columns: the kind (0: a steel disc), box,
    // text, typed, the reason's entry.
    void addRefusesInputsWithoutAResult_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("input"); // box, text
        QTest::addColumn<bool>("typed");
        QTest::addColumn<int>("reason");
        QTest::newRow("D 1e300") << 0 << QStringList{"diameterBox", "1e300"} << false << 603;
        QTest::newRow("quantity 0") << 0 << QStringList{"quantityBox", "0"} << true << 602;
        QTest::newRow("abc") << 0 << QStringList{"diameterBox", "abc"} << false << 574;
        QTest::newRow("negative D") << 0 << QStringList{"diameterBox", "-1000"} << true << 600;
        QTest::newRow("screw, negative mass")
            << 21 << QStringList{"massOrDensityBox", "-5"} << true << 679;
        QTest::newRow("rack, ratio 0") << 22 << QStringList{"ratioBox", "0"} << true << 677;
        QTest::newRow("belt, negative friction")
            << 23 << QStringList{"input8Box", "-0.1"} << true << 681;
    }
    void addRefusesInputsWithoutAResult() {
        QFETCH(int, code);
        QFETCH(QStringList, input);
        QFETCH(int, reason);
        const QString name = input[0], text = input[1];
        addSteelDisc();
        const QStringList before = totals();
        if (code)
            typeMechanism(code);
        else
            typeSteelDisc();
        QVERIFY(!results()[0].isEmpty());
        QFETCH(bool, typed);
        if (typed)
            type({name, text});
        else
            box(name)->setText(text);
        dialogs_.expect();
        click(QStringLiteral("addButton"));
        QCOMPARE(onlyMessage(), entryText(606) + "\n" + captionOf(name) + ": " + entryText(reason));
        QCOMPARE(results() << caption(QString(name).replace("Box", "Note")) << box(name)->text(),
                 (QStringList{"", "", "", "", entryText(reason), text}));
        QCOMPARE(partRows(), 1);
        QCOMPARE(totals(), before);
    }

    // A line the list refuses (a given torque that would spoil the totals) is told; the list
    // stays empty and the editor keeps the line.
    void refusedLineChangesNothing() {
        chooseKind(QStringLiteral("givenValues"));
        type({"massOrDensityBox", "5", "radiusBox", "1", "diameterBox", "-2", "smallDiameterBox",
              "3"});
        dialogs_.expect();
        click(QStringLiteral("addButton"));
        QCOMPARE(onlyMessage(), entryText(346) + entryText(347));
        QCOMPARE(partRows(), 0);
        QCOMPARE(box("diameterBox")->text(), QStringLiteral("-2"));
    }

    // In Classic a 60 x 10 mm steel disc (0.22 kg, 1e-4 kg·m²) shows nothing and the block
    // says so; + asks once whether to switch to 4 significant digits, and adds only on Yes.
    void classicHiddenPartIsAddedOnlyOnYes_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void classicHiddenPartIsAddedOnlyOnYes() {
        QFETCH(bool, yes);
        typeSteelDisc(QStringLiteral("60"), QStringLiteral("10"));
        QCOMPARE(results() << caption("resolutionNote"),
                 (QStringList{"", ".", ".", ".", entryText(614)}));
        dialogs_.answers << yes;
        click(QStringLiteral("addButton"));
        QCOMPARE(dialogs_.asked, QStringList{entryText(608)});
        QCOMPARE(partRows(), yes ? 1 : 0);
        QCOMPARE(w_->displayChoice().digits, yes ? Digits::Significant4 : Digits::Classic);
        QCOMPARE(totals()[1].isEmpty(), !yes); // a shown total, not 0
    }

    // The program starts in the store's first language. Then every language after every
    // other: no caption of the editor (the conveyor's, the polygon's in density mode), the
    // window title, the list's headings and totals, the copied headings, the questions' buttons
    // or the Drive panel keeps a text of the language before that the new one lacks; no two
    // access keys are alike within one menu or among the window's own; the menu marks the new
    // language, and the last one chosen is the working one at the next start.
    void everyCaptionFollowsTheLanguageWithAccessKeysApart() {
        TranslationStore store(QStringLiteral("test-walk"));
        QVERIFY(store.open(programDir() + QStringLiteral("Lenguas.db")));
        QCOMPARE(w_->language().current, store.fieldNames().value(3));
        const auto textsOf = [&store](Language language) {
            loadLanguage(store, language);
            QSet<QString> texts;
            for (QString t : language.texts)
                if (t.remove(QLatin1Char('&')).trimmed().size() > 1) texts << t.trimmed();
            return texts;
        };
        panel().toggleViewAction()->trigger();
        QStringList stale;
        QSet<QString> before = textsOf(w_->language());
        for (int n : {1, 3, 4, 5, 6, 2}) {
            const char* kinds[] = {"conveyor", "regularPolygon", "beltAxis"};
            chooseKind(kinds[n % 3]);
            chooseLanguage(n);
            QVERIFY(item(QStringLiteral("languageAction%1").arg(n))->isChecked());
            const QSet<QString> now = textsOf(w_->language());
            QStringList shown = w_->windowTitle().remove(QStringLiteral("[*]")).split(" - ");
            shown << cell("totalsTable", 0, 0);
            for (QLabel* l : w_->findChildren<QLabel*>())
                if (l->isVisibleTo(w_.get())) shown << l->text();
            for (QAbstractButton* b : w_->findChildren<QAbstractButton*>())
                if (b->isVisibleTo(w_.get())) shown << b->text().remove(QLatin1Char('&'));
            const QAbstractItemModel* parts = get<QTableView>("partsTable")->model();
            for (int c = 1; c < PartsList::ColumnCount; ++c)
                shown << parts->headerData(c, Qt::Horizontal).toString();
            w_->copyCommand();
            shown << QApplication::clipboard()->text().section(u'\n', 0, 0).split(u'\t');
            shown << QString(dialogs_.answerButtons().yes).remove(QLatin1Char('&'))
                  << QString(dialogs_.answerButtons().no).remove(QLatin1Char('&'));
            for (const QString& text : shown)
                for (const QString& old : before)
                    if (!now.contains(old) && (text == old || text.startsWith(old + ' ')))
                        stale << w_->language().current + QStringLiteral(": ") + text;
            before = now;
            stale << accessKeyClashes();
        }
        QVERIFY2(stale.isEmpty(), qPrintable(stale.join(QLatin1Char('\n'))));
        const QString last = w_->language().current;
        restartWindow();
        QCOMPARE(w_->language().current, last);
    }

    // A mechanism shows one caption and box per input it declares and no mass mode; Enter
    // walks its boxes in order, past the hidden ones, to + (the focused box cyan with its
    // text unselected, the one left white); + adds the line with every input; the editor
    // starts again from the kind's first texts, and the take-back gives every input back.
    void mechanismTakesItsOwnInputsAlongTheEnterChain_data() {
        QTest::addColumn<int>("code");
        for (int code : {21, 22, 23})
            QTest::addRow("%d", code) << code;
    }
    void mechanismTakesItsOwnInputsAlongTheEnterChain() {
        QFETCH(int, code);
        w_->displaySettings().setChoice({Digits::Significant4}); // its small inertia shows
        chooseKind(QLatin1String(mechanismInfo(code)->id));
        const auto declared = kindInputs(code);
        const QStringList inputs = mechanismInputs(code);
        QVERIFY(get<QWidget>("totalMassOption")->isHidden() &&
                get<QWidget>("densityOption")->isHidden());
        QTest::mouseClick(w_->editor().inputBox(0), Qt::LeftButton);
        for (std::size_t i = 0; i < MaxInputs; ++i) {
            QLineEdit* b = w_->editor().inputBox(i);
            QCOMPARE(b->isVisible(), i < declared.size());
            if (i >= declared.size()) continue;
            QVERIFY(captionOf(boxName(i)).startsWith(entryText(declared[i].captionEntry)));
            QCOMPARE(b->text(), QString::fromUtf8(declared[i].defaultText));
            QCOMPARE(QApplication::focusWidget(), b);
            QCOMPARE(b->palette().color(QPalette::Base), QColor(0, 255, 255));
            QCOMPARE(b->selectedText(), QString());
            b->selectAll();
            QTest::keyClicks(b, inputs[qsizetype(i)]);
            QTest::keyClick(b, Qt::Key_Return);
            QCOMPARE(b->palette().color(QPalette::Base), QColor(255, 255, 255));
        }
        QCOMPARE(QApplication::focusWidget(), get<QWidget>("addButton"));
        QVERIFY2(!results().contains(QString()), qPrintable(results().join('|')));
        QTest::keyClick(get<QWidget>("addButton"), Qt::Key_Return);
        QCOMPARE(partRows(), 1);
        QCOMPARE((QStringList{cell("partsTable", 0, 6), cell("partsTable", 0, 7),
                              cell("partsTable", 0, 11)}),
                 (QStringList{inputs[0], inputs[1], ""}));
        QCOMPARE(w_->editor().inputBox(2)->text(), QString::fromUtf8(declared[2].defaultText));
        click(QStringLiteral("takeBackButton"));
        QCOMPARE(partRows(), 0);
        QCOMPARE(w_->editor().kindCode(), code);
        for (std::size_t i = 0; i < declared.size(); ++i)
            QCOMPARE(w_->editor().inputBox(i)->text(), inputs[qsizetype(i)]);
    }

    // Beside a density box the list shows the material of its density; picking one writes its
    // density and computes again, typing one selects its material or "Other". A material
    // added in Preferences ▸ Materials... follows the built-in ones (a name taken is told);
    // removed, it is gone. A solid shows the list in density mode only.
    void materialListFillsTheDensity() {
        // Own materials are kept as the program names its settings (Qt writes none without an
        // organisation).
        QCoreApplication::setOrganizationName(QStringLiteral("Ostrel"));
        QCoreApplication::setApplicationName(QStringLiteral("Ostrel"));
        typeMechanism(22);
        MaterialList* list = w_->editor().shownMaterialList();
        QVERIFY(list && list->isVisible());
        QLineEdit* density = w_->editor().inputBox(5);
        QCOMPARE(list->currentText(), entryText(686)); // steel, 7850
        const double steelMass = *w_->editor().exactResult(0);
        QTest::keyClick(list, Qt::Key_Down); // as a user picks the next one
        QCOMPARE(density->text(), QStringLiteral("7930"));
        QVERIFY(*w_->editor().exactResult(0) > steelMass);

        dialogs_.windows << [](QDialog& d) {
            for (const auto& [n, rho] : {std::pair{"Invar 36", "8100"}, {"invar 36", "8000"}}) {
                d.findChild<QLineEdit*>(QStringLiteral("materialName"))->setText(n);
                d.findChild<QLineEdit*>(QStringLiteral("materialDensity"))->setText(rho);
                d.findChild<QPushButton*>(QStringLiteral("addMaterialButton"))->click();
            }
            return int(QDialog::Accepted);
        };
        dialogs_.expect();
        trigger("materialsAction");
        QCOMPARE(onlyMessage(), entryText(710));
        QCOMPARE(list->count(), 17);
        type({density->objectName(), "8100"});
        QCOMPARE(list->currentText(), QStringLiteral("Invar 36"));
        dialogs_.windows << [](QDialog& d) {
            d.findChild<QTableWidget*>(QStringLiteral("materialsTable"))->selectRow(0);
            d.findChild<QPushButton*>(QStringLiteral("removeMaterialButton"))->click();
            return int(QDialog::Accepted);
        };
        trigger("materialsAction");
        QCOMPARE(list->count(), 16);
        QCOMPARE(list->currentText(), entryText(701));
        QCOMPARE(UserMaterials().load().size(), size_t(0));
        QCoreApplication::setOrganizationName(QString());
        QCoreApplication::setApplicationName(QString());

        clickToolbar(QStringLiteral("showCentred"));
        clickToolbar(QStringLiteral("disc"));
        QVERIFY(!w_->editor().shownMaterialList());
        click(QStringLiteral("densityOption"));
        QCOMPARE(w_->editor().shownMaterialList()->currentText(), entryText(686));
    }

    // A 20 x 1000 mm steel shaft (7870 kg/m³) behind a ratio of 2. In Classic its inertia
    // reads "." with a hint naming the choice (the mass that shows and the true zeros have
    // none); a unit chosen brings 4 significant digits in, and the editor, the list and its
    // column show 0.3091 kg·cm²; back in Classic the list shows its classic cell.
    void shaftInClassicThenInKgCm2() {
        typeSteelDisc(QStringLiteral("20"), QStringLiteral("1000")); // J = 3.091e-5 kg·m²
        type({"ratioBox", "2", "massOrDensityBox", "7870"});
        QCOMPARE(results(), (QStringList{"2", ".", ".", "."}));
        QCOMPARE(units(), (QStringList{"kg", "kg·m²", "N·m", "N·m"}));
        const QString hint = get<QLabel>("inertiaResult")->toolTip();
        QVERIFY(hint.startsWith(entryText(457)));
        QVERIFY(hint.endsWith(entryText(450).remove(QLatin1Char('&'))));
        QVERIFY(get<QLabel>("massResult")->toolTip().isEmpty());
        QVERIFY(get<QLabel>("frictionResult")->toolTip().isEmpty());

        trigger("inertiaUnitMenu_kg.cm2");
        QVERIFY(w_->displayMenu().digitsItem(Digits::Significant4)->isChecked());
        QCOMPARE(results(), (QStringList{"2.472", "0.3091", "0", "0"}));
        QCOMPARE(units(), (QStringList{"kg", "kg·cm²", "N·m", "N·m"}));
        QVERIFY(get<QLabel>("inertiaResult")->toolTip().isEmpty());
        click(QStringLiteral("addButton"));
        QCOMPARE(cell("partsTable", 0, 2), QStringLiteral("0.3091"));
        // The column is wide enough for the widest text it may show.
        QTableView* grid = get<QTableView>("partsTable");
        QVERIFY(grid->columnWidth(2) >= grid->fontMetrics().horizontalAdvance("-8.888E-88"));

        trigger("classicDigitsAction");
        QCOMPARE(cell("partsTable", 0, 2), QStringLiteral("0"));
        QCOMPARE(units(), (QStringList{"kg", "kg·m²", "N·m", "N·m"}));
    }

    // Stored values that are not a choice (a list, a number), or a file that cannot be read,
    // fall back field by field to Classic and SI units without a word; a choice that cannot be
    // stored still applies for the session, and out-of-range values never come through.
    void badSettingsFallBackQuietly() {
        QTemporaryDir d;
        const auto loaded = [&d](const QByteArray& file) {
            writeFile(d.filePath("settings.ini"), file);
            const DisplayTexts t = toTexts(DisplaySettings(d.filePath("settings.ini")).load());
            return QStringList({t.digits, t.mass, t.inertia, t.torque}).join('/');
        };
        QCOMPARE(loaded("[Results]\ndigits=\" 4 \"\ninertia=kg.cm2, x\ntorque=3\n"),
                 "4/kg/kg.m2/N.m");
        QCOMPARE(loaded("\xff\xfe[Results\ndigits=\"4\n\x01"), "classic/kg/kg.m2/N.m");
        DisplaySettings readOnly(QStringLiteral("/proc/ostrel-no-such-place/settings.ini"));
        DisplayChoice c{Digits::Significant6};
        readOnly.setChoice(c);
        QVERIFY(readOnly.choice() == c);
        c.inertia = InertiaUnit(42);
        c.digits = Digits(9);
        readOnly.setChoice(c);
        QVERIFY(readOnly.choice() == DisplayChoice{});
    }

    // "," becomes "."; a value out of range is hinted at its box and empties the results and
    // the profile's tab.
    void wrongInputIsHintedAtItsBoxAndEmptiesTheResults() {
        panel().toggleViewAction()->trigger();
        type({"motorInertiaBox", "0.01", "speedBox", "1500", "accelTimeBox", "0.2", "decelTimeBox",
              "0.2"});
        QVERIFY(!caption("accelTorqueResult").isEmpty());
        QVERIFY(get<QTabWidget>("driveTabs")->isTabEnabled(1));
        type({"efficiencyBox", "1,5"});
        QCOMPARE(panel().inputs().text(DriveInputs::Efficiency), QStringLiteral("1.5"));
        QVERIFY(get<QLabel>("efficiencyHint")->isVisible());
        QCOMPARE(caption("efficiencyHint"), entryText(560));
        QVERIFY(get<QLabel>("driveFixNote")->isVisible());
        for (const char* key : {"ratio", "accelTorque", "peakTorque", "kineticEnergy"})
            QVERIFY2(caption(key + QStringLiteral("Result")).isEmpty(), key);
        QVERIFY(!get<QTabWidget>("driveTabs")->isTabEnabled(1));
    }

    // The motor and gearbox inertias are typed in the chosen inertia unit, written beside
    // them; the inputs (the project) keep SI, another unit shows the same value (5 kg·cm² =
    // 0.0005 kg·m² = 0.0005 / (0.45359237 · 0.3048²) lb·ft²), and a text without a number
    // stays as typed.
    void driveInertiasTakeTheChosenUnit() {
        panel().toggleViewAction()->trigger();
        trigger("inertiaUnitMenu_kg.cm2");
        type({"motorInertiaBox", "5", "gearInertiaBox", "abc"});
        const auto shown = [this] {
            return QStringList{panel().inputs().text(DriveInputs::MotorInertia),
                               box("motorInertiaBox")->text(), box("gearInertiaBox")->text(),
                               caption("motorInertiaUnit"), caption("gearInertiaUnit")};
        };
        QCOMPARE(shown(), (QStringList{"0.0005", "5", "abc", "kg·cm²", "kg·cm²"}));
        trigger("inertiaUnitMenu_lb.ft2");
        QCOMPARE(shown(), (QStringList{"0.0005", "0.011865180202116", "abc", "lb·ft²", "lb·ft²"}));
        trigger("inertiaUnitMenu_kg.cm2");
        QCOMPARE(shown()[1], QStringLiteral("5"));
    }

    // Kept per user for the next start: the display choice (a unit chosen under 6 digits keeps
    // them), the Drive panel shown or hidden (the window takes it along as it closes) and the
    // window's size. The panel is hidden at first, its menu item shows it and its toolbar
    // button hides it.
    void choicesAreKeptForTheNextStart() {
        QVERIFY(!panel().isVisible());
        panel().toggleViewAction()->trigger();
        trigger("sixDigitsAction");
        trigger("torqueUnitMenu_lbf.in");
        trigger("inertiaUnitMenu_lb.ft2");
        w_->resize(w_->size() + QSize(41, 29));
        const QSize size = w_->size();
        QVERIFY(w_->close());
        restartWindow();
        QVERIFY(w_->displayChoice() == (DisplayChoice{Digits::Significant6, MassUnit::Kg,
                                                      InertiaUnit::LbFt2, TorqueUnit::LbfIn}));
        QVERIFY(w_->displayMenu().unitItem(Quantity::Torque, 2)->isChecked());
        QCOMPARE(units(), (QStringList{"kg", "lb·ft²", "lbf·in", "lbf·in"}));
        QVERIFY(panel().isVisible());
        QCOMPARE(w_->size(), size);
        QToolBar* bar = get<QToolBar>("mainToolBar");
        QTest::mouseClick(bar->widgetForAction(panel().toggleViewAction()), Qt::LeftButton);
        QVERIFY(w_->close());
        restartWindow();
        QVERIFY(!panel().isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
