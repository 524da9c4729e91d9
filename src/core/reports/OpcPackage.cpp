#include "reports/OpcPackage.h"

#include "reports/ReportError.h"
#include "reports/XmlPart.h"
#include "reports/ZipArchive.h"

#include <zip.h>

#include <algorithm>
#include <memory>

namespace zorvane {
namespace {

constexpr const char* kContentTypes = "[Content_Types].xml";
constexpr const char* kPackageRels = "_rels/.rels";
constexpr std::string_view kOfficeDocument = "/officeDocument";

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return (x >= 'A' && x <= 'Z' ? x + 32 : x) == (y >= 'A' && y <= 'Z' ? y + 32 : y);
    });
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}

std::string folderOf(std::string_view part) {
    const auto slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(part.substr(0, slash + 1));
}

// A relationship target relative to `base` as a part name: "../media/a.png" from "word/" is
// "media/a.png"; a leading '/' starts at the package root.
std::string resolvePartName(std::string_view base, std::string_view target) {
    std::string path = target.starts_with('/') ? std::string(target.substr(1))
                                               : std::string(base) + std::string(target);
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string seg = path.substr(start, end - start);
        if (seg == "..") {
            if (!segments.empty()) segments.pop_back();
        } else if (!seg.empty() && seg != ".") {
            segments.push_back(seg);
        }
        start = end + 1;
    }
    std::string out;
    for (const auto& s : segments) out += (out.empty() ? "" : "/") + s;
    return out;
}

std::string prefixOf(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const auto colon = name.find(':');
    return colon == std::string_view::npos ? std::string() : std::string(name.substr(0, colon + 1));
}

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;

struct ZipFileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

[[noreturn]] void damaged(const std::string& label, const std::string& reason) {
    throw ReportError(label + " is damaged: " + reason + ".");
}

std::string readEntry(zip_t* zip, zip_uint64_t index, const std::string& name, std::uint64_t& total,
                      const std::string& label) {
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(zip, index, 0));
    if (!file)
        damaged(label, "its part \"" + name + "\" cannot be read (" + zip_strerror(zip) + ")");
    std::string bytes;
    char buf[65536];
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), buf, sizeof buf);
        if (n < 0)
            damaged(label, "its part \"" + name + "\" cannot be read (" +
                               zip_file_strerror(file.get()) + ")");
        if (n == 0) break;
        total += static_cast<std::uint64_t>(n);
        if (bytes.size() + static_cast<std::size_t>(n) > OpcPackage::kMaxPartSize ||
            total > OpcPackage::kMaxTotalSize)
            damaged(label, "its part \"" + name + "\" is too large");
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    return bytes;
}

} // namespace

std::string relationshipsPartOf(std::string_view part) {
    const std::string folder = folderOf(part);
    return folder + "_rels/" + std::string(part.substr(folder.size())) + ".rels";
}

OpcPackage OpcPackage::read(std::span<const std::uint8_t> zipBytes, const std::string& label) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(zipBytes.data(), zipBytes.size(), 0, &error);
    ZipHandle zip(source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error)
                         : nullptr);
    if (!zip) {
        const std::string reason = zip_error_strerror(&error);
        if (source) zip_source_free(source);
        zip_error_fini(&error);
        damaged(label, "it is not a ZIP package (" + reason + ")");
    }
    zip_error_fini(&error);

    OpcPackage package;
    package.label_ = label;
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    if (count < 0 || static_cast<std::uint64_t>(count) > kMaxParts)
        damaged(label, "it has too many parts");
    std::uint64_t total = 0;
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        const char* raw = zip_get_name(zip.get(), i, ZIP_FL_ENC_GUESS);
        if (!raw)
            damaged(label, std::string("an entry has no name (") + zip_strerror(zip.get()) + ")");
        std::string name = raw;
        if (name.empty() || name.back() == '/') continue; // folders are not parts
        if (package.has(name)) damaged(label, "the part \"" + name + "\" is there twice");
        std::string bytes = readEntry(zip.get(), i, name, total, label);
        package.parts_.emplace_back(std::move(name), std::move(bytes));
    }
    if (!package.has(kContentTypes)) damaged(label, "it has no content types");
    return package;
}

std::string* OpcPackage::find(std::string_view name) {
    for (auto& [n, bytes] : parts_)
        if (sameName(n, name)) return &bytes;
    return nullptr;
}

const std::string* OpcPackage::find(std::string_view name) const {
    return const_cast<OpcPackage*>(this)->find(name);
}

bool OpcPackage::has(std::string_view name) const {
    return find(name) != nullptr;
}

const std::string& OpcPackage::part(std::string_view name) const {
    if (const std::string* p = find(name)) return *p;
    throw ReportError(label_ + " has no part \"" + std::string(name) + "\".");
}

void OpcPackage::setPart(std::string_view name, std::string bytes) {
    if (std::string* p = find(name)) {
        *p = std::move(bytes);
        return;
    }
    parts_.emplace_back(std::string(name), std::move(bytes));
}

std::string OpcPackage::mainPart() const {
    if (has(kPackageRels)) {
        pugi::xml_document rels;
        loadXmlPart(rels, part(kPackageRels), label_, kPackageRels);
        for (const pugi::xml_node& r : rels.document_element().children()) {
            const std::string_view type = r.attribute("Type").value();
            if (localName(r) == "Relationship" && type.ends_with(kOfficeDocument))
                return resolvePartName("", r.attribute("Target").value());
        }
    }
    throw ReportError(label_ + " is damaged: it names no main document.");
}

std::string OpcPackage::contentType(std::string_view name) const {
    pugi::xml_document types;
    loadXmlPart(types, part(kContentTypes), label_, kContentTypes);
    const std::string partName = "/" + std::string(name);
    const auto dot = name.rfind('.');
    const std::string extension = dot == std::string_view::npos ? "" : lower(name.substr(dot + 1));
    std::string byDefault;
    for (const pugi::xml_node& t : types.document_element().children()) {
        if (localName(t) == "Override" && sameName(t.attribute("PartName").value(), partName))
            return t.attribute("ContentType").value();
        if (localName(t) == "Default" && sameName(t.attribute("Extension").value(), extension))
            byDefault = t.attribute("ContentType").value();
    }
    return byDefault;
}

void OpcPackage::setContentTypeOverride(std::string_view name, std::string_view type) {
    pugi::xml_document types;
    loadXmlPart(types, part(kContentTypes), label_, kContentTypes);
    pugi::xml_node root = types.document_element();
    const std::string partName = "/" + std::string(name);
    pugi::xml_node entry;
    for (const pugi::xml_node& t : root.children())
        if (localName(t) == "Override" && sameName(t.attribute("PartName").value(), partName))
            entry = t;
    if (!entry) {
        entry = root.append_child((prefixOf(root) + "Override").c_str());
        entry.append_attribute("PartName") = partName.c_str();
        entry.append_attribute("ContentType");
    }
    entry.attribute("ContentType") = std::string(type).c_str();
    setPart(kContentTypes, saveXmlPart(types));
}

void OpcPackage::ensureDefaultContentType(std::string_view extension, std::string_view type) {
    pugi::xml_document types;
    loadXmlPart(types, part(kContentTypes), label_, kContentTypes);
    pugi::xml_node root = types.document_element();
    for (pugi::xml_node t : root.children()) {
        if (localName(t) == "Default" && sameName(t.attribute("Extension").value(), extension)) {
            if (t.attribute("ContentType").value() == type) return;
            t.attribute("ContentType") = std::string(type).c_str();
            setPart(kContentTypes, saveXmlPart(types));
            return;
        }
    }
    // Defaults come before the overrides by convention; keep it so.
    pugi::xml_node entry = root.prepend_child((prefixOf(root) + "Default").c_str());
    entry.append_attribute("Extension") = std::string(extension).c_str();
    entry.append_attribute("ContentType") = std::string(type).c_str();
    setPart(kContentTypes, saveXmlPart(types));
}

std::string OpcPackage::addRelationship(std::string_view source, std::string_view type,
                                        std::string_view target) {
    const std::string relsName = relationshipsPartOf(source);
    pugi::xml_document rels;
    if (has(relsName)) {
        loadXmlPart(rels, part(relsName), label_, relsName);
    } else {
        rels.append_child("Relationships").append_attribute("xmlns") =
            "http://schemas.openxmlformats.org/package/2006/relationships";
    }
    pugi::xml_node root = rels.document_element();
    auto used = [&](const std::string& id) {
        for (const pugi::xml_node& r : root.children())
            if (id == r.attribute("Id").value()) return true;
        return false;
    };
    std::string id;
    for (int n = 1; id.empty() || used(id); ++n) id = "rIdZv" + std::to_string(n);
    pugi::xml_node r = root.append_child((prefixOf(root) + "Relationship").c_str());
    r.append_attribute("Id") = id.c_str();
    r.append_attribute("Type") = std::string(type).c_str();
    r.append_attribute("Target") = std::string(target).c_str();
    setPart(relsName, saveXmlPart(rels));
    return id;
}

std::string OpcPackage::freshPartName(std::string_view folder, std::string_view stem,
                                      std::string_view extension) const {
    std::string name;
    for (int n = 1; name.empty() || has(name); ++n)
        name = std::string(folder) + std::string(stem) + std::to_string(n) + "." +
               std::string(extension);
    return name;
}

std::vector<std::uint8_t> OpcPackage::zipBytes() const {
    // [Content_Types].xml first: some readers look for it at the start of the archive.
    std::vector<ZipEntry> entries;
    for (const auto& [name, bytes] : parts_) {
        const std::string lowered = lower(name);
        const bool packed =
            lowered.ends_with(".png") || lowered.ends_with(".jpeg") || lowered.ends_with(".jpg");
        const ZipEntry entry{name, bytes, !packed};
        if (name == kContentTypes)
            entries.insert(entries.begin(), entry);
        else
            entries.push_back(entry);
    }
    return zipArchive(entries);
}

} // namespace zorvane
