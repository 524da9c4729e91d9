#include "dxf/DrawingTarget.h"

#include "dxf/DxfWriteError.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane {
namespace fs = std::filesystem;
namespace {

std::string reason(const fs::path& path, const char* what, int err) {
    return std::string(what) + " \"" + path.string() + "\": " + std::strerror(err);
}

std::string uniqueTag() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    const unsigned v =
        seed ^ (static_cast<unsigned>(::getpid()) * 2654435761u) ^ (counter++ * 0x9E3779B9u);
    char text[16];
    std::snprintf(text, sizeof text, "%08x", v);
    return text;
}

} // namespace

DrawingTarget::DrawingTarget(fs::path target) : target_(std::move(target)), dest_(target_) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(dest_, ec))) {
        const fs::path real = fs::weakly_canonical(dest_, ec);
        if (!ec) dest_ = real;
    }
    const std::string name = dest_.filename().string();
    if (name.empty() || name == "." || name == "..")
        throw DxfWriteError(target_, reason(target_, "cannot create", EISDIR));

    struct stat old {};
    const bool existed = ::stat(dest_.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode))
        throw DxfWriteError(target_, reason(target_, "cannot create", EISDIR));
    if (existed && !S_ISREG(old.st_mode)) { // a device or a pipe cannot be replaced
        writePath_ = dest_;
        return;
    }
    // Renaming over a write-protected file would get past its protection.
    if (existed && ::access(dest_.c_str(), W_OK) != 0)
        throw DxfWriteError(target_, reason(target_, "cannot replace", errno));

    const fs::path dir = dest_.has_parent_path() ? dest_.parent_path() : fs::path(".");
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        // A short name of its own: the target's name may already be as long as a name can be.
        writePath_ = dir / (".zorvane-" + uniqueTag() + ".dxf.tmp");
        fd = ::open(writePath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0)
        throw DxfWriteError(target_, reason(dir, "cannot create a file in the folder", errno));
    // The writer keeps the permissions of the file it replaces: the drawing ends up with the
    // target's.
    if (existed) (void)::fchmod(fd, old.st_mode & 07777);
    ::close(fd);
    temporary_ = true;
}

DrawingTarget::~DrawingTarget() {
    if (temporary_ && !committed_) ::unlink(writePath_.c_str());
}

void DrawingTarget::commit() {
    if (!temporary_) return;
    if (::rename(writePath_.c_str(), dest_.c_str()) != 0)
        throw DxfWriteError(target_, reason(target_, "cannot replace", errno));
    committed_ = true;
}

} // namespace zorvane
