#include "notes/NoteFiles.h"

#include "notes/NoteFilesPlatform.h"
#include "notes/NoteFilesTestSeam.h"
#include "notes/SaveTemps.h"

#include <atomic>
#include <new>
#include <string>

namespace notes {

namespace {

using platform::FileHandle;

constexpr int kMaxNameAttempts = 100;
constexpr char kDamagedSuffix[] = ".damaged";
constexpr int kMaxDamagedCopies = 1000;

std::atomic<unsigned> tempCounter{0};

bool Refused(WriteStep step, const std::string& path) { return !seam::Allows(step, path); }

// "<path>.<pid>.<n>.tmp": beside the target, so the final rename never
// crosses a file system, and this save's own, so two saves of one file at
// once (two copies of the program) never write into the same temporary file.
std::string NextTempPath(const char* path) {
    return SaveTempName(path, platform::ProcessId(), tempCounter++);
}

// A temporary file that this save alone has created. A name already on the
// disk (another writer's file, or one left by a crash) is passed over and
// left alone.
FileHandle CreateTemp(const char* path, std::string& tempPath) {
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        tempPath = NextTempPath(path);
        if (Refused(WriteStep::CreateTemp, tempPath)) break;
        bool nameTaken = false;
        FileHandle temp(platform::CreateNew(tempPath.c_str(), nameTaken));
        if (temp || !nameTaken) return temp;
    }
    return FileHandle();
}

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
    std::string tempPath;
    FileHandle temp = CreateTemp(path, tempPath);
    if (!temp) return -1;

    const bool saved = !Refused(WriteStep::WriteBytes, tempPath) &&
                       WriteAll(temp.get(), static_cast<const char*>(data), size) == 0 &&
                       !Refused(WriteStep::Flush, tempPath) && platform::FlushToDisk(temp.get()) == 0 &&
                       temp.Close() == 0 &&  // a write may fail only here
                       !Refused(WriteStep::Replace, tempPath) && platform::MoveOver(tempPath.c_str(), path) == 0;
    if (!saved) {
        (void)temp.Close();  // already failing; the file goes anyway
        (void)platform::RemovePath(tempPath.c_str());
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

std::optional<std::string> ReadFileOfAtMost(const char* path, std::size_t maxBytes) {
    FileHandle file(platform::OpenForReading(path));
    if (!file) return std::nullopt;
    // Read to the end rather than trust the length: the file may grow meanwhile.
    std::string text;
    char chunk[4096];
    for (;;) {
        const long long got = platform::ReadSome(file.get(), chunk, sizeof chunk);
        if (got < 0) return std::nullopt;
        if (got == 0) return text;
        text.append(chunk, static_cast<std::size_t>(got));
        if (text.size() > maxBytes) return std::nullopt;
    }
}

int RemoveFile(const char* path) { return platform::RemovePath(path); }

bool IsMissing(const char* path) { return platform::PathIsMissing(path); }

int KeepDamagedCopy(const char* path) {
    std::size_t size = 0;
    const std::unique_ptr<char[]> original = ReadWholeFile(path, size);
    if (!original) return IsMissing(path) ? 0 : -1;

    for (int number = 0; number < kMaxDamagedCopies; ++number) {
        std::string copyPath = std::string(path) + kDamagedSuffix;
        if (number > 0) copyPath += '.' + std::to_string(number);
        if (Refused(WriteStep::KeepCopy, copyPath)) return -1;
        bool nameTaken = false;
        FileHandle copy(platform::CreateNew(copyPath.c_str(), nameTaken));
        if (nameTaken) continue;  // an earlier copy: kept as it is
        if (!copy) return -1;
        if (WriteAll(copy.get(), original.get(), size) == 0 && platform::FlushToDisk(copy.get()) == 0 &&
            copy.Close() == 0)
            return 0;
        (void)copy.Close();  // already failing; the partial copy goes anyway
        (void)platform::RemovePath(copyPath.c_str());
        return -1;
    }
    return -1;
}

std::optional<FileIdentity> IdentityOf(const char* path) {
    FileIdentity identity;
    if (!platform::Identify(path, identity.volume, identity.index)) return std::nullopt;
    return identity;
}

std::optional<std::string> AbsolutePath(const char* path) {
    std::string absolute;
    if (path == nullptr || path[0] == '\0' || !platform::MakeAbsolute(path, absolute)) return std::nullopt;
    return absolute;
}

}  // namespace notes
