#include "ui/app/EntryPage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
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
    static const PageNames xyz{
        "TabSheet1", "nb",    "cdes",
        "ccod",      "crepo", {"SpeedButton9", "SpeedButton10", "SpeedButton11", "SpeedButton3"}};
    static const PageNames polar{
        "TabSheet2", "nb2",
        "cdes2",     "ccod2",
        "crepopol",  {"SpeedButton13", "SpeedButton12", "SpeedButton14", "SpeedButton4"}};
    static const PageNames nesw{
        "TabSheet3", "nb3",
        "cdes3",     "ccod3",
        "crepoNESW", {"SpeedButton17", "SpeedButton15", "SpeedButton16", "SpeedButton5"}};
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
    compact_->setFocusPolicy(Qt::NoFocus); // a speed button: Tab goes from number to values
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
        connect(b, &QToolButton::clicked, this,
                [this, k] { Q_EMIT navClicked(static_cast<Nav>(k)); });
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
    // Known descriptors are suggested in a popup, never completed inline ("Kerb" typed must not
    // become "Kerb, west end"), and the typed letter case stays: the box takes a listed text
    // only when it matches exactly, so the suggestions are filtered here, ignoring case.
    auto* completer = new QCompleter(this);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    suggestions_ = new QStringListModel(completer);
    completer->setModel(suggestions_);
    descriptor_->setCompleter(completer);
    connect(descriptor_->lineEdit(), &QLineEdit::textEdited, this, &EntryPage::suggestDescriptors);
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

    // Number, values, descriptor, button.
    QWidget* previous = number_;
    for (QLineEdit* v : values_) {
        setTabOrder(previous, v);
        previous = v;
    }
    setTabOrder(previous, descriptor_);
    setTabOrder(descriptor_, create_);
}

QLineEdit* EntryPage::addValueField(const char* text, const char* name, int x, int y,
                                    int labelWidth, int fieldWidth) {
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

void EntryPage::suggestDescriptors(const QString& typed) {
    QStringList matches;
    if (!typed.isEmpty())
        for (int i = 0; i < descriptor_->count(); ++i) {
            const QString item = descriptor_->itemText(i);
            if (item != typed && item.startsWith(typed, Qt::CaseInsensitive)) matches << item;
        }
    suggestions_->setStringList(matches);
    if (matches.isEmpty())
        descriptor_->completer()->popup()->hide();
    else
        descriptor_->completer()->complete();
}

QToolButton* EntryPage::navButton(Nav nav) const {
    return nav_[static_cast<int>(nav)];
}

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
    } else if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat())
            return QWidget::eventFilter(watched, event);
        // A field acts on the release of an Enter it also saw pressed: the release of an Enter
        // that closed a dialog lands in the field that gets the focus back, and must not act.
        if (type == QEvent::KeyPress) {
            enterPressedIn_ = watched;
            return QWidget::eventFilter(watched, event);
        }
        if (enterPressedIn_ != watched) return QWidget::eventFilter(watched, event);
        enterPressedIn_ = nullptr;
        if (watched == number_) Q_EMIT numberEnter();
        if (watched == descriptor_) Q_EMIT descriptorEnter();
        for (int i = 0; i < static_cast<int>(values_.size()); ++i)
            if (watched == values_[static_cast<std::size_t>(i)]) Q_EMIT valueEnter(i);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zorvane::ui
