#include "files/ImageFile.h"

#include "files/FileRead.h"

#include <cstdint>
#include <limits>

namespace zorvane {

void appendImageFile(ImageStore& store, const std::filesystem::path& path) {
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    const std::size_t used = store.buffer().size() + 4;
    // One byte more than there is room for is enough to know that the file is too large.
    const std::size_t limit = used < kMax ? kMax - used + 1 : 1;
    const auto bytes = readFileStart(path, limit);
    if (!bytes) return; // only a progress callback stops a read, and there is none
    store.add({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
}

} // namespace zorvane
