#include "uno/UnoText.h"

#include <algorithm>
#include <cctype>

namespace zorvane::uno {

namespace {

bool isSourceLine(std::string_view s) {
    const auto colon = s.rfind(':');
    return colon != std::string_view::npos && colon + 1 < s.size() &&
           s.find('/') != std::string_view::npos &&
           std::all_of(s.begin() + static_cast<std::ptrdiff_t>(colon) + 1, s.end(),
                       [](unsigned char c) { return std::isdigit(c); });
}

} // namespace

std::string reasonOf(const com::sun::star::uno::Exception& e) {
    std::string message = toUtf8(e.Message);
    const auto at = message.rfind(" at ");
    if (at != std::string::npos && isSourceLine(std::string_view(message).substr(at + 4)))
        message.resize(at);
    while (!message.empty() && (message.back() == '.' || message.back() == ' ')) message.pop_back();
    return message.empty() ? "the office refused it without saying why" : message;
}

} // namespace zorvane::uno
