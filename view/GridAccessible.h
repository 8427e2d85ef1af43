// The month grid as screen readers see it: a table named for the month
// whose parts are the days (1..dayCount, as cells named with the whole
// date) and then the seven weekday headers (column headers, Sunday first).
// The default action of a day opens its editor, of a header the weekly one.
#pragma once

#include "framework/Accessible.h"

namespace view {

class CMonthView;

class GridAccessible final : public fw::AccessibleObject {
public:
    explicit GridAccessible(CMonthView& view);

protected:
    long ChildCount() const override;
    std::string Name(long child) const override;
    long Role(long child) const override;
    long State(long child) const override;
    std::string DefaultAction(long child) const override;
    bool DoDefaultAction(long child) override;
    RECT ClientRectOf(long child) const override;
    long ChildAt(POINT client) const override;
    long FocusedChild() const override;
    long SelectedChild() const override;
    bool Select(long child, long flags) override;
    long Neighbour(long child, long direction) const override;

private:
    bool IsDay(long child) const;
    // The weekday of a header part, -1 for any other part.
    int HeaderWeekday(long child) const;

    CMonthView& view_;
};

}  // namespace view
