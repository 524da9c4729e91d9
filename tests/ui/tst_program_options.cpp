// The program options as a user lives with them: read at start-up with the windows put back,
// changed in " Program Options", written at quit, found again at the next start.
#include "files/ProgramOptionsFile.h"
#include "support/UiHarness.h"
#include "ui/files/ProgramOptionsCommands.h"
#include "ui/files/ProgramOptionsDialog.h"
#include "ui/view/DrawingWindow.h"
#include "ui/view/PolylinesWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <fstream>

using namespace zorvane;
using namespace zorvane::testing;

namespace {

std::filesystem::path optionsFile() {
    const char* home = std::getenv("ZORVANE_HOME");
    return std::filesystem::path(home ? home : ".") / "progop.ini";
}

void writeOptions(const ProgramOptions& o) {
    saveProgramOptions(optionsFile(), o);
}
ProgramOptions readOptions() {
    return loadProgramOptions(optionsFile()).options;
}

template <class T> T* in(QWidget* w, const char* name) {
    return w->findChild<T*>(name);
}

} // namespace

class ProgramOptionsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() { std::filesystem::remove(optionsFile()); }

    void windowsStateComesBackAtTheNextStart() {
        ProgramOptions first;
        first.mainWindow = {60, 70, 720, 292};
        first.drawingVisible = true;
        first.drawingWindow = {90, 400, 700, 500};
        first.showPoints = true;
        first.showNumbers = false;
        first.labelHeight = 17;
        writeOptions(first);
        {
            UiHarness h;
            h.shell->start();
            QVERIFY(QTest::qWaitForWindowExposed(h.window));
            ui::DrawingWindow& d = h.shell->drawingWindow();
            QVERIFY(d.isVisible());
            QCOMPARE(d.frameGeometry().topLeft(), QPoint(90, 400));
            QVERIFY(d.button("showpoints")->isChecked() && !d.button("shownum")->isChecked());
            QCOMPARE(h.doc().view().labelHeight, 17);
            QCOMPARE(d.textHeightBox()->currentText(), QString("17"));

            // The user moves things about, switches the numbers back on and quits.
            d.move(120, 420);
            d.button("shownum")->click();
            h.shell->showPolylines();
            h.shell->polylinesWindow().move(800, 50);
            h.window->move(30, 20);
            QVERIFY(h.cases().quit());
        }
        const ProgramOptions saved = readOptions();
        QCOMPARE(saved.drawingWindow.left, 120);
        QCOMPARE(saved.drawingWindow.top, 420);
        QVERIFY(saved.drawingVisible && saved.polylinesVisible && saved.showNumbers &&
                saved.showPoints);
        QCOMPARE(saved.polylinesWindow.left, 800);
        QCOMPARE(saved.mainWindow.left, 30);

        UiHarness again;
        again.shell->start();
        QVERIFY(again.shell->polylinesWindow().isVisible());
        QCOMPARE(again.shell->polylinesWindow().frameGeometry().topLeft(), QPoint(800, 50));
        QCOMPARE(again.window->frameGeometry().topLeft(), QPoint(30, 20));
    }

    void aMaximisedDrawingWindowIsStoredWithLeftMinusOneAndComesBackMaximised() {
        {
            UiHarness h;
            h.shell->start();
            h.shell->toggleDrawing();
            h.shell->drawingWindow().showMaximized();
            QTRY_VERIFY(h.shell->drawingWindow().isMaximized());
            QVERIFY(h.cases().quit());
        }
        QCOMPARE(readOptions().drawingWindow.left, kMaximisedLeft);
        UiHarness again;
        again.shell->start();
        QTRY_VERIFY(again.shell->drawingWindow().isMaximized());
    }

    void forgettingTheWindowsKeepsTheDefaultsOfNewCases() {
        ProgramOptions o;
        o.rememberWindows = false;
        o.drawingVisible = true;
        o.defaultUnit = kFeetInches;
        o.firstPointNumber = 100;
        writeOptions(o);
        UiHarness h;
        h.shell->start();
        QVERIFY(!h.shell->drawingWindow().isVisible());
        h.cases().newCase(CaseMode::Xyz);
        QCOMPARE(h.state().units.unit, int(kFeetInches));
        QCOMPARE(h.state().lastPointNumber, 99);
    }

    void aDamagedOptionsFileIsReportedOnceAndTheDefaultsUsed() {
        std::filesystem::create_directories(optionsFile().parent_path());
        { std::ofstream(optionsFile(), std::ios::binary) << "short"; }
        UiHarness h;
        h.shell->start();
        const auto notes = h.prompts.texts("information");
        QCOMPARE(notes.size(), std::size_t(1));
        QVERIFY(notes[0].find("progop.ini") != std::string::npos);
        QCOMPARE(h.context.options, ProgramOptions{});
    }

    void aFailedWriteAtQuitIsReportedAndTheProgramStillEnds() {
        std::filesystem::create_directories(optionsFile()); // a folder where the file goes
        UiHarness h;
        h.shell->start();
        h.prompts.clear();
        QVERIFY(h.cases().quit());
        QCOMPARE(h.prompts.errors().size(), std::size_t(1));
        QVERIFY(h.prompts.errors()[0].find("progop.ini") != std::string::npos);
        std::filesystem::remove_all(optionsFile());
    }

    void okTakesTheDefaultsCancelKeepsTheControlsForTheQuit() {
        UiHarness h;
        h.shell->start();
        ui::ProgramOptionsDialog* dialog = h.shell->programOptions().dialog();
        const std::pair<const char*, int> units[] = {{"Millimeter", kMillimeter},
                                                     {"Feet & Inches", kFeetInches}};
        for (const auto& [name, unit] : units) {
            QTimer::singleShot(0, dialog, [dialog, name = name] {
                const bool american = QString(name) == "Feet & Inches";
                in<QRadioButton>(dialog, american ? "RadioButton1" : "RadioButton2")->click();
                auto* list = in<QComboBox>(dialog, american ? "ComboBox3" : "ComboBox4");
                list->setCurrentIndex(list->findText(name));
                in<QPushButton>(dialog, "ok")->click();
            });
            h.window->action("ProgramOptions1")->trigger();
            QCOMPARE(h.context.options.defaultUnit, unit);
        }

        // A first number that is not one: Ok stops with the message, the window stays.
        QTimer::singleShot(0, dialog, [dialog, &h] {
            in<QLineEdit>(dialog, "Edit1")->setText("12a");
            in<QPushButton>(dialog, "ok")->click();
            QVERIFY(dialog->isVisible());
            QCOMPARE(h.prompts.errors().back(), std::string("'12a' is not a valid integer value"));
            in<QLineEdit>(dialog, "Edit1")->setText("50");
            in<QComboBox>(dialog, "ComboBox2")->setCurrentIndex(3);
            in<QPushButton>(dialog, "cancel")->click();
        });
        h.window->action("ProgramOptions1")->trigger();
        QCOMPARE(h.context.options.firstPointNumber, 1); // Cancel applied nothing
        QVERIFY(h.cases().quit());
        const ProgramOptions saved = readOptions();
        QCOMPARE(saved.firstPointNumber, 50); // the quit takes what the controls show
        QCOMPARE(saved.defaultDecimals, 3);
        QCOMPARE(saved.defaultUnit, int(kFeetInches));
    }

    // Ok shows the grid again from the table, and nothing else: a point half typed stays in the
    // fields with its new number, so the next Enter creates it instead of changing point 1.
    void okLeavesThePointBeingTypedWhereItWas() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        ui::EntryPage* p = h.entry().currentPage();
        for (const char* x : {"1", "2"}) {
            p->valueFields()[0]->setText(x);
            p->valueFields()[1]->setText("0");
            p->createButton()->click();
        }
        QCOMPARE(h.state().points.size(), std::size_t(2));
        p->valueFields()[0]->setText("7.5");
        ui::ProgramOptionsDialog* dialog = h.shell->programOptions().dialog();
        QTimer::singleShot(0, dialog, [dialog] { in<QPushButton>(dialog, "ok")->click(); });
        h.window->action("ProgramOptions1")->trigger();
        QCOMPARE(h.state().grid.selectedRow, 3);
        QCOMPARE(p->numberField()->text(), QString("3"));
        QCOMPARE(p->valueFields()[0]->text(), QString("7.5"));
    }
};

QTEST_MAIN(ProgramOptionsTest)
#include "tst_program_options.moc"
