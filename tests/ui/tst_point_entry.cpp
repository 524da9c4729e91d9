// Typing points into the real entry pages: Enter chains, normalisation on leaving a field, the
// errors and where the focus goes, the grid's popup menu and the navigation buttons.
#include "support/UiHarness.h"
#include "ui/app/EntryPage.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace zorvane;
using namespace zorvane::testing;
using Nav = ui::EntryPage::Nav;

class PointEntryTest : public QObject {
    Q_OBJECT

    static QWidget* focus() { return QApplication::focusWidget(); }
    static QString cell(UiHarness& h, int gridRow, int col) {
        QTableView* v = h.window->grid(h.state().mode);
        return v->model()->index(gridRow - 1, col).data().toString();
    }
    static void enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }
    static void type(QWidget* w, const QString& text) {
        w->setFocus();
        typeInto(w, text);
    }

  private Q_SLOTS:
    void enterMovesThroughTheFieldsAndCreatesThePoint() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        ui::EntryPage* p = h.entry().currentPage();
        QCOMPARE(focus()->objectName(), QString("cx"));
        QTest::keyClicks(focus(), "1.234");
        enter(focus());
        QCOMPARE(focus()->objectName(), QString("cy"));
        QCOMPARE(p->valueFields()[0]->text(), QString("1.23")); // normalised on leaving
        QTest::keyClicks(focus(), "-4");
        enter(focus());
        QCOMPARE(focus()->objectName(), QString("cz"));
        enter(focus());
        QCOMPARE(focus(), p->descriptorBox());
        QTest::keyClicks(focus(), "Kerb");
        enter(focus()); // presses "&Create Point"
        QCOMPARE(h.state().points.size(), std::size_t(1));
        QCOMPARE(cell(h, 1, 1), QString("1.23"));
        QCOMPARE(cell(h, 1, 2), QString("-4.00"));
        QCOMPARE(cell(h, 1, 3), QString("0.00"));
        QCOMPARE(cell(h, 1, 4), QString("Kerb"));
        // Ready for the next point: new-point row, next number, focus in X.
        QCOMPARE(p->numberField()->text(), QString("2"));
        QCOMPARE(focus()->objectName(), QString("cx"));
        QCOMPARE(h.window->statusText(1), QString("Last Point: 1"));
        QCOMPARE(p->descriptorBox()->count(), 1);
        QVERIFY(p->navButton(Nav::NewPoint)->isEnabled());
        QVERIFY(h.window->findChild<QAction*>("Undo1")->isEnabled());
    }

    void modifyingAPointFocusesTheBearingOrNorthOfItsPage() {
        const std::pair<CaseMode, QString> pages[] = {{CaseMode::Polar, "cdg"},
                                                      {CaseMode::Nesw, "north"}};
        for (const auto& [mode, first] : pages) {
            UiHarness h;
            h.show();
            h.cases().newCase(mode);
            ui::EntryPage* p = h.entry().currentPage();
            for (const char* n : {"1", "2"}) {
                p->numberField()->setText(n);
                p->valueFields()[0]->setText("10");
                p->valueFields()[1]->setText("5");
                h.entry().createPoint();
            }
            h.entry().selectRow(1); // point 1, not the last point row
            p->createButton()->setFocus();
            p->createButton()->click();
            QCOMPARE(h.state().grid.selectedRow, 1);
            QCOMPARE(focus()->objectName(), first);
        }
    }

    void aTypedDescriptorIsStoredAsTypedNotCompleted() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        for (const char* desc : {"Kerb, west end", "Kerb"}) {
            for (const char* v : {"1", "2", "3"}) {
                QTest::keyClicks(focus(), v);
                enter(focus());
            }
            QTest::keyClicks(focus(), desc);
            enter(focus());
        }
        QCOMPARE(h.state().points.size(), std::size_t(2));
        QCOMPARE(h.state().points[1].descriptor.view(), std::string_view("Kerb"));
    }

    void missingValueShowsTheErrorAndFocusesTheFirstField() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Polar);
        ui::EntryPage* p = h.entry().currentPage();
        type(p->valueFields()[1], "10");
        p->createButton()->click();
        QCOMPARE(h.prompts.errors(), std::vector<std::string>{"Enter valid coordinates"});
        QCOMPARE(focus()->objectName(), QString("cdg"));
        QVERIFY(h.state().points.empty());
    }

    void numberFieldRoundsAndEnterLoadsThePoint() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Nesw);
        ui::EntryPage* p = h.entry().currentPage();
        type(p->numberField(), "12.6");
        type(p->valueFields()[0], "5"); // leaving the number field rounds it
        QCOMPARE(p->numberField()->text(), QString("13"));
        type(p->valueFields()[3], "x"); // unreadable West becomes its zero text
        type(p->valueFields()[4], "");
        QCOMPARE(p->valueFields()[3]->text(), QString("0.0"));
        p->createButton()->click();
        QCOMPARE(h.state().points[0].number, 13);
        QCOMPARE(focus()->objectName(), QString("north"));

        type(p->numberField(), "13");
        enter(p->numberField());
        QCOMPARE(p->valueFields()[0]->text(), QString("5.00"));
        QCOMPARE(h.state().grid.selectedRow, 1);
        type(p->numberField(), "77");
        enter(p->numberField());
        QVERIFY(p->valueFields()[0]->text().isEmpty()); // ready for a new point 77
        type(p->numberField(), "abc");
        enter(p->numberField());
        QCOMPARE(h.prompts.errors().back(), std::string("'abc' is not a valid integer value"));
    }

    void popupOffersOnlyClearAllOnTheNewPointRow() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        auto* popup = h.window->findChild<QMenu*>("PopupMenu1");
        auto enabled = [&](const char* name) {
            return h.window->findChild<QAction*>(name)->isEnabled();
        };
        Q_EMIT popup->aboutToShow();
        QVERIFY(!enabled("ZoomOn1") && !enabled("DeletePoint1") && !enabled("ClearPoint1"));
        QVERIFY(enabled("Clearallpoints1"));

        ui::EntryPage* p = h.entry().currentPage();
        for (const char* n : {"1", "2", "3"}) {
            p->numberField()->setText(n);
            p->valueFields()[0]->setText(n);
            p->valueFields()[1]->setText("1");
            h.entry().createPoint();
        }
        h.entry().selectRow(2);
        Q_EMIT popup->aboutToShow();
        QVERIFY(enabled("ZoomOn1") && enabled("DeletePoint1") && enabled("ClearPoint1"));
        h.window->findChild<QAction*>("Red1")->trigger();
        QCOMPARE(h.state().points[1].markColour, 0x0000FFu);
        QCOMPARE(p->numberField()->palette().color(QPalette::Text), QColor(255, 0, 0));
        h.window->findChild<QAction*>("DeletePoint1")->trigger();
        QCOMPARE(h.state().points.size(), std::size_t(2));
        QCOMPARE(h.state().lastPointNumber, 3);
        h.shell->edit().undo();
        QCOMPARE(h.state().points[1].markColour, 0x0000FFu);
    }

    void renumberDialogRenumbersFromTheGivenStart() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        ui::EntryPage* p = h.entry().currentPage();
        for (const char* n : {"10", "20", "30"}) {
            p->numberField()->setText(n);
            p->valueFields()[0]->setText("1");
            p->valueFields()[1]->setText("1");
            h.entry().createPoint();
        }
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), QString("TForm14"));
            QCOMPARE(dialog->windowTitle(), QString(" Points renumbering"));
            auto* start = dialog->findChild<QLineEdit*>("Edit1");
            QCOMPARE(start->text(), QString("0"));
            start->setText("-4");
            QTest::keyClick(start, Qt::Key_Return);
            QCOMPARE(start->text(), QString("0"));
            start->setText("5");
            dialog->findChild<QPushButton*>("renumber")->click();
            dialog->findChild<QPushButton*>("close")->click();
        });
        h.shell->edit().showRenumber();
        std::vector<int> numbers;
        for (const auto& pt : h.state().points) numbers.push_back(pt.number);
        QCOMPARE(numbers, (std::vector<int>{5, 6, 7}));
        QCOMPARE(h.window->statusText(1), QString("Last Point: 7"));
        QCOMPARE(cell(h, 3, 0), QString("7"));
        QVERIFY(h.window->findChild<QAction*>("Undo1")->isEnabled()); // left as it was
    }

    void navigationButtonsStepThroughTheRows() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        ui::EntryPage* p = h.entry().currentPage();
        for (const char* n : {"4", "8"}) {
            p->numberField()->setText(n);
            p->valueFields()[0]->setText("1");
            p->valueFields()[1]->setText("1");
            h.entry().createPoint();
        }
        p->navButton(Nav::First)->click();
        QCOMPARE(p->numberField()->text(), QString("4"));
        p->navButton(Nav::Previous)->click(); // already on the first row
        QCOMPARE(h.state().grid.selectedRow, 1);
        p->navButton(Nav::Next)->click();
        QCOMPARE(p->numberField()->text(), QString("8"));
        p->navButton(Nav::NewPoint)->click();
        QCOMPARE(p->numberField()->text(), QString("9"));
        QVERIFY(p->valueFields()[0]->text().isEmpty());
        p->navButton(Nav::Next)->click(); // nothing after the new-point row
        QCOMPARE(h.state().grid.selectedRow, 3);
    }
};

QTEST_MAIN(PointEntryTest)
#include "tst_point_entry.moc"
