#pragma once
#include <string_view>

namespace tessaline {

// The bytes every drawing starts with: the HEADER section and the TABLES section up to
// and including layer "0" of the LAYER table, CR LF line ends.
std::string_view headerTemplate() noexcept;

} // namespace tessaline
