#include "files/OptionFile.h"

#include "files/FileRead.h"

#include <cerrno>
#include <cstring>

namespace zorvane {
namespace {

std::string sentence(const std::filesystem::path& path, std::string_view what,
                     const std::string& problem) {
    return "The " + std::string(what) + " file \"" + path.string() + "\" " + problem +
           "; the default " + std::string(what) + " are used.";
}

} // namespace

std::string readOptionRecord(const std::filesystem::path& path, std::size_t size,
                             std::string_view what, std::string& bytes) {
    try {
        bytes = *readFileStart(path, size);
    } catch (const FileReadError& e) {
        if (e.errorCode() == ENOENT) return sentence(path, what, "was not found");
        const int err = e.errorCode();
        const std::string reason = err == EISDIR   ? "it is a folder"
                                   : err == EINVAL ? "it is not a regular file"
                                                   : std::strerror(err);
        return sentence(path, what, "could not be read (" + reason + ")");
    }
    if (bytes.size() < size)
        return sentence(path, what,
                        "is damaged (it holds " + std::to_string(bytes.size()) + " of " +
                            std::to_string(size) + " bytes)");
    return {};
}

std::string damagedOptionFileMessage(const std::filesystem::path& path, std::string_view what,
                                     std::string_view reason) {
    return sentence(path, what, "is damaged (" + std::string(reason) + ")");
}

} // namespace zorvane
