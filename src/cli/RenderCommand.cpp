#include "cli/RenderCommand.h"

#include "cli/CliCase.h"
#include "cli/CliEnvironment.h"
#include "cli/CliError.h"
#include "cli/CommandLine.h"

#include "files/AtomicFile.h"
#include "text/Cp1252.h"
#include "text/IntegerText.h"
#include "ui/view/ExhibitWriter.h"
#include "ui/view/QtCanvas.h"
#include "view/ExhibitLayout.h"
#include "view/PlanView.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <filesystem>
#include <memory>
#include <optional>
#include <span>

namespace zorvane::cli {
namespace {

constexpr int kMaxSurface = 8192;

enum class Output { Png, Pdf, Svg };

Output outputOf(const std::string& file) {
    if (equalsIgnoreCase(std::filesystem::path(file).extension().string(), ".png"))
        return Output::Png;
    if (const auto format = ui::exhibitFormatFor(file))
        return *format == ui::ExhibitFormat::Pdf ? Output::Pdf : Output::Svg;
    throw CliError::usage("'" + file + "' does not end in .png, .pdf or .svg.");
}

int surfaceSide(const CommandLine& line, const char* option, int fallback) {
    const auto text = line.value(option);
    if (!text) return fallback;
    const auto n = parseInteger(*text);
    if (!n || *n < 1 || *n > kMaxSurface)
        throw CliError::usage("--" + std::string(option) + " must be a whole number from 1 to " +
                              std::to_string(kMaxSurface) + ", not '" + *text + "'.");
    return *n;
}

// Qt's painting needs an application object; no window is ever shown.
class OffscreenGui {
  public:
    OffscreenGui() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

  private:
    int argc_ = 1;
    char name_[12] = "zorvane-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

// What the command line asks of an exhibit; what it leaves open follows the plan.
struct ExhibitRequest {
    std::optional<std::int32_t> scale;
    Paper paper = Paper::A4;
    std::optional<Orientation> orientation;
};

ExhibitRequest exhibitRequest(const CommandLine& line) {
    ExhibitRequest r;
    if (const auto paper = line.value("paper")) {
        const auto p = parsePaper(*paper);
        if (!p) throw CliError::usage("--paper must be A4, A3 or Letter, not '" + *paper + "'.");
        r.paper = *p;
    }
    if (const auto o = line.value("orientation")) {
        r.orientation = parseOrientation(*o);
        if (!r.orientation)
            throw CliError::usage("--orientation must be portrait or landscape, not '" + *o + "'.");
    }
    if (const auto scale = line.value("scale")) {
        r.scale = parseScale(*scale);
        if (!r.scale)
            throw CliError::usage("--scale must read 1:N with N a whole number from 1 to " +
                                  std::to_string(kMaxScale) + ", not '" + *scale + "'.");
    }
    return r;
}

ExhibitSettings exhibitSettings(const ExhibitRequest& r, const CaseDocument& doc, char separator) {
    ExhibitSettings s;
    s.decimalSeparator = separator;
    s.paper = r.paper;
    s.orientation = r.orientation ? *r.orientation : fittingOrientation(doc.state());
    s.scale = r.scale ? *r.scale
                      : fittingScale(doc.state(), viewCentre(doc.state(), doc.view()), s.paper,
                                     s.orientation);
    return s;
}

void writePng(const std::string& file, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw CliError::refused(file + ": the picture could not be encoded.");
    writeFileAtomically(file, std::span<const std::uint8_t>(
                                  reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                  static_cast<std::size_t>(bytes.size())));
}

void reportDrawing(const RedrawResult& result, CliEnvironment& env) {
    for (const std::string* text : {&result.conversionError, &result.brokenDefinitions})
        if (!text->empty()) env.warn(cp1252ToUtf8(*text));
}

} // namespace

void runRender(const CommandLine& line, CliEnvironment& env) {
    const std::string& file = line.argument(1);
    const Output output = outputOf(file);
    const int width = surfaceSide(line, "width", kDefaultSurfaceWidth);
    const int height = surfaceSide(line, "height", kDefaultSurfaceHeight);
    if (output == Output::Png)
        for (const char* exhibitOnly : {"scale", "paper", "orientation"})
            if (line.has(exhibitOnly))
                throw CliError::usage("--" + std::string(exhibitOnly) +
                                      " is for a PDF or SVG exhibit, not a PNG picture.");
    const ExhibitRequest request = exhibitRequest(line);
    const ProgramOptions program = env.programOptions(line);

    OffscreenGui gui;
    CaseDocument doc(env.decimalSeparator());
    openCaseFile(doc, line.argument(0), env, width, height);
    doc.setToggles(togglesAtStart(program));
    doc.setLabelHeight(program.labelHeight);
    if (output == Output::Png) {
        QImage image(width, height, QImage::Format_RGB32);
        RedrawResult result;
        {
            ui::QtCanvas canvas(image);
            result = doc.redraw(canvas);
        }
        writePng(file, image);
        return reportDrawing(result, env);
    }
    const ExhibitSettings settings = exhibitSettings(request, doc, env.decimalSeparator());
    const auto format = output == Output::Pdf ? ui::ExhibitFormat::Pdf : ui::ExhibitFormat::Svg;
    reportDrawing(
        ui::writeExhibit(file, doc.state(), doc.view(), settings, format, ui::sourceDateEpoch()),
        env);
}

} // namespace zorvane::cli
