// What keeps a user's case safe around the commands: the save prompt after a failed save, an
// error escaping a command, and the shell's windows as designed.
#include "support/TempDir.h"
#include "support/UiHarness.h"
#include "ui/app/QtPrompts.h"
#include "ui/app/RenumberDialog.h"
#include "ui/view/DrawingWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>

#include <filesystem>
#include <fstream>
#include <stdexcept>

using namespace zorvane;
using namespace zorvane::testing;

class ShellGuardsTest : public QObject {
    Q_OBJECT

    static void addPoint(UiHarness& h) {
        ui::EntryPage* p = h.entry().currentPage();
        p->numberField()->setText("1");
        p->valueFields()[0]->setText("1");
        p->valueFields()[1]->setText("2");
        h.entry().createPoint();
    }

  private Q_SLOTS:
    void aSaveThatFailsKeepsTheCaseForNewOpenAndQuit() {
        TempDir dir;
        std::ofstream(dir / "plain") << "a file where a folder should be";
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        addPoint(h);
        const std::string target = (dir / "plain" / "case.zvr").string(); // cannot be written
        const std::function<bool()> commands[] = {
            [&] { return h.cases().newCase(CaseMode::Polar); },
            [&] { return h.cases().openCase(); },
            [&] { return h.cases().quit(); },
        };
        for (const auto& command : commands) {
            h.prompts.saveAnswers = {SaveAnswer::Yes};
            h.prompts.fileAnswers = {target};
            QVERIFY(!command());
            QCOMPARE(h.state().points.size(), std::size_t(1));
            QVERIFY(!h.doc().isClean());
            QVERIFY(h.window->isVisible());
        }
        QCOMPARE(h.prompts.errors().size(), std::size_t(3));
    }

    void anErrorEscapingACommandIsShownAndTheProgramGoesOn() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        addPoint(h);
        const auto before = h.state().points;
        for (const std::function<void()>& failure : std::initializer_list<std::function<void()>>{
                 [] { throw std::bad_alloc(); }, [] { throw std::length_error("vector too long"); },
                 [] { throw std::logic_error("no answer"); }}) {
            h.prompts.clear();
            h.prompts.saveAnswers = {SaveAnswer::Yes};
            h.prompts.whileOpen = [&] { // the save prompt itself fails, once
                h.prompts.whileOpen = {};
                failure();
            };
            h.window->action("NewNESW1")->trigger();
            QCOMPARE(h.prompts.errors().size(), std::size_t(1));
            QCOMPARE(h.state().mode, CaseMode::Xyz);
            QVERIFY(h.state().points == before);
        }
        QCOMPARE(h.prompts.errors().back(), std::string("no answer"));
        QVERIFY(h.window->isVisible());
    }

    void aTypedCaseNameIsNotLostWithoutAsking() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        QTest::keyClicks(h.window->caseNameField(), "A7 crossing");
        h.prompts.saveAnswers = {SaveAnswer::Cancel};
        QVERIFY(!h.cases().quit());
        QCOMPARE(h.prompts.texts("save?").size(), std::size_t(1));
        QCOMPARE(h.state().caseName, std::string("A7 crossing"));
    }

    void theMainWindowCanBeMinimisedButNotMaximised() {
        UiHarness h;
        const Qt::WindowFlags flags = h.window->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    }

    void fileDialogsShowTheFilterTextsAsWritten() {
        ui::QtPrompts prompts;
        FileDialogRequest r;
        r.title = "Open a Zorvane file";
        r.filter = "XYZ files (*.zvx, *.txt)|*.zvx;*.txt|Zorvane files (*.zvr)|*.zvr";
        r.filterIndex = 2;
        QStringList shown;
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
                    auto* list = d->findChild<QComboBox*>("fileTypeCombo");
                    for (int i = 0; list && i < list->count(); ++i) shown << list->itemText(i);
                    d->reject();
                }
        });
        QVERIFY(!prompts.openFile(r));
        QCOMPARE(shown, (QStringList{"XYZ files (*.zvx, *.txt)", "Zorvane files (*.zvr)"}));
    }

    void dialogsOpenInTheMiddleOfTheDesktop() {
        UiHarness h;
        h.show();
        h.window->move(0, 0);
        ui::RenumberDialog dialog(h.window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint centre = dialog.screen()->availableGeometry().center();
        QVERIFY((dialog.frameGeometry().center() - centre).manhattanLength() <= 2);
    }

    void theWheelZoomsOverTheWholeWindowAndOnlyUpAndDown() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        h.shell->toggleDrawing();
        ui::DrawingWindow& d = h.shell->drawingWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto wheel = [&d](QPoint delta) {
            const QPoint at(20, 10); // over the toolbars, not the surface
            QWheelEvent e(at, d.mapToGlobal(at), {}, delta, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(&d, &e);
        };
        wheel({120, 0}); // sideways: nothing, not even a count toward every second step
        QCOMPARE(h.doc().view().zoomFactor, 1.0);
        wheel({0, 120});
        QCOMPARE(h.doc().view().zoomFactor, 1.1);
    }

    void closingTheDrawingWindowHidesItsToolbars() {
        UiHarness h;
        h.show();
        h.shell->toggleDrawing();
        ui::DrawingWindow& d = h.shell->drawingWindow();
        d.close();
        for (const char* bar : {"ToolBar1", "ToolBar2", "ToolBar3", "ToolBar4"})
            QVERIFY(!d.toolBar(bar)->isVisible());
    }
};

QTEST_MAIN(ShellGuardsTest)
#include "tst_shell_guards.moc"
