// CExitPromptDlg: the "提示" prompt behind the "×" button, offering to close
// the program or to remove its autostart entry and close. Any other way out
// (close box, Esc, Enter) chooses nothing.
#pragma once

#include "framework/Dialog.h"
#include "resources/resource_ids.h"

namespace app {

class CExitPromptDlg : public fw::CDialog {
public:
    enum Choice { kNone = 0, kCloseProgram = 1, kUninstall = 2 };

    explicit CExitPromptDlg(fw::CWnd* parent) : fw::CDialog(IDD_EXIT_PROMPT, parent) {}

    int choice = kNone;

    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    // Placed by the system beside the calendar, then kept inside the work
    // area of its monitor (the calendar may sit at the screen's edge).
    BOOL OnInitDialog() override;
    void OnCancel() override;

    void OnCloseButton();
    void OnUninstallButton();
};

}  // namespace app
