#include "ui/files/AttachmentCommands.h"

#include "ui/app/MainWindow.h"
#include "ui/files/ImagesWindow.h"
#include "ui/files/IncidentDialog.h"
#include "ui/view/DrawingWindow.h"

#include <QScreen>
#include <QToolButton>

namespace zorvane::ui {

AttachmentCommands::AttachmentCommands(const AppContext& context, CaseDocument& document,
                                       MainWindow& window, DrawingWindow& drawing,
                                       std::function<void()> showHelp)
    : QObject(&window), ctx_(context), doc_(document), window_(window),
      incident_(new IncidentDialog(&window)),
      images_(new ImagesWindow(context, document, &window)) {
    connect(incident_, &IncidentDialog::helpRequested, this,
            [help = std::move(showHelp)] { help(); });
    connect(window_.incidentButton(), &QToolButton::clicked, this,
            ctx_.guarded([this] { editIncident(); }));
    connect(&drawing, &DrawingWindow::imagesRequested, this,
            ctx_.guarded([this] { showImages(); }));
    window_.incidentButton()->setEnabled(doc_.started());
    observer_ = doc_.observe([this](unsigned changes) {
        if (changes & kCaseReplaced) window_.incidentButton()->setEnabled(doc_.started());
    });
}

AttachmentCommands::~AttachmentCommands() {
    doc_.forget(observer_);
}

bool AttachmentCommands::editIncident() {
    if (!doc_.started()) return false;
    // What the case holds, not what a cancelled visit left in the fields.
    incident_->load(doc_.state().incident);
    if (incident_->exec() != QDialog::Accepted) return false;
    doc_.setIncident(incident_->record());
    return true;
}

void AttachmentCommands::showImages() {
    const bool first = !images_->placed();
    if (first) // beside the main window, where it covers neither the plan nor the data
        images_->setPlacement(
            QRect(window_.frameGeometry().topRight() + QPoint(8, 0), images_->placement().size()));
    images_->show();
    if (first) keepOnDesktop(images_);
    images_->raise();
    images_->activateWindow();
}

void AttachmentCommands::keepOnDesktop(QWidget* w) {
    const QScreen* screen = w->screen();
    if (!screen) return;
    const QRect desktop = screen->availableGeometry();
    QRect frame = w->frameGeometry();
    frame.moveRight(std::min(frame.right(), desktop.right()));
    frame.moveBottom(std::min(frame.bottom(), desktop.bottom()));
    frame.moveLeft(std::max(frame.left(), desktop.left()));
    frame.moveTop(std::max(frame.top(), desktop.top()));
    w->move(frame.topLeft());
}

} // namespace zorvane::ui
