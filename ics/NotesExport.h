// The notes of the notes folder as one iCalendar file.
//
// Every note the month grid can show becomes an all-day event: a one-off
// note one event on its date, a Gregorian-yearly note a yearly rule (29
// February in leap years only), a weekly reminder a weekly rule. A
// lunar-yearly note becomes, by default, one dated event for each day the
// grid shows it from 1 January of a given year to the end of the lunar table
// (both the regular and the leap month of its number; no event in a year
// whose month lacks its day), since few calendar programs know lunar rules;
// or, asked for, one event with a Chinese-calendar rule.
//
// The note files are only read: the export writes nothing but its own file.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

namespace ics {

enum class LunarForm { PerYear, Rscale };

struct ExportOptions {
    LunarForm lunarForm = LunarForm::PerYear;
    int fromYear = 0;   // the Gregorian year the lunar-yearly showings start in
    std::string stamp;  // DTSTAMP of every event, UTC "YYYYMMDDTHHMMSSZ"
};

struct ExportResult {
    int notes = 0;   // notes written as events
    int events = 0;  // events written
    std::size_t bytes = 0;
    std::vector<std::string> skippedFiles;  // note files not read whole (GBK, relative to the notes folder)
};

// The calendar of every note in the notes folder, which is the current
// directory. A note file that cannot be read whole is skipped and named in
// `result`; its notes are not guessed at.
std::string CalendarOfNotes(const ExportOptions& options, ExportResult& result);

// Writes that calendar to `outPath` (replaced whole, or left as it was).
// 0, or -1 when the file could not be written.
[[nodiscard]] int ExportNotes(const char* outPath, const ExportOptions& options, ExportResult& result);

// What the user is told, in GBK: "已导出 N 条记事到 FILE", or that the file
// could not be written, and then the note files that were skipped.
std::string ExportMessage(const ExportResult& result, const std::string& outPath, bool written);

struct FolderExport {
    bool written = false;
    std::string message;  // what the user is told, GBK
};

// Writes the notes of the notes folder `folder` (absolute) to `outName`,
// taken against the current directory when relative and made absolute
// before the notes folder is entered. Refuses a name that cannot be made
// absolute, a file that lands in the notes folder (however its path spells
// it) or whose place cannot be told, and a notes folder that is not there,
// which it never makes.
FolderExport ExportNotesFolder(const std::string& folder, const std::string& outName, const ExportOptions& options);

// A moment as DTSTAMP text.
std::string UtcStamp(std::time_t moment);

}  // namespace ics
