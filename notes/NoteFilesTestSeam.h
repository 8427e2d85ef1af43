// Lets tests make one step of the file utilities' writes fail as if the
// system had refused it, or act just before it (as a second writer would),
// to show what a failed or interleaved save leaves on the disk. Only tests
// set it up; the file utilities merely ask it.
#pragma once

#include <functional>
#include <string>

namespace notes {

// The steps of WriteWholeFile, in order, and the making of the copy that
// KeepDamagedCopy keeps.
enum class WriteStep { CreateTemp, WriteBytes, Flush, Replace, KeepCopy };

// While alive, makes the given step of every write fail.
class ScopedWriteFailure {
public:
    explicit ScopedWriteFailure(WriteStep step);
    ~ScopedWriteFailure();
    ScopedWriteFailure(const ScopedWriteFailure&) = delete;
    ScopedWriteFailure& operator=(const ScopedWriteFailure&) = delete;
};

// While alive, runs `action` each time a write is about to take `step`,
// with the path of the file that step works on (the temporary file, or the
// damaged file's copy).
class ScopedWriteHook {
public:
    ScopedWriteHook(WriteStep step, std::function<void(const std::string& path)> action);
    ~ScopedWriteHook();
    ScopedWriteHook(const ScopedWriteHook&) = delete;
    ScopedWriteHook& operator=(const ScopedWriteHook&) = delete;
};

namespace seam {

// Runs a test's hook for `step`, then false when a test has made it fail.
bool Allows(WriteStep step, const std::string& path);

}  // namespace seam
}  // namespace notes
