// Where this user's background Timer listens, and the checks that keep another user from
// posing as it. The socket "KelmoTimer" and its lock file "KelmoTimer.lock" lie in a folder
// that only this user may write: $XDG_RUNTIME_DIR (the freedesktop per-user runtime folder)
// when it is set and is such a folder, else "KelmoTimes-<user id>" in the temporary directory
// ($TMPDIR when that is a directory, else /tmp), created with mode 0700. A folder whose socket
// path would not fit a Unix socket address is passed over the same way. Every start of the
// Timer and every client take the same choice, so they meet at one socket and one lock. A
// folder or socket that belongs to someone else is never trusted: the Timer does not listen
// there and a client does not connect there.
#pragma once

#include <sys/un.h>

#include <cstddef>
#include <string>

namespace kelmo::platform {

inline constexpr const char* kTimerSocketName = "KelmoTimer";
inline constexpr const char* kTimerLockSuffix = ".lock";
// The longest path a Unix socket address holds (without its terminating zero).
inline constexpr std::size_t kMaxSocketPathBytes = sizeof(sockaddr_un{}.sun_path) - 1;

inline constexpr const char* kDefaultTemporaryDirectory = "/tmp";

// The temporary directory: $TMPDIR when set and not empty, else /tmp, without "." parts,
// doubled or trailing slashes, and with symbolic links resolved.
std::string temporaryDirectory();
// The same for a given directory.
std::string temporaryDirectory(const std::string& given);

// The folder of this user's Timer socket, and the socket's path in it (at most
// kMaxSocketPathBytes long, unless even /tmp's is longer).
std::string timerSocketFolder();
std::string timerSocketPath();

// The folder part of a socket path (without the trailing "/"; "/" for the root).
std::string folderOf(const std::string& path);

// True when folder is a directory, not a symbolic link, owned by this user, that neither its
// group nor others may write.
bool isPrivateFolder(const std::string& folder);
// Creates folder with mode 0700 when it does not exist (its parent must exist); then
// isPrivateFolder.
bool makePrivateFolder(const std::string& folder);

// True when path is a socket owned by this user in a private folder: the only place a client
// sends its messages to.
bool isTrustedSocket(const std::string& path);

}  // namespace kelmo::platform
