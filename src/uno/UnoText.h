#pragma once
// Between our UTF-8 texts and the office's strings.
#include <com/sun/star/uno/Exception.hpp>
#include <rtl/ustring.hxx>

#include <string>
#include <string_view>

namespace zorvane::uno {

inline rtl::OUString toOUString(std::string_view utf8) {
    return rtl::OUString(utf8.data(), static_cast<sal_Int32>(utf8.size()), RTL_TEXTENCODING_UTF8);
}

inline std::string toUtf8(const rtl::OUString& text) {
    const rtl::OString bytes = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
    return std::string(bytes.getStr(), static_cast<std::size_t>(bytes.getLength()));
}

// The office's own words for a failure, without the source line it may add ("... at
// ./sw/source/x.cxx:12"), or plain ones when it gave none.
std::string reasonOf(const com::sun::star::uno::Exception& e);

} // namespace zorvane::uno
