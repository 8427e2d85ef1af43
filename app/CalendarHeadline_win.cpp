#include "app/CalendarDlg.h"

#include "app/CalendarLayout.h"
#include "app/HeadlineText.h"
#include "framework/Dpi.h"
#include "app/Registry.h"
#include "framework/Shell.h"
#include "news/Headline.h"
#include "news/HttpClient.h"
#include "news/NewsEndpoint.h"

namespace app {

namespace {

constexpr COLORREF kHeadlineTextColor = RGB(0, 0, 208);

constexpr char kNextArticleText[] = "下一篇";

}  // namespace

void CCalendarDlg::CreateHeadlineStrip() {
    const COLORREF back = ::GetSysColor(COLOR_BTNFACE);
    const view::GridRect& title = layout.headline;
    const view::GridRect& next = layout.nextArticle;
    headlineLabel.Create({title.left, title.top, title.right, title.bottom}, this, kHeadlineLabelId, back,
                         kHeadlineTextColor, kHeadlinePointSize, kHeadlineFace);
    nextArticleButton.Create({next.left, next.top, next.right, next.bottom}, this, kNextArticleButtonId, back,
                             kHeadlineTextColor, kHeaderPointSize, kHeaderFace);
    headlineFont.CreatePointFont(kHeadlinePointSize, kHeadlineFace, scale.dpi);
}

void CCalendarDlg::FetchHeadline() {
    // One fetch at a time: "下一篇" while one runs does nothing.
    if (headlineFetch.Running()) return;
    ++headlineFetches;
    const news::NewsEndpoint endpoint = ReadNewsEndpoint(RegistrySettings{});
    static_cast<void>(headlineFetch.Start(endpoint.host, news::kHeadlinePath, news::kHeadlineVersion, endpoint.port,
                                          [this](int result, std::string_view body) { OnHeadlineFetched(result, body); }));
}

void CCalendarDlg::OnHeadlineFetched(int result, std::string_view body) {
    if (result != news::kHttpOk || !::IsWindow(hwnd_)) return;
    // The label's text, the title and the link change together, so a click
    // opens the link of the title shown.
    if (const std::optional<news::Headline> headline =
            news::ParseHeadline(news::CapHeadlineBody(body))) {
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
    headlineLabel.SetText(EscapeMnemonics(FitWithEllipsis(headlineTitle, layout.headlineMaxWidth, measure)), TRUE);
}

void CCalendarDlg::OpenHeadline() {
    if (headlineLink.empty() || !news::IsOpenableLink(headlineLink)) return;
    fw::OpenWebAddress(hwnd_, headlineLink.c_str());
}

}  // namespace app
