#include "ui/survey/TriangulationDialog.h"

#include "ui/app/Cp1252Text.h"
#include "ui/app/WindowPlacement.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorvane::ui {

TriangulationDialog::TriangulationDialog(const CaseDocument& document, QWidget* parent)
    : QDialog(parent), doc_(document) {
    setObjectName("TriangulationDialog");
    setWindowTitle(" Triangulate Point");

    number_ = field("tnb");
    pointA_ = field("pointA");
    pointB_ = field("pointB");
    distanceA_ = field("distA");
    distanceB_ = field("distB");
    side_ = new QComboBox(this);
    side_->setObjectName("side");
    side_->addItems(
        {QString::fromUtf8("Left of A\u2192B"), QString::fromUtf8("Right of A\u2192B")});
    side_->installEventFilter(this);
    connect(side_, &QComboBox::currentIndexChanged, this, [this] { showPlan(); });
    descriptor_ = new QComboBox(this);
    descriptor_->setObjectName("tdes");
    descriptor_->setEditable(true);
    descriptor_->setInsertPolicy(QComboBox::NoInsert);
    descriptor_->installEventFilter(this);
    result_ = new QLabel(this);
    result_->setObjectName("result");
    result_->setWordWrap(true);
    result_->setMinimumHeight(48);
    result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    create_ = new QPushButton("&Create Point", this);
    create_->setObjectName("create");
    create_->setAutoDefault(false);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("close");
    close->setAutoDefault(false);
    connect(create_, &QPushButton::clicked, this, &TriangulationDialog::createRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* form = new QFormLayout;
    form->addRow("Point Number:", number_);
    form->addRow("Point A:", pointA_);
    form->addRow("Point B:", pointB_);
    form->addRow("Distance from A:", distanceA_);
    form->addRow("Distance from B:", distanceB_);
    form->addRow("Side:", side_);
    form->addRow("Descriptor:", descriptor_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(create_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(result_);
    layout->addLayout(buttons);
    resize(380, 0);
}

QLineEdit* TriangulationDialog::field(const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this] { showPlan(); });
    return edit;
}

void TriangulationDialog::prepare() {
    const CaseState& st = doc_.state();
    number_->setText(QString::number(static_cast<long long>(st.lastPointNumber) + 1));
    const QString typed = descriptor_->currentText();
    descriptor_->clear();
    for (const std::string& d : st.descriptors) descriptor_->addItem(fromCp1252(d));
    descriptor_->setEditText(typed);
    showPlan();
}

void TriangulationDialog::pointCreated() {
    const QString made = "Point " + number_->text() + " created.";
    distanceA_->clear();
    distanceB_->clear();
    created_ = made;
    prepare();
    distanceA_->setFocus();
}

TriangulationFields TriangulationDialog::fields() const {
    TriangulationFields f;
    f.number = toCp1252(number_->text());
    f.pointA = toCp1252(pointA_->text());
    f.pointB = toCp1252(pointB_->text());
    f.distanceA = toCp1252(distanceA_->text());
    f.distanceB = toCp1252(distanceB_->text());
    f.side = side_->currentIndex() == 1 ? TriangulationSide::Right : TriangulationSide::Left;
    f.descriptor = toCp1252(descriptor_->currentText());
    return f;
}

void TriangulationDialog::focusField(TriangulationField field) {
    QLineEdit* edit = nullptr;
    switch (field) {
    case TriangulationField::Number:
        edit = number_;
        break;
    case TriangulationField::PointA:
        edit = pointA_;
        break;
    case TriangulationField::PointB:
        edit = pointB_;
        break;
    case TriangulationField::DistanceA:
        edit = distanceA_;
        break;
    case TriangulationField::DistanceB:
        edit = distanceB_;
        break;
    case TriangulationField::None:
        return;
    }
    edit->setFocus();
    edit->selectAll();
}

void TriangulationDialog::normaliseDistance(QLineEdit* edit) {
    if (!doc_.started()) return;
    const QString shown =
        fromCp1252(zorvane::normaliseDistance(doc_.state(), toCp1252(edit->text())));
    if (shown != edit->text()) edit->setText(shown);
}

// Enter moves on from field to field as on the entry pages; in the descriptor it creates.
void TriangulationDialog::enterPressed(QObject* watched) {
    if (watched == distanceA_ || watched == distanceB_)
        normaliseDistance(static_cast<QLineEdit*>(watched));
    if (watched == descriptor_)
        Q_EMIT createRequested();
    else
        focusNextChild();
}

bool TriangulationDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == distanceA_ || watched == distanceB_))
        normaliseDistance(static_cast<QLineEdit*>(watched));
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterPressed(watched);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TriangulationDialog::showPlan() {
    if (!doc_.started()) return;
    // Nothing to say about distances not yet typed but what was done last.
    if (distanceA_->text().trimmed().isEmpty() && distanceB_->text().trimmed().isEmpty()) {
        result_->setText(created_);
        result_->setStyleSheet("");
        return;
    }
    created_.clear();
    const TriangulationPlan plan = planTriangulation(doc_.state(), fields());
    QString text;
    if (plan.failed()) {
        text = fromUtf8(plan.error);
    } else {
        text = "Point " + fromCp1252(plan.entry.number) +
               (plan.replaces ? " (replaces the point of that number): " : ": ") +
               fromUtf8(plan.summary);
        if (!plan.warning.empty()) text += "\n" + fromUtf8(plan.warning);
    }
    result_->setText(text);
    result_->setStyleSheet(plan.failed() || !plan.warning.empty() ? "color: #a00000;" : "");
}

void TriangulationDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
    created_.clear(); // a point made the last time the dialog was open is old news
    showPlan();
    (pointA_->text().isEmpty() ? pointA_ : distanceA_)->setFocus();
}

} // namespace zorvane::ui
