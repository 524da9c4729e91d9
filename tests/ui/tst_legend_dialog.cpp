// " Legend" on a real case: the memo's rules, live edits on the plan, Cancel putting back the
// legend exactly, the font and colour in one step, and the font a new case starts with.
#include "support/UiHarness.h"
#include "support/WhenShown.h"
#include "ui/view/DrawingWindow.h"
#include "ui/view/LegendDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace zorvane;
using namespace zorvane::testing;

class LegendDialogTest : public QObject {
    Q_OBJECT

    struct Setup {
        UiHarness h;
        ui::DrawingWindow* d = nullptr;
        ui::LegendDialog* dialog = nullptr;
        Setup() {
            h.show();
            h.cases().newCase(CaseMode::Xyz);
            d = &h.shell->drawingWindow();
            h.shell->toggleDrawing();
            dialog = d->legendDialog();
        }
        const LegendRecord& legend() { return h.state().legend; }
        // Opens the dialog from the drawing window; `act` runs inside and must close it.
        void open(std::function<void()> act) {
            whenShown(dialog, std::move(act));
            d->button("ToolButton12")->click();
        }
        void typeInMemo(const QString& text) {
            dialog->memo()->setFocus();
            dialog->memo()->moveCursor(QTextCursor::End);
            QTest::keyClicks(dialog->memo(), text);
        }
    };

  private Q_SLOTS:
    void memoShowsTheFilledLinesAndTakesTenOfFifty() {
        Setup s;
        LegendRecord start = s.legend();
        start.lines[0] = "Scale 1:100";
        start.lines[2] = "North up";
        s.h.doc().setLegend(start);
        QString shown;
        s.open([&] {
            shown = s.dialog->memo()->toPlainText();
            s.typeInMemo("!"); // the gap closes at the first key
            s.dialog->applyButton()->click();
        });
        QCOMPARE(shown, QString("Scale 1:100\nNorth up"));
        QCOMPARE(QString::fromStdString(s.legend().lines[1].str()), QString("North up!"));
        QVERIFY(s.legend().lines[2].empty());

        s.open([&] {
            QStringList twelve;
            for (int k = 1; k <= 12; ++k) twelve << QString("line %1").arg(k);
            twelve[4] = QString(70, 'w');
            s.dialog->memo()->setPlainText(twelve.join('\n'));
            s.dialog->close(); // the close box keeps what was done
        });
        QCOMPARE(QString::fromStdString(s.legend().lines[9].str()), QString("line 10"));
        QCOMPARE(s.legend().lines[4].size(), 50u);

        s.open([&] {
            s.dialog->memo()->setPlainText(QString(600, 'a'));
            QCOMPARE(s.dialog->memo()->toPlainText().size(), 500);
            s.dialog->applyButton()->click();
        });
    }

    void everyEditShowsAtOnceAndCancelRestoresAll() {
        Setup s;
        LegendRecord start = s.legend();
        start.lines[0] = "Site A";
        start.visible = true;
        start.left = 40;
        start.top = 30;
        s.h.doc().setLegend(start);
        const LegendRecord before = s.legend();
        const QImage pictureBefore = s.d->image().copy();
        s.h.prompts.fontAnswers.push_back(FontChoice{"Liberation Serif", -24, kBold, 0x0000FF});
        s.open([&] {
            s.typeInMemo("");
            QTest::keyClick(s.dialog->memo(), Qt::Key_Return);
            QTest::keyClicks(s.dialog->memo(), "second line");
            QCOMPARE(QString::fromStdString(s.legend().lines[1].str()), QString("second line"));
            QVERIFY(s.d->image() != pictureBefore); // drawn while the dialog is open

            QTest::keyClicks(s.dialog->leftField(), "x"); // "40x" is no integer
            QCOMPARE(s.dialog->leftField()->text(), QString("0"));
            QCOMPARE(s.legend().left, 0);
            s.dialog->topField()->selectAll();
            QTest::keyClicks(s.dialog->topField(), "0125");
            QCOMPARE(s.dialog->topField()->text(), QString("125"));
            QCOMPARE(s.legend().top, 125);

            s.dialog->fontButton()->click();
            QCOMPARE(QString::fromStdString(s.legend().fontName.str()),
                     QString("Liberation Serif"));
            QCOMPARE(s.legend().fontHeight, -24);
            s.dialog->boxedBox()->click();
            QVERIFY(!s.legend().boxed);
            s.dialog->visibleBox()->click();
            QVERIFY(!s.legend().visible);
            s.dialog->cancelButton()->click();
        });
        QCOMPARE(s.legend(), before);
        QCOMPARE(s.d->image(), pictureBefore);
        // The font dialog opened with the legend's font.
        QCOMPARE(s.h.prompts.shown.back().kind, std::string("font"));
        QCOMPARE(s.h.prompts.shown.back().font,
                 (FontChoice{"MS Sans Serif", -11, 0, before.fontColour}));
    }

    void cancelledFontChangesNothingAndNewCasesTakeTheLastFont() {
        Setup s;
        const LegendRecord before = s.legend();
        s.h.prompts.fontAnswers.push_back(std::nullopt);
        s.open([&] {
            s.dialog->fontButton()->click();
            s.dialog->applyButton()->click();
        });
        QCOMPARE(s.legend(), before);

        s.h.prompts.fontAnswers.push_back(
            FontChoice{"DejaVu Sans", -15, kItalic | kUnderline, 0x008000});
        s.open([&] {
            s.dialog->fontButton()->click();
            s.dialog->applyButton()->click();
        });
        s.h.prompts.saveAnswers.push_back(SaveAnswer::No); // the legend was changed
        s.h.cases().newCase(CaseMode::Nesw);
        QCOMPARE(QString::fromStdString(s.legend().fontName.str()), QString("DejaVu Sans"));
        QCOMPARE(s.legend().fontHeight, -15);
        QCOMPARE(s.legend().fontStyle, std::uint8_t(kItalic | kUnderline));
        QCOMPARE(s.legend().fontColour, 0x008000u);
        QVERIFY(s.legend().lines[0].empty());
        QCOMPARE(s.legend().left, 30);
    }

    void applyTakesEveryControl() {
        Setup s;
        s.open([&] {
            // Typed without the live handlers, as a paste might arrive: Apply reads them all.
            const QSignalBlocker quiet(s.dialog->memo());
            s.dialog->memo()->setPlainText("One\n\nThree");
            s.dialog->leftField()->setText("77");
            s.dialog->topField()->setText("-5");
            s.dialog->visibleBox()->setChecked(true);
            s.dialog->applyButton()->click();
        });
        const LegendRecord& l = s.legend();
        QCOMPARE(QString::fromStdString(l.lines[2].str()), QString("Three"));
        QVERIFY(l.lines[1].empty());
        QCOMPARE(l.left, 77);
        QCOMPARE(l.top, -5);
        QVERIFY(l.visible);
        QVERIFY(!s.h.doc().isClean()); // the legend is saved with the case
    }
};

QTEST_MAIN(LegendDialogTest)
#include "tst_legend_dialog.moc"
