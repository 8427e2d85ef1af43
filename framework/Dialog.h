// CDialog: a dialog from a template of the program's resources, modal
// (DoModal: the owner is disabled while the system's modal loop runs; every
// other window of the thread, timers included, keeps its messages) or
// modeless (Create).
#pragma once

#include "framework/Wnd.h"

#include <string>

namespace fw {

class CDialog;

// Which way data goes in DoDataExchange.
struct CDataExchange {
    CDialog& dialog;
    bool saveAndValidate;  // true: controls to members
};

// A control's text to or from a string.
void DDX_Text(CDataExchange& dx, int controlId, std::string& value);
// Lets `control` use the dialog's control (without owning it).
void DDX_Control(CDataExchange& dx, int controlId, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr) : templateId_(templateId), parent_(parent) {}

    // Runs the dialog modally; the value given to EndDialog, or -1 when the
    // dialog could not be made.
    INT_PTR DoModal();
    // Makes the dialog modeless; it stays until destroyed.
    bool Create(UINT templateId, CWnd* parent);

    // Ends a modal dialog with `result`; hides a modeless one, which stays
    // until destroyed.
    void EndDialog(int result);

    // Exchanges data between controls and members: true = controls to members.
    bool UpdateData(bool saveAndValidate = true);

    HWND GetDlgItem(int controlId) const { return ::GetDlgItem(hwnd_, controlId); }

    // Lays the dialog and its controls out again as if one dialog unit were
    // `pixelsPerUnit` pixels across and down, for dialogs whose code places
    // further controls at fixed pixel positions designed for that scale.
    // The grown dialog is moved inside the work area of its monitor (the
    // system fitted it there at its former size only).
    void ScaleToDialogUnit(double pixelsPerUnit);
    bool IsModal() const { return modal_; }

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    // After the controls exist: the base puts the members into the
    // controls. TRUE lets the system give the focus to the first tab stop.
    virtual BOOL OnInitDialog();
    // Enter / the IDOK button: the base takes the data and ends with IDOK.
    virtual void OnOK();
    // Esc / the close box / IDCANCEL: the base ends with IDCANCEL.
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange&) {}

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) override;

    CWnd* Parent() const { return parent_; }

private:
    UINT templateId_;
    CWnd* parent_;
    bool modal_ = false;
};

}  // namespace fw
