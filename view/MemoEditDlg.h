// CMemoEditDlg: the modal editor of one day's notes (one-off, every year on
// the same date, every year on the same lunar date), each with a colour
// button. OK hands all three to the month view; Cancel stores nothing.
#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "view/HoverButton.h"

#include <cstdint>
#include <string>

namespace view {

class CMonthView;

inline constexpr UINT kDateLabelId = 1032;
inline constexpr UINT kGregorianLabelId = 1038;
inline constexpr UINT kLunarLabelId = 1039;
inline constexpr UINT kOneOffColourId = 1049;
inline constexpr UINT kGregorianColourId = 1050;
inline constexpr UINT kLunarColourId = 1051;
inline constexpr UINT kLunarHintId = 1057;  // the grey line under the lunar-yearly note

class CMemoEditDlg : public fw::CDialog {
public:
    // Copies the notes of the view's activeDay.
    explicit CMemoEditDlg(CMonthView& view);

    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

protected:
    void DoDataExchange(fw::CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnOneOffColour();
    void OnGregorianColour();
    void OnLunarColour();
    // The colour chooser for one of the three notes, offering all three colours.
    void ChooseColour(std::uint32_t& colour, CHoverButton& button);
    void OnPaint();

    std::string oneOffText;
    std::string gregorianText;
    std::string lunarText;
    std::uint32_t oneOffColour = 0;
    std::uint32_t gregorianColour = 0;
    std::uint32_t lunarColour = 0;
    fw::CStatic dateLabel;
    fw::CStatic gregorianLabel;
    fw::CStatic lunarLabel;
    fw::CStatic lunarHint;
    CHoverButton oneOffButton;
    CHoverButton gregorianButton;
    CHoverButton lunarButton;
    fw::CFont labelFont;
    CMonthView& view;
};

}  // namespace view
