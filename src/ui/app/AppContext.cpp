#include "ui/app/AppContext.h"

#include "text/DateText.h"

#include <QDate>
#include <QDesktopServices>
#include <QLocale>
#include <exception>
#include <new>

namespace zorvane::ui {

std::function<bool(const QUrl&)> desktopOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

std::string todayText() {
    const QDate today = QDate::currentDate();
    return shortDateText(QLocale().dateFormat(QLocale::ShortFormat).toStdString(), today.year(),
                         today.month(), today.day());
}

std::string escapedErrorText(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return "There is not enough memory to complete this command.";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "An unexpected error stopped this command.";
    }
}

bool AppContext::run(const std::function<void()>& command) const {
    try {
        command();
        return true;
    } catch (...) {
        prompts.error(escapedErrorText(std::current_exception()));
        return false;
    }
}

} // namespace zorvane::ui
