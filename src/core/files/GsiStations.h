#pragma once
// Where the instrument stood while a GSI file was recorded. A block with station words sets it
// up; a setup that differs from the one before, once targets were observed from that one, is
// the next station. The reflector height holds until a block changes it.
#include "files/GsiBlock.h"

#include <optional>
#include <string_view>

namespace zorvane {

struct GsiStation {
    std::optional<std::string_view> id;
    std::optional<double> easting, northing, height;
    double instrumentHeight = 0;

    bool located() const { return easting && northing; }
};

class GsiStations {
  public:
    void apply(const GsiBlock& block);
    // A target was observed from the current station.
    void observed() { observed_ = true; }

    const GsiStation& current() const { return current_; }
    int index() const { return index_; } // 0 for the first station
    double reflectorHeight() const { return reflectorHeight_; }

  private:
    GsiStation current_;
    int index_ = 0;
    bool observed_ = false;
    double reflectorHeight_ = 0;
};

// A horizontal angle and something to get a horizontal distance from.
bool isObservation(const GsiBlock& block);

} // namespace zorvane
