#include "ui/app/EntryPage.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace zorvane::ui {
namespace {

constexpr int kFieldX = 80;
constexpr int kFieldWidth = 82;
constexpr int kRowHeight = 21;
constexpr int kFirstValueRow = 48;

struct PageNames {
    const char* page;
    const char* number;
    const char* descriptor;
    const char* code;
    const char* create;
    const char* nav[4]; // previous, next, first, new point
};

const PageNames& namesOf(CaseMode mode) {
    static const PageNames xyz{"TabSheet1", "nb", "cdes", "ccod", "crepo",
                               {"SpeedButton9", "SpeedButton10", "SpeedButton11", "SpeedButton3"}};
    static const PageNames polar{"TabSheet2", "nb2", "cdes2", "ccod2", "crepopol",
                                 {"SpeedButton13", "SpeedButton12", "SpeedButton14", "SpeedButton4"}};
    static const PageNames nesw{"TabSheet3", "nb3", "cdes3", "ccod3", "crepoNESW",
                                {"SpeedButton17", "SpeedButton15", "SpeedButton16", "SpeedButton5"}};
    return mode == CaseMode::Polar ? polar : mode == CaseMode::Nesw ? nesw : xyz;
}

QLabel* label(QWidget* parent, const QString& text, int x, int y, int w) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, w, 19);
    return l;
}

} // namespace

EntryPage::EntryPage(CaseMode mode, QWidget* parent) : QWidget(parent), mode_(mode) {
    const PageNames& names = namesOf(mode);
    setObjectName(names.page);

    label(this, "Point Number:", 4, 4, 74);
    number_ = new QLineEdit(this);
    number_->setObjectName(names.number);
    number_->setGeometry(kFieldX, 4, kFieldWidth, 19);
    number_->installEventFilter(this);

    compact_ = new QToolButton(this);
    compact_->setObjectName("compact");
    compact_->setToolTip("Toggle Window state");
    compact_->setText(QString::fromUtf8("\u21F2"));
    compact_->setGeometry(4, 26, 22, 19);
    connect(compact_, &QToolButton::clicked, this, &EntryPage::compactClicked);

    static const char* glyphs[4] = {"\u25C0", "\u25B6", "|\u25C0", "\u2731"};
    static const char* hints[4] = {"Previous point", "Next point", "First point", "New point"};
    for (int k = 0; k < 4; ++k) {
        auto* b = new QToolButton(this);
        b->setObjectName(names.nav[k]);
        b->setText(QString::fromUtf8(glyphs[k]));
        b->setToolTip(hints[k]);
        b->setEnabled(false);
        b->setFocusPolicy(Qt::NoFocus);
        static const int order[4] = {1, 2, 0, 3}; // first, previous, next, new from left to right
        b->setGeometry(kFieldX + order[k] * 21, 26, 20, 19);
        nav_[k] = b;
        connect(b, &QToolButton::clicked, this, [this, k] { Q_EMIT navClicked(static_cast<Nav>(k)); });
    }

    int y = kFirstValueRow;
    switch (mode) {
    case CaseMode::Xyz:
        addValueField("Measure. X:", "cx", 4, y, 74, kFieldWidth);
        addValueField("Measure. Y:", "cy", 4, y += kRowHeight, 74, kFieldWidth);
        addValueField("Measure. Z:", "cz", 4, y += kRowHeight, 74, kFieldWidth);
        break;
    case CaseMode::Polar:
        addValueField("Compass d\u00B0:", "cdg", 4, y, 74, kFieldWidth);
        addValueField("Meas. Length:", "msl", 4, y += kRowHeight, 74, kFieldWidth);
        addValueField("Meas. Height:", "msh", 4, y += kRowHeight, 74, kFieldWidth);
        break;
    case CaseMode::Nesw:
        addValueField("North", "north", 4, y, 74, kFieldWidth);
        addValueField("East", "east", 4, y += kRowHeight, 74, kFieldWidth);
        addValueField("South", "south", 4, y += kRowHeight, 74, kFieldWidth);
        addValueField("West", "west", 4, y += kRowHeight, 74, kFieldWidth);
        addValueField("Elevation:", "elev", 4, y += kRowHeight, 74, kFieldWidth);
        break;
    }

    y += kRowHeight;
    label(this, "Descriptor:", 4, y, 74);
    descriptor_ = new QComboBox(this);
    descriptor_->setObjectName(names.descriptor);
    descriptor_->setEditable(true);
    descriptor_->setInsertPolicy(QComboBox::NoInsert); // the list holds the case's descriptors only
    // Suggest known descriptors without completing the text inline: "Kerb" typed must not be
    // stored as "Kerb, west end".
    descriptor_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    descriptor_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    descriptor_->setGeometry(kFieldX, y, kFieldWidth, 20);
    descriptor_->installEventFilter(this); // keys reach the box, which hands them to its edit

    code_ = new QLineEdit(this);
    code_->setObjectName(names.code);
    code_->setVisible(false);

    create_ = new QPushButton("&Create Point", this);
    create_->setObjectName(names.create);
    create_->setToolTip("Create/Modify Point");
    create_->setGeometry(4, y + 25, 158, 24);
    connect(create_, &QPushButton::clicked, this, &EntryPage::createClicked);
}

QLineEdit* EntryPage::addValueField(const char* text, const char* name, int x, int y, int labelWidth, int fieldWidth) {
    label(this, QString::fromUtf8(text), x, y, labelWidth);
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setGeometry(kFieldX, y, fieldWidth, 19);
    // The light tint of value fields (red F8, green F7, blue DC).
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, QColor(0xF8, 0xF7, 0xDC));
    e->setPalette(pal);
    e->installEventFilter(this);
    values_.push_back(e);
    return e;
}

QToolButton* EntryPage::navButton(Nav nav) const { return nav_[static_cast<int>(nav)]; }

void EntryPage::clearFields() {
    number_->setText("0");
    for (auto* v : values_) v->clear();
    descriptor_->clear();
    descriptor_->setEditText(QString());
    code_->clear();
}

bool EntryPage::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::FocusOut) {
        // Leaving a field for another control normalises it; switching windows does not.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == number_) Q_EMIT numberLeft();
            for (int i = 0; i < static_cast<int>(values_.size()); ++i)
                if (watched == values_[static_cast<std::size_t>(i)]) Q_EMIT valueLeft(i);
        }
    } else if (type == QEvent::FocusIn) {
        for (auto* v : values_)
            if (watched == v) QTimer::singleShot(0, v, &QLineEdit::selectAll);
    } else if (type == QEvent::MouseButtonPress && watched == number_) {
        QTimer::singleShot(0, number_, &QLineEdit::selectAll);
    } else if (type == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()) {
            if (watched == number_) Q_EMIT numberEnter();
            if (watched == descriptor_) Q_EMIT descriptorEnter();
            for (int i = 0; i < static_cast<int>(values_.size()); ++i)
                if (watched == values_[static_cast<std::size_t>(i)]) Q_EMIT valueEnter(i);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zorvane::ui
