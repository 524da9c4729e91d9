#include "reports/ReportFile.h"

#include "reports/ReportError.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kMaxStemBytes = 100;
constexpr int kMaxNameAttempts = 10000;  // "(2)" to "(10000)"
constexpr int kMaxPublishAttempts = 100; // names taken by others meanwhile

bool refusedInFileName(unsigned char c) {
    return c < 0x20 || c == 0x7F || std::strchr("/\\:*?\"<>|", c) != nullptr;
}

bool trimmedAtEnds(char c) {
    return c == ' ' || c == '.' || c == '\t';
}

// Cuts to at most `limit` bytes without splitting a UTF-8 sequence.
std::string cutUtf8(std::string s, std::size_t limit) {
    if (s.size() <= limit) return s;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) --end;
    s.resize(end);
    return s;
}

bool nameTaken(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found ||
           (ec && ec != std::errc::no_such_file_or_directory);
}

std::string reasonFor(int err) {
    switch (err) {
    case ENOSPC:
    case EDQUOT:
        return std::string("the disk is full (") + std::strerror(err) + ")";
    case EROFS:
        return std::string("the disk is read-only (") + std::strerror(err) + ")";
    case EACCES:
    case EPERM:
        return std::string("you may not write there (") + std::strerror(err) + ")";
    case ENOENT:
        return std::string("the folder does not exist (") + std::strerror(err) + ")";
    default:
        return std::strerror(err);
    }
}

[[noreturn]] void fail(const fs::path& folder, int err) {
    throw ReportError("The report could not be saved in the folder \"" + folder.string() +
                      "\": " + reasonFor(err) + ".");
}

// The hidden temporary file: removed unless it got its final name.
class PartFile {
  public:
    explicit PartFile(const fs::path& folder) {
        std::string name = (folder / ".zorvane-report-XXXXXX.part").string();
        fd_ = ::mkstemps(name.data(), 5);
        if (fd_ < 0) fail(folder, errno);
        path_ = name;
    }
    ~PartFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!published_) ::unlink(path_.c_str());
    }
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    void write(const fs::path& folder, std::span<const std::uint8_t> bytes) {
        const std::uint8_t* p = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(fd_, p, left);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) fail(folder, n < 0 ? errno : ENOSPC);
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        // A report is worth keeping: on the disk before it gets its name. close() can report
        // a late write error on network folders.
        if (::fchmod(fd_, 0644) != 0 || ::fsync(fd_) != 0) fail(folder, errno);
        const int r = ::close(fd_);
        fd_ = -1;
        if (r != 0) fail(folder, errno);
    }

    // Gives the file `target`'s name unless something has it. False when taken.
    bool publish(const fs::path& folder, const fs::path& target) {
        if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
            return published_ = true;
        if (errno == EEXIST) return false;
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) fail(folder, errno);
        // A file system without the no-replace rename: a hard link claims the name atomically.
        if (::link(path_.c_str(), target.c_str()) == 0) return true; // the part is unlinked after
        if (errno == EEXIST) return false;
        if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP) fail(folder, errno);
        // Neither (some removable media): the best we can do is look first.
        if (nameTaken(target)) return false;
        if (::rename(path_.c_str(), target.c_str()) != 0) fail(folder, errno);
        return published_ = true;
    }

  private:
    fs::path path_;
    int fd_ = -1;
    bool published_ = false;
};

} // namespace

fs::path reportTemplatePath(const fs::path& programFolder, std::string_view name) {
    const fs::path beside = programFolder / name;
    const fs::path shared = programFolder / ".." / "share" / "zorvane" / name;
    std::error_code ec;
    if (!fs::exists(beside, ec) && fs::exists(shared, ec)) return shared.lexically_normal();
    return beside;
}

std::string fileUrl(const fs::path& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char c : fs::absolute(path).lexically_normal().string()) {
        if (std::isalnum(c) && c < 0x80) {
            url.push_back(static_cast<char>(c));
        } else if (std::strchr("-._~/", c) != nullptr && c != 0) {
            url.push_back(static_cast<char>(c));
        } else {
            url.push_back('%');
            url.push_back(kHex[c >> 4]);
            url.push_back(kHex[c & 0xF]);
        }
    }
    return url;
}

std::string reportFileStem(std::string_view caseName) {
    std::string stem;
    for (char c : caseName)
        stem.push_back(refusedInFileName(static_cast<unsigned char>(c)) ? '_' : c);
    std::size_t begin = 0, end = stem.size();
    while (begin < end && trimmedAtEnds(stem[begin])) ++begin;
    while (end > begin && trimmedAtEnds(stem[end - 1])) --end;
    stem = cutUtf8(stem.substr(begin, end - begin), kMaxStemBytes);
    while (!stem.empty() && trimmedAtEnds(stem.back())) stem.pop_back();
    return stem.empty() ? "Case report" : stem;
}

fs::path freshReportPath(const fs::path& folder, std::string_view caseName,
                         std::string_view extension) {
    const std::string stem = reportFileStem(caseName);
    const std::string ext = "." + std::string(extension);
    fs::path candidate = folder / (stem + ext);
    for (int n = 2; nameTaken(candidate) && n <= kMaxNameAttempts; ++n)
        candidate = folder / (stem + " (" + std::to_string(n) + ")" + ext);
    return candidate;
}

fs::path saveNewReport(const fs::path& folder, std::string_view caseName,
                       std::string_view extension, std::span<const std::uint8_t> bytes) {
    PartFile part(folder);
    part.write(folder, bytes);
    for (int attempt = 0; attempt < kMaxPublishAttempts; ++attempt) {
        const fs::path target = freshReportPath(folder, caseName, extension);
        if (part.publish(folder, target)) return target;
    }
    fail(folder, EEXIST);
}

} // namespace zorvane
