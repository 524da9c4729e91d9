// The keyboard across windows, with real key events: an Enter that closes a dialog must not
// act in the field that gets the focus back, Tab walks the entry page in order, and what a user
// types stays as typed.
#include "support/TempDir.h"
#include "support/UiHarness.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace zorvane;
using namespace zorvane::testing;

namespace {

QWidget* focus() {
    return QApplication::focusWidget();
}

// A real modal window closed the way a user closes it: Enter pressed in it. The release of
// that Enter comes later, in whatever window has the focus then.
void closeAModalWithEnter() {
    QDialog dialog;
    auto* ok = new QPushButton("OK", &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::sendKeyEvent(QTest::Press, &dialog, Qt::Key_Return, '\r', Qt::NoModifier);
    });
    dialog.exec();
}

// The focus comes back with the main window's activation.
void releaseEnter(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(focus());
    QTest::sendKeyEvent(QTest::Release, focus(), Qt::Key_Return, '\r', Qt::NoModifier);
}

void typeAndEnter(const QString& text) {
    QTest::keyClicks(focus(), text);
    QTest::keyClick(focus(), Qt::Key_Return);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void enterThatClosedTheSaveDialogDoesNotCreateAPoint() {
        TempDir dir;
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        typeAndEnter("1");
        typeAndEnter("2");
        typeAndEnter("");
        QTest::keyClicks(focus(), "Post A");
        QCOMPARE(focus(), h.entry().currentPage()->descriptorBox());
        typeAndEnter(""); // the point is created; the focus is back in X
        QTest::keyClicks(focus(), "5");
        typeAndEnter("");
        QTest::keyClicks(focus(), "7");
        typeAndEnter("");
        typeAndEnter("");
        QTest::keyClicks(focus(), "Post B");
        QCOMPARE(focus(), h.entry().currentPage()->descriptorBox());

        h.prompts.fileAnswers = {(dir / "a.zvr").string()};
        h.prompts.whileOpen = closeAModalWithEnter;
        QTest::keyClick(focus(), Qt::Key_S, Qt::ControlModifier);
        releaseEnter(h.window);
        QCOMPARE(h.state().points.size(), std::size_t(1)); // Post B is not created by the save
        QVERIFY(h.doc().isClean());
        QCOMPARE(focus(), h.entry().currentPage()->descriptorBox());
        QCOMPARE(h.entry().currentPage()->descriptorBox()->currentText(), QString("Post B"));
    }

    void enterThatClosedTheOpenDialogOrAnErrorBoxLeavesTheFocusWhereItIs() {
        TempDir dir;
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        h.prompts.whileOpen = closeAModalWithEnter;

        // The error box of an empty X: the focus goes to X, and stays there.
        QCOMPARE(focus()->objectName(), QString("cx"));
        h.entry().currentPage()->createButton()->click();
        QCOMPARE(h.prompts.errors().size(), std::size_t(1));
        releaseEnter(h.window);
        QCOMPARE(focus()->objectName(), QString("cx"));
        QCOMPARE(h.entry().currentPage()->valueFields()[0]->text(), QString());

        // A cancelled open dialog: X is neither normalised nor left.
        QTest::keyClicks(focus(), "12.345");
        h.prompts.fileAnswers = {std::nullopt};
        QTest::keyClick(focus(), Qt::Key_O, Qt::ControlModifier);
        releaseEnter(h.window);
        QCOMPARE(focus()->objectName(), QString("cx"));
    }

    void tabGoesFromTheNumberToTheValuesAndTheDescriptor() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Nesw);
        ui::EntryPage* p = h.entry().currentPage();
        p->numberField()->setFocus();
        QStringList order;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(focus(), Qt::Key_Tab);
            order << focus()->objectName();
        }
        QCOMPARE(order, (QStringList{"north", "east", "south", "west", "elev", "cdes3"}));
        QCOMPARE(p->compactButton()->focusPolicy(), Qt::NoFocus);
        for (GridStep step :
             {GridStep::Previous, GridStep::Next, GridStep::First, GridStep::NewPoint})
            QVERIFY(!p->navButton(step)->isEnabled()); // a new case has no row to go to
    }

    void theDescriptorKeepsTheLetterCaseTyped() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        for (const char* desc : {"Kerb", "kERB"}) {
            typeAndEnter("1");
            typeAndEnter("1");
            typeAndEnter("");
            typeAndEnter(desc);
        }
        QCOMPARE(h.state().points.size(), std::size_t(2));
        QCOMPARE(h.state().points[1].descriptor.view(), std::string_view("kERB"));
        QCOMPARE(h.entry().currentPage()->descriptorBox()->count(), 1); // listed once
    }

    void emptyFieldsInFeetAndInchesAreStillMissing() {
        ProgramOptions options;
        options.defaultUnit = kFeetInches;
        UiHarness h(options);
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        typeAndEnter(""); // X left empty stays empty
        QCOMPARE(h.entry().currentPage()->valueFields()[0]->text(), QString());
        typeAndEnter("");
        typeAndEnter(""); // Z shows what an empty one stands for
        QCOMPARE(h.entry().currentPage()->valueFields()[2]->text(), QString("0' 0\""));
        typeAndEnter(""); // Enter in the descriptor: refused
        QCOMPARE(h.prompts.errors(), std::vector<std::string>{"Enter valid coordinates"});
        QVERIFY(h.state().points.empty());
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard_between_windows.moc"
