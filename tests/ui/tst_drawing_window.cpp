// The drawing window with a real case: the picture in dessin, the zoom readout, the mouse
// zooms and pans, the size rule and the toolbars.
#include "support/UiHarness.h"
#include "ui/view/DrawingSurface.h"
#include "ui/view/DrawingWindow.h"
#include "ui/view/PolylinesWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace zorvane;
using namespace zorvane::testing;

class DrawingWindowTest : public QObject {
    Q_OBJECT

    struct Setup {
        UiHarness h;
        ui::DrawingWindow* d = nullptr;
        Setup() {
            h.show();
            h.cases().newCase(CaseMode::Xyz);
            d = &h.shell->drawingWindow();
            h.shell->toggleDrawing();
        }
        void point(const char* n, const char* x, const char* y) {
            ui::EntryPage* p = h.entry().currentPage();
            p->numberField()->setText(n);
            p->valueFields()[0]->setText(x);
            p->valueFields()[1]->setText(y);
            h.entry().createPoint();
        }
    };

    static QRgb rgb(int r, int g, int b) { return qRgb(r, g, b); }

  private Q_SLOTS:
    void drawsDotsInTheMarkColourOnWhite() {
        Setup s;
        s.point("1", "0", "0");
        s.point("2", "10", "4"); // an even height: the fit's rounded centre keeps both inside
        s.d->button("showpoints")->click();
        s.d->button("bzc")->click();
        const QImage& img = s.d->image();
        QCOMPARE(img.size(), QSize(s.h.doc().view().width, s.h.doc().view().height));
        QCOMPARE(img.pixel(img.width() - 2, img.height() - 2), rgb(255, 255, 255));
        const ScreenPos p = s.h.state().screen[0];
        const int x = roundHalfEven(p.x), y = roundHalfEven(p.y);
        QCOMPARE(img.pixel(x, y), rgb(0, 0, 0)); // unmarked: black
        s.h.entry().selectRow(1);
        s.h.entry().markSelectedPoint(0x0000FF);
        QCOMPARE(s.d->image().pixel(x, y), rgb(255, 0, 0));
        s.d->button("onlym")->click();
        const ScreenPos q = s.h.state().screen[1];
        QCOMPARE(s.d->image().pixel(roundHalfEven(q.x), roundHalfEven(q.y)), rgb(255, 255, 255));
    }

    void zoomReadoutAndMouseZoom() {
        Setup s;
        s.point("1", "0", "0");
        s.point("2", "10", "0");
        s.d->button("bzc")->click();
        QCOMPARE(s.d->statusText(2), QString("Zoom : 100.00%"));
        s.d->button("zoomplus")->click();
        s.d->button("zoomplus")->click();
        QCOMPARE(s.d->statusText(2), QString("Zoom : 121.00%"));
        s.d->button("zoommoins")->click();
        s.d->button("zoommoins")->click();
        QCOMPARE(s.d->statusText(2), QString("Zoom : 100.00%"));

        const auto before = s.h.state().screen;
        QTest::mouseClick(s.d->surface(), Qt::LeftButton, {}, QPoint(50, 40));
        QCOMPARE(s.h.doc().view().zoomCentre, (PixelPos{50, 40}));
        QCOMPARE(s.d->statusText(2), QString("Zoom : 110.00%"));
        QVERIFY(s.h.state().screen[0] != before[0]);
    }

    void middleButtonPansAndTheWheelActsEverySecondTime() {
        Setup s;
        s.point("1", "0", "0");
        s.point("2", "10", "0");
        s.d->button("bzc")->click();
        const ScreenPos start = s.h.state().screen[0];
        QTest::mousePress(s.d->surface(), Qt::MiddleButton, {}, QPoint(100, 100));
        QCOMPARE(s.d->surface()->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(s.d->surface(), QPoint(130, 90));
        QTest::mouseRelease(s.d->surface(), Qt::MiddleButton, {}, QPoint(130, 90));
        QCOMPARE(s.d->surface()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(s.h.state().screen[0].x, start.x + 30);
        QCOMPARE(s.h.state().screen[0].y, start.y - 10);

        s.d->wheelTurned(60, 60, 120);
        QCOMPARE(s.d->statusText(2), QString("Zoom : 110.00%"));
        s.d->wheelTurned(60, 60, 120); // ignored
        QCOMPARE(s.d->statusText(2), QString("Zoom : 110.00%"));
        s.d->wheelTurned(60, 60, -120);
        QCOMPARE(s.d->statusText(2), QString("Zoom : 100.00%"));
    }

    void sizeRuleAndImageSizePanel() {
        Setup s;
        s.d->resize(300, 200);
        QCOMPARE(s.d->frameGeometry().size(), QSize(470, 326)); // the outer size, frame included
        QCOMPARE(s.d->statusText(0), QString("Image size: 454 x 244 pixels"));
        QCOMPARE(s.d->surface()->size(), QSize(454, 244));
        const QSize frame = s.d->frameGeometry().size() - s.d->size();
        s.d->resize(QSize(800, 600) - frame);
        QCOMPARE(s.d->statusText(0), QString("Image size: 784 x 518 pixels"));
    }

    void textHeightBoxFallsBackToTwelve() {
        Setup s;
        QComboBox* box = s.d->textHeightBox();
        box->setFocus();
        box->setEditText("big");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->currentText(), QString("12"));
        QCOMPARE(s.h.doc().view().labelHeight, 12);
        QCOMPARE(s.h.context.options.labelHeight, 12);
        box->setEditText("20");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(s.h.doc().view().labelHeight, 20);
    }

    void controlBarMenuTogglesToolbarsAndClosingHidesAll() {
        Setup s;
        QMenu* menu = s.d->controlBarMenu();
        Q_EMIT menu->aboutToShow();
        QVERIFY(menu->actions()[1]->isChecked());
        menu->actions()[1]->trigger(); // "Zoom"
        QVERIFY(!s.d->toolBar("ToolBar3")->isVisible());
        Q_EMIT menu->aboutToShow();
        QVERIFY(!menu->actions()[1]->isChecked());
        s.d->close();
        QVERIFY(!s.d->isVisible());
        QVERIFY(!s.h.shell->polylinesWindow().isVisible());
        s.h.shell->toggleDrawing();
        QVERIFY(s.d->toolBar("ToolBar3")->isVisible()); // showing brings every toolbar back
    }

    void zoomCenterPutsThePointInTheMiddle() {
        Setup s;
        s.point("1", "0", "0");
        s.point("2", "10", "4");
        s.h.entry().selectRow(2);
        s.h.entry().zoomCentre();
        const ScreenPos p = s.h.state().screen[1];
        const PlanView& v = s.h.doc().view();
        QVERIFY(std::abs(p.x - v.width / 2.0) <= 0.5);
        QVERIFY(std::abs(p.y - v.height / 2.0) <= 0.5);
    }
};

QTEST_MAIN(DrawingWindowTest)
#include "tst_drawing_window.moc"
