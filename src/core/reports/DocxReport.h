#pragma once
// The Word report as an Office Open XML document: the template "tq.dotx" becomes a new
// document whose first table receives the case texts, with the drawing at bookmark "xyz" and
// a table of the points at bookmark "dat".
#include "reports/ReportContent.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace zorvane {

inline constexpr const char* kWordTemplateName = "tq.dotx";
inline constexpr const char* kWordWaitText = "Creating MS Word Report. Please wait...";

// Number of steps a report of this content reports: one per grid row, four more.
int docxReportSteps(const ReportContent& content);

// The document's bytes from the template's bytes. `label` names the template in messages
// ("The report template \"/opt/zorvane/tq.dotx\""). Throws ReportError: the template is not a
// Word template or is damaged, or lacks a table, a cell or a bookmark the report needs (all
// of them are named).
std::vector<std::uint8_t> buildDocxReport(std::span<const std::uint8_t> templateBytes,
                                          const std::string& label, const ReportContent& content,
                                          const ReportProgress& progress = {});

// Reads the template at `templatePath`, builds the document and saves it in `folder` under a
// fresh name from the case name (see saveNewReport). Returns the document's path. Throws
// ReportError; nothing is left in `folder` then.
std::filesystem::path writeDocxReport(const std::filesystem::path& templatePath,
                                      const std::filesystem::path& folder,
                                      const ReportContent& content,
                                      const ReportProgress& progress = {});

// What to say when no program opens the document: the vendor's message, then where it is.
std::string noWordProgramMessage(const std::filesystem::path& document);

} // namespace zorvane
