#include "app/ExitPromptDlg.h"

#include "framework/WorkArea.h"

namespace app {

const fw::MessageMap* CExitPromptDlg::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        fw::OnCommand<&CExitPromptDlg::OnCloseButton>(IDC_EXIT_CLOSE, BN_CLICKED),
        fw::OnCommand<&CExitPromptDlg::OnUninstallButton>(IDC_EXIT_UNINSTALL, BN_CLICKED),
    };
    static constexpr fw::MessageMap map{&fw::CDialog::GetThisMessageMap, entries};
    return &map;
}

BOOL CExitPromptDlg::OnInitDialog() {
    const BOOL focusFirst = fw::CDialog::OnInitDialog();
    fw::KeepOnWorkArea(hwnd_);
    return focusFirst;
}

void CExitPromptDlg::OnCancel() {
    choice = kNone;
    EndDialog(IDCANCEL);
}

void CExitPromptDlg::OnCloseButton() {
    choice = kCloseProgram;
    EndDialog(IDCANCEL);
}

void CExitPromptDlg::OnUninstallButton() {
    choice = kUninstall;
    EndDialog(IDCANCEL);
}

}  // namespace app
