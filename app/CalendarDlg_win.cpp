#include "app/CalendarDlg.h"

#include "app/DesktopEmbedding.h"
#include "app/DocumentsFolder.h"
#include "app/ExitPromptDlg.h"
#include "app/HeadlineText.h"
#include "app/LocalClock.h"
#include "app/MonitorWorkAreas.h"
#include "app/MonthNavigation.h"
#include "app/NotesFolder.h"
#include "app/Registry.h"
#include "app/WindowDrag.h"
#include "app/WindowPlacement.h"
#include "framework/Shell.h"
#include "framework/WinApp.h"
#include "news/Headline.h"
#include "news/HttpClient.h"
#include "news/NewsEndpoint.h"
#include "view/AppTitle.h"

#include <cstdio>
#include <vector>

namespace app {

namespace {

constexpr int kIconId = 128;
constexpr int kTitleStripHeight = 25;
constexpr int kGridTop = 22;
constexpr int kGridHeight = 236;

constexpr char kHeaderFace[] = "楷体_gb2312";
constexpr int kHeaderPointSize = 100;
constexpr int kHeaderButtonTop = 3;
constexpr int kHeaderButtonBottom = 20;

constexpr COLORREF kHeadlineTextColor = RGB(0, 0, 208);
constexpr char kHeadlineFace[] = "宋体";
constexpr int kHeadlinePointSize = 110;
constexpr int kHeadlineLeft = 2;
constexpr int kNextArticleLeft = 250;
constexpr int kNextArticleRight = 310;
// The title is cut short of "下一篇" by this gap.
constexpr int kHeadlineGap = 4;
constexpr int kHeadlineMaxWidth = kNextArticleLeft - kHeadlineLeft - kHeadlineGap;

constexpr char kNetworkFailed[] = "网络初始化失败，请报告管理员";
constexpr char kWarningCaption[] = "警告";
constexpr char kEmbeddingGivenUp[] = "无法设置到桌面，请报告站长";
constexpr char kNotesFolderFailed[] = "无法建立或进入记事文件夹：\n%s\n记事和备忘将无法保存。";
constexpr char kUninstallFailed[] = "无法删除开机自动启动项，程序继续运行。";
constexpr char kNextArticleText[] = "下一篇";

// The taskbar is told once that a tool window appeared.
constexpr WPARAM kTaskbarHotkey = 501;
constexpr UINT kTaskbarTimeoutMs = 1000;

int RemoveAutostartEntry() { return SetAutostart(0, kAutostartValue); }

// Settings that cannot be written are only not remembered.
void RememberMemoShown(const char* shown) { static_cast<void>(WriteRegString(kSettingsKey, kMemoShowValue, shown)); }

void RememberPosition(LPARAM clientOrigin) {
    static_cast<void>(WriteSettingNumber(kPosXValue, static_cast<short>(LOWORD(clientOrigin))));
    static_cast<void>(WriteSettingNumber(kPosYValue, static_cast<short>(HIWORD(clientOrigin))));
}

}  // namespace

CCalendarDlg::CCalendarDlg(fw::CWnd* parent)
    : fw::CDialog(kMainTemplate, parent),
      removeAutostart(&RemoveAutostartEntry),
      hIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kIconId))) {}

CCalendarDlg::~CCalendarDlg() {
    // The window and its children go while every member they reach exists.
    DestroyWindow();
}

const fw::MessageMap* CCalendarDlg::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        fw::OnPaint<&CCalendarDlg::OnPaint>(),
        fw::OnMessage<&CCalendarDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        fw::OnCommand<&CCalendarDlg::OnPickerChange>(kYearComboId, CBN_SELCHANGE),
        fw::OnCommand<&CCalendarDlg::OnPickerChange>(kMonthComboId, CBN_SELCHANGE),
        fw::OnMessage<&CCalendarDlg::OnMove>(WM_MOVE),
        fw::OnMouse<&CCalendarDlg::OnLButtonDown>(WM_LBUTTONDOWN),
        fw::OnMessage<&CCalendarDlg::OnHoverButtonClick>(view::WM_HOVERBUTTON_CLICK),
        fw::OnMessage<&CCalendarDlg::OnTimer>(WM_TIMER),
    };
    static constexpr fw::MessageMap map{&fw::CDialog::GetThisMessageMap, entries};
    return &map;
}

void CCalendarDlg::DoDataExchange(fw::CDataExchange& dx) {
    fw::DDX_Control(dx, kYearComboId, yearCombo);
    fw::DDX_Control(dx, kMonthComboId, monthCombo);
}

BOOL CCalendarDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();

    sockets = std::make_unique<news::SocketLibrary>();
    if (!sockets->Started()) fw::MessageBoxFor(hwnd_, kNetworkFailed, kWarningCaption);

    gridHeight = kGridHeight;
    PlaceWindow();
    ::SetWindowTextA(hwnd_, view::kAppTitle);
    autostartRegistered = EnsureAutostart() == AutostartCheck::AlreadyRegistered;
    EnterNotesFolder();
    CreateMemoWindows();
    CreateHeaderButtons();

    monthView = std::make_unique<view::CMonthView>();
    monthView->Create({0, kGridTop, windowWidth, kGridTop + gridHeight}, this, view::kMonthViewId, this);
    // The notes folder is current: its update file, when there is one, brings
    // the days off of years the built-in table lacks or gets wrong.
    static_cast<void>(monthView->holidays.LoadUpdateFile(lunar::kHolidayUpdateFileName));
    FillPickers();
    GoToToday();
    CreateHeadlineStrip();

    prevButton.SetText("上月", TRUE);
    nextButton.SetText("下月", TRUE);
    todayButton.SetText("返回", FALSE);
    closeButton.SetText("×", TRUE);
    initialised = true;

    ::SetTimer(hwnd_, kTickTimerId, 1000, nullptr);
    // A tool window has no taskbar button.
    ::SetWindowLongA(hwnd_, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    if (const HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr)) {
        DWORD_PTR ignored = 0;
        // A hung shell must not hold the start-up.
        ::SendMessageTimeoutA(taskbar, WM_HOTKEY, kTaskbarHotkey, 0, SMTO_ABORTIFHUNG, kTaskbarTimeoutMs, &ignored);
    }
    // The grid takes the focus: a focused year picker would show its text
    // selected and scrolled.
    ::SetFocus(monthView->hwnd());
    return FALSE;
}

void CCalendarDlg::PlaceWindow() {
    ScreenPoint pos = ReadMainWindowPos(RegistrySettings{});
    pos = ClampToFullScreen(pos, ::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN));
    pos = MoveOntoWorkAreas(pos, kMainWindowWidth, kMainWindowHeight, MonitorWorkAreas());
    ::MoveWindow(hwnd_, pos.x, pos.y, kMainWindowWidth, kMainWindowHeight, TRUE);
}

void CCalendarDlg::EnterNotesFolder() {
    const std::string documents = DocumentsFolder();
    const std::optional<std::string> folder = NotesFolderPath(documents.c_str());
    if (folder && app::EnterNotesFolder(*folder) == 0) return;

    // Told once, with the folder meant, whole even when it is too long.
    std::string meant = documents.empty() ? std::string(kNotesFolderName) : documents + "\\" + kNotesFolderName;
    std::vector<char> text(sizeof kNotesFolderFailed + meant.size());
    std::snprintf(text.data(), text.size(), kNotesFolderFailed, meant.c_str());
    fw::MessageBoxFor(hwnd_, text.data());
}

void CCalendarDlg::CreateMemoWindows() {
    memoTab = std::make_unique<CMemoTabDlg>(*this);
    memoTab->Create(this);
    PlaceMemoTab();

    memoPad = std::make_unique<CMemoPadDlg>(*this);
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    memoPad->SetDefaultPos(window.left, window.bottom + 10);
    memoPad->Create(this);
    if (ReadMemoShown(RegistrySettings{}))
        ShowMemoPad();
    else
        HideMemoPad();
}

void CCalendarDlg::CreateHeaderButtons() {
    struct Header {
        view::CHoverButton& button;
        int left;
        int right;
        UINT id;
    };
    const Header headers[] = {
        {prevButton, 190, 220, kPrevButtonId},
        {nextButton, 230, 260, kNextButtonId},
        {todayButton, 270, 300, kTodayButtonId},
        {closeButton, 338, windowWidth, kCloseButtonId},
    };
    for (const Header& h : headers)
        h.button.Create({h.left, kHeaderButtonTop, h.right, kHeaderButtonBottom}, this, h.id, titleBarColor,
                        titleBarTextColor, kHeaderPointSize, kHeaderFace);
}

void CCalendarDlg::CreateHeadlineStrip() {
    const COLORREF back = ::GetSysColor(COLOR_BTNFACE);
    const int top = gridHeight + 24;
    headlineLabel.Create({kHeadlineLeft, top, 190, top + 18}, this, kHeadlineLabelId, back, kHeadlineTextColor,
                         kHeadlinePointSize, kHeadlineFace);
    nextArticleButton.Create({kNextArticleLeft, top + 1, kNextArticleRight, top + 19}, this, kNextArticleButtonId, back,
                             kHeadlineTextColor, kHeaderPointSize, kHeaderFace);
    headlineFont.CreatePointFont(kHeadlinePointSize, kHeadlineFace);
}

void CCalendarDlg::FillPickers() {
    char item[16];
    for (int month = 1; month <= kMonthItemCount; ++month) {
        std::snprintf(item, sizeof item, "%d月", month);
        monthCombo.AddString(item);
    }
    for (int i = 0; i < kYearItemCount; ++i) {
        std::snprintf(item, sizeof item, "%d年", kFirstShownMonth.year + i);
        yearCombo.AddString(item);
    }
}

void CCalendarDlg::SelectPickers(int year, int month) {
    yearCombo.SetCurSel(YearItem(year));
    monthCombo.SetCurSel(MonthItem(month));
}

// Navigation.

void CCalendarDlg::GoToToday() {
    const CalendarDate today = LocalToday();
    todayYear = today.year;
    todayMonth = today.month;
    todayDay = today.day;
    const YearMonth shown{monthView->year, monthView->month};
    const CalendarDate mark{monthView->markYear, monthView->markMonth, monthView->markDay};
    const TodayView target = ShownMonthFor(today);
    // A clock outside the calendar's range: no shown day is today, so no mark.
    const bool staleMark = target.markDay == 0 && mark != CalendarDate{};
    if (!TodayMoveNeeded(shown, mark, today) && !staleMark) return;

    if (staleMark) monthView->markYear = monthView->markMonth = monthView->markDay = 0;
    monthView->SetMonth(target.shown.year, target.shown.month, target.markDay);
    SelectPickers(target.shown.year, target.shown.month);
}

void CCalendarDlg::ShowMonth(int year, int month) {
    monthView->SetMonth(year, month, 0);
    SelectPickers(year, month);
}

void CCalendarDlg::OnPickerChange() {
    const std::optional<PickerChoice> choice = MonthForPickerItems(yearCombo.GetCurSel(), monthCombo.GetCurSel());
    if (!choice) {
        // Text typed into a picker chooses nothing.
        SelectPickers(monthView->year, monthView->month);
        return;
    }
    if (choice->reselectMonth) monthCombo.SetCurSel(MonthItem(choice->shown.month));
    monthView->SetMonth(choice->shown.year, choice->shown.month, 0);
}

LRESULT CCalendarDlg::OnHoverButtonClick(WPARAM id, LPARAM) {
    const YearMonth shown{monthView->year, monthView->month};
    switch (id) {
        case kPrevButtonId: {
            const YearMonth previous = PreviousMonth(shown);
            ShowMonth(previous.year, previous.month);
            break;
        }
        case kNextButtonId: {
            const YearMonth next = NextMonth(shown);
            ShowMonth(next.year, next.month);
            break;
        }
        case kTodayButtonId: GoToToday(); break;
        case kCloseButtonId: RunExitPrompt(); break;
        case kHeadlineLabelId: OpenHeadline(); break;
        case kNextArticleButtonId: FetchHeadline(); break;
        default: ShowMonth(shown.year, shown.month); break;
    }
    return 0;
}

void CCalendarDlg::ShowTodayButton(bool show) { ::ShowWindow(todayButton.hwnd(), show ? SW_SHOW : SW_HIDE); }

// Exit.

void CCalendarDlg::RunExitPrompt() {
    CExitPromptDlg prompt(this);
    prompt.DoModal();
    if (prompt.choice == CExitPromptDlg::kUninstall && removeAutostart() != 0) {
        // The entry is still there: ending now would look like success.
        fw::MessageBoxFor(hwnd_, kUninstallFailed);
        return;
    }
    if (prompt.choice == CExitPromptDlg::kCloseProgram || prompt.choice == CExitPromptDlg::kUninstall) {
        exitChosen = true;
        EndDialog(IDCANCEL);
    }
}

// Memo pad and tab.

void CCalendarDlg::ShowMemoPad() {
    ::ShowWindow(memoPad->hwnd(), SW_SHOW);
    ::ShowWindow(memoTab->hwnd(), SW_HIDE);
    RememberMemoShown("1");
}

void CCalendarDlg::HideMemoPad() {
    ::ShowWindow(memoPad->hwnd(), SW_HIDE);
    ::ShowWindow(memoTab->hwnd(), SW_SHOW);
    RememberMemoShown("0");
}

void CCalendarDlg::PlaceMemoTab() {
    if (!memoTab) return;
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    ::MoveWindow(memoTab->hwnd(), window.right + 10, window.bottom - kMemoTabHeight, kMemoTabWidth, kMemoTabHeight,
                 TRUE);
}

// Moving, dragging, painting.

LRESULT CCalendarDlg::OnMove(WPARAM, LPARAM lParam) {
    Default();
    if (initialised) {
        RememberPosition(lParam);
        PlaceMemoTab();
    }
    return 0;
}

void CCalendarDlg::OnLButtonDown(UINT, POINT point) {
    StartWindowDrag(hwnd_, point);
    Default();
}

void CCalendarDlg::OnPaint() {
    const fw::CPaintDC dc(hwnd_);
    fw::FillSolidRect(dc.get(), {0, 0, windowWidth, kTitleStripHeight}, titleBarColor);
}

LRESULT CCalendarDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(hIcon); }

// The tick.

LRESULT CCalendarDlg::OnTimer(WPARAM, LPARAM) {
    OnTick();
    return 0;
}

void CCalendarDlg::OnTick() {
    // Counted before any work: a tick that arrives while this one shows a
    // message box is the next tick, and the give-up message comes once.
    const TickPlan plan = schedule.BeginTick(headlineTitle.empty());
    if (plan.tryEmbedding && TryEmbedInDesktop(hwnd_)) schedule.EmbeddingSucceeded();
    if (plan.giveUpEmbedding) fw::MessageBoxFor(hwnd_, kEmbeddingGivenUp);
    if (!monthView || !hwnd_) return;
    if (plan.showTodayTip) monthView->ShowTodayTip();
    if (plan.fetchHeadline) FetchHeadline();
    if (RollOverDue({todayYear, todayMonth, todayDay}, LocalToday(), monthView->EditorOpen())) GoToToday();
}

// The headline strip.

void CCalendarDlg::FetchHeadline() {
    if (fetching) return;
    fetching = true;
    ++headlineFetches;
    const news::NewsEndpoint endpoint = ReadNewsEndpoint(RegistrySettings{});
    char body[news::kHeadlineBodyCapacity + 1] = {};
    std::size_t length = news::kHeadlineBodyCapacity;
    const int result =
        news::HttpGet(body, length, endpoint.host.c_str(), news::kHeadlinePath, news::kHeadlineVersion, endpoint.port);
    fetching = false;
    DropQueuedNextArticleClicks();
    if (result != news::kHttpOk) return;

    if (const std::optional<news::Headline> headline = news::ParseHeadline({body, length})) {
        headlineLink = headline->link;
        headlineTitle = headline->title;
        ShowHeadlineTitle();
    }
    nextArticleButton.SetText(kNextArticleText, TRUE);
}

void CCalendarDlg::ShowHeadlineTitle() {
    const fw::CClientDC dc(headlineLabel.hwnd());
    const fw::SelectGuard selected(dc.get(), headlineFont.get());
    const auto measure = [&](std::string_view text) { return static_cast<int>(view::MeasureText(dc.get(), text).cx); };
    headlineLabel.SetText(EscapeMnemonics(FitWithEllipsis(headlineTitle, kHeadlineMaxWidth, measure)), TRUE);
}

void CCalendarDlg::DropQueuedNextArticleClicks() {
    MSG message;
    const HWND button = nextArticleButton.hwnd();
    while (button && ::PeekMessageA(&message, button, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, PM_REMOVE)) {
    }
    // Clicks already posted by the button: drop those of "下一篇", keep the rest.
    std::vector<MSG> kept;
    while (::PeekMessageA(&message, hwnd_, view::WM_HOVERBUTTON_CLICK, view::WM_HOVERBUTTON_CLICK, PM_REMOVE))
        if (message.wParam != kNextArticleButtonId) kept.push_back(message);
    for (const MSG& click : kept) ::PostMessageA(hwnd_, click.message, click.wParam, click.lParam);
}

void CCalendarDlg::OpenHeadline() {
    if (headlineLink.empty() || !news::IsOpenableLink(headlineLink)) return;
    fw::OpenWebAddress(hwnd_, headlineLink.c_str());
}

}  // namespace app
