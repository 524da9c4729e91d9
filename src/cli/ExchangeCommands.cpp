#include "cli/ExchangeCommands.h"

#include "cli/CliCase.h"
#include "cli/CliEnvironment.h"
#include "cli/CliError.h"
#include "cli/CommandLine.h"

#include "dxf/DxfExport.h"
#include "dxf/DxfWriteError.h"
#include "files/CaseFile.h"
#include "files/CoordinateExport.h"
#include "files/CoordinateImport.h"
#include "text/Cp1252.h"

#include <algorithm>

namespace zorvane::cli {

void runExportDxf(const CommandLine& line, CliEnvironment& env) {
    const DxfExportOptions options = env.dxfOptions(line);
    CaseDocument doc(env.decimalSeparator());
    openCaseFile(doc, line.argument(0), env);
    DxfExportOutcome outcome;
    try {
        outcome = exportDxf(doc.state(), options, line.argument(1));
    } catch (const DxfWriteError& e) {
        // The program's box separates its lines with CR; a terminal wants line feeds.
        std::string message = e.what();
        std::replace(message.begin(), message.end(), '\r', '\n');
        throw CliError::refused(message + "\n(" + e.reason() + ")");
    } catch (const std::invalid_argument& e) {
        throw CliError::refused(e.what());
    }
    for (const std::string& skipped : outcome.skipped) env.warn(cp1252ToUtf8(skipped));
}

void runExportCoords(const CommandLine& line, CliEnvironment& env) {
    const CaseMode kind = coordinateKind(line.argument(0));
    const ExportOptions options = env.exportOptions(line);
    CaseDocument doc(env.decimalSeparator());
    openCaseFile(doc, line.argument(1), env);
    const CaseState& s = doc.state();
    const auto result = exportCoordinates(line.argument(2), s.points, s.mode, kind, options,
                                          s.units.decimals, env.decimalSeparator());
    if (result)
        if (const auto warning = separatorWarning(*result)) env.warn(*warning);
}

void runImportCoords(const CommandLine& line, CliEnvironment& env) {
    const CaseMode kind = coordinateKind(line.argument(0));
    const ImportOptions options = env.importOptions(line);
    const ProgramOptions program = env.programOptions(line);
    const std::string& input = line.argument(1);
    std::optional<ImportedCase> imported;
    try {
        imported = importCoordinateFile(input, kind, options, program, env.decimalSeparator());
    } catch (const CoordinateFileError& e) {
        throw CliError::refused(input + ": " + e.what());
    }
    if (!imported) throw CliError::refused(input + ": the import was stopped.");
    const std::vector<std::string> errors = imported->errors;
    const std::size_t rejected = imported->rejectedLines;
    CaseDocument doc(env.decimalSeparator());
    doc.setSurfaceSize(kDefaultSurfaceWidth, kDefaultSurfaceHeight);
    doc.importCase(std::move(*imported), program, env.today());
    saveCaseFile(line.argument(2), doc.state(), program.saveImages);
    if (rejected == 0) return;
    env.warn(input + ": " + std::to_string(rejected) +
             (rejected == 1 ? " line was" : " lines were") +
             " not imported; please check the import options:");
    // As the import errors window lists them: line number, ". ", the line.
    for (const std::string& entry : errors) env.err() << cp1252ToUtf8(entry) << '\n';
}

} // namespace zorvane::cli
