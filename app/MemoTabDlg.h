// CMemoTabDlg: the tiny "本" window beside the calendar that stands in for
// the memo pad while the pad is hidden; its button brings the pad back.
#pragma once

#include "app/MemoPadHost.h"
#include "framework/Dialog.h"
#include "resources/resource_ids.h"

namespace app {

// Design pixels; the calendar scales them to its DPI.
inline constexpr int kMemoTabWidth = 28;
inline constexpr int kMemoTabHeight = 19;

class CMemoTabDlg : public fw::CDialog {
public:
    explicit CMemoTabDlg(MemoPadHost& owner) : host(owner) {}

    // Made hidden from its template, owned by `owner`.
    bool Create(fw::CWnd* owner) { return fw::CDialog::Create(IDD_MEMO_TAB, owner); }

    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    // Made once the calendar has the focus: it takes none.
    BOOL OnInitDialog() override {
        fw::CDialog::OnInitDialog();
        return FALSE;
    }
    // Enter and Esc leave the tab alone.
    void OnOK() override {}
    void OnCancel() override {}

    void OnTabButton() { host.ShowMemoPad(); }
    // Asked as a top-level window (the calendar may be inside the desktop):
    // the calendar answers.
    LRESULT OnQueryEndSession(WPARAM, LPARAM) { return host.QueryEndSession(hwnd_); }
    LRESULT OnEndSession(WPARAM, LPARAM) {
        host.EndSession();
        return 0;
    }
    // The button fills the tab, whatever size the owner gives it.
    void OnSize(UINT type, SIZE client);

    MemoPadHost& host;
};

}  // namespace app
