// Whole-file reads and writes for the note and memo files.
//
// Paths are narrow GB18030 text relative to the current directory (the notes
// folder, entered once at start-up). A write never destroys what was on
// disk: the new bytes go to a temporary file beside the target, are flushed
// to the disk and then replace the old file in one step. If any step fails
// the old file stays exactly as it was and the temporary file is removed.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace notes {

// The platform's path separator: '\\' on Windows, '/' elsewhere.
extern const char kPathSeparator;

// Enters `path`, creating it first when it cannot be entered.
// 0 when the current directory is now `path`, -1 otherwise.
[[nodiscard]] int EnsureDir(const char* path);

// Replaces the file at `path` with `size` bytes of `data`, creating it when
// missing. 0 when the bytes are on the disk under `path`, -1 otherwise (the
// previous file, if any, is then untouched).
[[nodiscard]] int WriteWholeFile(const char* path, const void* data, std::size_t size);

// The whole file followed by one NUL byte, and its length in `size`; no
// buffer and `size` 0 when the file cannot be opened or read.
[[nodiscard]] std::unique_ptr<char[]> ReadWholeFile(const char* path, std::size_t& size);

// The whole file when it holds at most `maxBytes` bytes; none when it is
// missing, cannot be read or is longer, so a stray huge file costs nothing.
[[nodiscard]] std::optional<std::string> ReadFileOfAtMost(const char* path, std::size_t maxBytes);

// Deletes the file. 0 when no file is left at `path` (including when there
// was none), -1 when it is still there.
[[nodiscard]] int RemoveFile(const char* path);

// True when nothing at all is at `path`; a file that is there but cannot be
// read is not missing.
[[nodiscard]] bool IsMissing(const char* path);

// Copies the file at `path` beside it as "<path>.damaged", or as
// "<path>.damaged.1", ".2", ... when that name is taken; no existing file is
// ever replaced. 0 when the copy is on the disk or nothing is at `path`,
// -1 otherwise.
[[nodiscard]] int KeepDamagedCopy(const char* path);

// One file or folder, however a path reaches it (a short name, a link, a
// drive letter or a network form of the same folder): its volume and its
// number on that volume.
struct FileIdentity {
    unsigned long long volume = 0;
    unsigned long long index = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of what is at `path`; none when nothing there can be opened.
[[nodiscard]] std::optional<FileIdentity> IdentityOf(const char* path);

// `path` as an absolute path, taken against the current directory when it
// is relative; none when the system cannot make it absolute.
[[nodiscard]] std::optional<std::string> AbsolutePath(const char* path);

}  // namespace notes
