#include "ui/view/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zorvane::ui {
namespace {

constexpr int kSize = 32; // drawn at twice the toolbar size for crisp scaling

const QColor kInk(40, 48, 64);
const QColor kBlue(40, 90, 170);
const QColor kRed(200, 40, 40);

void magnifier(QPainter& p, bool plus) {
    p.setPen(QPen(kInk, 3));
    p.setBrush(QColor(225, 235, 250));
    p.drawEllipse(QRectF(4, 4, 17, 17));
    p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(27, 27));
    p.setPen(QPen(kBlue, 3));
    p.drawLine(QPointF(8.5, 12.5), QPointF(16.5, 12.5));
    if (plus) p.drawLine(QPointF(12.5, 8.5), QPointF(12.5, 16.5));
}

void northArrow(QPainter& p, bool crosshair) {
    QPainterPath a;
    a.moveTo(16, 3);
    a.lineTo(9, 21);
    a.lineTo(23, 21);
    a.closeSubpath();
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawPath(a);
    QFont f("Arial");
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(0, 20, 32, 12), Qt::AlignCenter, "N");
    if (crosshair) {
        p.setPen(QPen(kRed, 2));
        p.drawEllipse(QRectF(22, 1, 9, 9));
        p.drawLine(26, 0, 26, 11);
        p.drawLine(21, 5, 32, 5);
    }
}

void zigzag(QPainter& p, const QColor& c) {
    p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF pts[] = {{3, 26}, {11, 10}, {19, 20}, {29, 5}};
    p.drawPolyline(pts, 4);
}

void paint(QPainter& p, const QString& name) {
    p.setRenderHint(QPainter::Antialiasing);
    if (name == "bsave") {
        p.setPen(QPen(kInk, 2));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 5, 14, 9));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(10, 19, 12, 8));
    } else if (name == "ToolButton10") { // copy
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 4, 15, 19));
        p.setBrush(QColor(225, 235, 250));
        p.drawRect(QRectF(12, 10, 15, 19));
    } else if (name == "bprint" || name == "ToolButton7") {
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(190, 195, 205));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 9));
        if (name == "ToolButton7") {
            p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(20, 30), QPointF(30, 20));
            p.drawEllipse(QRectF(24, 14, 6, 6));
        }
    } else if (name == "bdata") { // the point list
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 5, 26, 22));
        p.drawLine(QPointF(3, 11), QPointF(29, 11));
        p.drawLine(QPointF(3, 17), QPointF(29, 17));
        p.drawLine(QPointF(3, 23), QPointF(29, 23));
        p.drawLine(QPointF(11, 5), QPointF(11, 27));
    } else if (name == "ToolButton3") { // images
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(210, 230, 250));
        p.drawRect(QRectF(3, 6, 26, 20));
        QPainterPath hill;
        hill.moveTo(4, 25);
        hill.lineTo(13, 14);
        hill.lineTo(19, 20);
        hill.lineTo(23, 16);
        hill.lineTo(28, 25);
        hill.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 140, 70));
        p.drawPath(hill);
        p.setBrush(QColor(240, 190, 40));
        p.drawEllipse(QRectF(20, 8, 5, 5));
    } else if (name == "zoommoins" || name == "zoomplus") {
        magnifier(p, name == "zoomplus");
    } else if (name == "bzc") { // everything in the frame
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(4, 4, 24, 24));
        p.setPen(QPen(kBlue, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 9), QPointF(14, 14));
        p.drawLine(QPointF(23, 9), QPointF(18, 14));
        p.drawLine(QPointF(9, 23), QPointF(14, 18));
        p.drawLine(QPointF(23, 23), QPointF(18, 18));
    } else if (name == "ToolButton6" || name == "shnord") {
        northArrow(p, name == "ToolButton6");
    } else if (name == "ToolButton12") { // legend
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 5, 26, 22));
        p.setPen(QPen(kBlue, 2));
        for (int y : {11, 16, 21}) p.drawLine(QPointF(7, y), QPointF(y == 21 ? 18 : 25, y));
    } else if (name == "showpoints") {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        for (QPointF c : {QPointF(9, 10), QPointF(22, 14), QPointF(13, 23)}) p.drawEllipse(c, 3, 3);
    } else if (name == "shownum" || name == "showdesc") {
        p.setPen(kInk);
        QFont f("Arial");
        f.setPixelSize(name == "shownum" ? 17 : 15);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, name == "shownum" ? "12" : "Ab");
    } else if (name == "onlym") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 170, 170));
        p.drawEllipse(QPointF(9, 22), 3, 3);
        p.setBrush(kRed);
        p.drawEllipse(QPointF(20, 11), 6, 6);
    } else if (name == "showpl") {
        zigzag(p, kInk);
    } else if (name == "pickPosition") { // a place on the plan, taken by a click
        p.setPen(QPen(kRed, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 16), 9, 9);
        p.setPen(QPen(kInk, 2));
        p.drawLine(16, 2, 16, 30);
        p.drawLine(2, 16, 30, 16);
    } else if (name == "showpol") {
        zigzag(p, kBlue);
        p.setPen(QPen(kRed, 2));
        p.setBrush(QColor(250, 220, 120));
        QPainterPath pen;
        pen.moveTo(17, 29);
        pen.lineTo(18, 24);
        pen.lineTo(28, 14);
        pen.lineTo(31, 17);
        pen.lineTo(21, 27);
        pen.closeSubpath();
        p.drawPath(pen);
    }
}

} // namespace

QIcon toolIcon(const QString& name) {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paint(p, name);
    p.end();
    return QIcon(pm);
}

} // namespace zorvane::ui
