// The plan painted into a real QImage: pixels where the renderer meant them.
#include "ui/view/QtCanvas.h"
#include "view/ArcGeometry.h"
#include "view/PlanRenderer.h"

#include <QFontMetrics>
#include <QtTest>

#include <array>
#include <cmath>
#include <numbers>
#include <span>

using namespace zorvane;
using zorvane::ui::QtCanvas;

namespace {

constexpr QRgb kWhiteRgb = 0xFFFFFFFFu;

// Any pixel within `radius` of (x, y) that is not white.
bool paintedNear(const QImage& img, double x, double y, int radius = 0) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p(static_cast<int>(std::lround(x)) + dx,
                           static_cast<int>(std::lround(y)) + dy);
            if (img.rect().contains(p) && img.pixel(p) != kWhiteRgb) return true;
        }
    return false;
}

QImage blank(int w, int h, QRgb colour = kWhiteRgb) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

} // namespace

class TstQtCanvas : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void smallCaseLandsOnItsPixels();
    void arcPixelsFollowTheCircleThroughTheMiddlePoint();
    void textCellsAreOpaqueAndClipped();
    void signedFontHeightsAndExtremes();
    void thinLinesOnePixelPerStepEitherWay();
    void widePensHaveRoundEnds();
    void wideLinesFromFarOffShowTheirVisiblePart();
    void flatArcsOfHugeRadius();
};

void TstQtCanvas::smallCaseLandsOnItsPixels() {
    CaseData doc;
    PlanView view;
    view.width = 200, view.height = 150;
    view.toggles = {true, true, false, false, true, true};
    view.northArrow = {170, 40};
    for (const auto& [x, y, mark] :
         {std::tuple{50.0, 60.0, Colour{0x0000FF}}, {120.4, 80.5, Colour{0}}}) {
        PointRecord p;
        p.number = 1;
        p.markColour = mark;
        doc.points.push_back(p);
        doc.screen.push_back({x, y});
    }
    QImage img = blank(200, 150, qRgb(0, 0, 0)); // whatever was there before goes
    {
        QtCanvas canvas(img);
        redrawPlan(doc, view, canvas);
    }
    for (int d = -1; d <= 1; ++d) { // 3 x 3 marks; 0x0000FF is red, unmarked is black
        QCOMPARE(img.pixel(50 + d, 60 + d), qRgb(255, 0, 0));
        QCOMPARE(img.pixel(120 - d, 80 + d), qRgb(0, 0, 0));
    }
    QCOMPARE(img.pixel(52, 60), kWhiteRgb);
    QCOMPARE(img.pixel(5, 140), kWhiteRgb);
    int red = 0; // the number "1" in its cell above-right of the mark, in the mark colour
    for (int y = 48; y < 60; ++y)
        for (int x = 54; x < 66; ++x)
            red += qRed(img.pixel(x, y)) > 200 && qGreen(img.pixel(x, y)) < 100;
    QVERIFY(red >= 4);
    QCOMPARE(img.pixel(170, 60), kWhiteRgb); // north arrow: white inside, black outline
    QCOMPARE(img.pixel(170, 40), qRgb(0, 0, 0));
    QCOMPARE(img.pixel(168, 65), qRgb(0, 0, 0));
    QVERIFY(paintedNear(img, 171, 73, 3)); // the "N"
}

void TstQtCanvas::arcPixelsFollowTheCircleThroughTheMiddlePoint() {
    const double cx = 150, cy = 110, r = 60;
    auto at = [&](double degrees) {
        const double a = degrees * std::numbers::pi / 180;
        return QPoint(std::lround(cx + r * std::cos(a)), std::lround(cy - r * std::sin(a)));
    };
    // (first, middle, last) in screen degrees, counter-clockwise; some exceed a half circle.
    const double arcs[][3] = {{180, 90, 0},   {180, 270, 0},  {200, 80, -20}, {-20, 80, 200},
                              {10, 100, 250}, {250, 300, 10}, {135, 300, 45}};
    for (const auto& a : arcs)
        for (const bool full : {false, true})
            for (const int width : {1, 4}) {
                QImage img = blank(300, 220);
                {
                    QtCanvas canvas(img);
                    canvas.setPen(0xFF0000, width);
                    const QPoint p1 = at(a[0]), p2 = at(a[1]), p3 = at(a[2]);
                    drawArc(canvas, p1.x(), p1.y(), p2.x(), p2.y(), p3.x(), p3.y(), full);
                }
                for (int y = 0; y < img.height(); ++y)
                    for (int x = 0; x < img.width(); ++x)
                        if (img.pixel(x, y) != kWhiteRgb)
                            QVERIFY(std::abs(std::hypot(x - cx, y - cy) - r) < 2 + width / 2);
                QVERIFY(paintedNear(img, at(a[1]).x(), at(a[1]).y(), 1));
                // Halfway round the part of the circle the arc must leave out.
                const double to2 = std::fmod(a[1] - a[0] + 720, 360),
                             to3 = std::fmod(a[2] - a[0] + 720, 360);
                const QPoint gap = at(to2 <= to3 ? a[0] + to3 + (360 - to3) / 2 : a[0] + to3 / 2);
                QCOMPARE(paintedNear(img, gap.x(), gap.y(), 1 + width / 2), full);
            }
}

void TstQtCanvas::textCellsAreOpaqueAndClipped() {
    QImage img = blank(100, 60, qRgb(0, 0, 255));
    int w = 0;
    {
        QtCanvas canvas(img);
        canvas.setFont({"Arial", 15, kBold, 0x00FF00});
        w = canvas.textWidth("N8");
        QCOMPARE(canvas.textHeight(), 15);
        canvas.text(20, 10, "N8");
    }
    int white = 0, green = 0;
    for (int y = 10; y < 25; ++y)
        for (int x = 20; x < 20 + w; ++x) {
            white += img.pixel(x, y) == kWhiteRgb;
            green += img.pixel(x, y) == qRgb(0, 255, 0);
        }
    QVERIFY(white > w * 5 && green > 10);
    for (const QPoint p : {QPoint(19, 12), QPoint(20 + w, 12), QPoint(25, 9), QPoint(25, 25)})
        QCOMPARE(img.pixel(p), qRgb(0, 0, 255)); // nothing outside the cell

    // Cut by the image's corner, a text shows exactly that part of itself drawn whole,
    // letters that reach into their neighbours included.
    QImage whole = blank(90, 40), cut = blank(90, 40);
    for (QImage* target : {&whole, &cut}) {
        QtCanvas canvas(*target);
        canvas.setFont({"Arial", -13, 0, 0xFF0000});
        canvas.setTextColour(0x0000FF);
        canvas.text(target == &whole ? 20 : -7, target == &whole ? 10 : -4, "WAj 42 Kay");
    }
    for (int y = 0; y + 14 < 40; ++y)
        for (int x = 0; x + 27 < 90; ++x) QCOMPARE(cut.pixel(x, y), whole.pixel(x + 27, y + 14));
}

void TstQtCanvas::signedFontHeightsAndExtremes() {
    QImage img = blank(120, 80);
    QtCanvas canvas(img);
    QFont arial("Arial");
    for (const int px : {8, 11, 40}) {
        arial.setPixelSize(px);
        canvas.setFont({"Arial", -px, 0, 0}); // the character height
        QCOMPARE(canvas.textHeight(), QFontMetrics(arial).height());
        QCOMPARE(canvas.textWidth("Hi"),
                 QFontMetrics(arial).horizontalAdvance(QStringLiteral("H")) +
                     QFontMetrics(arial).horizontalAdvance(QStringLiteral("i")));
        canvas.setFont({"Arial", px, 0, 0}); // the whole cell
        QCOMPARE(canvas.textHeight(), px);
    }
    canvas.setFont({"Arial", 2000000000, 0, 0});
    QVERIFY(canvas.textHeight() > 0 && canvas.textHeight() < 5000);

    const int far = kPixelLimit;
    canvas.setFont({"Arial", -300, 0, 0}); // too big for the character cache
    canvas.text(-far, 10, "far");
    canvas.text(80, -200, "H"); // the left stem reaches into the image
    QVERIFY(paintedNear(img, 100, 40, 20));
    img.fill(kWhiteRgb);
    canvas.setPen(0, 1);
    canvas.line(-far, 40, far, 40);
    const PixelPos zigzag[] = {{-far, -far}, {60, 20}, {far, -far}};
    canvas.polyline(zigzag);
    canvas.arc(-far, -far, far, far, far, 0, -far, 0);
    const Mark marks[] = {{-far, 5, 0}, {far, far, 0}, {119, 79, 0}, {0, -1, 0}};
    canvas.marks(marks, 3);
    for (int x = 0; x < 120; ++x) QCOMPARE(img.pixel(x, 40), qRgb(0, 0, 0));
    QVERIFY(paintedNear(img, 60, 20, 1));
    QCOMPARE(img.pixel(118, 78), qRgb(0, 0, 0));
    QCOMPARE(img.pixel(1, 0), qRgb(0, 0, 0));
}

// Pixels that are not white.
int paintedCount(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) != kWhiteRgb;
    return n;
}

QImage linesImage(int width, std::span<const PixelPos> vertices) {
    QImage img = blank(120, 80);
    QtCanvas canvas(img);
    canvas.setPen(0, width);
    canvas.polyline(vertices);
    return img;
}

void TstQtCanvas::thinLinesOnePixelPerStepEitherWay() {
    const std::array<PixelPos, 2> segments[] = {
        {{{10, 10}, {30, 10}}}, {{{10, 10}, {10, 40}}}, {{{10, 10}, {30, 15}}},
        {{{10, 70}, {17, 30}}}, {{{5, 5}, {25, 25}}},   {{{100, 3}, {60, 77}}},
    };
    for (const auto& s : segments) {
        const std::array<PixelPos, 2> back{{s[1], s[0]}};
        const QImage forth = linesImage(1, s), reverse = linesImage(1, back);
        QCOMPARE(forth, reverse);
        QCOMPARE(paintedCount(forth),
                 std::max(std::abs(s[1].x - s[0].x), std::abs(s[1].y - s[0].y)) + 1);
        QCOMPARE(forth.pixel(s[0].x, s[0].y), qRgb(0, 0, 0)); // both ends are drawn
        QCOMPARE(forth.pixel(s[1].x, s[1].y), qRgb(0, 0, 0));
    }
}

// Pixels whose centres lie within half the pen of the segment: round ends, not square ones, and
// even widths centred on the top-left corner of the pixel like the marks.
void TstQtCanvas::widePensHaveRoundEnds() {
    const std::array<PixelPos, 2> line{{{20, 30}, {60, 30}}};
    const struct {
        int width;
        QPoint painted[3], white[3];
    } cases[] = {
        {5, {{62, 30}, {61, 28}, {18, 31}}, {{63, 30}, {62, 28}, {18, 33}}},
        {4, {{61, 29}, {60, 28}, {18, 30}}, {{62, 29}, {61, 28}, {20, 32}}},
        {3, {{61, 29}, {61, 31}, {19, 31}}, {{62, 30}, {60, 32}, {18, 30}}},
    };
    for (const auto& c : cases) {
        const QImage img = linesImage(c.width, line);
        for (const QPoint p : c.painted)
            QVERIFY2(img.pixel(p) != kWhiteRgb, qPrintable(QString::number(c.width)));
        for (const QPoint p : c.white) QCOMPARE(img.pixel(p), kWhiteRgb);
        QVERIFY(paintedCount(img) > 40 * c.width);
    }
    // A polyline whose vertices coincide is the dot a mark of that width makes.
    for (const int width : {2, 3, 4, 5}) {
        const std::array<PixelPos, 3> still{{{50, 40}, {50, 40}, {50, 40}}};
        QImage mark = blank(120, 80);
        {
            QtCanvas canvas(mark);
            const Mark m{50, 40, 0};
            canvas.marks(std::span<const Mark>(&m, 1), width);
        }
        QCOMPARE(linesImage(width, still), mark);
    }
}

// Only what lies on the surface is drawn, and all of that: a line from a pixel position near
// the limit shows exactly where the same line drawn from nearby ends shows.
void TstQtCanvas::wideLinesFromFarOffShowTheirVisiblePart() {
    const int far = kPixelLimit;
    const struct {
        std::array<PixelPos, 2> far, near;
    } cases[] = {
        {{{{-far, 40}, {60, 40}}}, {{{-10, 40}, {60, 40}}}},
        {{{{50, -far}, {50, far}}}, {{{50, -10}, {50, 90}}}},
        {{{{-far, -far}, {far, far}}}, {{{-20, -20}, {100, 100}}}},
        {{{{far, 10}, {-far, 10}}}, {{{130, 10}, {-10, 10}}}},
    };
    for (const int width : {1, 3, 4})
        for (const auto& c : cases) {
            const QImage a = linesImage(width, c.far), b = linesImage(width, c.near);
            QCOMPARE(a, b);
            QVERIFY(paintedCount(a) >= 60);
        }
    // Wholly off the surface, however long: nothing.
    const std::array<PixelPos, 3> outside{{{-far, -5}, {far, -5}, {far, -far}}};
    QCOMPARE(paintedCount(linesImage(4, outside)), 0);
}

// Three nearly collinear points: a circle of a radius of tens of thousands of pixels, of which
// the arc through them is drawn, close to the straight line and no further than its ends.
void TstQtCanvas::flatArcsOfHugeRadius() {
    for (const int width : {1, 3}) {
        QImage img = blank(120, 80);
        {
            QtCanvas canvas(img);
            canvas.setPen(0xFF0000, width);
            drawArc(canvas, 10, 40, 60, 41, 110, 40, true);
        }
        for (const QPoint p : {QPoint(10, 40), QPoint(60, 41), QPoint(110, 40)})
            QVERIFY(paintedNear(img, p.x(), p.y(), 1));
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != kWhiteRgb) QVERIFY(y >= 37 && y <= 44);
    }
}

QTEST_MAIN(TstQtCanvas)
#include "tst_qt_canvas.moc"
