#include "reports/ZipArchive.h"

#include "reports/ReportError.h"

#include <zip.h>

#include <memory>

namespace zorvane {

namespace {

struct ZipDiscarder {
    void operator()(zip_t* z) const { zip_discard(z); }
};

[[noreturn]] void fail(const std::string& why) {
    throw ReportError("The document could not be put together (" + why + ").");
}

void addEntry(zip_t* zip, const ZipEntry& entry) {
    zip_source_t* data = zip_source_buffer(zip, entry.bytes.data(), entry.bytes.size(), 0);
    const zip_int64_t index =
        data ? zip_file_add(zip, entry.name.c_str(), data, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
        if (data) zip_source_free(data);
        fail(zip_strerror(zip));
    }
    zip_set_file_compression(zip, static_cast<zip_uint64_t>(index),
                             entry.deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
}

} // namespace

std::vector<std::uint8_t> zipArchive(const std::vector<ZipEntry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer) {
        zip_error_fini(&error);
        fail("out of memory");
    }
    zip_source_keep(buffer); // it outlives the archive: the bytes are read from it afterwards
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> keep(buffer, zip_source_free);
    std::unique_ptr<zip_t, ZipDiscarder> zip(zip_open_from_source(buffer, ZIP_TRUNCATE, &error));
    zip_error_fini(&error);
    if (!zip) fail("the archive cannot be started");
    for (const ZipEntry& entry : entries) addEntry(zip.get(), entry);
    if (zip_close(zip.get()) != 0) fail(zip_strerror(zip.get()));
    (void)zip.release(); // zip_close freed it

    zip_stat_t st;
    if (zip_source_stat(buffer, &st) != 0 || zip_source_open(buffer) != 0)
        fail("the archive cannot be read back");
    std::vector<std::uint8_t> out(static_cast<std::size_t>(st.size));
    const zip_int64_t n = zip_source_read(buffer, out.data(), out.size());
    zip_source_close(buffer);
    if (n < 0 || static_cast<std::uint64_t>(n) != st.size) fail("the archive cannot be read back");
    return out;
}

} // namespace zorvane
