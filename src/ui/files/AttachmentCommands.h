#pragma once
// The incident description and the photographs of a case: the top panel's incident button and
// the drawing window's " View Images".
#include "case/CaseDocument.h"
#include "ui/app/AppContext.h"

#include <QObject>
#include <functional>

namespace zorvane::ui {

class DrawingWindow;
class ImagesWindow;
class IncidentDialog;
class MainWindow;

class AttachmentCommands : public QObject {
    Q_OBJECT
  public:
    AttachmentCommands(const AppContext& context, CaseDocument& document, MainWindow& window,
                       DrawingWindow& drawing, std::function<void()> showHelp);
    ~AttachmentCommands() override;

    // The incident window, filled from the case's record; "Ok" stores what it holds. True
    // after "Ok".
    bool editIncident();
    // Shows the images window (beside the main window the first time) and brings it forward.
    void showImages();

    IncidentDialog* incidentDialog() const { return incident_; }
    ImagesWindow* imagesWindow() const { return images_; }

  private:
    static void keepOnDesktop(QWidget* w);

    const AppContext& ctx_;
    CaseDocument& doc_;
    MainWindow& window_;
    IncidentDialog* incident_;
    ImagesWindow* images_;
    int observer_ = 0;
};

} // namespace zorvane::ui
