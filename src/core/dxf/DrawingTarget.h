#pragma once
// Where a drawing is written before it takes the name the user chose. The writer library
// works on a temporary file beside the target; only a drawing finished without error is
// renamed over the target, so a failure leaves no half-written drawing under that name and
// an earlier drawing of that name whole.
#include <filesystem>

namespace zorvane {

class DrawingTarget {
  public:
    // Reserves the temporary name. Throws DxfWriteError when the target cannot be written:
    // its folder is missing or not writable, it is a folder, or it is write-protected.
    // A symbolic link is followed, so the file it names is replaced and the link stays. A
    // target that is not a regular file (a device, a pipe) is written directly.
    explicit DrawingTarget(std::filesystem::path target);
    // Removes the temporary file unless the drawing was put in place.
    ~DrawingTarget();
    DrawingTarget(const DrawingTarget&) = delete;
    DrawingTarget& operator=(const DrawingTarget&) = delete;

    // The file to hand to the writer.
    const std::filesystem::path& writePath() const { return writePath_; }

    // Puts the finished drawing in place of the target. Throws DxfWriteError.
    void commit();

  private:
    std::filesystem::path target_; // as the user named it, for messages
    std::filesystem::path dest_;   // the file that is replaced (links followed)
    std::filesystem::path writePath_;
    bool temporary_ = false;
    bool committed_ = false;
};

} // namespace zorvane
