#include "uno/OfficeProcess.h"

#include "reports/ReportError.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zorvane {

namespace {

constexpr int kStatusFd = 3;

// Runs the office, then writes its exit status to fd 3; the office itself does not keep fd 3.
constexpr const char* kWatchScript = "\"$@\" 3>&-; echo $? >&3";

[[noreturn]] void fail(const char* what) {
    throw ReportError(std::string("LibreOffice could not be started: ") + what + " (" +
                      std::strerror(errno) + ").");
}

// In the twice-forked child: only calls that are safe after fork() in a threaded program.
[[noreturn]] void execWatch(char* const* argv, int statusWrite) {
    ::setsid();
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
        for (int fd = 0; fd <= 2; ++fd) ::dup2(null, fd);
        if (null > 2 && null != statusWrite) ::close(null);
    }
    if (statusWrite != kStatusFd) {
        ::dup2(statusWrite, kStatusFd);
        ::close(statusWrite);
    } else {
        ::fcntl(kStatusFd, F_SETFD, 0);
    }
    ::execv("/bin/sh", argv);
    ::_exit(127);
}

} // namespace

OfficeProcess::OfficeProcess(const std::filesystem::path& program,
                             const std::vector<std::string>& arguments) {
    std::vector<std::string> words = {"sh", "-c", kWatchScript, "sh", program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) fail("no pipe");
    const pid_t first = ::fork();
    if (first < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        fail("no process");
    }
    if (first == 0) {
        // The middle child leaves at once, so that the watching shell belongs to init and
        // nobody here has to collect it.
        const pid_t second = ::fork();
        if (second == 0) execWatch(argv.data(), fds[1]);
        ::_exit(second < 0 ? 1 : 0);
    }
    ::close(fds[1]);
    watch_ = fds[0];
    int status = 0;
    while (::waitpid(first, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        ::close(watch_);
        watch_ = -1;
        errno = EAGAIN;
        fail("no process");
    }
}

OfficeProcess::~OfficeProcess() {
    if (watch_ >= 0) ::close(watch_); // the shell's late "echo" then fails; the office runs on
}

std::optional<int> OfficeProcess::exitStatus() {
    while (!ended_ && watch_ >= 0) {
        pollfd p{watch_, POLLIN, 0};
        if (::poll(&p, 1, 0) <= 0) return std::nullopt;
        char buffer[16];
        const ssize_t n = ::read(watch_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n > 0) {
            status_.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        // End of the pipe: the shell is gone, with or without telling.
        ended_ = status_.empty() ? -1 : std::atoi(status_.c_str());
    }
    return ended_;
}

} // namespace zorvane
