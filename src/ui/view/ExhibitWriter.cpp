#include "ui/view/ExhibitWriter.h"

#include "ui/view/PainterCanvas.h"

#include "app/Version.h"
#include "files/AtomicFile.h"
#include "text/Cp1252.h"
#include "view/ExhibitLayout.h"
#include "view/ExhibitPlan.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <span>

namespace zorvane::ui {
namespace {

// One device unit is a sheet unit: a tenth of a millimetre is 1/254 inch.
constexpr int kSheetDpi = 254;
// A one-pixel pen of the plan is 0.1 mm wide on paper, a 3-pixel dot 0.3 mm across: the dot
// stays clear of its label, which starts 0.2 mm to its right.
constexpr double kPlanPenScale = 2.0;

// The sheet on one painter; the frame's canvases translated, scaled and clipped on the same
// painter while they are in use.
class PainterCanvases final : public ExhibitCanvases {
  public:
    PainterCanvases(QPainter& painter, const SheetRect& frame)
        : painter_(painter), frame_(frame), sheet_(painter) {}

    Canvas& sheet() override {
        leaveFrame();
        return sheet_;
    }
    Canvas& plan() override { return inFrame(1.0, kPlanPenScale); }
    // A pixel's pen is as wide as the plan's.
    Canvas& legend() override {
        return inFrame(kPlanUnitsPerPixel, kPlanPenScale / kPlanUnitsPerPixel);
    }
    void finish() { leaveFrame(); }

  private:
    // A canvas on the frame whose unit is `planUnits` plan units.
    Canvas& inFrame(double planUnits, double penScale) {
        if (frameCanvas_ && frameUnits_ == planUnits) return *frameCanvas_;
        leaveFrame();
        painter_.save();
        painter_.translate(frame_.left, frame_.top);
        const double scale = planUnits / kPlanUnitsPerSheetUnit;
        painter_.scale(scale, scale);
        frameCanvas_ = std::make_unique<PainterCanvas>(painter_, penScale);
        frameCanvas_->setClip(QRectF(0, 0, frame_.width() / scale, frame_.height() / scale));
        frameUnits_ = planUnits;
        return *frameCanvas_;
    }
    void leaveFrame() {
        if (!frameCanvas_) return;
        frameCanvas_.reset();
        painter_.restore();
    }

    QPainter& painter_;
    SheetRect frame_;
    PainterCanvas sheet_;
    std::unique_ptr<PainterCanvas> frameCanvas_;
    double frameUnits_ = 0;
};

RedrawResult paint(QPainter& painter, const ExhibitLayout& layout, ExhibitPlan& plan) {
    PainterCanvases canvases(painter, layout.frame);
    RedrawResult result = drawExhibit(layout, plan, canvases);
    canvases.finish();
    return result;
}

QPageSize::PageSizeId pageSizeId(Paper paper) {
    switch (paper) {
    case Paper::A4:
        return QPageSize::A4;
    case Paper::A3:
        return QPageSize::A3;
    case Paper::Letter:
        return QPageSize::Letter;
    }
    return QPageSize::A4;
}

// Qt writes the clock's time as "/CreationDate (D:YYYYMMDDHHmmSSZ)" near the start of the
// file; the same number of digits in its place leaves every offset of the file as it was.
void stampCreationDate(QByteArray& pdf, std::time_t made) {
    static constexpr char kKey[] = "/CreationDate (D:";
    const qsizetype at = pdf.indexOf(kKey);
    constexpr qsizetype kDigits = 14;
    if (at < 0 || at + qsizetype(sizeof kKey) - 1 + kDigits > pdf.size()) return;
    char* digits = pdf.data() + at + sizeof kKey - 1;
    for (qsizetype i = 0; i < kDigits; ++i)
        if (!std::isdigit(static_cast<unsigned char>(digits[i]))) return;
    std::tm utc{};
    if (!gmtime_r(&made, &utc)) return;
    char text[kDigits + 1];
    if (std::strftime(text, sizeof text, "%Y%m%d%H%M%S", &utc) != kDigits) return;
    std::memcpy(digits, text, kDigits);
}

QString titleOf(const CaseData& data) {
    return QString::fromStdString(cp1252ToUtf8(data.caseName));
}

QByteArray pdfOf(const ExhibitLayout& layout, ExhibitPlan& plan, const QString& title,
                 RedrawResult& report) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kSheetDpi);
        pdf.setPageLayout(QPageLayout(QPageSize(pageSizeId(layout.settings.paper)),
                                      layout.settings.orientation == Orientation::Landscape
                                          ? QPageLayout::Landscape
                                          : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
        pdf.setTitle(title);
        pdf.setCreator(kProductName);
        QPainter painter(&pdf);
        report = paint(painter, layout, plan);
    }
    return bytes;
}

QByteArray svgOf(const ExhibitLayout& layout, ExhibitPlan& plan, const QString& title,
                 RedrawResult& report) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kSheetDpi);
    svg.setSize(QSize(layout.sheet.width, layout.sheet.height));
    svg.setViewBox(QRect(0, 0, layout.sheet.width, layout.sheet.height));
    svg.setTitle(title);
    svg.setDescription(
        QString("%1, scale %2")
            .arg(kProductName, QString::fromStdString(scaleText(layout.settings.scale))));
    QPainter painter(&svg);
    report = paint(painter, layout, plan);
    painter.end();
    return bytes;
}

} // namespace

std::optional<ExhibitFormat> exhibitFormatFor(const std::filesystem::path& file) {
    const std::string ext = file.extension().string();
    if (equalsIgnoreCase(ext, ".pdf")) return ExhibitFormat::Pdf;
    if (equalsIgnoreCase(ext, ".svg")) return ExhibitFormat::Svg;
    return std::nullopt;
}

std::optional<std::time_t> sourceDateEpoch() {
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (!text || !*text) return std::nullopt;
    char* end = nullptr;
    const long long seconds = std::strtoll(text, &end, 10);
    if (*end != '\0' || seconds < 0) return std::nullopt;
    return static_cast<std::time_t>(seconds);
}

ExhibitOutput renderExhibit(const CaseData& data, const PlanView& current,
                            const ExhibitSettings& settings, ExhibitFormat format,
                            std::optional<std::time_t> made) {
    const ExhibitLayout layout = layoutExhibit(settings, data, viewCentre(data, current));
    ExhibitPlan plan = makeExhibitPlan(data, current, layout);
    ExhibitOutput out;
    if (format == ExhibitFormat::Pdf) {
        out.bytes = pdfOf(layout, plan, titleOf(data), out.report);
        if (made) stampCreationDate(out.bytes, *made);
    } else {
        out.bytes = svgOf(layout, plan, titleOf(data), out.report);
    }
    return out;
}

RedrawResult writeExhibit(const std::filesystem::path& file, const CaseData& data,
                          const PlanView& current, const ExhibitSettings& settings,
                          ExhibitFormat format, std::optional<std::time_t> made) {
    ExhibitOutput out = renderExhibit(data, current, settings, format, made);
    writeFileAtomically(file, std::span<const std::uint8_t>(
                                  reinterpret_cast<const std::uint8_t*>(out.bytes.constData()),
                                  static_cast<std::size_t>(out.bytes.size())));
    return out.report;
}

} // namespace zorvane::ui
