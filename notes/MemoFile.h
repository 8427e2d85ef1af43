// The memo pad's file: "备忘\<name>" holding exactly the memo's bytes (GBK,
// CR LF line breaks), with no header and no terminator. An empty memo has
// no file.
#pragma once

#include <cstddef>
#include <string>

namespace notes {

// The memo's folder in the notes folder, and the name of the one memo the
// pad keeps.
inline constexpr char kMemoFolderName[] = "备忘";
inline constexpr char kDefaultMemoName[] = "default";

// Writes the memo, or deletes its file when `length` is 0. The write is as
// safe as WriteWholeFile: 0 when the disk holds the memo, -1 otherwise.
[[nodiscard]] int SaveMemo(const char* name, const char* bytes, std::size_t length);

// The memo's text: the file's bytes up to the first NUL, as the edit control
// shows them; empty when there is no file.
std::string LoadMemo(const char* name);

// One memo as the memo pad keeps it. A file that did not load whole (it
// could not be read, or the bytes after a NUL were left out) is kept beside
// it, like a damaged note file, before the first save over it.
class MemoFile {
public:
    explicit MemoFile(const char* name) : name_(name) {}

    std::string Load();
    // As SaveMemo; -1, writing nothing, when the old file could not be kept.
    [[nodiscard]] int Save(const char* bytes, std::size_t length);

private:
    std::string name_;
    bool keepFileBeforeSave_ = false;
};

}  // namespace notes
