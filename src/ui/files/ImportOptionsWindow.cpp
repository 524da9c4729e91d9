#include "ui/files/ImportOptionsWindow.h"

#include "ui/app/Cp1252Text.h"
#include "ui/app/DialogButtons.h"
#include "ui/app/WindowPlacement.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zorvane::ui {
namespace {

struct TabLayout {
    const char* title;
    std::vector<const char*> fields;
    int firstEdit;  // the name number of the tab's first column edit
    int numberEdit; // "Renumber points from: " edit
    int separatorEdit;
};

const std::array<TabLayout, 3> kTabs{{
    {"XYZ Import",
     {"Number", "X coordinate", "Y coordinate", "Z coordinate", "Descriptor", "Code"},
     1,
     41,
     44},
    {"Polar Import",
     {"Number", "Compass degree", "Measure Length", "Measure Height", "Descriptor", "Code"},
     13,
     42,
     45},
    {"NESW Import",
     {"Number", "North", "East", "South", "West", "Elevation", "Descriptor", "Code"},
     25,
     43,
     46},
}};

QLineEdit* edit(QWidget* parent, int number, int maxLength, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString("Edit%1").arg(number));
    e->setMaxLength(maxLength);
    e->setFixedWidth(width);
    return e;
}

} // namespace

ImportOptionsWindow::ImportOptionsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm8");
    setWindowTitle(" Import Options");

    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl1");
    for (CaseMode mode : {CaseMode::Xyz, CaseMode::Polar, CaseMode::Nesw})
        pages_->addTab(buildTab(mode), kTabs[static_cast<std::size_t>(mode)].title);

    const DialogButtons buttons = okCancelHelp(this, "ok", "cancel", "help");
    connect(buttons.ok, &QPushButton::clicked, this, &ImportOptionsWindow::okRequested);
    connect(buttons.help, &QPushButton::clicked, this, &ImportOptionsWindow::helpRequested);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* ImportOptionsWindow::buildTab(CaseMode mode) {
    const TabLayout& shape = kTabs[static_cast<std::size_t>(mode)];
    Tab& t = tab(mode);
    auto* page = new QWidget;
    page->setObjectName(QString("TabSheet%1").arg(static_cast<int>(mode) + 1));

    auto* group = new QGroupBox(" Data Order ", page);
    auto* grid = new QGridLayout(group);
    const int count = static_cast<int>(shape.fields.size());
    for (int i = 0; i < count; ++i) {
        auto* column = edit(group, shape.firstEdit + i, 11, 40);
        auto* prefix = edit(group, shape.firstEdit + count + i, 10, 90);
        grid->addWidget(new QLabel(shape.fields[static_cast<std::size_t>(i)], group), i, 0);
        grid->addWidget(column, i, 1);
        grid->addWidget(new QLabel("Prefix:", group), i, 2);
        grid->addWidget(prefix, i, 3);
        t.columns.push_back(column);
        t.prefixes.push_back(prefix);
    }

    t.renumber = new QCheckBox("Renumber points from: ", page);
    t.renumber->setObjectName(QString("CheckBox%1").arg(static_cast<int>(mode) + 1));
    t.renumberFrom = edit(page, shape.numberEdit, 11, 80);
    connect(t.renumber, &QCheckBox::toggled, t.renumberFrom, &QWidget::setEnabled);
    t.separator = edit(page, shape.separatorEdit, 1, 30);

    auto* renumberRow = new QHBoxLayout;
    renumberRow->addWidget(t.renumber);
    renumberRow->addWidget(t.renumberFrom);
    renumberRow->addStretch();
    auto* separatorRow = new QHBoxLayout;
    separatorRow->addWidget(new QLabel("Field separator:", page));
    separatorRow->addWidget(t.separator);
    separatorRow->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addLayout(renumberRow);
    layout->addLayout(separatorRow);
    layout->addStretch();
    return page;
}

void ImportOptionsWindow::fillTab(Tab& tab, const ImportTabTexts& texts) {
    for (std::size_t i = 0; i < tab.columns.size(); ++i) {
        tab.columns[i]->setText(i < texts.columns.size() ? fromCp1252(texts.columns[i]) : "");
        tab.prefixes[i]->setText(i < texts.prefixes.size() ? fromCp1252(texts.prefixes[i]) : "");
    }
    tab.renumber->setChecked(texts.renumber);
    tab.renumberFrom->setText(fromCp1252(texts.renumberFrom));
    tab.renumberFrom->setEnabled(texts.renumber);
    tab.separator->setText(fromCp1252(texts.separator));
}

ImportTabTexts ImportOptionsWindow::readTab(const Tab& tab) {
    ImportTabTexts t;
    for (std::size_t i = 0; i < tab.columns.size(); ++i) {
        t.columns.push_back(toCp1252(tab.columns[i]->text()));
        t.prefixes.push_back(toCp1252(tab.prefixes[i]->text()));
    }
    t.renumber = tab.renumber->isChecked();
    t.renumberFrom = toCp1252(tab.renumberFrom->text());
    t.separator = toCp1252(tab.separator->text());
    return t;
}

void ImportOptionsWindow::setTexts(const ImportOptionsTexts& texts) {
    fillTab(tab(CaseMode::Xyz), texts.xyz);
    fillTab(tab(CaseMode::Polar), texts.polar);
    fillTab(tab(CaseMode::Nesw), texts.nesw);
}

ImportOptionsTexts ImportOptionsWindow::texts() const {
    return {readTab(tab(CaseMode::Xyz)), readTab(tab(CaseMode::Polar)),
            readTab(tab(CaseMode::Nesw))};
}

void ImportOptionsWindow::focusField(CaseMode mode, int field) {
    const Tab& t = tab(mode);
    pages_->setCurrentIndex(static_cast<int>(mode));
    QLineEdit* target = field >= 0 && field < static_cast<int>(t.columns.size())
                            ? t.columns[static_cast<std::size_t>(field)]
                            : t.renumberFrom;
    if (!target->isEnabled()) { // a number typed, then its box unchecked
        t.renumber->setFocus(Qt::OtherFocusReason);
        return;
    }
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

void ImportOptionsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

} // namespace zorvane::ui
