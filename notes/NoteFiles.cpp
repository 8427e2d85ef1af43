#include "notes/NoteFiles.h"

#include "notes/NoteFilesPlatform.h"
#include "notes/NoteFilesTestSeam.h"

#include <new>
#include <string>

namespace notes {

namespace {

using platform::FileHandle;

// Beside the target, so the final rename never crosses a file system.
constexpr char kTempSuffix[] = ".tmp";

bool Refused(WriteStep step) { return !seam::Allows(step); }

// Writes everything; the system may take fewer bytes per call than asked.
int WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const long long written = platform::WriteSome(fd, data, size);
        if (written <= 0) return -1;  // 0 bytes taken means the disk is full
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

}  // namespace

int EnsureDir(const char* path) {
    if (platform::ChangeDir(path) == 0) return 0;
    platform::MakeDir(path);
    return platform::ChangeDir(path) == 0 ? 0 : -1;
}

int WriteWholeFile(const char* path, const void* data, std::size_t size) {
    if (Refused(WriteStep::CreateTemp)) return -1;
    const std::string tempPath = std::string(path) + kTempSuffix;
    FileHandle temp(platform::CreateTruncated(tempPath.c_str()));
    if (!temp) return -1;

    const bool saved = !Refused(WriteStep::WriteBytes) &&
                       WriteAll(temp.get(), static_cast<const char*>(data), size) == 0 && !Refused(WriteStep::Flush) &&
                       platform::FlushToDisk(temp.get()) == 0 && temp.Close() == 0 &&  // a write may fail only here
                       !Refused(WriteStep::Replace) && platform::MoveOver(tempPath.c_str(), path) == 0;
    if (!saved) {
        temp.Close();
        platform::RemovePath(tempPath.c_str());
        return -1;
    }
    return 0;
}

std::unique_ptr<char[]> ReadWholeFile(const char* path, std::size_t& size) {
    size = 0;
    FileHandle file(platform::OpenForReading(path));
    if (!file) return nullptr;
    const long long length = platform::FileLength(file.get());
    if (length < 0) return nullptr;

    const std::size_t capacity = static_cast<std::size_t>(length);
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[capacity + 1]);
    if (!buffer) return nullptr;

    // The file may have shrunk since its length was taken: keep what is there.
    std::size_t filled = 0;
    while (filled < capacity) {
        const long long got = platform::ReadSome(file.get(), buffer.get() + filled, capacity - filled);
        if (got < 0) return nullptr;
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    buffer[filled] = '\0';
    size = filled;
    return buffer;
}

int RemoveFile(const char* path) { return platform::RemovePath(path); }

}  // namespace notes
