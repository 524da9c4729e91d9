// Writes the option files shipped with the program into the folder named on the command line,
// each from its record's defaults in the core, so that the shipped bytes and the program's
// own defaults can never differ. A file whose bytes are already right is left untouched.
#include "files/DxfOptionsFile.h"
#include "files/ExportOptionsFile.h"
#include "files/ImportOptionsFile.h"
#include "files/OptionFile.h"
#include "files/ProgramOptionsFile.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

using namespace zorvane;
using Bytes = std::vector<std::uint8_t>;

template <auto Serialise, class Record> Bytes defaultsOf() {
    const auto bytes = Serialise(Record{});
    return Bytes(bytes.begin(), bytes.end());
}

struct DefaultFile {
    const char* name;
    Bytes (*bytes)();
};

// One line per option file.
const DefaultFile kDefaultFiles[] = {
    {kProgramOptionsFileName, defaultsOf<serialiseProgramOptions, ProgramOptions>},
    {kImportOptionsFileName, defaultsOf<serialiseImportOptions, ImportOptions>},
    {kExportOptionsFileName, defaultsOf<serialiseExportOptions, ExportOptions>},
    {kDxfOptionsFileName, defaultsOf<serialiseDxfOptions, DxfExportOptions>},
};

Bytes contentOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        for (const DefaultFile& file : kDefaultFiles) {
            const std::filesystem::path path = folder / file.name;
            const Bytes bytes = file.bytes();
            if (contentOf(path) != bytes) writeOptionFile(path, bytes);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
