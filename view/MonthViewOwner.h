// What the month view needs of the window that owns it.
#pragma once

namespace view {

class MonthViewOwner {
public:
    // Shows or hides the owner's back-to-today button ("返回").
    virtual void ShowTodayButton(bool show) = 0;
    // The navigation the header buttons use, for the grid's keys: a month
    // in range with the pickers following, and today as "返回" goes to it.
    virtual void ShowMonth(int year, int month) = 0;
    virtual void GoToToday() = 0;

protected:
    ~MonthViewOwner() = default;
};

}  // namespace view
