#include "dxf/DxfWriteError.h"

namespace zorvane {

std::string dxfWriteErrorMessage(std::string_view fileName) {
    std::string text = "Zorvane is unable to write to the file:\r";
    text.append(fileName);
    text += "\rThis may be caused by any of the following:\r"
            "  1. The file is currently in use by Zorvane or another application\r"
            "  2. There is insufficient disk space on the selected drive\r"
            "  3. The selected drive is read-only\r"
            "Please check the above or select a new filename or location and then try again.";
    return text;
}

DxfWriteError::DxfWriteError(const std::filesystem::path& target, std::string reason)
    : std::runtime_error(dxfWriteErrorMessage(target.string())), target_(target),
      reason_(std::move(reason)) {}

} // namespace zorvane
