#include "app/MemoTabDlg.h"

namespace app {

const fw::MessageMap* CMemoTabDlg::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        fw::OnCommand<&CMemoTabDlg::OnTabButton>(IDC_MEMO_TAB_BUTTON, BN_CLICKED),
        fw::OnSize<&CMemoTabDlg::OnSize>(),
        fw::OnMessage<&CMemoTabDlg::OnQueryEndSession>(WM_QUERYENDSESSION),
        fw::OnMessage<&CMemoTabDlg::OnEndSession>(WM_ENDSESSION),
    };
    static constexpr fw::MessageMap map{&fw::CDialog::GetThisMessageMap, entries};
    return &map;
}

void CMemoTabDlg::OnSize(UINT, SIZE client) {
    ::MoveWindow(GetDlgItem(IDC_MEMO_TAB_BUTTON), 0, 0, client.cx, client.cy, TRUE);
    Default();
}

}  // namespace app
