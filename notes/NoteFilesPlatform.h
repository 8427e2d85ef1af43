// The few system calls the file utilities need, implemented once per
// platform (NoteFiles_win.cpp, NoteFiles_posix.cpp). Files are runtime
// library descriptors on both platforms, opened in binary mode.
#pragma once

#include <cstddef>

namespace notes::platform {

int OpenForReading(const char* path);                             // descriptor, or -1
int CreateTruncated(const char* path);                            // descriptor for writing, or -1
long long ReadSome(int fd, void* buffer, std::size_t size);       // bytes read, 0 at the end, -1
long long WriteSome(int fd, const void* data, std::size_t size);  // bytes written, -1
long long FileLength(int fd);                                     // -1 when unknown
int FlushToDisk(int fd);                                          // 0, or -1
int CloseFd(int fd);                                              // 0, or -1
int MoveOver(const char* from, const char* to);                   // replaces `to` in one step; 0, or -1
int RemovePath(const char* path);                                 // 0 when removed or absent, -1
int ChangeDir(const char* path);                                  // 0, or -1
int MakeDir(const char* path);                                    // 0, or -1

// Owns one open descriptor and closes it when it goes.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() { Close(); }
    FileHandle(FileHandle&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileHandle& operator=(FileHandle&& other) noexcept {
        if (this != &other) {
            Close();
            fd_ = other.fd_;
            other.fd_ = -1;
        }
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    explicit operator bool() const { return fd_ >= 0; }
    int fd() const { return fd_; }

    // Closes now and reports whether the system accepted it; a write that
    // fails only at close must not count as saved.
    int Close() {
        if (fd_ < 0) return 0;
        const int result = CloseFd(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_ = -1;
};

}  // namespace notes::platform
