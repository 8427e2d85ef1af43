#include "app/CalendarDlg.h"

#include "app/CalendarLayout.h"
#include "app/DocumentsFolder.h"
#include "app/MonitorWorkAreas.h"
#include "app/NotesFolder.h"
#include "app/Registry.h"
#include "app/WindowDrag.h"
#include "app/WindowPlacement.h"
#include "framework/Dpi.h"
#include "framework/WinApp.h"
#include "framework/WorkArea.h"
#include "notes/SaveTemps.h"
#include "view/AppTitle.h"

#include <cstdio>
#include <vector>

namespace app {

namespace {

constexpr char kNetworkFailed[] = "网络初始化失败，请报告管理员";
constexpr char kWarningCaption[] = "警告";
constexpr char kMonthViewFailed[] = "无法建立月历窗口，程序无法运行。";
constexpr char kNotesFolderFailed[] = "无法建立或进入记事文件夹：\n%s\n记事和备忘将无法保存。";

// The taskbar is told once that a tool window appeared.
constexpr WPARAM kTaskbarHotkey = 501;
constexpr UINT kTaskbarTimeoutMs = 1000;

int RemoveAutostartEntry() { return SetAutostart(0, kAutostartValue); }

// Settings that cannot be written are only not remembered.
void RememberMemoShown(const char* shown) { static_cast<void>(WriteRegString(kSettingsKey, kMemoShowValue, shown)); }

}  // namespace

CCalendarDlg::CCalendarDlg(fw::CWnd* parent)
    : fw::CDialog(IDD_MAIN, parent),
      removeAutostart(&RemoveAutostartEntry),
      hIcon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_CALENDAR))) {}

CCalendarDlg::~CCalendarDlg() {
    // The window and its children go while every member they reach exists.
    DestroyWindow();
}

const fw::MessageMap* CCalendarDlg::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        fw::OnPaint<&CCalendarDlg::OnPaint>(),
        fw::OnMessage<&CCalendarDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        fw::OnCommand<&CCalendarDlg::OnPickerChange>(IDC_YEAR_COMBO, CBN_SELCHANGE),
        fw::OnCommand<&CCalendarDlg::OnPickerChange>(IDC_MONTH_COMBO, CBN_SELCHANGE),
        fw::OnMove<&CCalendarDlg::OnMove>(),
        fw::OnMessage<&CCalendarDlg::OnEnterSizeMove>(WM_ENTERSIZEMOVE),
        fw::OnMessage<&CCalendarDlg::OnExitSizeMove>(WM_EXITSIZEMOVE),
        fw::OnMouse<&CCalendarDlg::OnLButtonDown>(WM_LBUTTONDOWN),
        view::OnHoverButtonClick<&CCalendarDlg::OnPrevButton>(kPrevButtonId),
        view::OnHoverButtonClick<&CCalendarDlg::OnNextButton>(kNextButtonId),
        view::OnHoverButtonClick<&CCalendarDlg::GoToToday>(kTodayButtonId),
        view::OnHoverButtonClick<&CCalendarDlg::RunExitPrompt>(kCloseButtonId),
        view::OnHoverButtonClick<&CCalendarDlg::OpenHeadline>(kHeadlineLabelId),
        view::OnHoverButtonClick<&CCalendarDlg::FetchHeadline>(kNextArticleButtonId),
        view::OnOtherHoverButtonClick<&CCalendarDlg::OnOtherButton>(),
        fw::OnTimer<&CCalendarDlg::OnTimer>(),
        fw::OnMessage<&CCalendarDlg::OnDpiChanged>(WM_DPICHANGED),
        fw::OnMessage<&CCalendarDlg::OnQueryEndSession>(WM_QUERYENDSESSION),
        fw::OnMessage<&CCalendarDlg::OnEndSession>(WM_ENDSESSION),
        fw::OnMessage<&CCalendarDlg::OnSessionEndWarning>(kSessionEndWarningMessage),
    };
    static constexpr fw::MessageMap map{&fw::CDialog::GetThisMessageMap, entries};
    return &map;
}

void CCalendarDlg::DoDataExchange(fw::CDataExchange& dx) {
    fw::DDX_Control(dx, IDC_YEAR_COMBO, yearCombo);
    fw::DDX_Control(dx, IDC_MONTH_COMBO, monthCombo);
}

BOOL CCalendarDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();

    sockets = std::make_unique<news::SocketLibrary>();
    if (!sockets->Started()) fw::MessageBoxFor(hwnd_, kNetworkFailed, kWarningCaption);

    scale = fw::ScaleOf(hwnd_);
    layout = LayOutMainWindow(scale);
    windowWidth = layout.width;
    gridHeight = layout.monthView.bottom - layout.monthView.top;
    PlaceWindow();
    PlacePickers();
    fw::SetWindowTextOf(hwnd_, view::kAppTitle);
    autostartRegistered = EnsureAutostart() == AutostartCheck::AlreadyRegistered;
    EnterNotesFolder();
    CreateMemoWindows();
    CreateHeaderButtons();

    monthView = std::make_unique<view::CMonthView>();
    const view::GridRect viewRect = layout.monthView;
    if (!monthView->Create({viewRect.left, viewRect.top, viewRect.right, viewRect.bottom}, this, view::kMonthViewId,
                           this, true)) {
        // Without its month grid the window has nothing to show: end the program.
        monthView.reset();
        fw::MessageBoxFor(hwnd_, kMonthViewFailed);
        EndDialog(-1);
        return FALSE;
    }
    // Tab goes from the pickers to the grid, then to the header buttons.
    ::SetWindowPos(monthView->hwnd(), monthCombo.hwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    LoadHolidaySchedules();
    FillPickers();
    GoToToday();

    prevButton.SetText("上月", TRUE);
    nextButton.SetText("下月", TRUE);
    todayButton.SetText("返回", FALSE);
    closeButton.SetText("×", TRUE);
    initialised = true;

    ::SetTimer(hwnd_, kTickTimerId, 1000, nullptr);
    // Timers come after paints; the shortest one leaves the queue idle long
    // enough for the picture to reach the screen first.
    ::SetTimer(hwnd_, kFinishStartupTimerId, USER_TIMER_MINIMUM, nullptr);
    // A tool window has no taskbar button.
    ::SetWindowLongW(hwnd_, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    if (const HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr)) {
        DWORD_PTR ignored = 0;
        // A hung shell must not hold the start-up.
        ::SendMessageTimeoutW(taskbar, WM_HOTKEY, kTaskbarHotkey, 0, SMTO_ABORTIFHUNG, kTaskbarTimeoutMs, &ignored);
    }
    // The grid takes the focus: a focused year picker would show its text
    // selected and scrolled.
    ::SetFocus(monthView->hwnd());
    return FALSE;
}

void CCalendarDlg::PlaceWindow() {
    ScreenPoint pos = ReadMainWindowPos(RegistrySettings{});
    pos = KeepInsideWorkArea(pos, layout.width, layout.height, MonitorWorkAreas());
    ::MoveWindow(hwnd_, pos.x, pos.y, layout.width, layout.height, TRUE);
}

void CCalendarDlg::PlacePickers() {
    // The field's height and the items' follow the font; the rest of the
    // control's height is the list.
    const auto place = [this](const fw::CComboBox& picker, const view::GridRect& field, int designHeight) {
        RECT closed{};
        ::GetWindowRect(picker.hwnd(), &closed);
        const int item = static_cast<int>(::SendMessageW(picker.hwnd(), CB_GETITEMHEIGHT, 0, 0));
        const int height =
            PickerHeight(designHeight, closed.bottom - closed.top, item > 0 ? item : scale(kPickerItemHeight));
        ::MoveWindow(picker.hwnd(), field.left, field.top, field.right - field.left, height, TRUE);
    };
    place(yearCombo, layout.yearPicker, kYearPickerHeight);
    place(monthCombo, layout.monthPicker, kMonthPickerHeight);
}

LRESULT CCalendarDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    scale = {LOWORD(wParam)};
    layout = LayOutMainWindow(scale);
    windowWidth = layout.width;
    gridHeight = layout.monthView.bottom - layout.monthView.top;
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);

    if (pickerFont.CreatePointFont(kPickerPointSize, kPickerFace, scale.dpi)) {
        ::SendMessageW(yearCombo.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(pickerFont.get()), FALSE);
        ::SendMessageW(monthCombo.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(pickerFont.get()), FALSE);
    }
    PlacePickers();
    const auto rect = [](const view::GridRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; };
    prevButton.Rescale(rect(layout.prevButton), scale.dpi);
    nextButton.Rescale(rect(layout.nextButton), scale.dpi);
    todayButton.Rescale(rect(layout.todayButton), scale.dpi);
    closeButton.Rescale(rect(layout.closeButton), scale.dpi);
    if (monthView) monthView->Rescale(rect(layout.monthView), scale.dpi);
    if (headlineLabel.hwnd()) {
        headlineLabel.Rescale(rect(layout.headline), scale.dpi);
        nextArticleButton.Rescale(rect(layout.nextArticle), scale.dpi);
        headlineFont.CreatePointFont(kHeadlinePointSize, kHeadlineFace, scale.dpi);
        if (!headlineTitle.empty()) ShowHeadlineTitle();
    }
    PlaceMemoTab();
    ::InvalidateRect(hwnd_, nullptr, TRUE);
    return 0;
}

void CCalendarDlg::EnterNotesFolder() {
    const std::string documents = DocumentsFolder();
    const std::optional<std::string> folder = NotesFolderPath(documents.c_str());
    notesFolderEntered = folder && app::EnterNotesFolder(*folder) == 0;
    if (notesFolderEntered) return;

    // Told once, with the folder meant, whole even when it is too long.
    std::string meant = documents.empty() ? std::string(kNotesFolderName) : documents + "\\" + kNotesFolderName;
    std::vector<char> text(sizeof kNotesFolderFailed + meant.size());
    std::snprintf(text.data(), text.size(), kNotesFolderFailed, meant.c_str());
    fw::MessageBoxFor(hwnd_, text.data());
}

void CCalendarDlg::CreateMemoWindows() {
    // A shown pad belongs to the first picture. The tab, a tiny window of its
    // own that costs as much to make as a big one, and a hidden pad are made
    // once the grid shows.
    if (ReadMemoShown(RegistrySettings{})) ShowMemoPad();
}

void CCalendarDlg::CreateMemoTab() {
    if (memoTab) return;
    memoTab = std::make_unique<CMemoTabDlg>(*this);
    memoTab->Create(this);
    PlaceMemoTab();
    // Made hidden, it stays so beside a shown pad; shown, it leaves the
    // activation with the calendar.
    if (memoPad && ::IsWindowVisible(memoPad->hwnd())) return;
    ::ShowWindow(memoTab->hwnd(), SW_SHOWNA);
    RememberMemoShown("0");
}

void CCalendarDlg::CreateMemoPad() {
    if (memoPad && memoPad->hwnd()) return;
    memoPad = std::make_unique<CMemoPadDlg>(*this);
    if (memoTakenOver) memoPad->TakeOver(*memoTakenOver);
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    memoPad->SetCalendarRect({window.left, window.top, window.right, window.bottom}, scale);
    // Until a pad holds the text it stays here, still unsaved.
    if (memoPad->Create(this)) memoTakenOver.reset();
}

void CCalendarDlg::FinishStartup() {
    ::KillTimer(hwnd_, kFinishStartupTimerId);
    CreateMemoTab();
    CreateMemoPad();
    if (!headlineLabel.hwnd()) CreateHeadlineStrip();
    if (monthView) monthView->CreateTipPopup();
    // What saves cut short by a crash or a kill left behind, once nothing
    // waits on the first picture.
    if (notesFolderEntered) static_cast<void>(notes::RemoveAbandonedTemps());
    TellHolidayFileReport();
}

std::optional<std::string> CCalendarDlg::UnsavedMemo() const {
    // A pad not made (yet, or at all) still owes the text it was to take over.
    if (!memoPad || !memoPad->hwnd()) return memoTakenOver;
    if (!memoPad->SavePending()) return std::nullopt;
    return memoPad->MemoText();
}

void CCalendarDlg::CreateHeaderButtons() {
    struct Header {
        view::CHoverButton& button;
        view::GridRect rect;
        UINT id;
    };
    const Header headers[] = {
        {prevButton, layout.prevButton, kPrevButtonId},
        {nextButton, layout.nextButton, kNextButtonId},
        {todayButton, layout.todayButton, kTodayButtonId},
        {closeButton, layout.closeButton, kCloseButtonId},
    };
    for (const Header& h : headers)
        h.button.Create({h.rect.left, h.rect.top, h.rect.right, h.rect.bottom}, this, h.id, titleBarColor,
                        titleBarTextColor, kHeaderPointSize, kHeaderFace);
}

// Memo pad and tab.

void CCalendarDlg::ShowMemoPad() {
    CreateMemoPad();
    ::ShowWindow(memoPad->hwnd(), SW_SHOW);
    if (memoTab) ::ShowWindow(memoTab->hwnd(), SW_HIDE);
    RememberMemoShown("1");
}

void CCalendarDlg::HideMemoPad() {
    if (memoPad) ::ShowWindow(memoPad->hwnd(), SW_HIDE);
    if (memoTab) ::ShowWindow(memoTab->hwnd(), SW_SHOW);
    RememberMemoShown("0");
}

void CCalendarDlg::PlaceMemoTab() {
    if (!memoTab) return;
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    const int width = scale(kMemoTabWidth);
    const int height = scale(kMemoTabHeight);
    const ScreenPoint at = app::PlaceMemoTab({window.left, window.top, window.right, window.bottom}, width, height,
                                             fw::WorkAreaOf(hwnd_), scale);
    ::MoveWindow(memoTab->hwnd(), at.x, at.y, width, height, TRUE);
}

// Moving, dragging, painting.

void CCalendarDlg::OnMove(POINT clientOrigin) {
    Default();
    if (!initialised) return;
    // A drag remembers only where it ends, once pulled back inside.
    if (!dragging) RememberPosition({clientOrigin.x, clientOrigin.y}, kPosXValue, kPosYValue);
    PlaceMemoTab();
}

LRESULT CCalendarDlg::OnEnterSizeMove(WPARAM, LPARAM) {
    dragging = true;
    return 0;
}

LRESULT CCalendarDlg::OnExitSizeMove(WPARAM, LPARAM) {
    dragging = false;
    MoveInsideWorkArea();
    return 0;
}

void CCalendarDlg::MoveInsideWorkArea() {
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    const ScreenPoint inside = KeepInsideWorkArea({window.left, window.top}, window.right - window.left,
                                                  window.bottom - window.top, MonitorWorkAreas());
    // An embedded window is placed in its parent's client coordinates.
    POINT origin{inside.x, inside.y};
    ::MapWindowPoints(HWND_DESKTOP, ::GetAncestor(hwnd_, GA_PARENT), &origin, 1);
    if (inside == ScreenPoint{window.left, window.top})
        RememberPosition({origin.x, origin.y}, kPosXValue, kPosYValue);
    else
        ::SetWindowPos(hwnd_, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CCalendarDlg::OnLButtonDown(UINT, POINT point) {
    StartWindowDrag(hwnd_, point);
    Default();
}

void CCalendarDlg::OnPaint() {
    {
        const fw::CPaintDC dc(hwnd_);
        const view::GridRect& strip = layout.titleStrip;
        fw::FillSolidRect(dc.get(), {strip.left, strip.top, strip.right, strip.bottom}, titleBarColor);
    }
    // The grid is what the user looks at: it paints before the pickers and
    // the header buttons.
    if (monthView) ::UpdateWindow(monthView->hwnd());
}

LRESULT CCalendarDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(hIcon); }

}  // namespace app
