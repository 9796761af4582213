#include "files/settings/config_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "files/settings/program_path.h"

namespace kelmo {

namespace {

constexpr auto kRetryInterval = std::chrono::milliseconds(2);

}  // namespace

ConfigLock::ConfigLock(const std::string& file) {
    const std::string folder = directoryOf(file);
    fd_ = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;  // no folder to lock: the change itself will say what fails
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kConfigLockWaitMs);
    while (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return;  // a file system without locks
        if (std::chrono::steady_clock::now() >= deadline) {
            timedOut_ = true;
            return;
        }
        std::this_thread::sleep_for(kRetryInterval);
    }
}

ConfigLock::~ConfigLock() {
    if (fd_ >= 0) close(fd_);  // closing the last descriptor releases the lock
}

}  // namespace kelmo
