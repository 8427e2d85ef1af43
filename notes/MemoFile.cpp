#include "notes/MemoFile.h"

#include "notes/NoteFiles.h"

#include <memory>

namespace notes {

namespace {

constexpr char kMemoFolder[] = "备忘";

std::string MemoPath(const char* name) { return std::string(kMemoFolder) + kPathSeparator + name; }

}  // namespace

int SaveMemo(const char* name, const char* bytes, std::size_t length) {
    const std::string path = MemoPath(name);
    if (length == 0) return RemoveFile(path.c_str());
    return WriteWholeFile(path.c_str(), bytes, length);
}

std::string LoadMemo(const char* name) {
    std::size_t size = 0;
    const std::unique_ptr<char[]> data = ReadWholeFile(MemoPath(name).c_str(), size);
    if (!data) return std::string();
    return std::string(data.get());  // stops at the first NUL, at the latest at the one after the file
}

}  // namespace notes
