#include "cli/CliCase.h"

#include "cli/CliEnvironment.h"
#include "cli/CliError.h"

#include "files/CaseFile.h"
#include "text/Cp1252.h"

namespace zorvane::cli {

void openCaseFile(CaseDocument& doc, const std::string& path, CliEnvironment& env, int width,
                  int height) {
    CaseFileContents contents;
    try {
        contents = loadCaseFile(path);
    } catch (const CaseFileError& e) {
        throw CliError::refused(path + ": " + e.what());
    }
    if (!contents.note.empty()) env.warn(path + ": " + contents.note);
    // The surface first: opening fits the plan to it.
    doc.setSurfaceSize(width, height);
    doc.open(std::move(contents));
}

CaseMode coordinateKind(std::string_view text) {
    for (const auto& [name, mode] :
         {std::pair{"xyz", CaseMode::Xyz}, std::pair{"polar", CaseMode::Polar},
          std::pair{"nesw", CaseMode::Nesw}})
        if (equalsIgnoreCase(text, name)) return mode;
    throw CliError::usage("'" + std::string(text) +
                          "' is not a kind of coordinate file: xyz, polar or nesw.");
}

} // namespace zorvane::cli
