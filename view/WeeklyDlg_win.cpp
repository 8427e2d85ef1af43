#include "view/WeeklyDlg.h"

#include "framework/WinApp.h"
#include "resources/resource_ids.h"
#include "view/MonthView.h"
#include "view/NoteEditorParts.h"

namespace view {

namespace {

constexpr int kLabelPointSize = 90;
constexpr char kLabelFace[] = "Arial";
constexpr int kColourButtonPointSize = 100;

}  // namespace

CWeeklyDlg::CWeeklyDlg(CMonthView& monthView) : fw::CDialog(IDD_WEEKLY, &monthView), view(monthView) {
    const notes::NoteSlot& weekly = view.weeklyNotes.Slot(view.weekdayIndex);
    weeklyText = weekly.Text() ? std::string(weekly.Text(), weekly.Length()) : "";
    weeklyColour = weekly.ColourWord();
}

const fw::MessageMap* CWeeklyDlg::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        OnHoverButtonClick<&CWeeklyDlg::OnColourButton>(kWeeklyColourId),
        fw::OnPaint<&CWeeklyDlg::OnPaint>(),
    };
    static constexpr fw::MessageMap map{&fw::CDialog::GetThisMessageMap, entries};
    return &map;
}

void CWeeklyDlg::DoDataExchange(fw::CDataExchange& dx) { fw::DDX_Text(dx, IDC_WEEKLY_EDIT, weeklyText); }

BOOL CWeeklyDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    // Opened at the DPI the view was last laid out at.
    const base::DpiScale scale = view.scale;
    labelFont.CreatePointFont(kLabelPointSize, kLabelFace, scale.dpi);
    ScaleEditor(*this, scale);
    // A static control that is never addressed.
    CreateEditorRow(label, WeeklyLabel(view.weekdayIndex), static_cast<UINT>(-1), colourButton, kWeeklyColourId,
                    notes::NoteColour(weeklyColour, notes::NoteKind::Weekly), notes::NoteKind::Weekly,
                    kColourButtonPointSize, kWeeklyRow, *this, labelFont.get(), scale);
    // Typing goes straight into the note.
    ::SetFocus(GetDlgItem(IDC_WEEKLY_EDIT));
    return FALSE;
}

void CWeeklyDlg::OnOK() {
    UpdateData(true);
    if (!view.ApplyWeeklyNote(weeklyText, weeklyColour)) {
        fw::MessageBoxFor(hwnd_, kNoteSaveFailedMessage);
        return;
    }
    fw::CDialog::OnOK();
}

void CWeeklyDlg::OnColourButton() {
    ChooseNoteColour(*this, WeeklyEditorColours(weeklyColour), weeklyColour, colourButton);
}

void CWeeklyDlg::OnPaint() { const fw::CPaintDC paint(hwnd_); }

}  // namespace view
