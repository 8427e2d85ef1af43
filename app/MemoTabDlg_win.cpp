#include "app/MemoTabDlg.h"

namespace app {

const fw::MessageMap* CMemoTabDlg::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        fw::OnCommand<&CMemoTabDlg::OnTabButton>(kMemoTabButtonId, BN_CLICKED),
        fw::OnMessage<&CMemoTabDlg::OnSize>(WM_SIZE),
    };
    static constexpr fw::MessageMap map{&fw::CDialog::GetThisMessageMap, entries};
    return &map;
}

LRESULT CMemoTabDlg::OnSize(WPARAM, LPARAM lParam) {
    ::MoveWindow(GetDlgItem(kMemoTabButtonId), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    return Default();
}

}  // namespace app
