// What the user is told about the holiday update file ("节假日.txt"): once,
// when the file changed since the last start and lines of it were skipped
// or no year came of it.
#pragma once

#include "engine/HolidayTable.h"

#include <optional>
#include <string>
#include <string_view>

namespace app {

// The file's stamp as kept in the settings key: its size and a 64-bit
// FNV-1a hash of its bytes as decimal text; "" for no readable file.
std::string HolidayFileStamp(const std::optional<std::string>& bytes);

struct HolidayFileNoticePlan {
    bool remember = false;  // write `stamp` to the settings key
    bool tell = false;      // show HolidayFileReport
    friend bool operator==(const HolidayFileNoticePlan&, const HolidayFileNoticePlan&) = default;
};

// `stored` is the stamp of the last start, `result` what the file gave (none
// when it could not be read).
HolidayFileNoticePlan PlanHolidayFileNotice(std::string_view stored, std::string_view stamp,
                                            const std::optional<lunar::HolidayUpdateResult>& result);

// The message: which lines were skipped (the first five by number) and why,
// and whether no year came of the file.
std::string HolidayFileReport(const lunar::HolidayUpdateResult& result);

}  // namespace app
