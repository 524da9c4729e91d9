#include "OutputFile.h"

#include "LineSink.h"

#include "tessaline.h"

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaline {

void ErrorText::set(const char* format, ...) noexcept {
    va_list args;
    va_start(args, format);
    std::vsnprintf(text_, sizeof text_, format, args);
    va_end(args);
}

OutputFile::~OutputFile() {
    if (isOpen()) close();
}

int OutputFile::create(const char* path, std::string_view start, ErrorText& error) noexcept {
    if (std::strlen(path) >= sizeof path_) {
        error.set("cannot create \"%.200s...\": %s", path, std::strerror(ENAMETOOLONG));
        return TESSALINE_ERR_CREATE;
    }
    // Through a symbolic link the file it points to is replaced, not the link.
    char resolved[PATH_MAX];
    struct stat info;
    if (::lstat(path, &info) == 0 && S_ISLNK(info.st_mode) && ::realpath(path, resolved))
        path = resolved;

    int result;
    if (::stat(path, &info) != 0) {
        result = createReplacing(path, start, nullptr, error);
    } else if (S_ISDIR(info.st_mode)) {
        error.set("cannot create \"%s\": %s", path, std::strerror(EISDIR));
        return TESSALINE_ERR_CREATE;
    } else if (S_ISREG(info.st_mode)) {
        result = createReplacing(path, start, &info, error);
    } else {
        result = createDirectly(path, start, error); // a device or a pipe cannot be replaced
    }
    if (result == TESSALINE_OK) {
        std::memcpy(path_, path, std::strlen(path) + 1);
        failed_ = false;
        used_ = 0;
    }
    return result;
}

// A drawing starts in a temporary file beside the target, renamed over it once the header
// is written: a failure never leaves a half-written file or destroys the previous one.
int OutputFile::createReplacing(const char* path, std::string_view start,
                                const struct stat* existing, ErrorText& error) noexcept {
    char temporary[PATH_MAX];
    static unsigned counter = 0;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        unsigned tag =
            unsigned(::getpid()) * 2654435761u ^ unsigned(std::time(nullptr)) ^ ++counter;
        int n = std::snprintf(temporary, sizeof temporary, "%s.%08x.tmp", path, tag);
        if (n < 0 || std::size_t(n) >= sizeof temporary) {
            error.set("cannot create \"%s\": %s", path, std::strerror(ENAMETOOLONG));
            return TESSALINE_ERR_CREATE;
        }
        fd = ::open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        error.set("cannot create \"%s\": %s", path, std::strerror(errno));
        return TESSALINE_ERR_CREATE;
    }
    if (existing) ::fchmod(fd, existing->st_mode & 07777); // best effort, like a rewrite

    int result = TESSALINE_OK;
    fd_ = fd;
    if (!writeAll(start.data(), start.size())) {
        error.set("cannot write \"%s\": %s", path, std::strerror(errno));
        result = TESSALINE_ERR_IO;
    } else if (::rename(temporary, path) != 0) {
        error.set("cannot replace \"%s\": %s", path, std::strerror(errno));
        result = TESSALINE_ERR_CREATE;
    }
    if (result != TESSALINE_OK) {
        ::close(fd);
        ::unlink(temporary);
        fd_ = -1;
    }
    return result;
}

int OutputFile::createDirectly(const char* path, std::string_view start,
                               ErrorText& error) noexcept {
    int fd = ::open(path, O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        error.set("cannot create \"%s\": %s", path, std::strerror(errno));
        return TESSALINE_ERR_CREATE;
    }
    fd_ = fd;
    if (!writeAll(start.data(), start.size())) {
        error.set("cannot write \"%s\": %s", path, std::strerror(errno));
        ::close(fd);
        fd_ = -1;
        return TESSALINE_ERR_IO;
    }
    return TESSALINE_OK;
}

bool OutputFile::writeAll(const char* bytes, std::size_t n) noexcept {
    while (n > 0) {
        ssize_t written = ::write(fd_, bytes, n);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        bytes += written;
        n -= std::size_t(written);
    }
    return true;
}

void OutputFile::fail(int errorNumber) noexcept {
    failed_ = true;
    failure_.set("cannot write \"%s\": %s", path_, std::strerror(errorNumber));
}

void OutputFile::flush() noexcept {
    if (used_ > 0 && !failed_ && !writeAll(buffer_, used_)) fail(errno);
    used_ = 0;
}

void OutputFile::putLong(const char* bytes, std::size_t n) noexcept {
    while (n > 0) {
        if (used_ == kCapacity) flush();
        std::size_t chunk = std::min(n, kCapacity - used_);
        std::memcpy(buffer_ + used_, bytes, chunk);
        used_ += chunk;
        bytes += chunk;
        n -= chunk;
    }
}

void OutputFile::putOneLine(const char* text, std::size_t n) noexcept {
    while (n > 0) {
        if (used_ == kCapacity) flush();
        std::size_t chunk = std::min(n, kCapacity - used_);
        char* out = buffer_ + used_;
        tessaline::putOneLine(out, text, chunk);
        used_ += chunk;
        text += chunk;
        n -= chunk;
    }
}

bool OutputFile::close() noexcept {
    flush();
    if (::close(fd_) != 0 && errno != EINTR && !failed_) fail(errno);
    fd_ = -1;
    return !failed_;
}

} // namespace tessaline
