// Reading a whole file, and replacing a file's contents so that it holds either its old or its
// new contents at every moment: the new text goes into a temporary file in the same directory,
// which is flushed to the disk, closed and then renamed over the file (a rename within one
// directory replaces the name in one step); the directory is flushed after the rename, so the
// new contents survive a power cut. A failure at any point leaves the old file whole.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace kelmo {

// No configuration file is near this size; reading stops beyond it (a device such as /dev/zero
// would never end).
inline constexpr std::size_t kMaxReadBytes = 16 * 1024 * 1024;

enum class ReadResult { kDone, kCannotRead, kTooLarge };

// The whole file as bytes, at most maxBytes of them.
ReadResult readFileBytes(const std::string& path, std::string& text,
                         std::size_t maxBytes = kMaxReadBytes);
// readFileBytes; false unless the whole file was read.
bool readFileText(const std::string& path, std::string& text);

// A new, empty temporary file opened for reading and writing ("w+"), created exclusively in
// directory (which ends in a separator, or is empty for the current directory). Its name,
// ".Kelmo-<process id>-<random>.tmp", tells which process writes it.
struct TempFile {
    std::FILE* file = nullptr;  // null when no file could be created
    std::string name;
};
TempFile openTempFile(const std::string& directory);

enum class ReplaceResult {
    kDone,
    kCannotCreate,  // no temporary file could be created beside the target
    kCannotWrite,   // writing, flushing or closing the temporary file failed
    kCannotRename,  // the target may not be written, or the temporary file could not take its place
    kUnsafeLink,    // a link on the way may not be followed (linkMayBeFollowed)
};

// False when path is, or leads through, a symbolic link that lies in a sticky folder others
// may write (/tmp) and belongs neither to this user nor to the folder's owner: the kernel's
// protected_symlinks rule for open, kept here too because a replacement renames instead of
// opening, which that rule cannot stop.
bool linkMayBeFollowed(const std::string& path);

// Writes text to a temporary file beside path and renames it over path (a symbolic link is
// followed: its target is replaced; kUnsafeLink for a link linkMayBeFollowed refuses). The new file
// gets the old file's permissions; a target the user may not write (or that has no write permission
// at all) is left as it is, as opening it for writing would fail. Temporary files left beside it by
// writers that were killed are removed first. On failure the temporary file is removed where
// possible and path is untouched.
ReplaceResult replaceFileContents(const std::string& path, std::string_view text);

// For tests of failures: called with the target path after the temporary file is complete and
// before the rename. Empty (no call) unless a test sets it.
void setBeforeReplaceHook(std::function<void(const std::string&)> hook);

}  // namespace kelmo
