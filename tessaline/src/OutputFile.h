#pragma once
#include <climits>
#include <cstddef>
#include <cstring>
#include <string_view>

struct stat;

namespace tessaline {

// A readable description of the last failure, kept without allocating.
class ErrorText {
  public:
    void clear() noexcept { text_[0] = '\0'; }
    // printf-style; the text is cut to fit.
    void set(const char* format, ...) noexcept __attribute__((format(printf, 2, 3)));
    const char* c_str() const noexcept { return text_; }

  private:
    char text_[PATH_MAX + 256] = {};
};

// The drawing file being written: a 64 KiB buffer in front of a file descriptor. The
// first failed write is kept (`failed()`), and every later write is dropped, so a file
// that lost bytes is never silently continued.
class OutputFile {
  public:
    static constexpr std::size_t kCapacity = 64 * 1024;

    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    // Writes `start` to a new file and puts it in place of `path`. A regular file of that
    // name is replaced only once `start` is written; other kinds of files (devices, pipes)
    // are written directly. Returns a TESSALINE_ code; on failure `error` says why and no
    // file is open.
    int create(const char* path, std::string_view start, ErrorText& error) noexcept;

    bool isOpen() const noexcept { return fd_ >= 0; }
    bool failed() const noexcept { return failed_; }
    // The first write failure of this file.
    const ErrorText& failure() const noexcept { return failure_; }

    // At least `n` (<= kCapacity) free bytes at the returned position; fill them, then
    // `commit` the end of what was written.
    char* reserve(std::size_t n) noexcept {
        if (kCapacity - used_ < n) flush();
        return buffer_ + used_;
    }
    void commit(char* end) noexcept { used_ = std::size_t(end - buffer_); }

    void put(std::string_view bytes) noexcept {
        if (kCapacity - used_ >= bytes.size()) {
            std::memcpy(buffer_ + used_, bytes.data(), bytes.size());
            used_ += bytes.size();
        } else {
            putLong(bytes.data(), bytes.size());
        }
    }
    // Writes `n` bytes of `text` with CR and LF turned into spaces.
    void putOneLine(const char* text, std::size_t n) noexcept;

    // Writes the buffer to the file.
    void flush() noexcept;
    // Flushes and closes; false when anything written to this file was lost.
    bool close() noexcept;

  private:
    void putLong(const char* bytes, std::size_t n) noexcept;
    bool writeAll(const char* bytes, std::size_t n) noexcept;
    int createDirectly(const char* path, std::string_view start, ErrorText& error) noexcept;
    int createReplacing(const char* path, std::string_view start, const struct stat* existing,
                        ErrorText& error) noexcept;
    void fail(int errorNumber) noexcept;

    int fd_ = -1;
    bool failed_ = false;
    std::size_t used_ = 0;
    char path_[PATH_MAX] = {};
    ErrorText failure_;
    char buffer_[kCapacity];
};

} // namespace tessaline
