#pragma once
// Walks over large point tables (every redraw reads one field of each 120-byte record) ask for
// the record a little ahead: the hardware alone does not look far enough ahead at that stride
// and the walk waits on memory instead.
#include <cstddef>

namespace zorvane {

inline constexpr std::size_t kPrefetchAhead = 16; // records

inline void prefetch(const void* p) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}

} // namespace zorvane
