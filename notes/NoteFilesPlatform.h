// The few system calls the file utilities need, implemented once per
// platform (NoteFiles_win.cpp, NoteFiles_posix.cpp). Files are runtime
// library descriptors on both platforms, opened in binary mode.
#pragma once

#include "base/UniqueHandle.h"

#include <cstddef>
#include <string>
#include <vector>

namespace notes::platform {

int OpenForReading(const char* path);  // descriptor, or -1
// A new file for writing; never opens one already there (nameTaken then).
int CreateNew(const char* path, bool& nameTaken);                 // descriptor, or -1
long long ReadSome(int fd, void* buffer, std::size_t size);       // bytes read, 0 at the end, -1
long long WriteSome(int fd, const void* data, std::size_t size);  // bytes written, -1
long long FileLength(int fd);                                     // -1 when unknown
int FlushToDisk(int fd);                                          // 0, or -1
int CloseFd(int fd);                                              // 0, or -1
int MoveOver(const char* from, const char* to);                   // replaces `to` in one step; 0, or -1
int RemovePath(const char* path);                                 // 0 when removed or absent, -1
bool PathIsMissing(const char* path);                             // nothing at all at `path`
int ChangeDir(const char* path);                                  // 0, or -1
int MakeDir(const char* path);                                    // 0, or -1
unsigned long ProcessId();

// The names of the regular files in `folder`; none when it cannot be read.
std::vector<std::string> FilesIn(const char* folder);

enum class ProcessState { Running, Ended, Unknown };
// Whether a process of that id runs now; Unknown when the system does not
// say (no right to ask, say).
ProcessState StateOfProcess(unsigned long pid);

// What identifies the file or folder at `path` on its volume, whatever path
// reaches it; false when it cannot be opened.
bool Identify(const char* path, unsigned long long& volume, unsigned long long& index);
// `path` made absolute against the current directory; false when the
// system cannot.
bool MakeAbsolute(const char* path, std::string& absolute);

struct FdTraits {
    using Handle = int;
    static constexpr Handle Invalid() { return -1; }
    static int Close(Handle fd) { return CloseFd(fd); }
};

// Owns one open descriptor. Its Close() reports whether the system accepted
// the close: a write that fails only there must not count as saved.
using FileHandle = base::UniqueHandle<FdTraits>;

}  // namespace notes::platform
