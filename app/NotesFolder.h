// The notes folder: "我的记事" in the user's documents folder, with "日历"
// for the note files and "备忘" for the memo. It is the current directory
// for the whole run, since every note path is relative to it.
#pragma once

#include "notes/MemoFile.h"

#include <cstddef>
#include <optional>
#include <string>

namespace app {

inline constexpr char kNotesFolderName[] = "我的记事";
using notes::kMemoFolderName;

// A path buffer of the system, terminator included.
inline constexpr std::size_t kPathBufferSize = 260;

// The notes folder inside `documents` (with or without a trailing
// separator); none when `documents` is missing or empty, or the result
// would not fit a path buffer.
std::optional<std::string> NotesFolderPath(const char* documents);

// Enters the notes folder, creating it and its two subfolders as needed.
// 0 when the notes folder is current and both subfolders exist, -1
// otherwise; it never climbs out of a folder it did not enter.
[[nodiscard]] int EnterNotesFolder(const std::string& path);

}  // namespace app
