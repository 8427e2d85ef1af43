// Lets tests make one step of the file utilities' writes fail as if the
// system had refused it, to show what a failed save leaves on the disk.
// Only tests set it up; the file utilities merely ask it.
#pragma once

namespace notes {

// The steps of WriteWholeFile, in order.
enum class WriteStep { CreateTemp, WriteBytes, Flush, Replace };

// While alive, makes the given step of every write fail.
class ScopedWriteFailure {
public:
    explicit ScopedWriteFailure(WriteStep step);
    ~ScopedWriteFailure();
    ScopedWriteFailure(const ScopedWriteFailure&) = delete;
    ScopedWriteFailure& operator=(const ScopedWriteFailure&) = delete;
};

namespace seam {

// False when a test has made `step` fail.
bool Allows(WriteStep step);

}  // namespace seam
}  // namespace notes
