// The text rules of an iCalendar file: escaped TEXT values, content lines
// folded at 75 octets, dates, and the UIDs that name each note for good.
#pragma once

#include <string>
#include <string_view>

namespace ics {

// The longest content line, in octets, before a fold.
inline constexpr std::size_t kMaxLineOctets = 75;

// A UTF-8 text as a TEXT value: backslash, semicolon and comma escaped,
// every line break (CR LF, CR or LF) as "\n", other control characters
// dropped (a TEXT value may not hold them).
std::string EscapeText(std::string_view utf8);

// Appends "name:value" as one content line ending in CR LF, folded so that
// no physical line is longer than kMaxLineOctets; a fold never splits a
// UTF-8 character and each continuation starts with one space. Bytes that
// are not UTF-8 fold where the line is full.
void AppendContentLine(std::string& out, std::string_view name, std::string_view value);

// "YYYYMMDD".
std::string DateText(int year, int month, int day);

// The UID of a note. A note is named by where it is kept, never by its text,
// so that it keeps its UID when it is edited and a re-import updates it:
// `year` and `month` are those of its file (the note store's numbering:
// year 1 for Gregorian-yearly and 0 for lunar-yearly notes; both ignored
// for weekly notes), `slot` its day or weekday.
std::string NoteUid(int year, int month, int slot, bool weekly);
// The UID of one year's showing of a lunar-yearly note: its lunar year, and
// whether it falls in the leap month.
std::string LunarShowingUid(int month, int day, int lunarYear, bool leap);

}  // namespace ics
