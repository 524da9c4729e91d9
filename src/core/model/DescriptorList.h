#pragma once
#include "model/PointRecord.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace zorvane {

// The description list of a case: its distinct descriptors (the empty one included), letter
// case ignored, in the order they first appear. Built text by text, so that an importer can
// feed it while the text is at hand.
class DescriptorListBuilder {
  public:
    void add(std::string_view descriptor);
    std::vector<std::string> take() { return std::move(list_); }

  private:
    // Texts met before, by a cheap hash of their length and ends: a case usually has a few
    // dozen descriptors over many points, and a hit skips the lower-casing and the set.
    static constexpr std::size_t kRecent = 251;
    static std::size_t slot(std::string_view d);
    std::array<std::string, kRecent> recent_;
    std::array<bool, kRecent> used_{};

    std::unordered_set<std::string> seen_; // lower-cased
    std::string key_;
    std::vector<std::string> list_;
};

std::vector<std::string> descriptorList(const PointTable& points);

} // namespace zorvane
