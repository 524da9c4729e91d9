#pragma once
#include "reports/ReportContent.h"

#include <QString>
#include <functional>

namespace zorvane::ui {

class ReportWaitWindow;

// Runs the slow part of a report (building and writing a document, driving an office) on a
// worker thread while the wait window shows how far it got. The windows go on painting;
// clicks, keys and close requests are swallowed meanwhile, so that nothing changes the case
// or starts a second report under the one being made. The wait window is hidden however the
// work ends; an error it threw is thrown again here.
class ReportJob {
  public:
    using Work = std::function<void(const ReportProgress& progress)>;

    static void run(ReportWaitWindow& wait, const QString& text, const Work& work);
};

} // namespace zorvane::ui
