#pragma once
#include <QApplication>

namespace zorvane {
class Prompts;
}

namespace zorvane::ui {

// The application object. Every command runs through AppContext::run; this is the last guard
// for anything that still escapes an event handler: the error box, and the program goes on.
class ZorvaneApplication : public QApplication {
  public:
    ZorvaneApplication(int& argc, char** argv);
    void setPrompts(Prompts* prompts) { prompts_ = prompts; }
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    Prompts* prompts_ = nullptr;
};

} // namespace zorvane::ui
