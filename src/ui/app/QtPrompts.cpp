#include "ui/app/QtPrompts.h"

#include "ui/app/FontColourDialog.h"
#include "ui/app/SavePromptDialog.h"
#include "ui/view/ColourChooser.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>

namespace zorvane::ui {

QStringList qtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        // Qt reads the patterns from the last parentheses: give it the real ones.
        if (int open = name.lastIndexOf('('); open > 0) name = name.left(open).trimmed();
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << QString("%1 (%2)").arg(name, patterns);
    }
    return out;
}

QtPrompts::QtPrompts(QWidget* parent) : parent_(parent) {}

QtPrompts::~QtPrompts() = default;

namespace {
// Some messages part their lines with a lone CR, which a label would not break at.
QString boxText(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.replace("\r\n", "\n");
    t.replace('\r', '\n');
    return t;
}
} // namespace

void QtPrompts::error(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, "Error", boxText(text), QMessageBox::Ok, parent_);
    box.exec();
}

void QtPrompts::information(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), boxText(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

SaveAnswer QtPrompts::askSaveChanges() {
    SavePromptDialog dialog(parent_);
    return dialog.ask();
}

namespace {

// Qt reads the patterns of a filter from its text, and "(*.zvx, *.txt)" would give the pattern
// "*.zvx,". The dialog gets patterns it can use; its list then shows the names as written.
void showFilterNames(QFileDialog& dialog, const std::string& filter) {
    auto* list = dialog.findChild<QComboBox*>("fileTypeCombo");
    if (!list) return;
    const QStringList parts = QString::fromStdString(filter).split('|');
    for (int i = 0; 2 * i < parts.size() && i < list->count(); ++i)
        list->setItemText(i, parts[2 * i]);
}

QStringList runFileDialog(QWidget* parent, const FileDialogRequest& r, QFileDialog::AcceptMode mode,
                          QFileDialog::FileMode files) {
    QFileDialog dialog(parent, QString::fromStdString(r.title),
                       QString::fromStdString(r.initialFolder));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(files);
    // Qt's own dialog, so that the filter list shows the program's texts exactly.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = qtNameFilters(r.filter);
    dialog.setNameFilters(filters);
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[r.filterIndex - 1]);
    showFilterNames(dialog, r.filter);
    dialog.setDefaultSuffix(QString::fromStdString(r.defaultExtension));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

std::optional<std::string> firstFile(const QStringList& files) {
    if (files.isEmpty()) return std::nullopt;
    return files.first().toStdString();
}
} // namespace

std::optional<std::string> QtPrompts::openFile(const FileDialogRequest& r) {
    return firstFile(runFileDialog(parent_, r, QFileDialog::AcceptOpen, QFileDialog::ExistingFile));
}

std::optional<std::string> QtPrompts::saveFile(const FileDialogRequest& r) {
    return firstFile(runFileDialog(parent_, r, QFileDialog::AcceptSave, QFileDialog::AnyFile));
}

std::vector<std::string> QtPrompts::openFiles(const FileDialogRequest& r) {
    std::vector<std::string> out;
    for (const QString& f :
         runFileDialog(parent_, r, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles))
        out.push_back(f.toStdString());
    return out;
}

std::optional<FontChoice> QtPrompts::chooseFont(const FontChoice& current) {
    FontColourDialog dialog(current, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

ColourChoice QtPrompts::chooseColour(const ColourRequest& request) {
    // A window of its own, not a child of the main window: it outlives none of them and is
    // gone before the application is.
    if (!chooser_) chooser_ = std::make_unique<ColourChooser>();
    return chooser_->choose(request);
}

} // namespace zorvane::ui
