// One writer of Kelmo.cfg at a time. Every change of the file (a place added, changed or
// removed, the settings line, the built-in file) reads the file, makes its one change and
// writes it back while holding this lock, so that two windows, or a window and the Timer,
// never write over each other's changes. The lock is an exclusive flock(2) on the folder that
// holds the file (the file itself is replaced by a rename, so a lock on it would not outlive one
// write, and a lock file would be one more file beside the settings); it goes with the process,
// however that ends.
#pragma once

#include <string>

namespace kelmo {

// How long a writer waits for another one; a change takes milliseconds.
inline constexpr int kConfigLockWaitMs = 10000;

class ConfigLock {
  public:
    // Waits up to kConfigLockWaitMs for the lock of file.
    explicit ConfigLock(const std::string& file);
    ~ConfigLock();
    ConfigLock(const ConfigLock&) = delete;
    ConfigLock& operator=(const ConfigLock&) = delete;

    // True when another writer kept the lock beyond kConfigLockWaitMs: the change is not to be
    // made. A folder that cannot be opened, or a file system without locks (some network file
    // systems refuse them on folders), lets the change go ahead unlocked rather than never.
    bool timedOut() const { return timedOut_; }

  private:
    int fd_ = -1;
    bool timedOut_ = false;
};

}  // namespace kelmo
