#include "ics/IcsText.h"

#include <cstdio>

namespace ics {

namespace {

constexpr char kUidDomain[] = "@veltrano";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// A UTF-8 character has at most three continuation bytes.
constexpr std::size_t kMaxContinuationBytes = 3;

// Where a line of [pos, limit) folds: before the character that `limit`
// falls in, or at `limit` itself when the bytes there are not UTF-8, so
// that every physical line carries bytes and the folding ends.
std::size_t FoldPoint(std::string_view line, std::size_t pos, std::size_t limit) {
    for (std::size_t back = 0; back <= kMaxContinuationBytes && limit - back > pos; ++back) {
        if (!IsContinuationByte(line[limit - back])) return limit - back;
    }
    return limit;
}

}  // namespace

std::string EscapeText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + utf8.size() / 8);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        switch (c) {
            case '\\': out += "\\\\"; break;
            case ';': out += "\\;"; break;
            case ',': out += "\\,"; break;
            case '\r':
                if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
                out += "\\n";
                break;
            case '\n': out += "\\n"; break;
            default:
                if ((c >= 0x20 && c != 0x7F) || c == '\t') out += static_cast<char>(c);
                break;
        }
    }
    return out;
}

void AppendContentLine(std::string& out, std::string_view name, std::string_view value) {
    std::string line;
    line.reserve(name.size() + 1 + value.size());
    line.append(name).append(1, ':').append(value);
    std::size_t pos = 0;
    std::size_t room = kMaxLineOctets;
    while (line.size() - pos > room) {
        const std::size_t cut = FoldPoint(line, pos, pos + room);
        out.append(line, pos, cut - pos).append("\r\n ");
        pos = cut;
        room = kMaxLineOctets - 1;  // the leading space counts
    }
    out.append(line, pos, std::string::npos).append("\r\n");
}

std::string DateText(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
    return text;
}

std::string NoteUid(int year, int month, int slot, bool weekly) {
    char text[48];
    if (weekly)
        std::snprintf(text, sizeof text, "weekly-%d%s", slot, kUidDomain);
    else if (year == 0)
        std::snprintf(text, sizeof text, "lunar-%02d%02d%s", month, slot, kUidDomain);
    else if (year == 1)
        std::snprintf(text, sizeof text, "yearly-%02d%02d%s", month, slot, kUidDomain);
    else
        std::snprintf(text, sizeof text, "once-%04d%02d%02d%s", year, month, slot, kUidDomain);
    return text;
}

std::string LunarShowingUid(int month, int day, int lunarYear, bool leap) {
    char text[48];
    std::snprintf(text, sizeof text, "lunar-%02d%02d-%04d%s%s", month, day, lunarYear, leap ? "-leap" : "", kUidDomain);
    return text;
}

}  // namespace ics
