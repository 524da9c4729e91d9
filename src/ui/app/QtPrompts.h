#pragma once
#include "app/Prompts.h"

#include <QStringList>
#include <memory>

class QWidget;

namespace zorvane::ui {

class ColourChooser;

// Real dialogs for the Prompts seam.
class QtPrompts : public Prompts {
  public:
    explicit QtPrompts(QWidget* parent = nullptr);
    ~QtPrompts() override;
    void setParent(QWidget* parent) { parent_ = parent; }

    void error(const std::string& text) override;
    void information(const std::string& text) override;
    SaveAnswer askSaveChanges() override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::vector<std::string> openFiles(const FileDialogRequest& request) override;
    std::optional<FontChoice> chooseFont(const FontChoice& current) override;
    ColourChoice chooseColour(const ColourRequest& request) override;

  private:
    QWidget* parent_;
    std::unique_ptr<ColourChooser> chooser_; // made once, keeps its last result
};

// "Text (*.a, *.b)|*.a;*.b|..." as Qt name filters ("Text (*.a *.b)").
QStringList qtNameFilters(const std::string& filter);

} // namespace zorvane::ui
