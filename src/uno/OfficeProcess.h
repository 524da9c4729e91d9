#pragma once
// An office started for the reports. It runs detached from this program (setsid): it holds
// the user's report window and must outlive us. A small shell stays beside
// it to tell us if it ends early (a start that fails, or an soffice that handed its arguments
// to an office already running and left).
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zorvane {

class OfficeProcess {
  public:
    // Starts `program` with `arguments`; its output goes to /dev/null. Throws ReportError
    // when no process can be started at all.
    OfficeProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments);
    ~OfficeProcess();
    OfficeProcess(const OfficeProcess&) = delete;
    OfficeProcess& operator=(const OfficeProcess&) = delete;

    // The program's exit status once it has ended (-1: it could not be run at all); nothing
    // while it runs. Never waits.
    std::optional<int> exitStatus();

  private:
    int watch_ = -1; // read end of the pipe the shell writes the exit status to
    std::string status_;
    std::optional<int> ended_;
};

} // namespace zorvane
