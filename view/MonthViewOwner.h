// What the month view needs of the window that owns it.
#pragma once

namespace view {

class MonthViewOwner {
public:
    // Shows or hides the owner's back-to-today button ("返回").
    virtual void ShowTodayButton(bool show) = 0;

protected:
    ~MonthViewOwner() = default;
};

}  // namespace view
