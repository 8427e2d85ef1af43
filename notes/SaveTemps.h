// The temporary files of saves. A save writes "<file>.<pid>.<n>.tmp" beside
// its file (the saving process's id and its own count of saves) and renames
// it over the file; a save cut short by a crash or a kill leaves it behind.
// At start the calendar removes those of processes that no longer run.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace notes {

// The temporary file of save number `count` of `path` by process `pid`.
std::string SaveTempName(const std::string& path, unsigned long pid, unsigned count);

enum class TempFolder { Calendar, Memo };

// The id of the process whose save left `name`, when `name` is exactly a
// name SaveTempName gives a note file's save in "日历" or the memo's in
// "备忘": a note file's or the memo's name, a process id (1 to 4294967295)
// and a count (0 to 4294967295), both in decimal without leading zeros,
// then ".tmp". None for every other name.
std::optional<unsigned long> SaveTempOwner(std::string_view name, TempFolder folder);

// Removes, in "日历" and "备忘" of the notes folder (the current
// directory), every save's temporary file whose process has ended. A file
// whose process runs, or whose process cannot be told to have ended, and
// every file of another name stay. The number of files removed.
int RemoveAbandonedTemps();

}  // namespace notes
