#include "ui/files/IncidentDialog.h"

#include "case/IncidentEditing.h"
#include "ui/app/Cp1252Text.h"
#include "ui/app/DialogButtons.h"
#include "ui/app/WindowPlacement.h"
#include "ui/files/MemoEdit.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace zorvane::ui {
namespace {

// The date and the hour are typed over a fixed layout: '_' marks a position not typed yet.
constexpr char kBlank = '_';
const char* const kDateMask = "00/00/9999;_";
const char* const kHourMask = "09:99;_";

QString shownMasked(const std::string& text) {
    return fromCp1252(text).replace(' ', kBlank);
}

std::string typedMasked(const QLineEdit* field) {
    return toCp1252(field->displayText().replace(kBlank, ' '));
}

} // namespace

IncidentDialog::IncidentDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm3");
    setWindowTitle(" Incident description");

    da_ = addLine("da", 10);
    da_->setInputMask(kDateMask);
    hr_ = addLine("hr", 5);
    hr_->setInputMask(kHourMask);
    da_->installEventFilter(this);
    hr_->installEventFilter(this);
    pla_ = addLine("pla", 100);
    d1_ = addLine("d1", 100);
    d2_ = addLine("d2", 100);
    circ_ = new MemoEdit(this);
    circ_->setObjectName("circ");
    circ_->setMaxLength(255);
    da_->setFixedWidth(da_->fontMetrics().horizontalAdvance("00/00/00000") + 12);
    hr_->setFixedWidth(hr_->fontMetrics().horizontalAdvance("00:000") + 12);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Date: ", this), 0, 0);
    grid->addWidget(da_, 0, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel("Hour:", this), 1, 0);
    grid->addWidget(hr_, 1, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel("Place:", this), 2, 0);
    grid->addWidget(pla_, 2, 1);
    grid->addWidget(new QLabel("Name 1:", this), 3, 0);
    grid->addWidget(d1_, 3, 1);
    grid->addWidget(new QLabel("Name 2:", this), 4, 0);
    grid->addWidget(d2_, 4, 1);
    grid->addWidget(new QLabel("Circumstances:", this), 5, 0, Qt::AlignTop);
    grid->addWidget(circ_, 5, 1);

    const DialogButtons buttons = okCancelHelp(this, "Button1", "Button2", "Button3");
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.help, &QPushButton::clicked, this, &IncidentDialog::helpRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons.row);
    resize(460, 330);
}

QLineEdit* IncidentDialog::addLine(const char* name, int maxLength) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setMaxLength(maxLength);
    return field;
}

void IncidentDialog::load(const IncidentRecord& record) {
    const IncidentFields f = incidentFields(record);
    da_->setText(shownMasked(f.date));
    hr_->setText(shownMasked(f.hour));
    pla_->setText(fromCp1252(f.place));
    d1_->setText(fromCp1252(f.name1));
    d2_->setText(fromCp1252(f.name2));
    circ_->setPlainText(fromCp1252(f.circumstances));
}

IncidentRecord IncidentDialog::record() const {
    return incidentFromFields({typedMasked(da_), typedMasked(hr_), toCp1252(pla_->text()),
                               toCp1252(d1_->text()), toCp1252(d2_->text()),
                               toCp1252(circ_->toPlainText())});
}

bool IncidentDialog::eventFilter(QObject* watched, QEvent* event) {
    // Entering the date or the hour by the keyboard selects it, so that typing replaces it
    // whole; a masked field would otherwise only put the cursor at its first blank. After the
    // field's own handling of the event, which places the cursor.
    if (event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
        if (auto* field = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, field, [field] { field->selectAll(); });
    return QDialog::eventFilter(watched, event);
}

void IncidentDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
    da_->setFocus();
}

} // namespace zorvane::ui
