#pragma once
// A table of records in creation order, kept in chunks that copies share until one of them
// changes. Copying a table (an undo snapshot) costs one pointer per chunk, and changing one
// record copies only its chunk, so a one-point edit of a large case stays cheap however many
// snapshots hold the table.
//
// Each chunk carries a Summary that the table never reads: users keep facts derived from the
// chunk's records in it (extents, a number index) and the table resets it whenever the chunk
// changes, so a fact computed once stays valid until its records change.
#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <span>
#include <vector>

namespace zorvane {

struct NoSummary {};

template <class T, std::size_t ChunkSize, class Summary = NoSummary> class ChunkedTable {
    static_assert(ChunkSize > 0);

    struct Chunk {
        std::vector<T> items;
        mutable Summary summary{};
    };

  public:
    using value_type = T;

    class const_iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;

        const_iterator() = default;
        reference operator*() const { return (*chunks_)[chunk_]->items[offset_]; }
        pointer operator->() const { return &**this; }
        const_iterator& operator++() {
            if (++offset_ == (*chunks_)[chunk_]->items.size()) {
                ++chunk_;
                offset_ = 0;
            }
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++*this;
            return old;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.chunk_ == b.chunk_ && a.offset_ == b.offset_;
        }

      private:
        friend class ChunkedTable;
        const_iterator(const std::vector<std::shared_ptr<Chunk>>* chunks, std::size_t chunk)
            : chunks_(chunks), chunk_(chunk) {}
        const std::vector<std::shared_ptr<Chunk>>* chunks_ = nullptr;
        std::size_t chunk_ = 0, offset_ = 0;
    };

    ChunkedTable() = default;
    ChunkedTable(std::initializer_list<T> items) {
        for (const T& t : items) push_back(t);
    }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Sequential access through the index, forwards or backwards, is as cheap as an iterator:
    // the chunk found last and its neighbours are tried first.
    const T& operator[](std::size_t i) const {
        const std::size_t k = chunkOf(i);
        return chunks_[k]->items[i - starts_[k]];
    }
    const T& front() const { return (*this)[0]; }
    const T& back() const { return chunks_.back()->items.back(); }

    const_iterator begin() const { return {&chunks_, 0}; }
    const_iterator end() const { return {&chunks_, chunks_.size()}; }

    // The record for changing: its chunk is copied first when another table shares it.
    T& edit(std::size_t i) {
        const std::size_t k = chunkOf(i);
        return own(k).items[i - starts_[k]];
    }
    void set(std::size_t i, const T& value) { edit(i) = value; }

    void push_back(const T& value) { emplace_back(value); }
    template <class... Args> T& emplace_back(Args&&... args) {
        if (chunks_.empty() || chunks_.back()->items.size() == ChunkSize) {
            chunks_.push_back(std::make_shared<Chunk>());
            chunks_.back()->items.reserve(ChunkSize);
            starts_.push_back(size_);
        }
        T& t = own(chunks_.size() - 1).items.emplace_back(std::forward<Args>(args)...);
        ++size_;
        return t;
    }

    // Removes record i; the later records keep their order. Only its chunk is copied.
    void erase(std::size_t i) {
        const std::size_t k = chunkOf(i);
        std::size_t later = k + 1; // the first chunk whose start moves down by one
        if (chunks_[k]->items.size() == 1) {
            chunks_.erase(chunks_.begin() + static_cast<std::ptrdiff_t>(k));
            starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(k));
            later = k;
            hint_ = 0;
        } else {
            Chunk& c = own(k);
            c.items.erase(c.items.begin() + static_cast<std::ptrdiff_t>(i - starts_[k]));
        }
        --size_;
        for (std::size_t j = later; j < starts_.size(); ++j) --starts_[j];
    }

    // Keeps the first n records, or appends default records up to n.
    void resize(std::size_t n) {
        while (size_ > n) {
            Chunk& c = own(chunks_.size() - 1);
            const std::size_t drop = std::min(c.items.size(), size_ - n);
            c.items.resize(c.items.size() - drop);
            size_ -= drop;
            if (c.items.empty()) {
                chunks_.pop_back();
                starts_.pop_back();
            }
        }
        while (size_ < n) emplace_back();
        hint_ = 0;
    }

    void clear() {
        chunks_.clear();
        starts_.clear();
        size_ = 0;
        hint_ = 0;
    }
    void reserve(std::size_t) {} // chunks are allocated as needed

    // Every record, for changing all of them (unit conversion, pan, zoom): fn(T&).
    template <class Fn> void forEachMutable(Fn&& fn) {
        for (std::size_t k = 0; k < chunks_.size(); ++k)
            for (T& t : own(k).items) fn(t);
    }

    // The chunks in order with their summaries: fn(std::span<const T>, Summary&, first index).
    template <class Fn> void forEachChunk(Fn&& fn) const {
        for (std::size_t k = 0; k < chunks_.size(); ++k)
            fn(std::span<const T>(chunks_[k]->items), chunks_[k]->summary, starts_[k]);
    }

    friend bool operator==(const ChunkedTable& a, const ChunkedTable& b) {
        return a.size_ == b.size_ && std::equal(a.begin(), a.end(), b.begin());
    }

  private:
    std::size_t chunkOf(std::size_t i) const {
        if (hint_ < chunks_.size() && i >= starts_[hint_] &&
            i - starts_[hint_] < chunks_[hint_]->items.size())
            return hint_;
        if (hint_ + 1 < chunks_.size() && i >= starts_[hint_ + 1] &&
            i - starts_[hint_ + 1] < chunks_[hint_ + 1]->items.size())
            return ++hint_;
        // Walks from the last record back to the first meet the chunk before.
        if (hint_ > 0 && hint_ - 1 < chunks_.size() && i >= starts_[hint_ - 1] &&
            i - starts_[hint_ - 1] < chunks_[hint_ - 1]->items.size())
            return --hint_;
        hint_ = static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), i) -
                                         starts_.begin()) -
                1;
        return hint_;
    }

    // Chunk k for changing: unshared first, and its summary forgotten.
    Chunk& own(std::size_t k) {
        std::shared_ptr<Chunk>& c = chunks_[k];
        if (c.use_count() > 1) {
            auto copy = std::make_shared<Chunk>();
            copy->items.reserve(ChunkSize);
            copy->items = c->items;
            c = std::move(copy);
        }
        c->summary = Summary{};
        return *c;
    }

    std::vector<std::shared_ptr<Chunk>> chunks_;
    std::vector<std::size_t> starts_; // index of each chunk's first record
    std::size_t size_ = 0;
    mutable std::size_t hint_ = 0;
};

} // namespace zorvane
