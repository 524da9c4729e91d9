// The "Polylines and Arcs" window driven like a user: names, Create/Modify, Delete, Undo.
#include "support/UiHarness.h"
#include "ui/view/DrawingWindow.h"
#include "ui/view/PolylinesWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using namespace zorvane;
using namespace zorvane::testing;

class PolylinesWindowTest : public QObject {
    Q_OBJECT

    struct Setup {
        UiHarness h;
        ui::PolylinesWindow* w = nullptr;
        Setup() {
            h.show();
            h.cases().newCase(CaseMode::Xyz);
            w = (&h.shell->polylinesWindow());
            (&h.shell->drawingWindow())->button("showpol")->click();
        }
        void define(const QString& name, const QString& points, int colour = -1) {
            w->nameBox()->setEditText(name);
            if (colour >= 0) w->colourBox()->setCurrentIndex(colour);
            w->pointsField()->setText(points);
            w->findChild<QToolButton*>("SpeedButton1")->click();
        }
        QStringList names() const {
            QStringList out;
            for (int i = 0; i < w->nameBox()->count(); ++i) out << w->nameBox()->itemText(i);
            return out;
        }
    };

  private Q_SLOTS:
    void opensFromTheDrawingWindowOnTop() {
        Setup s;
        QVERIFY(s.w->isVisible());
        QCOMPARE(s.w->windowTitle(), QString("Polylines and Arcs"));
        QVERIFY(s.w->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(s.w->widthBox()->currentText(), QString("0 unit"));
        QCOMPARE(s.w->colourBox()->currentText(), QString("black"));
    }

    void sameNameTwiceReplacesAndOtherCaseAppends() {
        Setup s;
        s.define("P1", "1,2");
        s.define("P1", "3,4", 0);
        QCOMPARE(s.names(), QStringList{"P1"});
        QCOMPARE(s.h.state().polylines[0].pointsText.view(), std::string_view("3,4"));
        s.w->nameBox()->setEditText("p1"); // loads P1's fields
        QCOMPARE(s.w->pointsField()->text(), QString("3,4"));
        QCOMPARE(s.w->colourBox()->currentText(), QString("Red"));
        s.w->findChild<QToolButton*>("SpeedButton1")->click();
        QCOMPARE(s.names(), (QStringList{"P1", "p1"}));
        s.w->nameBox()->setEditText("Other");
        QVERIFY(s.w->pointsField()->text().isEmpty());
        QCOMPARE(s.w->colourBox()->currentIndex(), 6);
    }

    void refusalsShowTheirMessages() {
        Setup s;
        s.define("", "1,2");
        s.define("Road", "5");
        QCOMPARE(
            s.h.prompts.errors(),
            (std::vector<std::string>{"Enter a valid polyline name please.",
                                      "Incorrect data in Points field: \",\" or \"-\" missing."}));
        QVERIFY(s.h.state().polylines.empty());
    }

    void deletingTheOnlyDefinitionResetsTheFields() {
        Setup s;
        s.define("Road", "1,2", 3);
        s.w->findChild<QToolButton*>("SpeedButton2")->click();
        QVERIFY(s.h.state().polylines.empty());
        QVERIFY(s.names().isEmpty());
        QCOMPARE(s.w->widthBox()->currentIndex(), 0);
        QCOMPARE(s.w->colourBox()->currentIndex(), 6);
        QVERIFY(s.w->pointsField()->text().isEmpty());
        QVERIFY(s.w->descriptionField()->text().isEmpty());
    }

    void undoAndRedoFromTheWindowRestoreTheNamesList() {
        Setup s;
        s.define("P1", "1,2");
        s.define("P2", "2,3");
        s.w->nameBox()->setEditText("P1");
        s.w->findChild<QToolButton*>("SpeedButton2")->click();
        QCOMPARE(s.names(), QStringList{"P2"});
        s.w->pointsField()->setFocus();
        QTest::keyClick(s.w->pointsField(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.names(), (QStringList{"P1", "P2"}));
        QCOMPARE(s.w->nameBox()->currentText(), QString("P1"));
        QTest::keyClick(s.w->pointsField(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(s.names(), QStringList{"P2"});
    }

    void brokenDefinitionsAreReportedOnEveryRedraw() {
        Setup s;
        auto& doc = s.h.state();
        ui::EntryPage* p = s.h.entry().currentPage();
        for (const char* n : {"1", "2", "3"}) {
            p->numberField()->setText(n);
            p->valueFields()[0]->setText(n);
            p->valueFields()[1]->setText("1");
            s.h.entry().createPoint();
        }
        s.define("P1", "1,2");
        s.define("P2", "2,3");
        s.h.prompts.clear();
        s.h.entry().selectRow(2);
        s.h.entry().deleteSelectedPoint();
        const std::string expected =
            " An error occured in Polylines or Arcs \"P1,P2\". One or more points don't exist or "
            "have been "
            "deleted.\r\r Please check Polylines and Arcs definition before continuing.";
        QCOMPARE(s.h.prompts.errors(), std::vector<std::string>{expected});
        s.h.shell->drawingWindow().redraw();
        QCOMPARE(s.h.prompts.errors().size(), std::size_t(2));
        QCOMPARE(doc.polylines.size(),
                 std::size_t(2)); // definitions are never edited by deleting points
    }
};

QTEST_MAIN(PolylinesWindowTest)
#include "tst_polylines_window.moc"
