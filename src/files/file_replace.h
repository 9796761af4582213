// Reading a whole file, and replacing a file's contents so that it holds either its old or its
// new contents at every moment: the new text goes into a temporary file in the same directory,
// which is flushed, closed and then renamed over the file (a rename within one directory
// replaces the name in one step). A failure at any point leaves the old file whole.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace kelmo {

// The whole file as bytes; false when it cannot be opened or read.
bool readFileText(const std::string& path, std::string& text);

// A new, empty temporary file opened for reading and writing ("w+"), created exclusively in
// directory (which ends in a separator, or is empty for the current directory).
struct TempFile {
    std::FILE* file = nullptr;  // null when no file could be created
    std::string name;
};
TempFile openTempFile(const std::string& directory);

enum class ReplaceResult {
    kDone,
    kCannotCreate,  // no temporary file could be created beside the target
    kCannotWrite,   // writing, flushing or closing the temporary file failed
    kCannotRename,  // the temporary file could not take the target's place
};

// Writes text to a temporary file beside path and renames it over path (a symbolic link is
// followed: its target is replaced). The new file gets the old file's permissions. On failure
// the temporary file is removed where possible and path is untouched.
ReplaceResult replaceFileContents(const std::string& path, std::string_view text);

// For tests of failures: called with the target path after the temporary file is complete and
// before the rename. Empty (no call) unless a test sets it.
void setBeforeReplaceHook(std::function<void(const std::string&)> hook);

}  // namespace kelmo
