// CMonthView: the month grid window. It keeps its state in MonthViewState
// (portable: day cells, marked date, note stores, colour decisions) and
// only paints, forwards the mouse and runs the note editors.
#pragma once

#include "framework/Accessible.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "view/DayTipDlg.h"
#include "view/GridKeys.h"
#include "view/HoverButton.h"
#include "view/LabelWnd.h"
#include "view/MonthViewOwner.h"
#include "view/MonthViewState.h"

#include <memory>
#include <string>

namespace view {

inline constexpr UINT kMonthViewId = 107;
inline constexpr UINT kSiteButtonId = 1052;
// The vendor's home page; a reserved name, so nothing real is reached.
inline constexpr char kSiteAddress[] = "http://www.morvane.example/";
// Posted by the grid's accessible object for a default action: wParam a
// day (its editor), or 0 with lParam a weekday (the weekly editor).
inline constexpr UINT kOpenEditorMessage = WM_APP + 10;

class CMonthView : public fw::CWnd, public MonthViewState {
public:
    CMonthView() = default;
    ~CMonthView() override;

    // Makes the window (363 x 236 design pixels at the parent's DPI, at
    // `rect` of the parent), its fonts, the year label, the site button and,
    // unless `tipLater`, the hidden tip popup. FALSE, with nothing made, when
    // the window cannot be made.
    BOOL Create(const RECT& rect, fw::CWnd* parent, UINT id, MonthViewOwner* owner, bool tipLater = false);

    // Shows a month (mark 0 keeps the marked date): day cells, note stores,
    // year label, the owner's "返回" button; hides the tip, which belonged
    // to a day of the month before; repaints without erasing.
    // FALSE, changing nothing, for a month the tables do not cover.
    BOOL SetMonth(int y, int m, int mark);

    // Saves the editors' results through the state and repaints; false
    // when a note could not be saved (the editor tells the user and stays).
    [[nodiscard]] bool ApplyDayNotes(std::string t1, std::uint32_t c1, std::string t2, std::uint32_t c2,
                                     std::string t3, std::uint32_t c3);
    [[nodiscard]] bool ApplyWeeklyNote(std::string t, std::uint32_t c);

    // Pops today's notes up under the marked day (the owner calls it once,
    // shortly after start-up).
    void ShowTodayTip();

    // Makes the hidden tip popup now, if Create left it for later; the first
    // tip shown makes it otherwise.
    void CreateTipPopup();

    // After a change to `dpi`: the fonts made again for it, the window
    // moved to `rect` of the parent, the strip laid out again. Windows
    // opened afterwards (the editors, the tip) take the new DPI.
    void Rescale(const RECT& rect, int dpi);

    // True while a day or weekly editor of this view is open: the owner
    // must not change the month under it.
    bool EditorOpen() const { return editorOpen; }

    // The day the keys work on; drawn with a focus rectangle while the grid
    // has the focus, once the keyboard was used.
    int FocusDay() const { return focusDay; }
    bool FocusCuesShown() const { return focusCues; }
    // Moves the focus day within the shown month; with `takeFocus` the
    // grid also takes the keyboard focus.
    void FocusOn(int day, bool takeFocus);
    // What WM_GETOBJECT hands out for the client area, made on first use
    // and owned by the window.
    fw::AccessibleObject& ClientObject();
    // A shown day's cell in client coordinates.
    RECT DayCellRect(int day) const;
    // Shows what a change of the holiday schedules brings: the grid's marks
    // and the strip's note of a year without a schedule.
    void HolidaysChanged();

    CDayTipDlg* TipPopup() const { return tipPopup.get(); }
    const CLabelWnd& YearLabel() const { return yearLabel; }
    const CLabelWnd& ScheduleNoteLabel() const { return scheduleNote; }

    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    void OnPaint();
    void OnMouseMove(UINT flags, POINT point);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    void OnLButtonUp(UINT flags, POINT point);
    void OnSiteButton();
    // The keyboard and screen readers (MonthViewKeys_win.cpp).
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    LRESULT OnKeyDown(WPARAM, LPARAM);
    LRESULT OnFocusChange(WPARAM, LPARAM);
    LRESULT OnUpdateUiState(WPARAM, LPARAM);
    LRESULT OnGetObject(WPARAM, LPARAM);
    LRESULT OnOpenEditor(WPARAM, LPARAM);
    void RunDayEditor(int day);
    void RunWeeklyEditor(int weekday);
    void MoveFocusBy(GridKey key);
    void ShowFocusCues();
    // After every month change: the focus day, and screen readers told.
    void FocusShownMonth();
    // The focus day's notes beside its cell, after a key moved it.
    void ShowKeyTip();
    // A real move of the pointer ends the tip the keys showed.
    void EndKeyTip(POINT client);
    void DrawFocusDay(HDC dc);

    void DrawHeader(HDC dc);
    void DrawGrid(HDC dc);
    void DrawDayCell(HDC dc, int day, const GridRect& cell);
    void DrawDayOffMark(HDC dc, int day, int x, int y);
    void ShowDayTip(int day, POINT clientPoint);
    // Hides the tip; the next move over any day, the same one too, shows it.
    void HideDayTip();
    void UpdateYearLabel();
    void UpdateScheduleNote();
    void MakeFonts();
    RECT YearLabelRect() const;
    RECT SiteButtonRect() const;

    fw::CFont dayNumberFont;
    fw::CFont starFont;
    fw::CFont lunarFont;
    fw::CFont lunarBoldFont;
    fw::CFont dayOffMarkFont;
    // The same faces narrower, for labels too wide for their cell.
    fw::CFont lunarNarrowFont;
    fw::CFont lunarBoldNarrowFont;
    // The weekday names' font where the view's DPI is not the system's (the
    // stock system font is made for the system's).
    fw::CFont weekdayFont;
    std::unique_ptr<CDayTipDlg> tipPopup;
    CLabelWnd yearLabel;
    CLabelWnd scheduleNote;  // "2027年调休未公布", where the strip has room
    CHoverButton siteButton;
    MonthViewOwner* owner = nullptr;
    bool editorOpen = false;
    bool trackingLeave = false;  // WM_MOUSELEAVE asked for
    int focusDay = 0;
    int keyFocusDay = 0;     // while keys change the month: the day they focus
    bool focusCues = false;  // the keyboard was used: the focus rectangle shows
    bool keyTipShown = false;
    POINT keyTipPointer{};  // where the pointer was when the keys showed the tip
    fw::UniqueAccessible accessible;
};

}  // namespace view
