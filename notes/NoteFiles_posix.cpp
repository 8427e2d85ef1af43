#include "notes/NoteFiles.h"
#include "notes/NoteFilesPlatform.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace notes {

const char kPathSeparator = '/';

namespace platform {

namespace {

// The folder holding `path`, for flushing the folder's entry after a rename.
std::string FolderOf(const char* path) {
    const std::string p(path);
    const std::size_t slash = p.rfind(kPathSeparator);
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return p.substr(0, slash);
}

}  // namespace

int OpenForReading(const char* path) { return ::open(path, O_RDONLY | O_CLOEXEC); }

int CreateNew(const char* path, bool& nameTaken) {
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
    nameTaken = fd < 0 && errno == EEXIST;
    return fd;
}

long long ReadSome(int fd, void* buffer, std::size_t size) {
    ssize_t got;
    do {
        got = ::read(fd, buffer, size);
    } while (got < 0 && errno == EINTR);
    return got;
}

long long WriteSome(int fd, const void* data, std::size_t size) {
    ssize_t written;
    do {
        written = ::write(fd, data, size);
    } while (written < 0 && errno == EINTR);
    return written;
}

long long FileLength(int fd) {
    struct stat info;
    if (::fstat(fd, &info) != 0) return -1;
    return info.st_size;
}

int FlushToDisk(int fd) { return ::fsync(fd) == 0 ? 0 : -1; }

int CloseFd(int fd) { return ::close(fd) == 0 ? 0 : -1; }

int MoveOver(const char* from, const char* to) {
    if (::rename(from, to) != 0) return -1;
    // The rename itself is durable only once its folder is flushed too. The
    // replacement has already happened, so a failure here changes nothing.
    const int folder = ::open(FolderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return 0;
}

int RemovePath(const char* path) { return (::unlink(path) == 0 || errno == ENOENT) ? 0 : -1; }

bool PathIsMissing(const char* path) {
    struct stat info;
    return ::stat(path, &info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

int ChangeDir(const char* path) { return ::chdir(path) == 0 ? 0 : -1; }

int MakeDir(const char* path) { return ::mkdir(path, S_IRWXU | S_IRWXG | S_IRWXO) == 0 ? 0 : -1; }

unsigned long ProcessId() { return static_cast<unsigned long>(::getpid()); }

std::vector<std::string> FilesIn(const char* folder) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder), &::closedir);
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        struct stat info;
        const std::string path = std::string(folder) + kPathSeparator + entry->d_name;
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) names.emplace_back(entry->d_name);
    }
    return names;
}

ProcessState StateOfProcess(unsigned long pid) {
    // 0 and the negative ids name groups of processes, not one.
    if (pid == 0 || pid > static_cast<unsigned long>(INT_MAX)) return ProcessState::Unknown;
    if (::kill(static_cast<pid_t>(pid), 0) == 0) return ProcessState::Running;
    if (errno == ESRCH) return ProcessState::Ended;
    return errno == EPERM ? ProcessState::Running : ProcessState::Unknown;
}

bool Identify(const char* path, unsigned long long& volume, unsigned long long& index) {
    struct stat info;
    if (::stat(path, &info) != 0) return false;
    volume = static_cast<unsigned long long>(info.st_dev);
    index = static_cast<unsigned long long>(info.st_ino);
    return true;
}

bool MakeAbsolute(const char* path, std::string& absolute) {
    if (path[0] == kPathSeparator) {
        absolute = path;
        return true;
    }
    const std::unique_ptr<char, void (*)(void*)> cwd(::getcwd(nullptr, 0), &std::free);
    if (!cwd) return false;
    absolute = std::string(cwd.get()) + kPathSeparator + path;
    return true;
}

}  // namespace platform
}  // namespace notes
