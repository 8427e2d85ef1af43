#include "notes/MemoFile.h"

#include "notes/NoteFiles.h"

#include <memory>

namespace notes {

namespace {

std::string MemoPath(const char* name) { return std::string(kMemoFolderName) + kPathSeparator + name; }

}  // namespace

int SaveMemo(const char* name, const char* bytes, std::size_t length) {
    const std::string path = MemoPath(name);
    if (length == 0) return RemoveFile(path.c_str());
    return WriteWholeFile(path.c_str(), bytes, length);
}

std::string LoadMemo(const char* name) { return MemoFile(name).Load(); }

std::string MemoFile::Load() {
    const std::string path = MemoPath(name_.c_str());
    std::size_t size = 0;
    const std::unique_ptr<char[]> data = ReadWholeFile(path.c_str(), size);
    if (!data) {
        keepFileBeforeSave_ = !IsMissing(path.c_str());
        return std::string();
    }
    std::string text(data.get());  // stops at the first NUL, at the latest at the one after the file
    keepFileBeforeSave_ = text.size() != size;
    return text;
}

int MemoFile::Save(const char* bytes, std::size_t length) {
    if (keepFileBeforeSave_) {
        if (KeepDamagedCopy(MemoPath(name_.c_str()).c_str()) != 0) return -1;
        keepFileBeforeSave_ = false;
    }
    return SaveMemo(name_.c_str(), bytes, length);
}

}  // namespace notes
