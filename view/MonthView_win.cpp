#include "view/MonthView.h"

#include "framework/Dpi.h"
#include "framework/Shell.h"
#include "base/WideText_win.h"
#include "framework/WinApp.h"
#include "view/DayTipText.h"
#include "view/DayLabelFit.h"
#include "view/MemoEditDlg.h"
#include "view/WeeklyDlg.h"

#include <cstdio>
#include <cstring>

namespace view {

namespace {

constexpr char kWeeklyMarker[] = "●";
constexpr char kYearlyMarker[] = "★";

// The strip controls: left part for the year label, the site button after it.
constexpr int kStripRightPart = 160;
constexpr int kSiteButtonOffset = 40;
constexpr int kSiteButtonWidth = 45;
constexpr COLORREF kStripTextColor = RGB(0, 0, 0);
constexpr COLORREF kScheduleNoteColor = RGB(100, 100, 100);
constexpr int kStripPointSize = 110;
constexpr char kStripFace[] = "宋体";

// The marked day's tip shows this far below its cell's origin.
constexpr int kTodayTipDrop = 12;

// The view's own client point in grid terms.
GridPoint ToGrid(POINT point) { return {point.x, point.y}; }

void PutText(HDC dc, int x, int y, const char* text) {
    const std::wstring wide = base::Gb18030ToWide(text);
    ::TextOutW(dc, x, y, wide.data(), static_cast<int>(wide.size()));
}

int TextWidth(HDC dc, const char* text) {
    const std::wstring wide = base::Gb18030ToWide(text);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

COLORREF NoteColourOf(const notes::NoteSlot& slot, notes::NoteKind kind) {
    return notes::NoteColour(slot.ColourWord(), kind);
}

// Marks the view as running an editor for as long as it lives.
class EditorRunning {
public:
    explicit EditorRunning(bool& flag) : flag_(flag) { flag_ = true; }
    ~EditorRunning() { flag_ = false; }
    EditorRunning(const EditorRunning&) = delete;
    EditorRunning& operator=(const EditorRunning&) = delete;

private:
    bool& flag_;
};

}  // namespace

CMonthView::~CMonthView() {
    // The window goes first, while every part it may still reach exists.
    DestroyWindow();
}

BOOL CMonthView::Create(const RECT& rect, fw::CWnd* parent, UINT id, MonthViewOwner* viewOwner, bool tipLater) {
    const char* className = RegisterWndClass(0, ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
    if (!CreateEx(0, className, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, parent ? parent->hwnd() : nullptr, id)) return FALSE;
    owner = viewOwner;
    scale = fw::ScaleOf(hwnd_);
    MakeFonts();

    yearLabel.Create(YearLabelRect(), this, static_cast<UINT>(-1), stripBackColor, kStripTextColor, kStripPointSize,
                     kStripFace);
    siteButton.Create(SiteButtonRect(), this, kSiteButtonId, stripBackColor, kStripTextColor, kStripPointSize,
                      kStripFace);
    const RECT site = SiteButtonRect();
    scheduleNote.Create({0, StripTop(scale) + scale(kScheduleNoteTop), site.left, ViewSize(scale).y}, this,
                        static_cast<UINT>(-1), stripBackColor, kScheduleNoteColor, kScheduleNotePointSize, kStripFace);

    tipPopup = std::make_unique<CDayTipDlg>();
    if (!tipLater) CreateTipPopup();

    siteButton.SetText("Morvane", TRUE);
    return TRUE;
}

void CMonthView::MakeFonts() {
    const int narrow = NarrowLabelCharWidth(scale);
    dayNumberFont.CreateFont(scale(kDayNumberFontHeight), 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial Black");
    lunarFont.CreateFont(scale(kLunarFontHeight), 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    lunarBoldFont.CreateFont(scale(kLunarFontHeight), 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    lunarNarrowFont.CreateFont(scale(kLunarFontHeight), narrow, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    lunarBoldNarrowFont.CreateFont(scale(kLunarFontHeight), narrow, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    starFont.CreateFont(scale(kStarFontHeight), 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "宋体");
    dayOffMarkFont.CreateFont(scale(kDayOffMarkSize), 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, NONANTIALIASED_QUALITY, 0,
                              "宋体");
    // The weekday names keep the system font, which is made for the
    // system's DPI: at another DPI they get the same face scaled.
    weekdayFont = fw::CFont{};
    const int systemDpi = fw::WindowDpi(nullptr);
    if (scale.dpi == systemDpi) return;
    LOGFONTW system{};
    if (::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof system, &system) == 0) return;
    weekdayFont.CreateFont(::MulDiv(system.lfHeight, scale.dpi, systemDpi),
                           ::MulDiv(system.lfWidth, scale.dpi, systemDpi), 0, 0, system.lfWeight, 0, 0, 0,
                           system.lfCharSet, 0, 0, 0, system.lfPitchAndFamily,
                           base::WideToGb18030(system.lfFaceName).c_str());
}

RECT CMonthView::YearLabelRect() const {
    // In the view's own client coordinates: the strip is its last rows.
    const GridPoint size = ViewSize(scale);
    return {0, StripTop(scale), size.x - scale(kStripRightPart), size.y};
}

RECT CMonthView::SiteButtonRect() const {
    const GridPoint size = ViewSize(scale);
    const int left = size.x - scale(kStripRightPart) + scale(kSiteButtonOffset);
    return {left, StripTop(scale), left + scale(kSiteButtonWidth), size.y};
}

void CMonthView::Rescale(const RECT& rect, int dpi) {
    scale = {dpi};
    MakeFonts();
    ::MoveWindow(hwnd_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
    yearLabel.Rescale(YearLabelRect(), dpi);
    siteButton.Rescale(SiteButtonRect(), dpi);
    scheduleNote.Rescale(RECT{0, StripTop(scale) + scale(kScheduleNoteTop), SiteButtonRect().left, ViewSize(scale).y},
                         dpi);
    UpdateScheduleNote();
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

BOOL CMonthView::SetMonth(int y, int m, int mark) {
    if (!MonthViewState::SetMonth(y, m, mark)) return FALSE;
    HideDayTip();
    if (owner) owner->ShowTodayButton(TodayButtonWanted());
    UpdateYearLabel();
    FocusShownMonth();
    ::InvalidateRect(hwnd_, nullptr, FALSE);
    return TRUE;
}

void CMonthView::UpdateYearLabel() {
    yearLabel.SetText(yearTitle.c_str(), TRUE);
    UpdateScheduleNote();
}

void CMonthView::HolidaysChanged() {
    UpdateScheduleNote();
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void CMonthView::UpdateScheduleNote() {
    if (!scheduleNote.hwnd()) return;
    ::ShowWindow(scheduleNote.hwnd(), SW_HIDE);
    const std::string whole = ScheduleNote(), shortNote = ScheduleNote(true);
    if (whole.empty()) return;
    const auto fittedWidth = [&](const std::string& text) {
        scheduleNote.SetText(text, FALSE);
        RECT fitted{};
        ::GetWindowRect(scheduleNote.hwnd(), &fitted);
        return static_cast<int>(fitted.right - fitted.left);
    };
    const int wholeWidth = fittedWidth(whole), shortWidth = fittedWidth(shortNote);
    RECT title{}, button{}, client{};
    ::GetWindowRect(yearLabel.hwnd(), &title);
    ::GetWindowRect(siteButton.hwnd(), &button);
    ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&title), 2);
    ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&button), 2);
    ::GetClientRect(hwnd_, &client);
    const std::optional<ScheduleNotePlace> place =
        PlaceScheduleNote(title.right, button.left, button.right, client.right, wholeWidth, shortWidth, scale);
    if (!place) return;
    scheduleNote.SetText(place->shortText ? shortNote : whole, FALSE);
    scheduleNote.MoveTo(place->left, StripTop(scale) + scale(kScheduleNoteTop));
    ::ShowWindow(scheduleNote.hwnd(), SW_SHOWNA);
}

bool CMonthView::ApplyDayNotes(std::string t1, std::uint32_t c1, std::string t2, std::uint32_t c2, std::string t3,
                               std::uint32_t c3) {
    const int saved = MonthViewState::ApplyDayNotes(std::move(t1), c1, std::move(t2), c2, std::move(t3), c3);
    ::InvalidateRect(hwnd_, nullptr, FALSE);
    return saved == 0;
}

bool CMonthView::ApplyWeeklyNote(std::string t, std::uint32_t c) {
    const int saved = MonthViewState::ApplyWeeklyNote(std::move(t), c);
    ::InvalidateRect(hwnd_, nullptr, FALSE);
    return saved == 0;
}

const fw::MessageMap* CMonthView::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        fw::OnPaint<&CMonthView::OnPaint>(),
        fw::OnMouse<&CMonthView::OnMouseMove>(WM_MOUSEMOVE),
        fw::OnMessage<&CMonthView::OnMouseLeave>(WM_MOUSELEAVE),
        fw::OnMouse<&CMonthView::OnLButtonUp>(WM_LBUTTONUP),
        OnHoverButtonClick<&CMonthView::OnSiteButton>(kSiteButtonId),
        fw::OnMessage<&CMonthView::OnGetDlgCode>(WM_GETDLGCODE),
        fw::OnMessage<&CMonthView::OnKeyDown>(WM_KEYDOWN),
        fw::OnMessage<&CMonthView::OnFocusChange>(WM_SETFOCUS),
        fw::OnMessage<&CMonthView::OnFocusChange>(WM_KILLFOCUS),
        fw::OnMessage<&CMonthView::OnUpdateUiState>(WM_UPDATEUISTATE),
        fw::OnMessage<&CMonthView::OnGetObject>(WM_GETOBJECT),
        fw::OnMessage<&CMonthView::OnOpenEditor>(kOpenEditorMessage),
    };
    static constexpr fw::MessageMap map{&CWnd::GetThisMessageMap, entries};
    return &map;
}

void CMonthView::OnPaint() {
    const fw::CPaintDC paint(hwnd_);
    RECT client;
    ::GetClientRect(hwnd_, &client);
    // Drawn off screen and copied once, so the grid never flickers; straight
    // onto the screen only when no off-screen picture can be had.
    const fw::CMemoryDC picture(paint.get(), client.right, client.bottom);
    const HDC dc = picture ? picture.get() : paint.get();
    // Whatever fonts the pass selects, the DC ends with the one it had.
    const fw::SelectGuard initialFont(dc, ::GetStockObject(SYSTEM_FONT));

    const int stripTop = client.bottom - scale(kStripHeight);
    fw::FillSolidRect(dc, {client.left, client.top, client.right, stripTop}, gridLineColor);
    fw::FillSolidRect(dc, {client.left, stripTop, client.right, client.bottom}, stripBackColor);
    ::SetBkMode(dc, TRANSPARENT);
    DrawHeader(dc);
    DrawGrid(dc);
    DrawFocusDay(dc);

    if (picture) picture.CopyTo(paint.get());
}

void CMonthView::DrawHeader(HDC dc) {
    fw::FillSolidRect(dc, {0, 0, ViewSize(scale).x, scale(kHeaderHeight)}, headerBackColor);
    ::SetTextColor(dc, headerTextColor);
    // Every name in the DC's initial font, whichever weekdays carry a "●".
    const HGDIOBJ nameFont = weekdayFont ? weekdayFont.get() : ::GetStockObject(SYSTEM_FONT);
    const int top = scale(kWeekdayTextTop);
    for (int weekday = 0; weekday < kColumns; ++weekday) {
        const int left = CellRect(weekday, 0, scale).left;
        const notes::NoteSlot& weekly = weeklyNotes.Slot(weekday);
        if (weekly.CarriesNote()) {
            ::SelectObject(dc, lunarBoldFont.get());
            ::SetTextColor(dc, NoteColourOf(weekly, notes::NoteKind::Weekly));
            PutText(dc, left + scale(kWeeklyDotLeft), top, kWeeklyMarker);
        }
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, HeaderNameColour(weekday));
        ::SelectObject(dc, nameFont);
        PutText(dc, left + scale(kWeekdayNameLeft), top, lunar::WeekdayName(weekday));
    }
}

void CMonthView::DrawGrid(HDC dc) {
    const int firstWeekday = days[1].weekday;
    int day = 1;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const GridRect cell = CellRect(column, row, scale);
            fw::FillSolidRect(dc, {cell.left, cell.top, cell.right, cell.bottom}, cellBackColor);
            if ((column >= firstWeekday || row > 0) && day <= dayCount) {
                DrawDayCell(dc, day, cell);
                DrawDayOffMark(dc, day, cell.left, cell.top);
                ++day;
            }
        }
    }

    if (!MarkedMonthShown() || markDay < 1 || markDay > dayCount) return;
    const GridRect ring = MarkRing(GetCellOrigin(markDay), scale);
    fw::CPen pen;
    if (!pen.CreatePen(PS_DOT, scale(kRingPenWidth), markColor)) return;
    const fw::SelectGuard penSelected(dc, pen.get());
    const fw::SelectGuard hollow(dc, ::GetStockObject(NULL_BRUSH));
    ::Ellipse(dc, ring.left, ring.top, ring.right, ring.bottom);
}

void CMonthView::DrawDayCell(HDC dc, int day, const GridRect& cell) {
    const int x = cell.left;
    const int y = cell.top;
    char number[8];
    std::snprintf(number, sizeof number, "%2d", day);

    const notes::NoteSlot& oneOff = dayNotes.Slot(day);
    if (oneOff.CarriesNote())
        fw::FillSolidRect(dc, {cell.left, cell.top, cell.right, cell.bottom},
                          NoteColourOf(oneOff, notes::NoteKind::OneOff));
    const notes::NoteSlot& weekly = weeklyNotes.Slot(days[day].weekday);
    if (weekly.CarriesNote()) {
        ::SelectObject(dc, lunarBoldFont.get());
        ::SetTextColor(dc, NoteColourOf(weekly, notes::NoteKind::Weekly));
        PutText(dc, x + scale(kWeeklyDotLeft), y, kWeeklyMarker);
    }
    const notes::NoteSlot& gregorianYearly = gregorianYearlyNotes.Slot(day);
    if (gregorianYearly.CarriesNote()) {
        ::SelectObject(dc, starFont.get());
        ::SetTextColor(dc, NoteColourOf(gregorianYearly, notes::NoteKind::GregorianYearly));
        PutText(dc, x + scale(kGregorianStarLeft), y + scale(kStarTop), kYearlyMarker);
    }
    const notes::NoteSlot& lunarYearly = LunarYearlySlot(day);
    if (lunarYearly.CarriesNote()) {
        ::SelectObject(dc, starFont.get());
        ::SetTextColor(dc, NoteColourOf(lunarYearly, notes::NoteKind::LunarYearly));
        PutText(dc, x + scale(kLunarStarLeft), y + scale(kStarTop), kYearlyMarker);
    }

    ::SetTextColor(dc, DayTextColour(day));
    ::SelectObject(dc, dayNumberFont.get());
    PutText(dc, x + scale(kDayNumberLeft), y + scale(kDayNumberTop), number);
    const bool bold = days[day].monthNameShown;
    const char* label = days[day].label;
    ::SelectObject(dc, bold ? lunarBoldFont.get() : lunarFont.get());
    const int width = TextWidth(dc, label);
    int narrowWidth = width;
    if (width > scale(kCellWidth)) {
        ::SelectObject(dc, bold ? lunarBoldNarrowFont.get() : lunarNarrowFont.get());
        narrowWidth = TextWidth(dc, label);
    }
    const DayLabelPlacement placed = PlaceDayLabel(width, narrowWidth, scale);
    if (placed.font == DayLabelFont::Regular) ::SelectObject(dc, bold ? lunarBoldFont.get() : lunarFont.get());
    PutText(dc, x + placed.offset, y + scale(kDayLabelTop), label);
}

void CMonthView::OnMouseMove(UINT, POINT point) {
    EndKeyTip(point);
    if (!trackingLeave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
        trackingLeave = ::TrackMouseEvent(&track) != FALSE;
    }
    const int day = HitTest(ToGrid(point));
    if (day != activeDay) {
        if (day != 0)
            ShowDayTip(day, point);
        else
            ::ShowWindow(tipPopup->hwnd(), SW_HIDE);
        activeDay = day;
    }
    Default();
}

LRESULT CMonthView::OnMouseLeave(WPARAM, LPARAM) {
    trackingLeave = false;
    // The system tells of a leave a little late: one from before the keys
    // showed the tip, with the pointer still where it was then, leaves it.
    POINT now{};
    if (keyTipShown && ::GetCursorPos(&now) && now.x == keyTipPointer.x && now.y == keyTipPointer.y) return 0;
    HideDayTip();
    return 0;
}

void CMonthView::HideDayTip() {
    if (tipPopup) ::ShowWindow(tipPopup->hwnd(), SW_HIDE);
    // An open editor still works on activeDay.
    if (!editorOpen) activeDay = 0;
}

void CMonthView::ShowDayTip(int day, POINT clientPoint) {
    if (!tipPopup) return;
    std::size_t length = 0;
    std::unique_ptr<char[]> text = DayTipText(*this, day, length);
    POINT screenPoint = clientPoint;
    ::ClientToScreen(hwnd_, &screenPoint);
    if (length == 0) {
        ::ShowWindow(tipPopup->hwnd(), SW_HIDE);
        return;
    }
    CreateTipPopup();
    tipPopup->UseDpi(scale.dpi);
    tipPopup->ShowText(std::move(text), length, screenPoint);
    tipPopup->ShowOnTop();
}

void CMonthView::CreateTipPopup() {
    if (tipPopup && !tipPopup->hwnd()) tipPopup->Create(this);
}

void CMonthView::ShowTodayTip() {
    if (!MarkedMonthShown() || markDay < 1 || markDay > dayCount) return;
    const GridPoint origin = GetCellOrigin(markDay);
    ShowDayTip(markDay, POINT{origin.x, origin.y + scale(kTodayTipDrop)});
}

void CMonthView::OnLButtonUp(UINT, POINT point) {
    const int day = HitTest(ToGrid(point));
    if (day != 0)
        RunDayEditor(day);
    else if (InHeaderBand(ToGrid(point), scale))
        RunWeeklyEditor(HeaderColumn(point.x, scale));
    Default();
}

void CMonthView::RunDayEditor(int day) {
    ::ShowWindow(tipPopup->hwnd(), SW_HIDE);
    activeDay = day;  // the editor reads it while it is made
    {
        const EditorRunning running(editorOpen);
        CMemoEditDlg editor(*this);
        editor.DoModal();
    }
    HideDayTip();
}

void CMonthView::RunWeeklyEditor(int weekday) {
    weekdayIndex = weekday;
    {
        const EditorRunning running(editorOpen);
        CWeeklyDlg editor(*this);
        editor.DoModal();
    }
    HideDayTip();
}

void CMonthView::OnSiteButton() { fw::OpenWebAddress(hwnd_, kSiteAddress); }

}  // namespace view
