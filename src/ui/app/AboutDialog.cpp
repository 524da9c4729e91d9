#include "ui/app/AboutDialog.h"

#include "app/Version.h"
#include "ui/app/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorvane::ui {

QPixmap zorvaneLogo(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0;
    p.setPen(QPen(QColor(30, 60, 120), 2 * s));
    p.setBrush(QColor(235, 242, 250));
    p.drawEllipse(QRectF(4 * s, 4 * s, 56 * s, 56 * s));
    QPainterPath arrow;
    arrow.moveTo(32 * s, 8 * s);
    arrow.lineTo(22 * s, 40 * s);
    arrow.lineTo(32 * s, 34 * s);
    arrow.lineTo(42 * s, 40 * s);
    arrow.closeSubpath();
    p.setBrush(QColor(200, 30, 30));
    p.setPen(Qt::NoPen);
    p.drawPath(arrow);
    p.setBrush(QColor(30, 60, 120));
    p.drawEllipse(QPointF(32 * s, 48 * s), 4 * s, 4 * s);
    return pm;
}

AboutDialog::AboutDialog(std::function<bool(const QUrl&)> openUrl, QWidget* parent)
    : QDialog(parent) {
    setObjectName("TForm12");
    setWindowTitle(" About");

    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setPixmap(zorvaneLogo(64));
    auto* product = new QLabel(
        QString("<b>%1</b><br>Site plans for accident and crime investigation").arg(kProductName),
        this);
    product->setObjectName("ProductName");

    auto* home = new QPushButton("www.zorvane.org", this);
    home->setObjectName("web1");
    auto* support = new QPushButton("Support", this);
    support->setObjectName("web2");
    auto* close = new QPushButton("Close", this);
    close->setObjectName("close");
    close->setDefault(true);
    connect(home, &QPushButton::clicked, this, [openUrl] { openUrl(QUrl(kHomePage)); });
    connect(support, &QPushButton::clicked, this, [openUrl] { openUrl(QUrl(kSupportPage)); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(product, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(home);
    buttons->addWidget(support);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

} // namespace zorvane::ui
