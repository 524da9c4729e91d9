// " Color selection": panels, the number field, the result on every way of closing, and where
// it opens.
#include "ui/view/ColourChooser.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using namespace zorvane;

class ColourChooserTest : public QObject {
    Q_OBJECT

    struct Open {
        ui::ColourChooser chooser;
        explicit Open(int number) {
            chooser.prepare({number, 400, 300});
            chooser.open(); // modal to the window, without its own event loop
            chooser.activateWindow();
            QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        }
        void type(const char* text) {
            chooser.numberField()->setFocus();
            chooser.numberField()->clear();
            QTest::keyClicks(chooser.numberField(), text);
        }
        void enter() { QTest::keyClick(chooser.numberField(), Qt::Key_Return); }
    };

  private Q_SLOTS:
    void looksAsItShould() {
        ui::ColourChooser c;
        QCOMPARE(c.windowTitle(), QString(" Color selection"));
        QCOMPARE(c.numberField()->text(), QString()); // empty until a caller fills it
        QCOMPARE(c.panel(1)->size(), QSize(25, 25));
        QCOMPARE(c.panel(9)->toolTip(), QString("Light Grey"));
        c.prepare({12, 400, 300});
        QCOMPARE(c.numberField()->text(), QString("12"));
        QCOMPARE(c.pos(), QPoint(400 - 238, 300 - 85));
    }

    void enteredNumbersAndPanels() {
        const DesktopColours desk = ui::ColourChooser::desktopColours();
        struct {
            const char* typed;
            ColourChoice result;
        } cases[] = {{"7", {7, "White", 0xFFFFFF}},
                     {"42", {42, "Color 42", desk.buttonFace}},
                     {"8", {8, "Grey", desk.workspace}},
                     {" 255", {255, "Color 255", desk.buttonFace}}};
        for (const auto& c : cases) {
            Open o(3);
            o.type(c.typed);
            o.enter();
            QVERIFY(!o.chooser.isVisible());
            QCOMPARE(o.chooser.result(), c.result);
            QCOMPARE(o.chooser.result().name, c.result.name);
        }
        Open o(3);
        o.chooser.panel(5)->click();
        QVERIFY(!o.chooser.isVisible());
        QCOMPARE(o.chooser.result(), (ColourChoice{5, "Blue", 0xFF0000}));
    }

    void refusedNumbersEmptyTheFieldAndKeepItOpen() {
        for (const char* typed : {"0", "256", "-1", "red", ""}) {
            Open o(4);
            o.type(typed);
            o.enter();
            QVERIFY2(o.chooser.isVisible(), typed);
            QCOMPARE(o.chooser.numberField()->text(), QString());
            QVERIFY(o.chooser.numberField()->hasFocus());
            o.chooser.reject();
        }
    }

    void closingTakesTheFieldOrKeepsTheCallersColour() {
        {
            Open o(4);
            o.type("12"); // typed, no Enter
            o.chooser.reject();
            QCOMPARE(o.chooser.result().number, 12);
            QCOMPARE(o.chooser.result().name, std::string("Color 12"));
        }
        {
            Open o(4);
            o.type("abc");
            QTest::keyClick(&o.chooser, Qt::Key_Escape);
            QVERIFY(!o.chooser.isVisible());
            QCOMPARE(o.chooser.result(), (ColourChoice{4, "Cyan", 0xFFFF00}));
        }
        {
            Open o(6);
            o.chooser.close(); // the close box with the caller's number untouched
            QCOMPARE(o.chooser.result(), (ColourChoice{6, "Magenta", 0xFF00FF}));
        }
    }
};

QTEST_MAIN(ColourChooserTest)
#include "tst_colour_chooser.moc"
