#include "ui/view/LegendDialog.h"

#include "ui/app/Cp1252Text.h"
#include "ui/app/QtColour.h"
#include "ui/app/WindowPlacement.h"
#include "ui/view/ToolIcons.h"
#include "view/LegendText.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace zorvane::ui {
namespace {

FontChoice fontOf(const LegendRecord& legend) {
    return {cp1252ToUtf8(legend.fontName.view()), legend.fontHeight, legend.fontStyle,
            legend.fontColour};
}

void applyFont(LegendRecord& legend, const FontChoice& font) {
    legend.fontName = utf8ToCp1252(font.name); // cut to 50 characters
    legend.fontHeight = font.height;
    legend.fontStyle = font.style;
    legend.fontColour = font.colour;
}

} // namespace

LegendDialog::LegendDialog(const AppContext& context, CaseDocument& doc, QWidget* parent)
    : QDialog(parent), ctx_(context), doc_(doc) {
    setObjectName("TForm17");
    setWindowTitle(" Legend");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    build();
    // Until the dialog has been shown, new cases get this font: the desktop's text colour.
    LegendRecord start;
    start.fontColour = fromQColor(QApplication::palette().color(QPalette::WindowText));
    rememberFont(fontOf(start));
}

void LegendDialog::build() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Displayed Text:", this));
    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName("Memo1");
    memo1_->setTabChangesFocus(true);
    memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1_->setFixedSize(300, 140);
    memo1_->installEventFilter(this);
    layout->addWidget(memo1_);
    connect(memo1_, &QPlainTextEdit::textChanged, this, [this] { memoChanged(); });

    auto* fontRow = new QHBoxLayout;
    button2_ = new QPushButton("Font and Color ...", this);
    button2_->setObjectName("Button2");
    button2_->setAutoDefault(false);
    checkBox2_ = new QCheckBox("Boxed", this);
    checkBox2_->setObjectName("CheckBox2");
    fontRow->addWidget(button2_);
    fontRow->addWidget(checkBox2_);
    fontRow->addStretch();
    layout->addLayout(fontRow);
    connect(button2_, &QPushButton::clicked, this, ctx_.guarded([this] { chooseFont(); }));
    connect(checkBox2_, &QCheckBox::clicked, this, ctx_.guarded([this] { flagClicked(); }));

    auto* position = new QGroupBox(" Position ", this);
    auto* grid = new QHBoxLayout(position);
    edit1_ = new QLineEdit(position);
    edit1_->setObjectName("Edit1");
    edit2_ = new QLineEdit(position);
    edit2_->setObjectName("Edit2");
    speedButton1_ = new QToolButton(position);
    speedButton1_->setObjectName("SpeedButton1");
    speedButton1_->setFocusPolicy(Qt::StrongFocus);
    speedButton1_->setIcon(toolIcon("pickPosition"));
    speedButton1_->setToolTip("Select position by clicking");
    for (auto [text, field] : {std::pair{"Left:", edit1_}, std::pair{"Top:", edit2_}}) {
        auto* label = new QLabel(text, position);
        label->setBuddy(field);
        field->setFixedWidth(50);
        grid->addWidget(label);
        grid->addWidget(field);
        connect(field, &QLineEdit::textEdited, this,
                ctx_.guarded([this, f = field] { positionEdited(f); }));
    }
    grid->addWidget(speedButton1_);
    grid->addStretch();
    layout->addWidget(position);
    connect(speedButton1_, &QToolButton::clicked, this, ctx_.guarded([this] { selectPosition(); }));

    auto* bottom = new QHBoxLayout;
    checkBox1_ = new QCheckBox("Visible", this);
    checkBox1_->setObjectName("CheckBox1");
    speedButton2_ = new QPushButton("Apply", this);
    speedButton2_->setObjectName("SpeedButton2");
    speedButton3_ = new QPushButton("Cancel", this);
    speedButton3_->setObjectName("SpeedButton3");
    bottom->addWidget(checkBox1_);
    bottom->addStretch();
    for (QPushButton* b : {speedButton2_, speedButton3_}) {
        b->setAutoDefault(false); // Enter in a field must not close the dialog
        bottom->addWidget(b);
    }
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(checkBox1_, &QCheckBox::clicked, this, ctx_.guarded([this] { flagClicked(); }));
    connect(speedButton2_, &QPushButton::clicked, this, ctx_.guarded([this] { apply(); }));
    connect(speedButton3_, &QPushButton::clicked, this, ctx_.guarded([this] { cancel(); }));
}

void LegendDialog::openFromDrawing() {
    backup_ = doc_.state().legend;
    exec();
}

void LegendDialog::placeAt(int x, int y) {
    edit1_->setText(QString::number(x));
    positionEdited(edit1_);
    edit2_->setText(QString::number(y));
    positionEdited(edit2_);
    exec();
}

void LegendDialog::showEvent(QShowEvent* event) {
    fill();
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

void LegendDialog::fill() {
    const LegendRecord& legend = doc_.state().legend;
    filling_ = true;
    QStringList lines;
    for (const std::string& line : legendMemoLines(legend)) lines << fromCp1252(line);
    memo1_->setPlainText(lines.join('\n'));
    filling_ = false;
    rememberFont(fontOf(legend));
    checkBox2_->setChecked(legend.boxed);
    checkBox1_->setChecked(legend.visible);
    edit1_->setText(QString::number(legend.left));
    edit2_->setText(QString::number(legend.top));
    memo1_->setFocus();
}

bool LegendDialog::eventFilter(QObject* watched, QEvent* event) {
    // Any key released in the memo takes its lines, even one that changed nothing.
    if (watched == memo1_ && event->type() == QEvent::KeyRelease)
        ctx_.run([this] { memoChanged(); });
    return QDialog::eventFilter(watched, event);
}

void LegendDialog::memoChanged() {
    if (filling_) return;
    QString text = memo1_->toPlainText();
    if (text.size() > static_cast<qsizetype>(kLegendMemoLimit)) {
        filling_ = true;
        text.truncate(static_cast<qsizetype>(kLegendMemoLimit));
        memo1_->setPlainText(text);
        memo1_->moveCursor(QTextCursor::End);
        filling_ = false;
    }
    std::vector<std::string> lines;
    for (const QString& line : text.split('\n')) lines.push_back(toCp1252(line));
    LegendRecord legend = doc_.state().legend;
    setLegendLines(legend, lines);
    doc_.setLegend(legend);
}

void LegendDialog::rememberFont(const FontChoice& font) {
    font_ = font;
    LegendRecord defaults;
    applyFont(defaults, font);
    doc_.setDefaultLegendFont(defaults);
}

void LegendDialog::chooseFont() {
    const std::optional<FontChoice> chosen = ctx_.prompts.chooseFont(font_);
    if (!chosen) return;
    rememberFont(*chosen);
    LegendRecord legend = doc_.state().legend;
    applyFont(legend, *chosen);
    doc_.setLegend(legend);
}

void LegendDialog::positionEdited(QLineEdit* field) {
    const PositionField read = legendPositionField(toCp1252(field->text()));
    const QString text = QString::fromStdString(read.text);
    if (field->text() != text) field->setText(text);
    LegendRecord legend = doc_.state().legend;
    (field == edit1_ ? legend.left : legend.top) = read.value;
    doc_.setLegend(legend);
}

void LegendDialog::flagClicked() {
    LegendRecord legend = doc_.state().legend;
    legend.boxed = checkBox2_->isChecked();
    legend.visible = checkBox1_->isChecked();
    doc_.setLegend(legend);
}

void LegendDialog::selectPosition() {
    Q_EMIT placementRequested();
    accept();
}

LegendRecord LegendDialog::fromControls() const {
    LegendRecord legend = doc_.state().legend;
    std::vector<std::string> lines;
    for (const QString& line : memo1_->toPlainText().split('\n')) lines.push_back(toCp1252(line));
    setLegendLines(legend, lines);
    applyFont(legend, font_);
    legend.left = legendPositionField(toCp1252(edit1_->text())).value;
    legend.top = legendPositionField(toCp1252(edit2_->text())).value;
    legend.boxed = checkBox2_->isChecked();
    legend.visible = checkBox1_->isChecked();
    return legend;
}

void LegendDialog::apply() {
    doc_.setLegend(fromControls());
    accept();
}

void LegendDialog::cancel() {
    doc_.setLegend(backup_);
    reject();
}

} // namespace zorvane::ui
