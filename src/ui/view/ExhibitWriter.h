#pragma once
// Writes a court exhibit: the plan at 1:N on a sheet, as a PDF page or an SVG drawing, centred
// on the middle of the view as it stands. The file is made in memory and then put in place
// atomically, so a full disk leaves a previous file of that name whole.
#include "model/CaseData.h"
#include "view/ExhibitSettings.h"
#include "view/PlanRenderer.h"
#include "view/PlanView.h"

#include <QByteArray>

#include <ctime>
#include <filesystem>
#include <optional>

namespace zorvane::ui {

enum class ExhibitFormat { Pdf, Svg };

// By the file's extension (.pdf, .svg in any letter case); nothing for another one.
std::optional<ExhibitFormat> exhibitFormatFor(const std::filesystem::path& file);

struct ExhibitOutput {
    QByteArray bytes;
    RedrawResult report; // what the plan's drawing pass said (broken polylines)
};

// The exhibit's bytes. A PDF records when it was made: `made` when given (a reproducible
// file), the clock otherwise.
ExhibitOutput renderExhibit(const CaseData& data, const PlanView& current,
                            const ExhibitSettings& settings, ExhibitFormat format,
                            std::optional<std::time_t> made = std::nullopt);

// Renders and writes the file atomically. Throws FileWriteError (a sentence for the user).
RedrawResult writeExhibit(const std::filesystem::path& file, const CaseData& data,
                          const PlanView& current, const ExhibitSettings& settings,
                          ExhibitFormat format, std::optional<std::time_t> made = std::nullopt);

// SOURCE_DATE_EPOCH, the usual way to ask tools for files that do not depend on the clock.
std::optional<std::time_t> sourceDateEpoch();

} // namespace zorvane::ui
