#include "ui/view/ExhibitCommands.h"

#include "ui/app/MainWindow.h"
#include "ui/view/DrawingWindow.h"
#include "ui/view/ExhibitDialog.h"
#include "ui/view/ExhibitWriter.h"

#include "view/ExhibitLayout.h"

#include <QAction>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace zorvane::ui {
namespace {

constexpr const char* kAction = "ExportPlan1";
constexpr const char* kButton = "bexhibit";
constexpr const char* kFilter = "PDF files (*.pdf)|*.pdf|SVG files (*.svg)|*.svg";

// A sheet with a plan, a frame and a title block.
QIcon exhibitIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 5.5, 25, 21));
    p.drawLine(QPointF(3.5, 21.5), QPointF(28.5, 21.5));
    p.drawLine(QPointF(21.5, 21.5), QPointF(21.5, 26.5));
    p.setPen(QPen(QColor(200, 30, 30), 2));
    p.drawPolyline(QPolygonF({QPointF(7, 18), QPointF(13, 10), QPointF(19, 15), QPointF(25, 9)}));
    return QIcon(pixmap);
}

} // namespace

ExhibitCommands::ExhibitCommands(const AppContext& context, CaseDocument& document,
                                 MainWindow& window, DrawingWindow& drawing)
    : QObject(&window), ctx_(context), doc_(document), window_(window), drawing_(drawing) {
    connect(window_.action(kAction), &QAction::triggered, this,
            ctx_.guarded([this] { exportPlan(); }));
    if (QToolButton* button = drawing_.button(kButton)) {
        button->setIcon(exhibitIcon());
        connect(button, &QToolButton::clicked, this, ctx_.guarded([this] { exportPlan(); }));
    }
    observer_ = doc_.observe([this](unsigned changes) {
        if (!(changes & kCaseReplaced)) return;
        last_.reset(); // another site wants its own scale
        enable();
    });
    enable();
}

ExhibitCommands::~ExhibitCommands() {
    doc_.forget(observer_);
}

void ExhibitCommands::enable() {
    window_.action(kAction)->setEnabled(doc_.started());
    if (QToolButton* button = drawing_.button(kButton)) button->setEnabled(doc_.started());
}

ExhibitSettings ExhibitCommands::suggestedSettings() const {
    if (last_) return *last_;
    const CaseState& s = doc_.state();
    ExhibitSettings settings;
    settings.decimalSeparator = s.decimalSeparator;
    settings.paper = paper_;
    settings.orientation = fittingOrientation(s);
    settings.scale =
        fittingScale(s, viewCentre(s, doc_.view()), settings.paper, settings.orientation);
    return settings;
}

std::optional<ExhibitSettings> ExhibitCommands::askSettings() {
    ExhibitDialog dialog(&window_);
    dialog.setSettings(suggestedSettings());
    connect(&dialog, &ExhibitDialog::invalidScale, this,
            [this] { ctx_.prompts.error(kInvalidScaleMessage); });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.settings();
}

bool ExhibitCommands::exportPlan() {
    if (!doc_.started()) return false;
    const std::optional<ExhibitSettings> settings = askSettings();
    if (!settings) return false;
    last_ = settings;
    paper_ = settings->paper;
    FileDialogRequest request;
    request.title = "Export Plan as PDF / SVG";
    request.filter = kFilter;
    request.defaultExtension = "pdf";
    request.initialFolder = ctx_.settings.folder(kExhibitFolderSetting);
    const auto file = ctx_.prompts.saveFile(request);
    if (!file) return false;
    ctx_.settings.setFolder(kExhibitFolderSetting,
                            QFileInfo(QString::fromStdString(*file)).absolutePath().toStdString());
    const auto format = exhibitFormatFor(*file);
    if (!format) {
        ctx_.prompts.error("An exhibit is written as a PDF (.pdf) or SVG (.svg) file.");
        return false;
    }
    // The drawing window has reported broken definitions already; the exhibit leaves them out
    // the same way.
    writeExhibit(*file, doc_.state(), doc_.view(), *settings, *format);
    return true;
}

} // namespace zorvane::ui
