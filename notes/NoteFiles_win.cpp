#include "notes/NoteFiles.h"
#include "notes/NoteFilesPlatform.h"

#include "base/WideText_win.h"

#include <cerrno>
#include <climits>
#include <string>
#include <vector>

#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace notes {

const char kPathSeparator = '\\';

namespace platform {

namespace {

using base::Gb18030ToWide;

// The runtime's read and write take an unsigned int count.
unsigned int ChunkOf(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<unsigned int>(size); }

}  // namespace

int OpenForReading(const char* path) {
    return ::_wopen(Gb18030ToWide(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

int CreateNew(const char* path, bool& nameTaken) {
    const int fd = ::_wopen(Gb18030ToWide(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                            _S_IREAD | _S_IWRITE);
    nameTaken = fd < 0 && errno == EEXIST;
    return fd;
}

long long ReadSome(int fd, void* buffer, std::size_t size) { return ::_read(fd, buffer, ChunkOf(size)); }

long long WriteSome(int fd, const void* data, std::size_t size) { return ::_write(fd, data, ChunkOf(size)); }

long long FileLength(int fd) { return ::_filelengthi64(fd); }

int FlushToDisk(int fd) { return ::_commit(fd) == 0 ? 0 : -1; }

int CloseFd(int fd) { return ::_close(fd) == 0 ? 0 : -1; }

int MoveOver(const char* from, const char* to) {
    const bool moved = ::MoveFileExW(Gb18030ToWide(from).c_str(), Gb18030ToWide(to).c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return moved ? 0 : -1;
}

int RemovePath(const char* path) { return (::_wunlink(Gb18030ToWide(path).c_str()) == 0 || errno == ENOENT) ? 0 : -1; }

bool PathIsMissing(const char* path) {
    if (::GetFileAttributesW(Gb18030ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

int ChangeDir(const char* path) { return ::_wchdir(Gb18030ToWide(path).c_str()) == 0 ? 0 : -1; }

int MakeDir(const char* path) { return ::_wmkdir(Gb18030ToWide(path).c_str()) == 0 ? 0 : -1; }

unsigned long ProcessId() { return ::GetCurrentProcessId(); }

namespace {

struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static int Close(Handle find) { return ::FindClose(find) ? 0 : -1; }
};

struct KernelTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static int Close(Handle handle) { return ::CloseHandle(handle) ? 0 : -1; }
};

struct FileTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static int Close(Handle file) { return ::CloseHandle(file) ? 0 : -1; }
};

}  // namespace

std::vector<std::string> FilesIn(const char* folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const base::UniqueHandle<FindTraits> find(
        ::FindFirstFileW(Gb18030ToWide(std::string(folder) + "\\*").c_str(), &found));
    if (!find) return names;
    do {
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0)
            names.push_back(base::WideToGb18030(found.cFileName));
    } while (::FindNextFileW(find.get(), &found));
    return names;
}

ProcessState StateOfProcess(unsigned long pid) {
    const base::UniqueHandle<KernelTraits> process(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, pid));
    if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER ? ProcessState::Ended : ProcessState::Unknown;
    // A process that has ended can still be opened while a handle to it is held.
    switch (::WaitForSingleObject(process.get(), 0)) {
    case WAIT_OBJECT_0: return ProcessState::Ended;
    case WAIT_TIMEOUT: return ProcessState::Running;
    default: return ProcessState::Unknown;
    }
}

bool Identify(const char* path, unsigned long long& volume, unsigned long long& index) {
    // No access asked: a folder the user may not list can still be told apart.
    const base::UniqueHandle<FileTraits> file(
        ::CreateFileW(Gb18030ToWide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file || !::GetFileInformationByHandle(file.get(), &info)) return false;
    volume = info.dwVolumeSerialNumber;
    index = (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

bool MakeAbsolute(const char* path, std::string& absolute) {
    const std::wstring wide = Gb18030ToWide(path);
    // No fixed buffer: a long current directory makes a long full path.
    DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    for (int attempt = 0; attempt < 4 && needed > 0; ++attempt) {
        std::vector<wchar_t> full(needed);
        const DWORD length = ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
        if (length == 0) return false;
        if (length < needed) {
            absolute = base::WideToGb18030(std::wstring_view(full.data(), length));
            return true;
        }
        needed = length;  // the current directory grew in between
    }
    return false;
}

}  // namespace platform
}  // namespace notes
