#include "platform/start_detached.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

extern char** environ;

namespace kelmo::platform {

namespace {

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// Closes a descriptor, retrying when a signal interrupts.
void closeDescriptor(int fd) {
    while (::close(fd) != 0 && errno == EINTR) {
    }
}

// Runs in the grandchild after fork: only async-signal-safe calls until exec. Reports the
// exec failure's errno through the pipe (closed on a successful exec). Descriptors beyond
// the standard three (sockets, files of the starting program) are not handed on.
[[noreturn]] void execProgram(const char* path, char* const* argv, int reportFd) {
    ::setsid();
#ifdef CLOSE_RANGE_CLOEXEC
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);  // older kernels refuse: nothing is lost
#endif
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execve(path, argv, environ);
    const int error = errno;
    [[maybe_unused]] const ssize_t n = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

// Waits for the intermediate child, which ends at once after its own fork.
bool reapIntermediate(pid_t child) {
    int status = 0;
    pid_t r;
    while ((r = ::waitpid(child, &status, 0)) < 0 && errno == EINTR) {
    }
    if (r < 0) return errno == ECHILD;  // reaped elsewhere (SIGCHLD ignored): judge by the pipe
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// True when the pipe was closed without a report, i.e. the exec succeeded.
bool execSucceeded(int reportFd) {
    int error = 0;
    ssize_t n;
    while ((n = ::read(reportFd, &error, sizeof error)) < 0 && errno == EINTR) {
    }
    return n == 0;
}

}  // namespace

std::string findProgram(const std::string& program) {
    if (program.empty()) return {};
    if (isExecutableFile(program))
        return program.find('/') == std::string::npos ? "./" + program : program;
    if (program.find('/') != std::string::npos) return {};
    const char* path = std::getenv("PATH");
    if (path == nullptr) return {};
    const std::string dirs = path;
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        const std::string dir = dirs.substr(start, end - start);
        if (!dir.empty()) {
            const std::string candidate = dir + "/" + program;
            if (isExecutableFile(candidate)) return candidate;
        }
        start = end + 1;
    }
    return {};
}

ProgramStart startDetached(const std::string& program, const std::vector<std::string>& args) {
    const std::string path = findProgram(program);
    if (path.empty()) return ProgramStart::notFound;

    // Everything the children need is prepared before fork.
    std::vector<std::string> words;
    words.reserve(args.size() + 1);
    words.push_back(program);
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return ProgramStart::failed;
    const pid_t child = ::fork();
    if (child < 0) {
        closeDescriptor(report[0]);
        closeDescriptor(report[1]);
        return ProgramStart::failed;
    }
    if (child == 0) {
        closeDescriptor(report[0]);
        const pid_t grandchild = ::fork();
        if (grandchild == 0) execProgram(path.c_str(), argv.data(), report[1]);
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    closeDescriptor(report[1]);
    const bool forked = reapIntermediate(child);
    const bool executed = execSucceeded(report[0]);
    closeDescriptor(report[0]);
    return forked && executed ? ProgramStart::started : ProgramStart::failed;
}

}  // namespace kelmo::platform
