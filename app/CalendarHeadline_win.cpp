#include "app/CalendarDlg.h"

#include "app/CalendarLayout.h"
#include "app/HeadlineText.h"
#include "app/Registry.h"
#include "framework/Shell.h"
#include "news/Headline.h"
#include "news/HttpClient.h"
#include "news/NewsEndpoint.h"

#include <vector>

namespace app {

namespace {

constexpr COLORREF kHeadlineTextColor = RGB(0, 0, 208);
constexpr char kHeadlineFace[] = "宋体";
constexpr int kHeadlinePointSize = 110;
constexpr int kHeadlineTopBelowView = 2;
constexpr int kHeadlineLeft = 2;
constexpr int kNextArticleLeft = 250;
constexpr int kNextArticleRight = 310;
// The title is cut short of "下一篇" by this gap.
constexpr int kHeadlineGap = 4;
constexpr int kHeadlineMaxWidth = kNextArticleLeft - kHeadlineLeft - kHeadlineGap;

constexpr char kNextArticleText[] = "下一篇";

}  // namespace

void CCalendarDlg::CreateHeadlineStrip() {
    const COLORREF back = ::GetSysColor(COLOR_BTNFACE);
    const int top = kMonthViewTop + gridHeight + kHeadlineTopBelowView;
    headlineLabel.Create({kHeadlineLeft, top, 190, top + 18}, this, kHeadlineLabelId, back, kHeadlineTextColor,
                         kHeadlinePointSize, kHeadlineFace);
    nextArticleButton.Create({kNextArticleLeft, top + 1, kNextArticleRight, top + 19}, this, kNextArticleButtonId, back,
                             kHeadlineTextColor, kHeaderPointSize, kHeaderFace);
    headlineFont.CreatePointFont(kHeadlinePointSize, kHeadlineFace);
}

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
