#pragma once
// Field methods beyond the tape: "Import total station file…" (Leica GSI and plain PNEZD /
// PENZD files as a new case) and "Triangulate point…" (a point from two taped distances).
#include "case/CaseDocument.h"
#include "files/PlainPointImport.h"
#include "ui/app/AppContext.h"

#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace zorvane::ui {

class CaseCommands;
class CoordinateCommands;
class MainWindow;
class TotalStationImportDialog;
class TriangulationDialog;

class FieldSurveyCommands : public QObject {
    Q_OBJECT
  public:
    FieldSurveyCommands(AppContext& context, CaseDocument& document, MainWindow& window,
                        CaseCommands& cases, CoordinateCommands& coordinates);
    ~FieldSurveyCommands() override;

    // The save prompt, the open dialog, the file's look and its order, then the whole file
    // read aside; the open case is replaced only by a case with at least one point. True when
    // it was.
    bool importTotalStationFile();
    void showTriangulation();
    // "&Create Point" of the triangulation dialog.
    void createTriangulatedPoint();

    TotalStationImportDialog* importDialog() const { return importDialog_; }
    TriangulationDialog* triangulationDialog() const { return triangulation_; }

  private:
    void caseChanged(unsigned changes);
    std::optional<PlainPointOrder> askOrder(const QString& file);
    void refuseEmpty(const QString& file, const std::vector<std::string>& errors);

    AppContext& ctx_;
    CaseDocument& doc_;
    MainWindow& window_;
    CaseCommands& cases_;
    CoordinateCommands& coordinates_;
    TotalStationImportDialog* importDialog_;
    TriangulationDialog* triangulation_;
    int observer_ = 0;
};

} // namespace zorvane::ui
