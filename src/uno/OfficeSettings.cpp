#include "uno/OfficeSettings.h"

#include <unistd.h>

namespace zorvane {

std::vector<std::string> OfficeSettings::arguments() const {
    std::vector<std::string> args = {"--accept=pipe,name=" + pipeName + ";urp;",
                                     headless ? "--headless" : "--invisible", "--norestore",
                                     "--nologo", "--nodefault"};
    args.insert(args.end(), extraArguments.begin(), extraArguments.end());
    return args;
}

std::string OfficeSettings::connectionUrl() const {
    return "uno:pipe,name=" + pipeName + ";urp;StarOffice.ComponentContext";
}

bool OfficeSettings::installed() const {
    return ::access(soffice().c_str(), X_OK) == 0 && ::access(bootstrapFile().c_str(), R_OK) == 0;
}

OfficeSettings defaultOfficeSettings() {
    OfficeSettings settings;
    settings.programFolder = ZORVANE_OFFICE_PROGRAM_DIR;
    return settings;
}

} // namespace zorvane
