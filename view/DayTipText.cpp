#include "view/DayTipText.h"

#include "engine/SolarTerms.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace view {

std::string SolarTermTipLine(int year, int month, int day) {
    lunar::SolarTermTime terms[2];
    if (!lunar::GetSolarTerms(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), terms[0], terms[1]))
        return {};
    for (int position = 0; position < 2; ++position) {
        const lunar::SolarTermTime& term = terms[position];
        if (term.day != day) continue;
        int hour = term.hour, minute = term.minute;
        if (minute == 60) {
            if (hour == 23)
                minute = 59;
            else
                ++hour, minute = 0;
        }
        char line[48];
        std::snprintf(line, sizeof line, "%s %d月%d日 %02d:%02d", lunar::SolarTermName(month, position + 1), month, day,
                      hour, minute);
        return line;
    }
    return {};
}

std::unique_ptr<char[]> DayTipText(const MonthViewState& state, int day, std::size_t& length) {
    std::size_t notesLength = 0;
    std::unique_ptr<char[]> notes = state.DayNotesText(day, notesLength);
    length = notesLength;
    if (day < 1 || day > state.dayCount) return notes;
    const std::string term = SolarTermTipLine(state.year, state.month, day);
    if (term.empty()) return notes;

    constexpr char kLineBreak[] = "\r\n";
    const std::size_t breakLength = notesLength > 0 ? sizeof kLineBreak - 1 : 0;
    const std::size_t total = term.size() + breakLength + notesLength;
    std::unique_ptr<char[]> text(new (std::nothrow) char[total + 1]);
    if (!text) return notes;
    std::memcpy(text.get(), term.data(), term.size());
    std::memcpy(text.get() + term.size(), kLineBreak, breakLength);
    if (notesLength > 0) std::memcpy(text.get() + term.size() + breakLength, notes.get(), notesLength);
    text[total] = '\0';
    length = total;
    return text;
}

}  // namespace view
