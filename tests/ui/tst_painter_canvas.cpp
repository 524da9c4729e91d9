// The exhibits' vector canvas: what lands inside its clip, what does not, and how it sizes text.
#include "ui/view/PainterCanvas.h"

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QtTest>

#include <array>

using namespace zorvane;
using zorvane::ui::PainterCanvas;

namespace {

constexpr QRgb kWhiteRgb = 0xFFFFFFFFu;
const QRect kClip(20, 20, 100, 60); // on a 200 x 120 picture

// Ink anywhere in `area` of the picture.
bool inked(const QImage& img, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.rect().contains(x, y) && img.pixel(x, y) != kWhiteRgb) return true;
    return false;
}

bool inkedOutsideClip(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!kClip.adjusted(-1, -1, 1, 1).contains(x, y) && img.pixel(x, y) != kWhiteRgb)
                return true;
    return false;
}

// Paints with a clipped canvas onto a white picture.
template <class Draw> QImage painted(Draw draw) {
    QImage img(200, 120, QImage::Format_RGB32);
    img.fill(kWhiteRgb);
    QPainter painter(&img);
    PainterCanvas canvas(painter);
    canvas.setClip(kClip);
    draw(canvas);
    return img;
}

} // namespace

class TstPainterCanvas : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void shapesAreCutAtTheClip();
    void textIsDrawnWholeOrNotAtAll();
    void svgHoldsNothingOutsideTheClip();
    void fontHeightsAsOnTheScreen();
};

void TstPainterCanvas::shapesAreCutAtTheClip() {
    const std::array<PixelPos, 3> zigzag{{{0, 30}, {100, 110}, {190, 40}}};
    const std::array<PixelPos, 3> triangle{{{60, 0}, {10, 100}, {150, 100}}};
    const struct {
        const char* name;
        std::function<void(PainterCanvas&)> draw;
        QRect inside; // where some ink must be
    } cases[] = {
        {"line",
         [](PainterCanvas& c) { c.setPen(kBlack, 2), c.line(0, 50, 199, 50); },
         {20, 48, 100, 4}},
        {"polyline", [&](PainterCanvas& c) { c.setPen(kBlack, 1), c.polyline(zigzag); }, kClip},
        {"polygon", [&](PainterCanvas& c) { c.polygon(triangle, 0x0000FF); }, {60, 60, 4, 4}},
        {"arc",
         [](PainterCanvas& c) { c.setPen(kBlack, 1), c.arc(-40, -40, 120, 120, 120, 40, 120, 40); },
         kClip},
        {"fill", [](PainterCanvas& c) { c.fillRect(0, 0, 60, 60, 0x00FF00); }, {20, 20, 39, 39}},
        {"mark",
         [](PainterCanvas& c) {
             const std::array<Mark, 2> marks{{{10, 10, 0x0000FF}, {50, 50, 0x0000FF}}};
             c.marks(marks, 3);
         },
         {48, 48, 4, 4}},
    };
    for (const auto& c : cases) {
        const QImage img = painted(c.draw);
        QVERIFY2(inked(img, c.inside), c.name);
        QVERIFY2(!inkedOutsideClip(img), c.name);
    }
}

void TstPainterCanvas::textIsDrawnWholeOrNotAtAll() {
    for (const auto& [x, y, whole] :
         {std::tuple{30, 30, true}, {100, 30, false}, {30, 70, false}, {-5, 30, false}}) {
        const QImage img = painted([x = x, y = y](PainterCanvas& c) {
            c.setFont({"Arial", -12, 0, kBlack});
            c.text(x, y, "701");
        });
        QCOMPARE(inked(img, img.rect()), whole);
    }
}

void TstPainterCanvas::svgHoldsNothingOutsideTheClip() {
    // A file format without clipping: the cut is in the coordinates themselves.
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(200, 120));
    {
        QPainter painter(&generator);
        PainterCanvas canvas(painter);
        canvas.setClip(kClip);
        const std::array<PixelPos, 4> road{{{-500, 50}, {50, 50}, {60, 200}, {90, 40}}};
        canvas.polyline(road);
    }
    const QRegularExpression points("points=\"([^\"]*)\"");
    int lines = 0;
    for (auto m = points.globalMatch(QString::fromUtf8(svg)); m.hasNext(); ++lines)
        for (const QString& pair : m.next().captured(1).split(' ', Qt::SkipEmptyParts)) {
            const auto xy = pair.split(',');
            QVERIFY(QRectF(kClip)
                        .adjusted(-1e-6, -1e-6, 1e-6, 1e-6)
                        .contains(xy[0].toDouble(), xy[1].toDouble()));
        }
    QCOMPARE(lines, 2); // in along the road, out at the bottom, back in and up to its end
}

void TstPainterCanvas::fontHeightsAsOnTheScreen() {
    QImage img(10, 10, QImage::Format_RGB32);
    QPainter painter(&img);
    PainterCanvas canvas(painter);
    canvas.setFont({"Arial", 30, 0, kBlack}); // a positive height is the whole cell
    QCOMPARE(canvas.textHeight(), 30);
    const int narrow = canvas.textWidth("111"), wide = canvas.textWidth("WWW");
    QVERIFY(narrow > 0 && wide > narrow);
    canvas.setFont({"Arial", 60, 0, kBlack});
    QVERIFY(std::abs(canvas.textWidth("WWW") - 2 * wide) <= 2); // widths follow the height
    canvas.setFont({"Arial", -20, 0, kBlack}); // a negative one is the character height
    QVERIFY(canvas.textHeight() > 20);
    QCOMPARE(canvas.textWidth(""), 0);
}

QTEST_MAIN(TstPainterCanvas)
#include "tst_painter_canvas.moc"
