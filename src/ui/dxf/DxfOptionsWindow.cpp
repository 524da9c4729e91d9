#include "ui/dxf/DxfOptionsWindow.h"

#include "files/DxfOptionsFile.h"
#include "ui/app/Cp1252Text.h"
#include "ui/app/QtColour.h"
#include "ui/app/WindowPlacement.h"
#include "ui/view/ColourChooser.h"
#include "units/LengthFormatter.h"
#include "view/ColourTable.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace zorvane::ui {
namespace {

constexpr int kRowHeight = 62;
constexpr int kThirdColumn = 370;

// Names of a row's controls: check box, its text, layer edit, colour field, colour button.
constexpr const char* kRowNames[4][5] = {
    {"exppoi", "Export Point", "Edit5", "Panel6", "SpeedButton5"},
    {"expnum", "Export Number", "Edit2", "Panel2", "SpeedButton3"},
    {"expdes", "Export Description", "Edit1", "Panel4", "SpeedButton4"},
    {"exppol", "Export Polyline", "Edit6", "Panel8", "SpeedButton6"},
};

QLabel* label(QWidget* parent, const char* text, int x, int y) {
    auto* l = new QLabel(text, parent);
    l->move(x, y);
    return l;
}

// Black or white, whichever reads on the background.
QColor captionColour(const QColor& background) {
    return background.lightness() < 110 ? Qt::white : Qt::black;
}

} // namespace

DxfOptionsWindow::DxfOptionsWindow(const AppContext& context, char separator,
                                   std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent), ctx_(context), separator_(separator), showHelp_(std::move(showHelp)) {
    setObjectName("Tform4");
    setWindowTitle(" DXF Export Options");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(488, 338);

    auto* group = new QGroupBox(" DXF Entities ", this);
    group->setGeometry(8, 4, 472, 20 + 4 * kRowHeight);
    for (int r = 0; r < 4; ++r) buildRow(group, Row(r), 18 + r * kRowHeight, kRowNames[r]);
    addDimensions(Points, "rb1", "rb2");
    addHeight(Numbers, "Edit3");
    addHeight(Descriptors, "Edit4");
    addDimensions(Polylines, "RadioButton1", "RadioButton2");

    ok_ = new QPushButton("Ok", this);
    ok_->setObjectName("SpeedButton1");
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("SpeedButton2");
    auto* help = new QPushButton("Help", this);
    help->setObjectName("SpeedButton7");
    int x = 488 - 3 * 84;
    for (QPushButton* b : {ok_, cancel_, help}) {
        b->setAutoDefault(false); // Enter in a height edit normalises it, nothing more
        b->setGeometry(x, 300, 76, 26);
        x += 84;
    }
    connect(ok_, &QPushButton::clicked, this, ctx_.guarded([this] { okClicked(); }));
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { showHelp_(); });
    orderTabs(help);
}

void DxfOptionsWindow::orderTabs(QWidget* help) {
    // Row by row, left to right, then the buttons.
    std::vector<QWidget*> order;
    for (const RowControls& c : rows_) {
        for (QWidget* w : {static_cast<QWidget*>(c.check), static_cast<QWidget*>(c.layer),
                           static_cast<QWidget*>(c.button), static_cast<QWidget*>(c.height),
                           static_cast<QWidget*>(c.twoD), static_cast<QWidget*>(c.threeD)})
            if (w) order.push_back(w);
    }
    order.push_back(ok_);
    order.push_back(cancel_);
    order.push_back(help);
    for (std::size_t k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
}

void DxfOptionsWindow::buildRow(QWidget* group, Row row, int top, const char* const names[]) {
    RowControls& c = rows_[row];
    c.panel = new QFrame(group);
    c.panel->setGeometry(6, top, 460, kRowHeight - 4);
    c.panel->setFrameShape(QFrame::StyledPanel);
    c.check = new QCheckBox(names[1], c.panel);
    c.check->setObjectName(names[0]);
    c.check->move(6, 4);
    label(c.panel, "Layer Name:", 6, 32);
    c.layer = new QLineEdit(c.panel);
    c.layer->setObjectName(names[2]);
    c.layer->setGeometry(76, 29, 110, 22);
    label(c.panel, "Layer color:", 196, 32);
    c.colour = new QLabel(c.panel);
    c.colour->setObjectName(names[3]);
    c.colour->setGeometry(262, 29, 72, 22);
    c.colour->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c.colour->setAlignment(Qt::AlignCenter);
    c.colour->setAutoFillBackground(true);
    c.button = new QToolButton(c.panel);
    c.button->setObjectName(names[4]);
    c.button->setText("...");
    c.button->setToolTip("Click to select a color");
    c.button->setFocusPolicy(Qt::StrongFocus); // reachable with Tab like every other control
    c.button->setGeometry(336, 29, 24, 22);
    connect(c.check, &QCheckBox::clicked, this, [this, row] { greyRow(row); });
    connect(c.button, &QToolButton::clicked, this, ctx_.guarded([this, row] { pickColour(row); }));
}

void DxfOptionsWindow::addHeight(Row row, const char* name) {
    RowControls& c = rows_[row];
    label(c.panel, "Text Height:", kThirdColumn + 4, 8);
    c.height = new QLineEdit(c.panel);
    c.height->setObjectName(name);
    c.height->setGeometry(kThirdColumn + 4, 29, 70, 22);
    c.height->installEventFilter(this); // leaving it and Enter normalise it
}

bool DxfOptionsWindow::eventFilter(QObject* watched, QEvent* event) {
    for (Row r : {Numbers, Descriptors}) {
        QLineEdit* field = rows_[r].height;
        if (watched != field) continue;
        const bool enter = event->type() == QEvent::KeyRelease &&
                           (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (enter || event->type() == QEvent::FocusOut) normaliseHeight(field);
    }
    return QDialog::eventFilter(watched, event);
}

void DxfOptionsWindow::addDimensions(Row row, const char* name2D, const char* name3D) {
    RowControls& c = rows_[row];
    c.twoD = new QRadioButton("In 2D", c.panel);
    c.twoD->setObjectName(name2D);
    c.twoD->setToolTip("Use 2D (z=0) coordinates");
    c.twoD->move(kThirdColumn + 4, 6);
    c.threeD = new QRadioButton("In 3D", c.panel);
    c.threeD->setObjectName(name3D);
    c.threeD->setToolTip("Use 3D coordinates");
    c.threeD->move(kThirdColumn + 4, 30);
}

void DxfOptionsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

void DxfOptionsWindow::greyRow(Row row) {
    // The whole row follows its check box, which itself stays usable.
    const RowControls& c = rows_[row];
    const bool on = c.check->isChecked();
    for (QWidget* w : c.panel->findChildren<QWidget*>()) w->setEnabled(on);
    c.check->setEnabled(true);
}

void DxfOptionsWindow::setColour(Row row, int number, const std::string& name,
                                 std::uint32_t colour) {
    RowControls& c = rows_[row];
    c.number = number;
    c.colour->setText(fromCp1252(utf8ToCp1252(name).substr(0, 10)));
    QPalette p = c.colour->palette();
    const QColor background = toQColor(colour);
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, captionColour(background));
    c.colour->setPalette(p);
}

void DxfOptionsWindow::pickColour(Row row) {
    const QPoint at = rows_[row].button->mapToGlobal(QPoint(0, 0));
    const ColourChoice chosen = ctx_.prompts.chooseColour({rows_[row].number, at.x(), at.y()});
    setColour(row, chosen.number, chosen.name, chosen.colour);
}

void DxfOptionsWindow::normaliseHeight(QLineEdit* field) {
    const QString text =
        QString::fromStdString(normaliseTextHeight(field->text().toStdString(), separator_));
    if (field->text() != text) field->setText(text);
}

void DxfOptionsWindow::setOptions(const DxfExportOptions& o) {
    struct Group {
        bool on;
        std::string_view layer;
        int colour;
        std::string_view name;
    };
    const Group groups[4] = {
        {o.exportPoints, o.pointLayer.view(), o.pointColour, o.pointColourName.view()},
        {o.exportNumbers, o.numberLayer.view(), o.numberColour, o.numberColourName.view()},
        {o.exportDescriptors, o.descriptorLayer.view(), o.descriptorColour,
         o.descriptorColourName.view()},
        {o.exportPolylines, o.polylineLayer.view(), o.polylineColour, o.polylineColourName.view()}};
    const DesktopColours desktop = ColourChooser::desktopColours();
    for (int r = 0; r < 4; ++r) {
        const Group& g = groups[r];
        rows_[r].check->setChecked(g.on);
        rows_[r].layer->setText(fromCp1252(g.layer));
        setColour(Row(r), g.colour, cp1252ToUtf8(g.name), colourOf(g.colour, desktop));
    }
    (o.points3D ? rows_[Points].threeD : rows_[Points].twoD)->setChecked(true);
    (o.polylines3D ? rows_[Polylines].threeD : rows_[Polylines].twoD)->setChecked(true);
    rows_[Numbers].height->setText(
        QString::fromStdString(formatFixed(o.numberHeight, 2, separator_)));
    rows_[Descriptors].height->setText(
        QString::fromStdString(formatFixed(o.descriptorHeight, 2, separator_)));
    for (Row r : {Numbers, Points, Descriptors, Polylines}) greyRow(r);
}

std::optional<DxfExportOptions> DxfOptionsWindow::readOptions() {
    std::optional<double> heights[2];
    QLineEdit* fields[2] = {rows_[Numbers].height, rows_[Descriptors].height};
    for (int k = 0; k < 2; ++k) {
        heights[k] = parseTextHeight(fields[k]->text().toStdString(), separator_);
        if (!heights[k]) {
            ctx_.prompts.error(invalidFloatMessage(fields[k]->text().toStdString()));
            fields[k]->setFocus();
            return std::nullopt;
        }
    }
    const auto text = [this](Row r) { return toCp1252(rows_[r].layer->text()); };
    const auto name = [this](Row r) { return toCp1252(rows_[r].colour->text()); };
    DxfExportOptions o;
    o.exportPoints = rows_[Points].check->isChecked();
    o.pointLayer = text(Points); // cut to 31 characters
    o.pointColour = rows_[Points].number;
    o.points3D = rows_[Points].threeD->isChecked();
    o.pointColourName = name(Points); // cut to 10
    o.exportNumbers = rows_[Numbers].check->isChecked();
    o.numberLayer = text(Numbers);
    o.numberColour = rows_[Numbers].number;
    o.numberHeight = *heights[0];
    o.numberColourName = name(Numbers);
    o.exportDescriptors = rows_[Descriptors].check->isChecked();
    o.descriptorLayer = text(Descriptors);
    o.descriptorColour = rows_[Descriptors].number;
    o.descriptorHeight = *heights[1];
    o.descriptorColourName = name(Descriptors);
    o.exportPolylines = rows_[Polylines].check->isChecked();
    o.polylineLayer = text(Polylines);
    o.polylineColour = rows_[Polylines].number;
    o.polylines3D = rows_[Polylines].threeD->isChecked();
    o.polylineColourName = name(Polylines);
    return o;
}

void DxfOptionsWindow::okClicked() {
    const std::optional<DxfExportOptions> options = readOptions();
    if (!options) return;
    if (save) save(*options); // a failure stops here: the window stays open
    accept();
}

} // namespace zorvane::ui
