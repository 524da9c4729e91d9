#include "ui/app/ZorvaneApplication.h"

#include "app/Prompts.h"
#include "ui/app/AppContext.h"

namespace zorvane::ui {

ZorvaneApplication::ZorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ZorvaneApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const std::string text = escapedErrorText(std::current_exception());
        if (prompts_) prompts_->error(text);
        return false;
    }
}

} // namespace zorvane::ui
