#pragma once
// The one place where widget texts (QString) meet the stored cp1252 bytes.
#include "text/Cp1252.h"

#include <QString>
#include <string>
#include <string_view>

namespace zorvane::ui {

inline QString fromCp1252(std::string_view bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}
inline std::string toCp1252(const QString& text) {
    return utf8ToCp1252(text.toStdString());
}
inline QString fromUtf8(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace zorvane::ui
