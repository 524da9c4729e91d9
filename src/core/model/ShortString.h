#pragma once
// A stored text of fixed capacity: a length byte and N cp1252 bytes. Longer texts are cut
// to N characters when stored, which is what the case file and the records expect.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorvane {

template <std::size_t N> class ShortString {
    static_assert(N > 0 && N < 256, "a length byte holds at most 255");

  public:
    static constexpr std::size_t capacity = N;

    ShortString() = default;
    constexpr ShortString(std::string_view text) {
        assign(text);
    } // NOLINT: a text is a short string

    constexpr void assign(std::string_view text) {
        len_ = static_cast<std::uint8_t>(std::min(text.size(), N));
        std::copy_n(text.data(), len_, bytes_.begin());
        std::fill(bytes_.begin() + len_, bytes_.end(), '\0');
    }
    ShortString& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    constexpr std::string_view view() const { return {bytes_.data(), len_}; }
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return len_; }
    bool empty() const { return len_ == 0; }

    friend bool operator==(const ShortString& a, const ShortString& b) {
        return a.view() == b.view();
    }

  private:
    std::uint8_t len_ = 0;
    std::array<char, N> bytes_{};
};

} // namespace zorvane
