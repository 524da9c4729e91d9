#pragma once
// A progress bar for long file work (imports, exports). It appears only when the work looks
// like taking more than about a second, keeps the windows painting meanwhile, and its Cancel
// (or Escape) asks the work to stop.
#include "files/ProgressMeter.h"

#include <QProgressDialog>

namespace zorvane::ui {

class FileProgress {
  public:
    FileProgress(QWidget* parent, const QString& text);

    // Hand this to the core's file operation.
    const ProgressCallback& callback() const { return callback_; }
    bool cancelled() const { return dialog_.wasCanceled(); }

  private:
    bool update(double fraction);

    QProgressDialog dialog_;
    ProgressCallback callback_;
};

} // namespace zorvane::ui
