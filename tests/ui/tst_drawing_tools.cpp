// The drawing window's tools on a real case: the mouse readout, measuring with Ctrl-clicks,
// placing the north arrow and the legend, saving, copying and printing the picture.
#include "support/TempDir.h"
#include "support/UiHarness.h"
#include "support/WhenShown.h"
#include "ui/view/DrawingSurface.h"
#include "ui/view/DrawingWindow.h"
#include "ui/view/LegendDialog.h"
#include "ui/view/PictureCommands.h"
#include "ui/view/PlanPrinting.h"
#include "view/PrintLayout.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include <fstream>

using namespace zorvane;
using namespace zorvane::testing;

class DrawingToolsTest : public QObject {
    Q_OBJECT

    struct Setup {
        UiHarness h;
        ui::DrawingWindow* d = nullptr;
        explicit Setup(CaseMode mode = CaseMode::Xyz) {
            h.show();
            h.cases().newCase(mode);
            d = &h.shell->drawingWindow();
            h.shell->toggleDrawing();
        }
        void point(const char* n, std::initializer_list<const char*> values) {
            ui::EntryPage* p = h.entry().currentPage();
            p->numberField()->setText(n);
            int k = 0;
            for (const char* v : values) p->valueFields()[std::size_t(k++)]->setText(v);
            h.entry().createPoint();
        }
        // After the first point's position is panned by (10, 50), the surface pixel (x, y)
        // lies at world (x - 10 + x0, 50 - y + y0) for a first point at world (x0, y0).
        void panFirstPoint() { h.doc().pan(10, 50); }
        QPoint screenOf(std::size_t i) {
            const ScreenPos p = h.state().screen[i];
            return {roundHalfEven(p.x), roundHalfEven(p.y)};
        }
        void press(QPoint at, Qt::MouseButton b, Qt::KeyboardModifiers mods = {}) {
            QTest::mousePress(d->surface(), b, mods, at);
            QTest::mouseRelease(d->surface(), b, mods, at);
        }
        QString readoutAt(int x, int y) {
            QTest::mouseMove(d->surface(), QPoint(x + 1, y)); // a move to where it is is none
            QTest::mouseMove(d->surface(), QPoint(x, y));
            return d->statusText(1);
        }
    };

  private Q_SLOTS:
    void readoutFollowsTheModeAndTheUnit() {
        {
            Setup s(CaseMode::Xyz);
            s.point("1", {"0", "0"});
            s.panFirstPoint();
            QCOMPARE(s.readoutAt(13, 46), QString("X : 3.00  Y : 4.00"));
            s.h.doc().relabelUnit(kFeetInches);
            QCOMPARE(s.readoutAt(13, 46), QString("X : 3' 0\"  Y : 4' 0\""));
            QCOMPARE(s.readoutAt(8, 53), QString("X : -2' 0\"  Y : -3' 0\""));
        }
        {
            Setup s(CaseMode::Polar);
            s.point("1", {"0", "0", "0"}); // at the origin
            s.panFirstPoint();
            QCOMPARE(s.readoutAt(10, 20),
                     QString::fromUtf8("Compass d\u00B0 : 0.00  Length : 30.00"));
            s.h.doc().relabelUnit(kFeetInches); // lengths in feet and inches, the bearing decimal
            QCOMPARE(s.readoutAt(13, 46),
                     QString::fromUtf8("Compass d\u00B0 : 36.87  Length : 5' 0\""));
        }
        {
            Setup s(CaseMode::Nesw);
            s.point("1", {"0", "0", "0", "0", "0"});
            s.panFirstPoint();
            QCOMPARE(s.readoutAt(7, 52), QString("N : 0.00  E : 0.00  S : 2.00  W : 3.00"));
            // While a pan runs the readout stands still.
            QTest::mousePress(s.d->surface(), Qt::MiddleButton, {}, QPoint(7, 52));
            QTest::mouseMove(s.d->surface(), QPoint(30, 30));
            QCOMPARE(s.d->statusText(1), QString("N : 0.00  E : 0.00  S : 2.00  W : 3.00"));
            QTest::mouseRelease(s.d->surface(), Qt::MiddleButton, {}, QPoint(30, 30));
        }
    }

    void measuringSnapsAndWaitsThroughPlainClicks() {
        Setup s;
        s.point("12", {"0", "0"});
        s.point("40", {"3", "4"});
        s.d->button("bzc")->click();
        s.press(s.screenOf(0) + QPoint(3, -2), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(s.d->surface()->toolTip(), QString("Click second point for Distance"));
        // A plain click zooms and the measurement still waits.
        s.press(QPoint(40, 40), Qt::LeftButton);
        QCOMPARE(s.d->statusText(2), QString("Zoom : 110.00%"));
        QVERIFY(s.d->tools().measuring());
        QVERIFY(s.h.prompts.texts("information").empty());
        s.press(s.screenOf(1) + QPoint(-4, 3), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(s.h.prompts.texts("information"),
                 std::vector<std::string>{"Distance from Point #12 to Point #40 = 5.00"});
        QCOMPARE(s.d->surface()->toolTip(), QString());
        QCOMPARE(s.d->statusText(2), QString("Zoom : 110.00%")); // measuring clicks do not zoom

        // A second click with another button measures between the clicks themselves.
        s.h.prompts.clear();
        s.point("50", {"0", "10"}); // a third point: the window's scale is known from three
        s.h.doc().zoomAll();
        const double scale = s.h.doc().view().transform.s;
        s.press(QPoint(100, 100), Qt::LeftButton, Qt::ControlModifier);
        s.press(QPoint(100, 100 + roundHalfEven(scale)), Qt::RightButton, Qt::ControlModifier);
        const std::string text = s.h.prompts.texts("information").at(0);
        QVERIFY2(text.rfind("Distance = ", 0) == 0, text.c_str());
        QVERIFY(std::abs(std::stod(text.substr(11)) - roundHalfEven(scale) / scale) < 0.006);
    }

    void northArrowGoesWhereTheNextClickIs() {
        Setup s;
        s.point("1", {"0", "0"});
        s.d->button("ToolButton6")->click();
        QCOMPARE(s.d->surface()->toolTip(), QString("Click North Arrow position"));
        const QString zoom = s.d->statusText(2);
        s.press(QPoint(120, 90), Qt::LeftButton);
        QCOMPARE(s.h.doc().view().northArrow, (PixelPos{120, 90}));
        QCOMPARE(s.d->statusText(2), zoom); // that click did not zoom
        QCOMPARE(s.d->surface()->toolTip(), QString());
    }

    void legendPlacementWritesLeftAndTopAndShowsTheDialogAgain() {
        Setup s;
        QVERIFY(s.d->button("ToolButton12")->isEnabled());
        ui::LegendDialog* legend = s.d->legendDialog();
        whenShown(legend, [legend] { legend->placeButton()->click(); });
        s.d->button("ToolButton12")->click();
        QCOMPARE(s.d->surface()->toolTip(), QString("Click Legend position"));
        bool checked = false;
        whenShown(legend, [&] {
            checked = legend->leftField()->text() == "200" && legend->topField()->text() == "150";
            legend->applyButton()->click();
        });
        s.press(QPoint(200, 150), Qt::RightButton, Qt::ControlModifier);
        QTRY_VERIFY(checked);
        QCOMPARE(s.h.state().legend.left, 200);
        QCOMPARE(s.h.state().legend.top, 150);
        QCOMPARE(s.d->statusText(2), QString("Zoom : 100.00%"));
        QVERIFY(!s.d->tools().measuring()); // the Ctrl-click went to the legend
    }

    void buttonsFollowTheCase() {
        UiHarness h;
        ui::DrawingWindow& d = h.shell->drawingWindow();
        QVERIFY(!d.button("ToolButton12")->isEnabled());
        h.cases().newCase(CaseMode::Xyz);
        QVERIFY(d.button("ToolButton12")->isEnabled());
        QSignalSpy images(&d, &ui::DrawingWindow::imagesRequested);
        QVERIFY(d.button("ToolButton3")->isEnabled());
        d.button("ToolButton3")->click();
        QCOMPARE(images.count(), 1);
        QCOMPARE(d.button("ToolButton3")->toolTip(), QString(" View Images"));
    }

    void savesTheBitmapOrSaysWhyNot() {
        Setup s;
        s.point("1", {"0", "0"});
        s.point("2", {"10", "4"});
        s.d->button("showpoints")->click();
        TempDir dir;
        const std::filesystem::path file = dir / "plan.bmp";
        s.h.prompts.fileAnswers.push_back(file.string());
        s.d->button("bsave")->click();
        const FileDialogRequest r = s.h.prompts.shown.back().request;
        QCOMPARE(QString::fromStdString(r.filter), QString("Bitmaps (*.bmp)|*.bmp"));
        QCOMPARE(QString::fromStdString(r.defaultExtension), QString("bmp"));
        QImage saved(QString::fromStdString(file.string()), "BMP");
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
                 s.d->image().convertToFormat(QImage::Format_RGB32));

        // A place that cannot be written: below a plain file (root may write anywhere else).
        const QImage before = s.d->image().copy();
        s.h.prompts.clear();
        s.h.prompts.fileAnswers.push_back((file / "inside.bmp").string());
        s.d->button("bsave")->click();
        QCOMPARE(s.h.prompts.errors(),
                 std::vector<std::string>{
                     "The drive selected is read only or there is no disk space available."});
        QCOMPARE(s.d->image(), before);
        QCOMPARE(QImage(QString::fromStdString(file.string()), "BMP").size(), before.size());
        // The next dialog opens where the last bitmap went.
        s.h.prompts.fileAnswers.push_back(std::nullopt);
        s.d->button("bsave")->click();
        QCOMPARE(QString::fromStdString(s.h.prompts.shown.back().request.initialFolder),
                 QString::fromStdString(dir.path().string()));
    }

    void copiesThePictureToTheClipboard() {
        Setup s;
        s.point("1", {"0", "0"});
        s.d->button("ToolButton10")->click();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 s.d->image().convertToFormat(QImage::Format_RGB32));
    }

    // Printed to a PDF file and read back as pixels: the case name line at (50, 10), the
    // picture below it from one eighth across and 600 down, its proportions kept.
    void printedPageKeepsThePlansProportions() {
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils) is not installed");
        TempDir dir;
        const QString pdf = QString::fromStdString((dir / "page.pdf").string());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(300);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QImage picture(454, 244, QImage::Format_RGB32);
        picture.fill(QColor(0, 0, 160));
        ui::printPlan(printer, picture, "Crash 17");

        const QString png = QString::fromStdString((dir / "page").string());
        QCOMPARE(QProcess::execute(pdftoppm, {"-r", "300", "-png", "-singlefile", pdf, png}), 0);
        const QImage page(png + ".png");
        QVERIFY(!page.isNull());
        QVERIFY(std::abs(page.width() - printer.width()) <= 1 &&
                std::abs(page.height() - printer.height()) <= 1);

        // Ink of the case name line: dark grey or black, above the picture.
        QRect text;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 100) text |= QRect(x, y, 1, 1);
        QVERIFY(!text.isNull());
        QVERIFY2(std::abs(text.left() - kCaseNameX) <= 6, qPrintable(QString::number(text.left())));
        QVERIFY(text.top() >= kCaseNameY && text.top() <= kCaseNameY + 20);
        QVERIFY(text.height() < 60); // one line, 11 points at 300 dpi is some 46 pixels

        // The picture: the blue pixels.
        QRect blue;
        for (int y = 0; y < page.height(); y += 1)
            for (int x = 0; x < page.width(); x += 1) {
                const QRgb c = page.pixel(x, y);
                if (qBlue(c) > 120 && qRed(c) < 60 && qGreen(c) < 60) blue |= QRect(x, y, 1, 1);
            }
        const DeviceRect want = printedPicture(454, 244, printer.width(), printer.height());
        QVERIFY(std::abs(blue.left() - want.left) <= 2 && std::abs(blue.top() - kPictureTop) <= 2);
        QVERIFY(std::abs(blue.right() + 1 - want.right) <= 2);
        const double aspect = double(blue.width()) / blue.height();
        QVERIFY2(std::abs(aspect / (454.0 / 244.0) - 1) < 0.01,
                 qPrintable(QString::number(aspect)));
    }

    void printsOnThePrinterChosenInSetup() {
        Setup s;
        s.point("1", {"0", "0"});
        s.h.window->caseNameField()->setText("Crash 17");
        TempDir dir;
        const QString pdf = QString::fromStdString((dir / "chosen.pdf").string());
        ui::PictureCommands* pictures = s.d->pictureCommands();
        QPrinter* shown = nullptr;
        pictures->runPrinterDialog = [&](QPrinter& printer, QWidget*) {
            shown = &printer;
            printer.setOutputFormat(QPrinter::PdfFormat); // the user picks printing to a file
            printer.setOutputFileName(pdf);
            return true;
        };
        s.d->button("ToolButton7")->click();
        QCOMPARE(shown, &pictures->printer());
        s.d->button("bprint")->click();
        QVERIFY(s.h.prompts.errors().empty());
        std::ifstream in((dir / "chosen.pdf").string(), std::ios::binary);
        std::string head(5, '\0');
        in.read(head.data(), 5);
        QCOMPARE(QString::fromStdString(head), QString("%PDF-"));
    }
};

QTEST_MAIN(DrawingToolsTest)
#include "tst_drawing_tools.moc"
