// CWeeklyDlg: the modal editor of the reminder repeated every week on the
// view's weekdayIndex, with its colour button. OK hands it to the month
// view; Cancel stores nothing.
#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "view/HoverButton.h"

#include <cstdint>
#include <string>

namespace view {

class CMonthView;

inline constexpr UINT kWeeklyColourId = 1056;

class CWeeklyDlg : public fw::CDialog {
public:
    // Copies the weekly note of the view's weekdayIndex.
    explicit CWeeklyDlg(CMonthView& view);

    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    void DoDataExchange(fw::CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnColourButton();
    void OnPaint();

    std::string weeklyText;
    std::uint32_t weeklyColour = 0;
    CHoverButton colourButton;
    fw::CStatic label;
    fw::CFont labelFont;
    CMonthView& view;
};

}  // namespace view
