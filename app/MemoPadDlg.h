// CMemoPadDlg: the borderless "记事小本" popup that holds the one free-form
// memo. Every change is written at once; a failed write is told once and
// tried again at the next change, when the pad is hidden and when it goes.
// Its position is remembered in "MemoX" and "MemoY".
#pragma once

#include "app/MemoAutosave.h"
#include "app/MemoPadHost.h"
#include "base/DpiScale.h"
#include "base/ScreenRect.h"
#include "framework/Dialog.h"
#include "notes/MemoFile.h"
#include "resources/resource_ids.h"

#include <optional>
#include <string>
#include <utility>

namespace app {

class CMemoPadDlg : public fw::CDialog {
public:
    explicit CMemoPadDlg(MemoPadHost& owner) : host(owner) {}

    // The calendar's window rectangle and scale: with no position saved, the
    // pad goes beside it (PlaceMemoPad).
    void SetCalendarRect(const base::ScreenRect& rect, base::DpiScale scale) {
        calendarRect = rect;
        calendarScale = scale;
    }

    // Made hidden from its template, owned by `owner`.
    bool Create(fw::CWnd* owner) { return fw::CDialog::Create(IDD_MEMO_PAD, owner); }

    // Tries a save that failed before once more (the pad is being hidden or
    // the program ends).
    void SaveIfPending();

    // A save failed and was not made good since: the text is only here.
    bool SavePending() const { return autosave.Pending(); }

    // Before Create: the text of an earlier pad whose save kept failing. The
    // pad shows it instead of the file's and saves it at once.
    void TakeOver(std::string text) { takenOver = std::move(text); }

    const std::string& MemoText() const { return memoText; }

    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    void DoDataExchange(fw::CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    // Enter inserts a line break in the edit; Esc does nothing.
    void OnOK() override {}
    void OnCancel() override {}

    void OnLButtonDown(UINT flags, POINT point);
    void OnMove(POINT clientOrigin);
    void OnDestroy();
    void OnEditChange();
    void OnHideButton();
    // Asked as a top-level window (the calendar may be inside the desktop):
    // the calendar answers.
    LRESULT OnQueryEndSession(WPARAM, LPARAM) { return host.QueryEndSession(hwnd_); }
    LRESULT OnEndSession(WPARAM, LPARAM) {
        host.EndSession();
        return 0;
    }

    // Writes the memo (or deletes its file when empty); warns once when
    // saving starts to fail.
    void Save();

    std::string memoText;
    std::optional<std::string> takenOver;
    bool ready = false;
    base::ScreenRect calendarRect{500, 500, 500, 500};
    base::DpiScale calendarScale;
    notes::MemoFile memoFile{notes::kDefaultMemoName};
    MemoAutosave autosave;
    MemoPadHost& host;
};

}  // namespace app
