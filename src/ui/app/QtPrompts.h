#pragma once
#include "app/Prompts.h"

#include <QStringList>

class QWidget;

namespace zorvane::ui {

// Real dialogs for the Prompts seam.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void error(const std::string& text) override;
    void information(const std::string& text) override;
    SaveAnswer askSaveChanges() override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::vector<std::string> openFiles(const FileDialogRequest& request) override;

  private:
    QWidget* parent_;
};

// "Text (*.a, *.b)|*.a;*.b|..." as Qt name filters ("Text (*.a *.b)").
QStringList qtNameFilters(const std::string& filter);

} // namespace zorvane::ui
