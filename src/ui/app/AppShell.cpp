#include "ui/app/AppShell.h"

#include "ui/app/CaseCommands.h"
#include "ui/app/EditCommands.h"
#include "ui/app/EntryController.h"
#include "ui/app/HelpCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/dxf/DxfCommands.h"
#include "ui/files/AttachmentCommands.h"
#include "ui/files/CoordinateCommands.h"
#include "ui/files/ImagesWindow.h"
#include "ui/files/ProgramOptionsCommands.h"
#include "ui/reports/ReportCommands.h"
#include "ui/survey/FieldSurveyCommands.h"
#include "ui/view/DecimalSeparator.h"
#include "ui/view/DrawingWindow.h"
#include "ui/view/ExhibitCommands.h"
#include "ui/view/PolylinesWindow.h"

#include <QPushButton>

namespace zorvane::ui {

AppShell::AppShell(AppContext& context)
    : ctx_(context), doc_(localeDecimalSeparator()), main_(std::make_unique<MainWindow>()) {
    drawing_ = std::make_unique<DrawingWindow>(ctx_, doc_);
    polylines_ = new PolylinesWindow(ctx_, doc_, main_.get());
    doc_.setLabelHeight(ctx_.options.labelHeight);

    help_ = new HelpCommands(ctx_, *main_);
    cases_ = new CaseCommands(ctx_, doc_, *main_);
    entry_ = new EntryController(ctx_, doc_, *main_);
    edit_ = new EditCommands(ctx_, doc_, *main_, [this] { help_->showHelp(); });
    programOptions_ = new ProgramOptionsCommands(ctx_, doc_, *main_, [this] { help_->showHelp(); });
    coordinates_ =
        new CoordinateCommands(ctx_, doc_, *main_, *cases_, [this] { help_->showHelp(); });
    attachments_ =
        new AttachmentCommands(ctx_, doc_, *main_, *drawing_, [this] { help_->showHelp(); });
    new ExhibitCommands(ctx_, doc_, *main_, *drawing_);
    dxf_ = new DxfCommands(ctx_, doc_, *main_, [this] { help_->showHelp(); });
    new ReportCommands(ctx_, doc_, *main_, *drawing_);
    fieldSurvey_ = new FieldSurveyCommands(ctx_, doc_, *main_, *cases_, *coordinates_);

    QObject::connect(main_->showButton(), &QPushButton::clicked, main_.get(),
                     [this] { toggleDrawing(); });
    QObject::connect(cases_, &CaseCommands::quitting, main_.get(), [this] { quitting(); });
    QObject::connect(drawing_.get(), &DrawingWindow::closedByUser, main_.get(),
                     [this] { drawingClosed(); });
    QObject::connect(drawing_.get(), &DrawingWindow::polylinesRequested, main_.get(),
                     [this] { showPolylines(); });
    QObject::connect(drawing_.get(), &DrawingWindow::showMainRequested, main_.get(), [this] {
        main_->raise();
        main_->activateWindow();
    });
    QObject::connect(drawing_.get(), &DrawingWindow::labelHeightChanged, main_.get(),
                     [this](int height) { ctx_.options.labelHeight = height; });
    // The polylines window passes Ctrl+Z and Ctrl+Y to the main window's Undo and Redo.
    QObject::connect(polylines_, &PolylinesWindow::undoRequested, main_.get(), [this] {
        if (doc_.canUndo()) ctx_.run([this] { doc_.undo(); });
    });
    QObject::connect(polylines_, &PolylinesWindow::redoRequested, main_.get(), [this] {
        if (doc_.canRedo()) ctx_.run([this] { doc_.redo(); });
    });
}

AppShell::~AppShell() = default;

void AppShell::start() {
    std::vector<std::string> reset;
    if (std::string imports = coordinates_->readImportOptions(); !imports.empty())
        reset.push_back(imports);
    for (std::string& sentence : programOptions_->loadAtStart())
        reset.push_back(std::move(sentence));
    const ProgramOptions& o = ctx_.options;
    doc_.setNorthArrow({10, 5});
    // The label font follows the options whatever the windows' state says.
    doc_.setLabelHeight(o.labelHeight);
    if (o.rememberWindows)
        restoreWindows(o);
    else
        ctx_.options.autoZoomAllInReports = false; // the report option's box starts unticked
    main_->show();
    if (o.rememberWindows && o.drawingVisible) toggleDrawing();
    if (o.rememberWindows && o.polylinesVisible) showPolylines();
    if (!reset.empty()) {
        std::string text;
        for (const std::string& sentence : reset) text += (text.empty() ? "" : "\n") + sentence;
        ctx_.prompts.information(text);
    }
}

void AppShell::restoreWindows(const ProgramOptions& o) {
    if (o.compactMode != main_->compactMode()) main_->toggleCompact();
    main_->move(o.mainWindow.left, o.mainWindow.top);
    drawingPlaced_ = true; // where it was, not below the main window
    if (o.drawingWindow.left == kMaximisedLeft) {
        drawing_->setWindowState(drawing_->windowState() | Qt::WindowMaximized);
    } else {
        drawing_->move(o.drawingWindow.left, o.drawingWindow.top);
        drawing_->resize(o.drawingWindow.width, o.drawingWindow.height);
    }
    polylinesPlaced_ = true;
    polylines_->move(o.polylinesWindow.left, o.polylinesWindow.top); // its size is its own
    ImagesWindow& images = *attachments_->imagesWindow();
    const QRect imagesAt(o.imagesWindow.left, o.imagesWindow.top, o.imagesWindow.width,
                         o.imagesWindow.height);
    if (o.imagesVisible)
        images.showAt(imagesAt);
    else
        images.setPlacement(imagesAt);
    drawing_->showToggles(togglesAtStart(o));
    drawing_->showLabelHeight(o.labelHeight);
}

void AppShell::snapshotWindows(ProgramOptions& o) {
    auto rectOf = [](const QWidget& w) {
        const QRect r = w.frameGeometry();
        return WindowRect{r.left(), r.top(), r.width(), r.height()};
    };
    o.compactMode = main_->compactMode();
    o.mainWindow = rectOf(*main_);
    o.drawingVisible = drawingShown_;
    o.drawingWindow = rectOf(*drawing_);
    if (drawing_->isMaximized()) {
        const QRect normal = drawing_->normalGeometry();
        o.drawingWindow = {kMaximisedLeft, normal.top(), normal.width(), normal.height()};
    }
    o.polylinesVisible = polylines_->isVisible();
    o.polylinesWindow = rectOf(*polylines_);
    o.imagesVisible = attachments_->imagesWindow()->isVisible();
    o.imagesWindow = rectOf(*attachments_->imagesWindow());
    const DisplayToggles& t = doc_.view().toggles;
    o.showNumbers = t.showNumbers;
    o.showDescriptions = t.showDescriptions;
    o.onlyMarked = t.onlyMarked;
    o.showPolylines = t.showPolylines;
    o.showPoints = t.showPoints;
    o.showNorthArrow = t.showNorthArrow;
}

void AppShell::quitting() {
    programOptions_->takeAtQuit();
    snapshotWindows(ctx_.options);
    programOptions_->writeAtQuit();
    drawing_->hideWithToolbars();
    polylines_->hide();
    attachments_->imagesWindow()->hide();
}

void AppShell::toggleDrawing() {
    if (drawingShown_) {
        drawing_->hideWithToolbars();
        polylines_->hide();
        main_->showButton()->setText("Show");
    } else {
        if (!drawingPlaced_) {
            drawing_->move(main_->frameGeometry().left(), main_->frameGeometry().top() + 310);
            drawingPlaced_ = true;
        }
        drawing_->showWithToolbars();
        main_->showButton()->setText("Hide");
        ctx_.run([this] { doc_.ensurePointsVisible(); });
    }
    drawingShown_ = !drawingShown_;
}

void AppShell::drawingClosed() {
    drawingShown_ = false;
    polylines_->hide();
    main_->showButton()->setText("Show");
}

void AppShell::showPolylines() {
    if (!polylinesPlaced_) { // the first time beside the drawing, not over it
        polylines_->move(drawing_->frameGeometry().topRight() + QPoint(8, 0));
        polylinesPlaced_ = true;
    }
    polylines_->show();
    polylines_->raise();
}

} // namespace zorvane::ui
