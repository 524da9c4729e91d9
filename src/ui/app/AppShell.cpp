#include "ui/app/AppShell.h"

#include "ui/app/CaseCommands.h"
#include "ui/app/EditCommands.h"
#include "ui/app/EntryController.h"
#include "ui/app/HelpCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/reports/ReportCommands.h"
#include "ui/view/DrawingWindow.h"
#include "ui/view/PolylinesWindow.h"

#include <QLocale>
#include <QPushButton>

namespace zorvane::ui {

char localeDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
}

AppShell::AppShell(AppContext& context)
    : ctx_(context), doc_(localeDecimalSeparator()), main_(std::make_unique<MainWindow>()) {
    drawing_ = std::make_unique<DrawingWindow>(ctx_, doc_);
    polylines_ = new PolylinesWindow(ctx_, doc_, main_.get());
    doc_.setLabelHeight(ctx_.options.labelHeight);

    help_ = new HelpCommands(ctx_, *main_);
    cases_ = new CaseCommands(ctx_, doc_, *main_);
    entry_ = new EntryController(ctx_, doc_, *main_);
    edit_ = new EditCommands(ctx_, doc_, *main_, [this] { help_->showHelp(); });
    new ReportCommands(ctx_, doc_, *main_, *drawing_);

    QObject::connect(main_->showButton(), &QPushButton::clicked, main_.get(), [this] { toggleDrawing(); });
    QObject::connect(cases_, &CaseCommands::quitting, main_.get(), [this] {
        drawing_->hideWithToolbars();
        polylines_->hide();
    });
    QObject::connect(drawing_.get(), &DrawingWindow::closedByUser, main_.get(), [this] { drawingClosed(); });
    QObject::connect(drawing_.get(), &DrawingWindow::polylinesRequested, main_.get(), [this] { showPolylines(); });
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
