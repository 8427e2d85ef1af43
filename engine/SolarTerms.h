// The 24 solar terms: built-in instants for 1900..2054 and their names.
#pragma once

#include <cstdint>

namespace lunar {

inline constexpr int kFirstSolarTermYear = 1900;
inline constexpr int kLastSolarTermYear = 2054;

// Instant at which the Sun reaches a term's longitude, China Standard Time.
// The minute is rounded without carrying, so it may read 60.
struct SolarTermTime {
    std::uint8_t day = 0;     // 3..24
    std::uint8_t hour = 0;    // 0..23
    std::uint8_t minute = 0;  // 0..60
};

// The month's first term (longitude 285 + 30 (month - 1) degrees) and its
// second (15 degrees further). Returns false, with zeroed records, for a
// year or month outside the table.
[[nodiscard]] bool GetSolarTerms(std::int16_t year, std::int16_t month, SolarTermTime& first, SolarTermTime& second);

// Name of the term at `position` 1 (first) or 2 (second) of a Gregorian
// month; empty text for arguments outside 1..12 and 1..2.
const char* SolarTermName(int month, int position);

}  // namespace lunar
