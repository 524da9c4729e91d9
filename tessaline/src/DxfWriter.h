#pragma once
#include "LineSink.h"
#include "OutputFile.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace tessaline {

// The state behind the C interface: one drawing file, the next entity handle and the
// polyline being written. Each operation returns a TESSALINE_ code and leaves its reason
// in lastError().
class DxfWriter {
  public:
    int start(const char* fileName, const char* blockName) noexcept;
    int layer(const char* name, int colour) noexcept;
    int endTables() noexcept;
    int point(const char* layer, double x, double y, double z, int colour) noexcept;
    int text(const char* layer, double x, double y, double z, int colour, const char* text,
             double height, int horizontal, int vertical) noexcept;
    int line(const char* layer, double x1, double y1, double z1, double x2, double y2, double z2,
             int colour) noexcept;
    int start2DPolyline(const char* layer, int colour, double width, int closed,
                        double elevation) noexcept;
    int start3DPolyline(const char* layer, int colour, double width, int closed) noexcept;
    int vertex2D(double x, double y, double bulge) noexcept;
    int vertex3D(double x, double y, double z, double bulge) noexcept;
    int endPolyline() noexcept;
    int end() noexcept;

    const char* lastError() const noexcept { return error_.c_str(); }

  private:
    // A short text kept between calls in its written form.
    template <std::size_t N> struct Kept {
        char text[N] = {};
        std::size_t size = 0;
        std::string_view view() const { return {text, size}; }
    };

    int ready() noexcept;
    int refuseNonFinite(const char* operation, std::initializer_list<double> values) noexcept;
    int finish() noexcept;
    int startPolyline(const char* layer, int colour, double width, std::string_view elevation,
                      char flag) noexcept;

    // Writes an entity (`lines` takes a sink) whose texts take `textSize` bytes, and moves
    // the handle on. The entity's room is reserved at once unless its texts are huge.
    template <class Lines> int writeEntity(std::size_t textSize, Lines lines) noexcept {
        if (textSize <= OutputFile::kCapacity - kEntityRoom) {
            RoomSink sink(file_.reserve(kEntityRoom + textSize));
            lines(sink);
            file_.commit(sink.end());
        } else {
            FileSink sink(file_);
            lines(sink);
        }
        ++handle_;
        return finish();
    }

    OutputFile file_;
    std::uint64_t handle_ = kFirstHandle;
    Kept<32> polylineLayer_;
    Kept<16> polylineColour_;
    Kept<kRealRoom> polylineElevation_;
    ErrorText error_;

    static constexpr std::uint64_t kFirstHandle = 0x9A;
};

} // namespace tessaline
