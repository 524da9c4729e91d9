#include "cli/CaseCommands.h"

#include "cli/CaseInfo.h"
#include "cli/CliCase.h"
#include "cli/CliEnvironment.h"
#include "cli/CommandLine.h"

#include "files/CaseFile.h"

#include <ostream>

namespace zorvane::cli {

void runInfo(const CommandLine& line, CliEnvironment& env) {
    CaseDocument doc(env.decimalSeparator());
    openCaseFile(doc, line.argument(0), env);
    env.out() << (line.has("json") ? caseInfoJson(doc.state())
                                   : caseInfoText(doc.state(), env.decimalSeparator()));
}

void runResave(const CommandLine& line, CliEnvironment& env) {
    const ProgramOptions options = env.programOptions(line);
    CaseDocument doc(env.decimalSeparator());
    openCaseFile(doc, line.argument(0), env);
    saveCaseFile(line.argument(1), doc.state(), options.saveImages);
    const std::size_t images = doc.state().images.count();
    if (!options.saveImages && images > 0)
        env.warn(std::to_string(images) + (images == 1 ? " image" : " images") +
                 " left out: the program option \"Save images within ZVR file.\" is off.");
}

} // namespace zorvane::cli
