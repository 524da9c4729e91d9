#pragma once
// An Office Open XML package held in memory: its parts by name, in their archive order, plus
// the two bookkeeping parts every package has (content types and relationships). Reading
// treats the archive as hostile: sizes are capped and checked while inflating.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorvane {

class OpcPackage {
  public:
    // Caps that keep a damaged or hostile archive from exhausting memory.
    static constexpr std::uint64_t kMaxPartSize = 64u << 20;
    static constexpr std::uint64_t kMaxTotalSize = 256u << 20;
    static constexpr std::uint64_t kMaxParts = 10000;

    // Parses a ZIP archive. Throws ReportError "<label> is damaged: <reason>." when it cannot.
    static OpcPackage read(std::span<const std::uint8_t> zip, const std::string& label);

    // Part names have no leading '/' ("word/document.xml"); lookups ignore ASCII letter case.
    bool has(std::string_view name) const;
    // Throws ReportError "<label> has no part \"name\"." when missing.
    const std::string& part(std::string_view name) const;
    // Replaces a part or appends a new one.
    void setPart(std::string_view name, std::string bytes);

    // The main part named by the package's officeDocument relationship.
    std::string mainPart() const;
    // The content type the package gives a part (Override first, then Default by extension).
    std::string contentType(std::string_view name) const;
    void setContentTypeOverride(std::string_view name, std::string_view type);
    void ensureDefaultContentType(std::string_view extension, std::string_view type);
    // Adds a relationship from `source` to `target` (relative to the source's folder) and
    // returns its fresh id.
    std::string addRelationship(std::string_view source, std::string_view type,
                                std::string_view target);
    // A part name under `folder` starting with `stem`, not yet used, ending in `extension`.
    std::string freshPartName(std::string_view folder, std::string_view stem,
                              std::string_view extension) const;

    // The archive: XML parts deflated, pictures stored as they are.
    std::vector<std::uint8_t> zipBytes() const;

    const std::string& label() const { return label_; }

  private:
    std::string* find(std::string_view name);
    const std::string* find(std::string_view name) const;

    std::string label_;
    std::vector<std::pair<std::string, std::string>> parts_;
};

// The relationships part of a part: "word/document.xml" -> "word/_rels/document.xml.rels".
std::string relationshipsPartOf(std::string_view part);

} // namespace zorvane
