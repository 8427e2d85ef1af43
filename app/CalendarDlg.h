// CCalendarDlg: the program's main window. A borderless window of 363 x 278
// design pixels (CalendarLayout.h, scaled to its DPI) with a dark title
// strip (year and month pickers, "上月", "下月", "返回", "×"), the month grid
// below it and the headline strip at the bottom, and beside it the memo pad
// or its tab. It never closes on Enter, Esc or
// Alt+F4; only the exit prompt's choices end it.
//
// Its members are split by concern: CalendarDlg_win.cpp start-up, layout,
// moving and the memo windows; CalendarNavigation_win.cpp the pickers, the
// buttons, going to today, the exit prompt and the tick;
// CalendarHeadline_win.cpp the headline strip.
#pragma once

#include "app/CalendarLayout.h"
#include "app/HolidayFetch.h"
#include "app/MemoPadHost.h"
#include "app/MemoPadDlg.h"
#include "app/MemoTabDlg.h"
#include "app/MonthNavigation.h"
#include "app/TickSchedule.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "news/AsyncHttpGet.h"
#include "news/WebGet.h"
#include "news/Socket.h"
#include "view/HoverButton.h"
#include "view/MonthView.h"
#include "view/MonthViewOwner.h"
#include "resources/resource_ids.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

inline constexpr UINT kPrevButtonId = 1044;
inline constexpr UINT kNextButtonId = 1045;
inline constexpr UINT kTodayButtonId = 105;
inline constexpr UINT kCloseButtonId = 1001;
inline constexpr UINT kHeadlineLabelId = 1053;
inline constexpr UINT kNextArticleButtonId = 1054;
inline constexpr UINT_PTR kTickTimerId = 1;
// Fires once, after the first picture: the start-up's unseen windows.
inline constexpr UINT_PTR kFinishStartupTimerId = 2;
// Posted to itself: the warning of a blocked end of the session, shown once
// the system has its reply.
inline constexpr UINT kSessionEndWarningMessage = WM_APP + 20;

class CCalendarDlg : public fw::CDialog, public view::MonthViewOwner, public MemoPadHost {
public:
    explicit CCalendarDlg(fw::CWnd* parent = nullptr);
    ~CCalendarDlg() override;

    // Navigation: today's month with today marked (the nearest month in
    // range, unmarked, for a clock outside it), or any month in range.
    void GoToToday() override;
    void ShowMonth(int year, int month) override;

    void ShowMemoPad() override;
    void HideMemoPad() override;
    BOOL QueryEndSession(HWND asking) override;
    void EndSession() override;
    // Puts the memo tab beside the window's bottom-right corner, or where
    // PlaceMemoTab finds room on the window's monitor.
    void PlaceMemoTab();

    // The memo of a pad whose save kept failing, or the text a pad not made
    // was to take over: the next window's pad takes it over (before DoModal),
    // so a re-made window loses nothing.
    std::optional<std::string> UnsavedMemo() const;
    void TakeOverMemo(std::string text) { memoTakenOver = std::move(text); }

    // The headline strip: fetch one headline now; open the shown one's link.
    void FetchHeadline();
    void OpenHeadline();

    // The work of one second: embedding, today's notes, headlines, midnight.
    void OnTick();

    void ShowTodayButton(bool show) override;

    // True once the exit prompt's choice ended the window; a window that
    // went any other way (its desktop was destroyed) is to be made again.
    bool ExitChosen() const { return exitChosen; }

    // Removes the autostart entry for "卸载"; 0 or -1. Replaceable, so that
    // a failing registry can be tried.
    int (*removeAutostart)() = nullptr;

    // What tests and the application read.
    view::CMonthView* MonthView() const { return monthView.get(); }
    CMemoPadDlg* MemoPad() const { return memoPad.get(); }
    CMemoTabDlg* MemoTab() const { return memoTab.get(); }
    const fw::CComboBox& YearCombo() const { return yearCombo; }
    const fw::CComboBox& MonthCombo() const { return monthCombo; }
    const view::CHoverButton& HeadlineLabel() const { return headlineLabel; }
    const view::CHoverButton& NextArticleButton() const { return nextArticleButton; }
    const view::CHoverButton& TodayButton() const { return todayButton; }
    const std::string& HeadlineTitle() const { return headlineTitle; }
    const std::string& HeadlineLink() const { return headlineLink; }
    const TickSchedule& Schedule() const { return schedule; }
    const MainWindowLayout& Layout() const { return layout; }
    int HeadlineFetches() const { return headlineFetches; }
    // Answers of holiday sources so far, and whether one is awaited.
    int HolidayAnswers() const { return holidayAnswers; }
    bool HolidayFetchRunning() const { return holidayFetch.Running(); }
    bool HeadlineFetchRunning() const { return headlineFetch.Running(); }
    bool AutostartRegistered() const { return autostartRegistered; }

    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    // Enter and Esc (and Alt+F4, which arrives as Esc) do nothing.
    void OnOK() override {}
    void OnCancel() override {}

    void OnPaint();
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    void OnMove(POINT clientOrigin);
    void OnLButtonDown(UINT flags, POINT point);
    // A drag's move loop; when it ends outside the work area the window
    // moves back inside.
    LRESULT OnEnterSizeMove(WPARAM, LPARAM);
    LRESULT OnExitSizeMove(WPARAM, LPARAM);
    void MoveInsideWorkArea();
    void OnPrevButton();
    void OnNextButton();
    // A click from a button no entry names re-shows the month.
    void OnOtherButton(UINT id);
    void OnTimer(UINT_PTR timerId);
    void OnPickerChange();
    // The window moved to a monitor of another DPI (wParam's low word): it
    // takes the suggested rectangle (lParam) and lays itself out again.
    LRESULT OnDpiChanged(WPARAM, LPARAM);

    void PlaceWindow();
    void PlacePickers();
    void EnterNotesFolder();
    void CreateMemoWindows();
    void CreateMemoPad();
    void CreateMemoTab();
    // What start-up leaves until the first picture is on the screen: the
    // memo tab and the windows not seen yet (a hidden memo pad, the headline
    // strip, the tip).
    void FinishStartup();
    void CreateHeaderButtons();
    // The holiday schedules of the notes folder (CalendarHolidays_win.cpp);
    // what the update file did is told after the first picture.
    void LoadHolidaySchedules();
    void TellHolidayFileReport();
    // This year's or next year's schedule, when it is missing (HolidayFetch.h).
    void FetchHolidaysIfDue();
    void AskHolidaySource();
    void OnHolidayYearFetched(const std::string& address, news::WebGetResult result, std::string_view body);
    void CreateHeadlineStrip();
    void FillPickers();
    void SelectPickers(int year, int month);
    // Today as last gone to: the view's mark (none outside the range).
    CalendarDate MarkedDate() const;
    void RunExitPrompt();
    // Saves the memo once more if it is only in the pad (or, with no pad
    // made, only here); true when it still is.
    bool MemoStillUnsaved();
    LRESULT OnQueryEndSession(WPARAM, LPARAM) { return QueryEndSession(hwnd_); }
    LRESULT OnEndSession(WPARAM, LPARAM) {
        EndSession();
        return 0;
    }
    void WithdrawBlockReasons();
    LRESULT OnSessionEndWarning(WPARAM, LPARAM);
    void ShowHeadlineTitle();
    void OnHeadlineFetched(int result, std::string_view body);

    COLORREF titleBarColor = RGB(50, 80, 90);
    COLORREF titleBarTextColor = RGB(189, 183, 107);
    view::CHoverButton prevButton;
    view::CHoverButton nextButton;
    view::CHoverButton todayButton;
    view::CHoverButton closeButton;
    int windowWidth = kMainWindowWidth;
    // The window's DPI and its parts' places at that DPI.
    base::DpiScale scale;
    MainWindowLayout layout = LayOutMainWindow({});
    // The pickers' font after a change of DPI (the dialog's own before).
    fw::CFont pickerFont;
    fw::CComboBox yearCombo;
    fw::CComboBox monthCombo;
    int gridHeight = 0;
    bool autostartRegistered = false;
    bool notesFolderEntered = false;  // the current directory is the notes folder
    HICON hIcon = nullptr;
    std::unique_ptr<view::CMonthView> monthView;
    bool initialised = false;
    bool dragging = false;  // inside the move loop of a drag
    view::CHoverButton headlineLabel;
    view::CHoverButton nextArticleButton;
    std::unique_ptr<CMemoPadDlg> memoPad;
    std::unique_ptr<CMemoTabDlg> memoTab;
    std::optional<std::string> memoTakenOver;
    std::string headlineTitle;
    std::string headlineLink;

    TickSchedule schedule;
    std::unique_ptr<news::SocketLibrary> sockets;
    fw::CFont headlineFont;  // the headline label's font, for measuring titles
    news::AsyncHttpGet headlineFetch;
    int headlineFetches = 0;
    bool exitChosen = false;
    std::optional<std::string> holidayFileReport;
    news::WebGet holidayFetch;
    std::vector<std::string> holidaySources;
    std::size_t holidaySourceIndex = 0;
    int holidayFetchYear = 0;
    int holidayAnswers = 0;
    HolidayAskDays holidayAsked;  // year -> the day it was last asked for, also in the settings key
    bool sessionWarningPending = false;  // posted or showing
};

}  // namespace app
