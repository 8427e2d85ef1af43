#include "app/ExitPromptDlg.h"

namespace app {

const fw::MessageMap* CExitPromptDlg::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        fw::OnCommand<&CExitPromptDlg::OnCloseButton>(IDC_EXIT_CLOSE, BN_CLICKED),
        fw::OnCommand<&CExitPromptDlg::OnUninstallButton>(IDC_EXIT_UNINSTALL, BN_CLICKED),
    };
    static constexpr fw::MessageMap map{&fw::CDialog::GetThisMessageMap, entries};
    return &map;
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
