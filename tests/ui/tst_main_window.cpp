// The main window as a user meets it: new cases, the save prompt, quitting, compact mode, the
// window-wide Ctrl keys and the drawing window's first placement.
#include "support/UiHarness.h"
#include "ui/app/EntryPage.h"
#include "ui/app/SavePromptDialog.h"
#include "ui/view/DrawingWindow.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace zorvane;
using namespace zorvane::testing;
using Nav = ui::EntryPage::Nav;

class MainWindowTest : public QObject {
    Q_OBJECT

    static QAction* action(ui::MainWindow& w, const char* name) {
        return w.findChild<QAction*>(name);
    }

    static void addPoint(UiHarness& h, const QString& number, const QString& x, const QString& y) {
        ui::EntryPage* p = h.entry().currentPage();
        p->numberField()->setText(number);
        p->valueFields()[0]->setText(x);
        p->valueFields()[1]->setText(y);
        h.entry().createPoint();
    }

  private Q_SLOTS:
    void startsWithNoCase() {
        UiHarness h;
        h.show();
        QCOMPARE(h.window->windowTitle(), QString(" Zorvane 1.0"));
        QCOMPARE(h.window->objectName(), QString("TForm1"));
        QVERIFY(!h.window->page(CaseMode::Xyz)->isEnabled());
        QVERIFY(!action(*h.window, "Units1")->isEnabled());
        QVERIFY(!action(*h.window, "Undo1")->isEnabled());
        QCOMPARE(h.window->statusText(0), QString("File: none"));
        QCOMPARE(h.window->statusText(1), QString("Last point:"));
        // Menus not built yet are present and disabled; the shell's own work.
        QVERIFY(action(*h.window, "DXFExport2") && !action(*h.window, "DXFExport2")->isEnabled());
        QVERIFY(action(*h.window, "AboutZorvane1")->isEnabled());
    }

    void newCaseStatePerMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("title1");
        QTest::addColumn<QString>("firstField");
        QTest::addColumn<int>("visibleColumns");
        QTest::newRow("XYZ") << 0 << "plist"
                             << "Measure. X"
                             << "cx" << 5;
        QTest::newRow("Polar") << 1 << "plist" << QString::fromUtf8("Compass d\u00B0") << "cdg"
                               << 5;
        QTest::newRow("NESW") << 2 << "plist2"
                              << "North"
                              << "north" << 7;
    }
    void newCaseStatePerMode() {
        QFETCH(int, mode);
        QFETCH(QString, grid);
        QFETCH(QString, title1);
        QFETCH(QString, firstField);
        QFETCH(int, visibleColumns);
        ProgramOptions options;
        options.firstPointNumber = 20;
        options.defaultUnit = 5;
        UiHarness h(options);
        h.show();
        QVERIFY(h.cases().newCase(static_cast<CaseMode>(mode)));
        auto* view = h.window->findChild<QTableView*>(grid);
        QVERIFY(view->isVisible());
        QVERIFY(
            !h.window->findChild<QTableView*>(grid == "plist" ? "plist2" : "plist")->isVisible());
        QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(), title1);
        QCOMPARE(view->model()->rowCount(), 1); // the new-point row under the titles
        int shown = 0;
        for (int c = 0; c < view->model()->columnCount(); ++c)
            shown += view->isColumnHidden(c) ? 0 : 1;
        QCOMPARE(shown, visibleColumns);
        QCOMPARE(h.window->statusText(0), QString("File: not saved "));
        QCOMPARE(h.window->statusText(1), QString("Last Point: 19"));
        QCOMPARE(h.window->statusText(2), QString("Units: Feet and Inches"));
        ui::EntryPage* page = h.entry().currentPage();
        QVERIFY(page->isVisible());
        QCOMPARE(page->numberField()->text(), QString("20"));
        QCOMPARE(QApplication::focusWidget()->objectName(), firstField);
        QVERIFY(!action(*h.window, "Undo1")->isEnabled());
        QVERIFY(!action(*h.window, "Redo1")->isEnabled());
        QVERIFY(action(*h.window, "Units1")->isEnabled());
        QVERIFY(action(*h.window, "RenumberPoints1")->isEnabled());
        QVERIFY(h.prompts.shown.empty()); // a clean case is replaced without asking
    }

    void savePromptAnswersOnNew() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        addPoint(h, "1", "1", "2");
        QCOMPARE(h.state().points.size(), std::size_t(1));

        h.prompts.saveAnswers = {SaveAnswer::Cancel};
        QVERIFY(!h.cases().newCase(CaseMode::Polar));
        QCOMPARE(h.state().mode, CaseMode::Xyz);
        QCOMPARE(h.state().points.size(), std::size_t(1));

        // Yes runs Save, which asks for a name; cancelling it loses the changes and goes on.
        h.prompts.saveAnswers = {SaveAnswer::Yes};
        h.prompts.fileAnswers = {std::nullopt};
        QVERIFY(h.cases().newCase(CaseMode::Polar));
        QCOMPARE(h.prompts.texts("save").back(), std::string("Save a Zorvane file"));
        QCOMPARE(h.state().mode, CaseMode::Polar);
        QVERIFY(h.state().points.empty());

        addPoint(h, "1", "90", "10");
        h.prompts.saveAnswers = {SaveAnswer::No}; // also what closing the prompt's frame gives
        QVERIFY(h.cases().newCase(CaseMode::Nesw));
        QVERIFY(h.state().points.empty());
        QCOMPARE(h.prompts.texts("save?").size(), std::size_t(3));
    }

    void closingThePromptCountsAsNo() {
        ui::SavePromptDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("Warning"));
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });
        QCOMPARE(dialog.ask(), SaveAnswer::No);
        QTimer::singleShot(0, &dialog,
                           [&dialog] { dialog.findChild<QPushButton*>("cancel")->click(); });
        QCOMPARE(dialog.ask(), SaveAnswer::Cancel);
        QTimer::singleShot(0, &dialog,
                           [&dialog] { dialog.findChild<QPushButton*>("yes")->click(); });
        QCOMPARE(dialog.ask(), SaveAnswer::Yes);
    }

    void quitAsksOnlyWithChangesAndCancelKeepsRunning() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        addPoint(h, "1", "1", "2");
        h.prompts.saveAnswers = {SaveAnswer::Cancel};
        h.window->close(); // the frame's close box is the Quit command
        QVERIFY(h.window->isVisible());
        QCOMPARE(h.prompts.texts("save?").size(), std::size_t(1));
        QCOMPARE(h.state().points.size(), std::size_t(1));

        h.prompts.saveAnswers = {SaveAnswer::No};
        QVERIFY(h.cases().quit());
        QVERIFY(!h.window->isVisible());

        UiHarness clean;
        clean.show();
        QVERIFY(clean.cases().quit());
        QVERIFY(clean.prompts.shown.empty());
    }

    void ctrlKeysWorkInCompactModeAndInsideFields() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        h.window->toggleCompact();
        QVERIFY(h.window->compactMode());
        QVERIFY(!h.window->menuBar()->isVisible());
        QCOMPARE(h.window->size(), QSize(166, 206));
        QVERIFY(QTest::qWaitForWindowActive(h.window));
        QWidget* field = h.entry().currentPage()->valueFields()[0];
        field->setFocus();
        QTest::keyClick(field, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(h.state().mode, CaseMode::Nesw);
        h.window->toggleCompact();
        QCOMPARE(h.window->size(), QSize(720, 292));
        QVERIFY(h.window->menuBar()->isVisible());
        QVERIFY(h.window->findChild<QTableView*>("plist2")->isVisible());
        QVERIFY(!h.window->findChild<QPushButton*>("Button3")->isVisible());
    }

    void ctrlZWithUndoDisabledDoesNothing() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        auto* cx = qobject_cast<QLineEdit*>(h.entry().currentPage()->valueFields()[0]);
        cx->setFocus();
        QTest::keyClicks(cx, "12");
        QTest::keyClick(cx, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cx->text(), QString("12")); // not even the field's own undo
        QVERIFY(h.state().points.empty());

        addPoint(h, "1", "1", "1");
        addPoint(h, "2", "2", "2");
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : h.window;
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h.state().points.size(), std::size_t(1));
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier); // one step only
        QCOMPARE(h.state().points.size(), std::size_t(1));
        QTest::keyClick(focus, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(h.state().points.size(), std::size_t(2));
    }

    void firstShowPlacesTheDrawingWindowBelowTheMainWindow() {
        UiHarness h;
        h.show();
        h.window->move(120, 80);
        const QRect frame = h.window->frameGeometry();
        auto* show = h.window->findChild<QPushButton*>("Button4");
        QCOMPARE(show->text(), QString("Show"));
        show->click();
        QCOMPARE(show->text(), QString("Hide"));
        ui::DrawingWindow* drawing = (&h.shell->drawingWindow());
        QVERIFY(drawing->isVisible());
        QCOMPARE(drawing->pos(), QPoint(frame.left(), frame.top() + 310));
        drawing->move(300, 300);
        show->click();
        QVERIFY(!drawing->isVisible());
        show->click();
        QCOMPARE(drawing->pos(), QPoint(300, 300));
        drawing->close(); // hidden, and the main window's button follows
        QVERIFY(!drawing->isVisible());
        QCOMPARE(show->text(), QString("Show"));
        QVERIFY(!h.shell->drawingShown());
    }

    void helpAndAboutOpenPages() {
        UiHarness h;
        h.shell->help().showHelp();
        QCOMPARE(h.opened.size(), std::size_t(1));
        QVERIFY(h.opened[0].isLocalFile());
        QVERIFY(h.opened[0].toLocalFile().endsWith("zorvane_help.html"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
