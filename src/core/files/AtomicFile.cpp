#include "files/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane {
namespace fs = std::filesystem;
namespace {

// The reason in words a user can act on, named once.
std::string reasonFor(int err) {
    switch (err) {
    case ENOSPC:
    case EDQUOT:
        return "the disk is full";
    case EFBIG:
        return "the file is too large for this disk";
    case EROFS:
        return "the disk is read-only";
    case EACCES:
    case EPERM:
        return "permission denied";
    default: {
        std::string text = std::strerror(err);
        if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
            text[0] = static_cast<char>(text[0] - 'A' + 'a');
        return text;
    }
    }
}

[[noreturn]] void fail(const fs::path& target, const std::string& what, int err, bool existed) {
    std::string message = "Could not save \"" + target.string() + "\": " + what + ".";
    if (existed) message += " The existing file is unchanged.";
    throw FileWriteError(target, message, err);
}

std::string uniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    const unsigned v =
        seed ^ (static_cast<unsigned>(::getpid()) * 2654435761u) ^ (counter++ * 0x9E3779B9u);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08x", v);
    return buf;
}

// Removes the temporary file unless the rename took it over.
class TempFile {
  public:
    TempFile(fs::path path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_) ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int fd() const { return fd_; }
    const fs::path& path() const { return path_; }
    // close() can report a late write error (network disks), so it is checked.
    int close() {
        const int r = ::close(fd_);
        fd_ = -1;
        return r;
    }
    void commit() { committed_ = true; }

  private:
    fs::path path_;
    int fd_;
    bool committed_ = false;
};

void syncFolder(const fs::path& dir) {
    // The rename is done; making it durable is best effort, a failure here loses nothing.
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

void writeFileAtomically(const fs::path& target,
                         const std::function<void(const ByteSink&)>& produce) {
    fs::path dest = target;
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(dest, ec))) {
        fs::path real = fs::weakly_canonical(dest, ec);
        if (!ec) dest = real;
    }
    const std::string name = dest.filename().string();
    if (name.empty() || name == "." || name == "..")
        fail(target, "this is not a file name", EISDIR, false);
    fs::path dir = dest.parent_path();
    if (dir.empty()) dir = ".";

    struct stat old {};
    const bool existed = ::stat(dest.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode)) fail(target, "a folder has that name", EISDIR, false);
    // Replacing by rename would get past a file's write protection; respect it as a plain
    // write would.
    if (existed && ::access(dest.c_str(), W_OK) != 0) {
        const int err = errno;
        fail(target, err == EROFS ? reasonFor(err) : "the file is write-protected", err, true);
    }

    fs::path tempPath;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempPath = dir / ("." + name + "." + uniqueSuffix() + ".tmp");
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int err = errno;
        fail(target,
             "cannot create a file in the folder \"" + dir.string() + "\": " + reasonFor(err), err,
             existed);
    }
    TempFile temp(tempPath, fd);
    if (existed) (void)::fchmod(fd, old.st_mode & 07777);

    // Large files are handed to the disk while the rest is still being produced, so that the
    // closing fsync does not wait for all of it.
    constexpr off_t kFlushEvery = off_t{8} << 20;
    off_t written = 0, flushed = 0;
    produce([&](std::span<const std::uint8_t> bytes) {
        const std::uint8_t* p = bytes.data();
        std::size_t left = bytes.size();
        written += static_cast<off_t>(left);
        while (left > 0) {
            const ssize_t n = ::write(fd, p, left);
            if (n < 0) {
                if (errno == EINTR) continue;
                const int err = errno;
                fail(target, reasonFor(err), err, existed);
            }
            if (n == 0) fail(target, reasonFor(ENOSPC), ENOSPC, existed);
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        if (written - flushed >= kFlushEvery) {
            // Only starts the writing; the fsync below reports any failure.
            (void)::sync_file_range(fd, flushed, written - flushed, SYNC_FILE_RANGE_WRITE);
            flushed = written;
        }
    });
    if (::fsync(fd) != 0) {
        const int err = errno;
        fail(target, reasonFor(err), err, existed);
    }
    if (temp.close() != 0) {
        const int err = errno;
        fail(target, reasonFor(err), err, existed);
    }
    if (::rename(temp.path().c_str(), dest.c_str()) != 0) {
        const int err = errno;
        fail(target, "cannot replace the file: " + reasonFor(err), err, existed);
    }
    temp.commit();
    syncFolder(dir);
}

void writeFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes) {
    writeFileAtomically(target, [bytes](const ByteSink& sink) { sink(bytes); });
}

} // namespace zorvane
