#include "model/ImageStore.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace zorvane {

std::size_t ImageStore::reserveEntry(std::size_t n) {
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    // Offsets and lengths are int32 in the file; a store beyond that cannot be saved.
    if (n > kMax || buffer_.size() + 4 + n > kMax)
        throw std::length_error("The images of a case cannot exceed 2 GB in all.");
    const std::size_t at = buffer_.size();
    offsets_.push_back(static_cast<std::int32_t>(at));
    const auto len = static_cast<std::uint32_t>(n);
    buffer_.resize(at + 4 + n);
    for (int i = 0; i < 4; ++i)
        buffer_[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(len >> (8 * i));
    return at;
}

void ImageStore::add(std::span<const std::uint8_t> bytes) {
    const std::size_t at = reserveEntry(bytes.size());
    if (!bytes.empty()) std::memcpy(buffer_.data() + at + 4, bytes.data(), bytes.size());
}

void ImageStore::remove(std::size_t k) {
    if (k >= offsets_.size()) return;
    const std::size_t begin = static_cast<std::size_t>(offsets_[k]);
    const std::size_t end =
        k + 1 < offsets_.size() ? static_cast<std::size_t>(offsets_[k + 1]) : buffer_.size();
    const auto removed = static_cast<std::int32_t>(end - begin);
    buffer_.erase(buffer_.begin() + static_cast<std::ptrdiff_t>(begin),
                  buffer_.begin() + static_cast<std::ptrdiff_t>(end));
    offsets_.erase(offsets_.begin() + static_cast<std::ptrdiff_t>(k));
    for (std::size_t i = k; i < offsets_.size(); ++i) offsets_[i] -= removed;
}

void ImageStore::clear() {
    buffer_.clear();
    offsets_.clear();
    current = 0;
}

std::span<const std::uint8_t> ImageStore::image(std::size_t k) const {
    const std::size_t at = static_cast<std::size_t>(offsets_.at(k));
    return {buffer_.data() + at + 4,
            (k + 1 < offsets_.size() ? static_cast<std::size_t>(offsets_[k + 1]) : buffer_.size()) -
                at - 4};
}

} // namespace zorvane
