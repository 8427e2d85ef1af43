#include "notes/NoteFiles.h"
#include "notes/NoteFilesPlatform.h"

#include <cerrno>
#include <climits>

#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace notes {

const char kPathSeparator = '\\';

namespace platform {

namespace {

// The runtime's read and write take an unsigned int count.
unsigned int ChunkOf(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<unsigned int>(size); }

}  // namespace

int OpenForReading(const char* path) { return ::_open(path, _O_RDONLY | _O_BINARY | _O_NOINHERIT); }

int CreateNew(const char* path, bool& nameTaken) {
    const int fd = ::_open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    nameTaken = fd < 0 && errno == EEXIST;
    return fd;
}

long long ReadSome(int fd, void* buffer, std::size_t size) { return ::_read(fd, buffer, ChunkOf(size)); }

long long WriteSome(int fd, const void* data, std::size_t size) { return ::_write(fd, data, ChunkOf(size)); }

long long FileLength(int fd) { return ::_filelengthi64(fd); }

int FlushToDisk(int fd) { return ::_commit(fd) == 0 ? 0 : -1; }

int CloseFd(int fd) { return ::_close(fd) == 0 ? 0 : -1; }

int MoveOver(const char* from, const char* to) {
    return ::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : -1;
}

int RemovePath(const char* path) { return (::_unlink(path) == 0 || errno == ENOENT) ? 0 : -1; }

bool PathIsMissing(const char* path) {
    if (::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

int ChangeDir(const char* path) { return ::_chdir(path) == 0 ? 0 : -1; }

int MakeDir(const char* path) { return ::_mkdir(path) == 0 ? 0 : -1; }

unsigned long ProcessId() { return ::GetCurrentProcessId(); }

}  // namespace platform
}  // namespace notes
