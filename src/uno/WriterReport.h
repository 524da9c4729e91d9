#pragma once
// The case report as a LibreOffice Writer document, made by the office itself through its UNO
// bridge: the template "tq.ott" is loaded into a hidden window, the case texts go into the
// named cells of its first table, the drawing to its first bookmark and the table "tb5" of
// the points to its second; then the window is shown, the document unsaved, for the user.
// No UNO type shows here: the program includes this without the office's headers.
#include "reports/ReportContent.h"
#include "uno/OfficeSettings.h"

#include <filesystem>
#include <string>

namespace zorvane {

inline constexpr const char* kWriterTemplateName = "tq.ott";
inline constexpr const char* kWriterWaitText = "Creating OpenOffice Report. Please wait...";

struct WriterReportRequest {
    std::filesystem::path templatePath;
    // The drawing goes in as content.drawing's PNG; none when that is empty.
    ReportContent content;
    // Batch use: the document is stored as this OpenDocument file and as a PDF beside it
    // (same name, ".pdf"), then closed instead of shown.
    std::filesystem::path storeAs;
};

// Makes the report. Throws ReportError saying what failed: LibreOffice missing or not
// answering, a template that lacks its table, cells or bookmarks (all named), a step the
// office refused. A document half made is closed again.
void createWriterReport(const OfficeSettings& office, const WriterReportRequest& request,
                        const ReportProgress& progress = {});

// "Open Office is not installed on your computer." and where to get it.
std::string officeMissingMessage();

// Ends the office listening on the settings' pipe, if one does. Only for an office started
// for a batch job with its own pipe and profile: never one the user works in.
void endBatchOffice(const OfficeSettings& office);

} // namespace zorvane
