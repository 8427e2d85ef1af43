#include "notes/SaveTemps.h"

#include "base/AsciiText.h"
#include "notes/MemoFile.h"
#include "notes/NoteFiles.h"
#include "notes/NoteFilesPlatform.h"
#include "notes/NoteStore.h"

#include <cstdint>

namespace notes {

namespace {

constexpr char kTempSuffix[] = ".tmp";
constexpr std::string_view kWeekFileName = "week";
constexpr std::uint64_t kLargestNumber = 0xFFFFFFFFu;  // pids and counts are 32-bit

bool AllDigits(std::string_view text) {
    for (char c : text)
        if (!base::IsAsciiDigit(c)) return false;
    return !text.empty();
}

// A decimal number as std::to_string writes it: no sign, no leading zero.
std::optional<std::uint64_t> PlainNumber(std::string_view text) {
    if (!AllDigits(text) || text.size() > 10 || (text.size() > 1 && text[0] == '0')) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > kLargestNumber) return std::nullopt;
    return value;
}

// "%d%02d" of a year and month 1-12 as the note store names its files: year
// 0 or 1 (the yearly files) or a four-digit year.
bool IsMonthFileName(std::string_view name) {
    if (!AllDigits(name) || (name.size() != 3 && name.size() != 6)) return false;
    if (name.size() == 3 && name[0] != '0' && name[0] != '1') return false;
    if (name.size() == 6 && name[0] == '0') return false;
    const int month = (name[name.size() - 2] - '0') * 10 + (name.back() - '0');
    return month >= 1 && month <= 12;
}

bool IsSavedFileName(std::string_view name, TempFolder folder) {
    if (folder == TempFolder::Memo) return name == kDefaultMemoName;
    return name == kWeekFileName || IsMonthFileName(name);
}

int RemoveAbandonedIn(const char* folderName, TempFolder folder) {
    int removed = 0;
    for (const std::string& name : platform::FilesIn(folderName)) {
        const std::optional<unsigned long> owner = SaveTempOwner(name, folder);
        if (!owner || platform::StateOfProcess(*owner) != platform::ProcessState::Ended) continue;
        const std::string path = std::string(folderName) + kPathSeparator + name;
        if (platform::RemovePath(path.c_str()) == 0) ++removed;
    }
    return removed;
}

}  // namespace

std::string SaveTempName(const std::string& path, unsigned long pid, unsigned count) {
    return path + '.' + std::to_string(pid) + '.' + std::to_string(count) + kTempSuffix;
}

std::optional<unsigned long> SaveTempOwner(std::string_view name, TempFolder folder) {
    constexpr std::string_view suffix = kTempSuffix;
    if (name.size() <= suffix.size() || name.substr(name.size() - suffix.size()) != suffix) return std::nullopt;
    name.remove_suffix(suffix.size());
    const std::size_t countDot = name.rfind('.');
    if (countDot == std::string_view::npos) return std::nullopt;
    const std::size_t pidDot = name.rfind('.', countDot == 0 ? 0 : countDot - 1);
    if (pidDot == std::string_view::npos || pidDot == countDot) return std::nullopt;
    const std::optional<std::uint64_t> pid = PlainNumber(name.substr(pidDot + 1, countDot - pidDot - 1));
    if (!pid || *pid == 0 || !PlainNumber(name.substr(countDot + 1))) return std::nullopt;
    if (!IsSavedFileName(name.substr(0, pidDot), folder)) return std::nullopt;
    return static_cast<unsigned long>(*pid);
}

int RemoveAbandonedTemps() {
    return RemoveAbandonedIn(kCalendarFolderName, TempFolder::Calendar) +
           RemoveAbandonedIn(kMemoFolderName, TempFolder::Memo);
}

}  // namespace notes
