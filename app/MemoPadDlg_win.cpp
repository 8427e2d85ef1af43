#include "app/MemoPadDlg.h"

#include "app/MonitorWorkAreas.h"
#include "app/Registry.h"
#include "app/WindowDrag.h"
#include "app/WindowPlacement.h"
#include "framework/WinApp.h"
#include "framework/WorkArea.h"
#include "notes/MemoFile.h"

namespace app {

namespace {

constexpr char kMemoSaveFailed[] =
    "记事小本无法保存到磁盘，文字仍保留在记事小本中。\n下次修改或隐藏记事小本时将再次尝试保存。";

}  // namespace

const fw::MessageMap* CMemoPadDlg::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        fw::OnMouse<&CMemoPadDlg::OnLButtonDown>(WM_LBUTTONDOWN),
        fw::OnMove<&CMemoPadDlg::OnMove>(),
        fw::OnDestroy<&CMemoPadDlg::OnDestroy>(),
        fw::OnCommand<&CMemoPadDlg::OnEditChange>(IDC_MEMO_EDIT, EN_CHANGE),
        fw::OnCommand<&CMemoPadDlg::OnHideButton>(IDC_MEMO_HIDE, BN_CLICKED),
        fw::OnMessage<&CMemoPadDlg::OnQueryEndSession>(WM_QUERYENDSESSION),
        fw::OnMessage<&CMemoPadDlg::OnEndSession>(WM_ENDSESSION),
    };
    static constexpr fw::MessageMap map{&fw::CDialog::GetThisMessageMap, entries};
    return &map;
}

void CMemoPadDlg::DoDataExchange(fw::CDataExchange& dx) { fw::DDX_Text(dx, IDC_MEMO_EDIT, memoText); }

BOOL CMemoPadDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();

    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    const HWND calendar = ::GetWindow(hwnd_, GW_OWNER);
    const ScreenPoint beside =
        PlaceMemoPad(calendarRect, width, height, fw::WorkAreaOf(calendar ? calendar : hwnd_), calendarScale);
    ScreenPoint pos = ReadMemoPadPos(RegistrySettings{}, beside);
    pos = MoveOntoWorkAreas(pos, width, height, MonitorWorkAreas());
    ::SetWindowPos(hwnd_, HWND_TOP, pos.x, pos.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);

    // A multi-line edit reports no change for text set this way: nothing is written.
    memoText = memoFile.Load();
    if (takenOver) memoText = std::move(*takenOver);
    UpdateData(false);
    if (takenOver) {
        takenOver.reset();
        Save();
    }
    ready = true;
    // Made hidden: the pad takes the focus when it is shown, not while it is
    // made, perhaps after the main window has it.
    return FALSE;
}

void CMemoPadDlg::OnLButtonDown(UINT, POINT point) {
    StartWindowDrag(hwnd_, point);
    Default();
}

void CMemoPadDlg::OnMove(POINT clientOrigin) {
    Default();
    if (ready) RememberPosition({clientOrigin.x, clientOrigin.y}, kMemoXValue, kMemoYValue);
}

void CMemoPadDlg::OnDestroy() {
    SaveIfPending();
    Default();
}

void CMemoPadDlg::OnEditChange() {
    UpdateData(true);
    Save();
}

void CMemoPadDlg::OnHideButton() {
    SaveIfPending();
    host.HideMemoPad();
}

void CMemoPadDlg::SaveIfPending() {
    if (autosave.Pending()) autosave.AfterSave(memoFile.Save(memoText.data(), memoText.size()));
}

void CMemoPadDlg::Save() {
    const int result = memoFile.Save(memoText.data(), memoText.size());
    if (autosave.AfterSave(result)) fw::MessageBoxFor(hwnd_, kMemoSaveFailed);
}

}  // namespace app
