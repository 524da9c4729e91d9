// The " Incident description" window: the defaults of a new case, "Ok" and "Cancel", the
// length of the circumstances, and what a saved case holds.
#include "support/TempDir.h"
#include "support/UiHarness.h"
#include "ui/files/AttachmentCommands.h"
#include "ui/files/IncidentDialog.h"
#include "ui/files/MemoEdit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <functional>

using namespace zorvane;
using namespace zorvane::testing;

namespace {

struct Shown {
    QString date, hour, place, name1, name2, circumstances;
};

} // namespace

class IncidentDialogTest : public QObject {
    Q_OBJECT

    // Opens the window with the top panel's button, lets `user` act in it while it is shown,
    // and then presses `button`. Returns what the window showed when it opened.
    static Shown visit(UiHarness& h, const char* button,
                       const std::function<void(ui::IncidentDialog*)>& user = {}) {
        ui::IncidentDialog* d = h.shell->attachments().incidentDialog();
        Shown shown;
        QTimer::singleShot(0, d, [&] { // after the window's own first events
            QTimer::singleShot(0, d, [&] {
                shown = {d->dateField()->displayText(), d->hourField()->displayText(),
                         d->placeField()->text(),       d->name1Field()->text(),
                         d->name2Field()->text(),       d->circumstancesField()->toPlainText()};
                if (user) user(d);
                d->findChild<QPushButton*>(button)->click();
            });
        });
        h.window->incidentButton()->click();
        return shown;
    }

  private Q_SLOTS:
    void aNewCaseHasTodayMidnightAndEmptyTexts() {
        UiHarness h;
        QVERIFY(!h.window->incidentButton()->isEnabled());
        h.cases().newCase(CaseMode::Xyz);
        QVERIFY(h.window->incidentButton()->isEnabled());
        const Shown s = visit(h, "Button2");
        QCOMPARE(s.date, QString("07/12/2026"));
        QCOMPARE(s.hour, QString("00:00"));
        QVERIFY(s.place.isEmpty() && s.name1.isEmpty() && s.name2.isEmpty() &&
                s.circumstances.isEmpty());
        ui::IncidentDialog* d = h.shell->attachments().incidentDialog();
        QCOMPARE(d->objectName(), QString("TForm3"));
        QCOMPARE(d->windowTitle(), QString(" Incident description"));
    }

    void okStoresWhatWasTypedAndCancelKeepsTheRecord() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Nesw);
        visit(h, "Button1", [](ui::IncidentDialog* d) {
            QVERIFY(d->dateField()->hasSelectedText()); // typing replaces today's date
            QTest::keyClicks(d->dateField(), "3/4/2025");
            QTest::keyClick(d->dateField(), Qt::Key_Tab);
            QCoreApplication::processEvents(); // as between two keys of a user
            QVERIFY(d->hourField()->hasFocus() && d->hourField()->hasSelectedText());
            QTest::keyClicks(d->hourField(), "9:30");
            d->placeField()->insert(QString::fromUtf8("Route de Genève"));
            QTest::keyClicks(d->name1Field(), "A. Driver");
            d->circumstancesField()->setFocus();
            QTest::keyClicks(d->circumstancesField(), "Wet road");
            QTest::keyClick(d->circumstancesField(), Qt::Key_Return);
            QTest::keyClicks(d->circumstancesField(), "Night");
        });
        const IncidentRecord& r = h.state().incident;
        QCOMPARE(r.date.view(), std::string_view(" 3/ 4/2025"));
        QCOMPARE(r.hour.view(), std::string_view(" 9:30"));
        QCOMPARE(r.place.view(), std::string_view("Route de Gen\xE8ve"));
        QCOMPARE(r.name1.view(), std::string_view("A. Driver"));
        QCOMPARE(r.circumstances.view(), std::string_view("Wet road\r\nNight"));
        QVERIFY(!h.doc().isClean()); // quitting now asks to save the description

        const IncidentRecord before = r;
        const Shown s = visit(h, "Button2", [](ui::IncidentDialog* d) {
            d->name2Field()->setText("Typed, then cancelled");
        });
        QCOMPARE(s.date, QString("_3/_4/2025"));
        QCOMPARE(s.hour, QString("_9:30"));
        QCOMPARE(s.circumstances, QString("Wet road\nNight"));
        QVERIFY(h.state().incident == before);
        QCOMPARE(visit(h, "Button2").name2, QString()); // the window shows the record again
    }

    void circumstancesHoldAtMost255CharactersLineBreaksCountingTwo() {
        UiHarness h;
        h.cases().newCase(CaseMode::Xyz);
        visit(h, "Button1", [](ui::IncidentDialog* d) {
            ui::MemoEdit* circ = d->circumstancesField();
            circ->setFocus();
            QTest::keyClicks(circ, QString(300, 'x'));
            QCOMPARE(circ->toPlainText().size(), 255);
            circ->clear();
            circ->insertPlainText(QString(100, 'a') + "\n" + QString(200, 'b')); // a paste
            QCOMPARE(circ->toPlainText(), QString(100, 'a') + "\n" + QString(153, 'b'));
            QTextCursor start = circ->textCursor();
            start.setPosition(0);
            circ->setTextCursor(start);
            QTest::keyClicks(circ, "zz"); // full: typing changes nothing
            QVERIFY(circ->toPlainText().startsWith("aaa"));
        });
        QCOMPARE(h.state().incident.circumstances.view(),
                 std::string(100, 'a') + "\r\n" + std::string(153, 'b'));
    }

    void aNewCaseResetsWindowAndRecordAndTheFileHoldsTheDefaults() {
        TempDir dir;
        UiHarness h;
        h.cases().newCase(CaseMode::Xyz);
        visit(h, "Button1", [](ui::IncidentDialog* d) { d->placeField()->setText("Main Street"); });
        h.prompts.saveAnswers = {SaveAnswer::No};
        h.cases().newCase(CaseMode::Xyz);
        const Shown s = visit(h, "Button2");
        QCOMPARE(s.date, QString("07/12/2026"));
        QCOMPARE(s.place, QString());
        h.prompts.fileAnswers = {(dir / "new.zvr").string()};
        QVERIFY(h.cases().saveCase());
        std::ifstream in(dir / "new.zvr", std::ios::binary);
        std::string bytes(std::istreambuf_iterator<char>(in), {});
        QCOMPARE(bytes.substr(180, 17), std::string("\x0A"
                                                    "07/12/2026"
                                                    "\x05"
                                                    "00:00",
                                                    17));
        QCOMPARE(bytes[197], '\0'); // no place
    }

    void helpOpensTheHelpPage() {
        UiHarness h;
        h.cases().newCase(CaseMode::Xyz);
        visit(h, "Button2",
              [](ui::IncidentDialog* d) { d->findChild<QPushButton*>("Button3")->click(); });
        QCOMPARE(h.opened.size(), std::size_t{1});
        QVERIFY(h.opened[0].toLocalFile().endsWith("zorvane_help.html"));
    }
};

QTEST_MAIN(IncidentDialogTest)
#include "tst_incident_dialog.moc"
