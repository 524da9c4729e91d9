#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zorvane {

// The photographs of a case, kept as the case file stores them: entries of an int32 length
// and the bytes of a JPEG file, one after the other, with the offset of each entry.
class ImageStore {
  public:
    std::size_t count() const { return offsets_.size(); }
    bool empty() const { return offsets_.empty(); }

    // Appends one entry; the bytes are the file as read from disk.
    void add(std::span<const std::uint8_t> fileBytes);
    // Appends an entry of n bytes that `fill(destination)` writes in place, so a large image
    // read from a file is held once; when fill returns false the entry is dropped and false
    // is returned.
    template <class Fill> bool addFilled(std::size_t n, Fill&& fill) {
        const std::size_t at = reserveEntry(n);
        if (fill(buffer_.data() + at + 4)) return true;
        buffer_.resize(at);
        offsets_.pop_back();
        return false;
    }
    // Removes entry k, keeping the order of the others. Out of range does nothing.
    void remove(std::size_t k);
    void clear();
    // Room for this many bytes of entries (lengths included), so that reading many images
    // never moves the store and holds it twice.
    void reserve(std::size_t bytes) { buffer_.reserve(bytes); }

    // The bytes of image k (without the length prefix).
    std::span<const std::uint8_t> image(std::size_t k) const;

    // Where each entry starts in the buffer, in image order.
    const std::vector<std::int32_t>& offsets() const { return offsets_; }

    // The whole store as the case file's image section holds it (without the count).
    const std::vector<std::uint8_t>& buffer() const { return buffer_; }

    std::size_t current = 0; // image shown in the images window

    friend bool operator==(const ImageStore& a, const ImageStore& b) {
        return a.buffer_ == b.buffer_ && a.offsets_ == b.offsets_;
    }

  private:
    // Adds the length and room for n bytes; returns the entry's offset.
    std::size_t reserveEntry(std::size_t n);

    std::vector<std::uint8_t> buffer_;
    std::vector<std::int32_t> offsets_;
};

} // namespace zorvane
