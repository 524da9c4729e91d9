#include "files/OptionFile.h"

#include "files/AtomicFile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane {
namespace fs = std::filesystem;
namespace {

std::string unreadable(int err) {
    return "it could not be read: " + std::string(std::strerror(err));
}

// Closes the descriptor on every way out.
class FileHandle {
  public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

std::string readExactly(int fd, std::uint8_t* p, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, p + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return unreadable(errno);
        if (n == 0) return "it ends after " + std::to_string(done) + " bytes";
        done += static_cast<std::size_t>(n);
    }
    return {};
}

} // namespace

std::string readOptionFileBytes(const fs::path& path, std::size_t size,
                                std::vector<std::uint8_t>& out) {
    out.clear();
    // O_NONBLOCK keeps a fifo put in the file's place from hanging the start-up.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.fd() < 0) {
        if (errno == ENOENT) return "it does not exist";
        return unreadable(errno);
    }
    struct stat st {};
    if (::fstat(file.fd(), &st) != 0) return unreadable(errno);
    if (S_ISDIR(st.st_mode)) return "it is a folder";
    if (!S_ISREG(st.st_mode)) return "it is not a regular file";
    // A longer file is read from its start, as the fixed-size record always was.
    if (static_cast<std::uint64_t>(st.st_size) < size)
        return "it holds " + std::to_string(st.st_size) + " bytes instead of " +
               std::to_string(size);
    out.resize(size);
    std::string problem = readExactly(file.fd(), out.data(), size);
    if (!problem.empty()) out.clear();
    return problem;
}

std::string optionFileResetMessage(const fs::path& path, std::string_view what,
                                   const std::string& reason) {
    const std::string w(what);
    return "The " + w + " file \"" + path.string() + "\" could not be used (" + reason +
           "); the default " + w + " are used.";
}

void writeOptionFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const fs::path folder = path.parent_path();
    if (!folder.empty()) {
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (ec)
            throw FileWriteError(path,
                                 "Could not save \"" + path.string() +
                                     "\": cannot create the folder \"" + folder.string() + "\" (" +
                                     ec.message() + ").",
                                 ec.value());
    }
    writeFileAtomically(path, bytes);
}

} // namespace zorvane
