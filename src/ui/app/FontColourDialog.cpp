#include "ui/app/FontColourDialog.h"

#include "ui/app/QtColour.h"
#include "ui/app/WindowPlacement.h"
#include "view/FontSize.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace zorvane::ui {
namespace {

struct NamedColour {
    const char* name;
    std::uint32_t colour; // 0x00BBGGRR
};

// The sixteen colours font dialogs have always offered.
constexpr std::array<NamedColour, 16> kColours{{{"Black", 0x000000},
                                                {"Maroon", 0x000080},
                                                {"Green", 0x008000},
                                                {"Olive", 0x008080},
                                                {"Navy", 0x800000},
                                                {"Purple", 0x800080},
                                                {"Teal", 0x808000},
                                                {"Gray", 0x808080},
                                                {"Silver", 0xC0C0C0},
                                                {"Red", 0x0000FF},
                                                {"Lime", 0x00FF00},
                                                {"Yellow", 0x00FFFF},
                                                {"Blue", 0xFF0000},
                                                {"Fuchsia", 0xFF00FF},
                                                {"Aqua", 0xFFFF00},
                                                {"White", 0xFFFFFF}}};

QIcon swatch(std::uint32_t colour) {
    QPixmap p(16, 12);
    p.fill(toQColor(colour));
    return QIcon(p);
}

// The face's own name for the wanted weight and slant ("Book", "Bold Oblique"): without it the
// dialog would show the family's first style, whatever the font is. Of the styles that match,
// the plainest (shortest name) is taken, "Book" before "Condensed".
QString styleNameFor(const QString& family, bool bold, bool italic) {
    QString best;
    for (const QString& style : QFontDatabase::styles(family)) {
        const bool isBold = QFontDatabase::weight(family, style) >= QFont::DemiBold;
        if (isBold != bold || QFontDatabase::italic(family, style) != italic) continue;
        if (QFontDatabase::weight(family, style) < QFont::Normal) continue; // light faces
        if (best.isEmpty() || style.size() < best.size()) best = style;
    }
    return best;
}

std::uint8_t styleOf(const QFont& f) {
    return static_cast<std::uint8_t>((f.bold() ? 1 : 0) | (f.italic() ? 2 : 0) |
                                     (f.underline() ? 4 : 0) | (f.strikeOut() ? 8 : 0));
}

} // namespace

double FontColourDialog::screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

FontColourDialog::FontColourDialog(const FontChoice& current, QWidget* parent)
    : QDialog(parent), initial_(current) {
    setObjectName("FontDialog1");
    setWindowTitle("Font");
    auto* layout = new QVBoxLayout(this);

    font_ = new QFontDialog(this);
    font_->setWindowFlags(Qt::Widget);
    font_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    QFont f(QString::fromStdString(current.name));
    // A face this desktop lacks ("MS Sans Serif") shows as the face that really draws it.
    f.setFamily(QFontInfo(f).family());
    f.setPointSizeF(std::max(1.0, pointSizeOfHeight(current.height, screenDpi())));
    f.setBold(current.style & 1);
    f.setItalic(current.style & 2);
    f.setUnderline(current.style & 4);
    f.setStrikeOut(current.style & 8);
    f.setStyleName(styleNameFor(f.family(), f.bold(), f.italic()));
    font_->setCurrentFont(f);
    initialFamily_ = font_->currentFont().family();
    initialPoints_ = font_->currentFont().pointSizeF();
    layout->addWidget(font_);

    auto* colourRow = new QHBoxLayout;
    auto* label = new QLabel("&Color:", this);
    colour_ = new QComboBox(this);
    colour_->setObjectName("colour");
    label->setBuddy(colour_);
    fillColours(current.colour);
    colourRow->addWidget(label);
    colourRow->addWidget(colour_);
    colourRow->addStretch();
    layout->addLayout(colourRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Enter is OK; the embedded font dialog's own hidden buttons must not take it.
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void FontColourDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

void FontColourDialog::fillColours(std::uint32_t current) {
    int at = -1;
    for (const NamedColour& c : kColours) {
        if (c.colour == current) at = colour_->count();
        colour_->addItem(swatch(c.colour), c.name, QVariant::fromValue<uint>(c.colour));
    }
    // A colour that is none of the sixteen (the desktop's text colour, a case from elsewhere)
    // is offered as it is.
    if (at < 0) {
        at = colour_->count();
        colour_->addItem(swatch(current), "Custom", QVariant::fromValue<uint>(current));
    }
    colour_->setCurrentIndex(at);
}

FontChoice FontColourDialog::choice() const {
    const QFont f = font_->currentFont();
    FontChoice c;
    c.name = f.family() == initialFamily_ ? initial_.name : f.family().toStdString();
    c.height = std::abs(f.pointSizeF() - initialPoints_) < 0.01
                   ? initial_.height
                   : heightOfPointSize(f.pointSizeF(), screenDpi());
    c.style = styleOf(f);
    c.colour = colour_->currentData().toUInt();
    return c;
}

} // namespace zorvane::ui
