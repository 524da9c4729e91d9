#include "files/FileRead.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane {
namespace {

constexpr std::size_t kChunk = std::size_t{1} << 20;

[[noreturn]] void fail(const std::string& verb, const std::filesystem::path& path,
                       const std::string& reason, int err) {
    throw FileReadError("Could not " + verb + " \"" + path.string() + "\": " + reason + ".", err);
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

} // namespace

std::optional<std::string> readFileStart(const std::filesystem::path& path, std::size_t limit,
                                         const ProgressCallback& progress, double from, double to) {
    // O_NONBLOCK: opening a named pipe must not wait for a writer; it is refused below.
    const int raw = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (raw < 0) fail("open", path, std::strerror(errno), errno);
    const Descriptor fd(raw);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) fail("read", path, std::strerror(errno), errno);
    if (S_ISDIR(st.st_mode)) fail("open", path, "it is a folder", EISDIR);
    if (!S_ISREG(st.st_mode)) fail("open", path, "it is not a regular file", EINVAL);

    // The reported size is only a hint for the first allocation: the file may shrink or grow
    // while it is read.
    const std::size_t hint =
        std::min(static_cast<std::size_t>(std::max<off_t>(st.st_size, 0)), limit);
    ProgressMeter meter(progress, hint, from, to);
    std::string out;
    out.reserve(hint);
    while (out.size() < limit) {
        const std::size_t old = out.size();
        const std::size_t want = std::min(kChunk, limit - old);
        out.resize(old + want);
        const ssize_t n = ::read(fd.get(), out.data() + old, want);
        if (n < 0) {
            out.resize(old);
            if (errno == EINTR) continue;
            fail("read", path, std::strerror(errno), errno);
        }
        out.resize(old + static_cast<std::size_t>(n));
        if (n == 0) break;
        if (!meter.update(out.size())) return std::nullopt;
    }
    return out;
}

} // namespace zorvane
