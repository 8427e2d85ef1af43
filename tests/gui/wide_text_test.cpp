// The window boundary's text: narrow GB18030 in the program, UTF-16 in the
// system's wide calls, with nothing lost either way, in windows, controls
// and text measuring.
#include "framework/Controls.h"
#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "base/WideText_win.h"
#include "tests/gui/GuiHarness.h"
#include "view/LabelWnd.h"

#include <gtest/gtest.h>

namespace {

// Each case: GB18030 bytes and the UTF-16 they are.
const struct {
    std::string narrow;
    std::wstring wide;
} kTexts[] = {
    {"", L""},
    {"plain ASCII", L"plain ASCII"},
    {"二月初一", L"二月初一"},                                          // GBK pairs
    {"\x81\x30\x86\x38", L"\u00C0"},                                  // four bytes in the BMP
    {"\xFE\x9F", L"\u4DAE"},                                          // 䶮, a pair outside GBK's characters
    {"\x94\x39\xBC\x38", L"\U0001F382"},                              // a surrogate pair
    {std::string("生日") + "\x95\x34\xB2\x35" + "!", L"生日\U00020BB7!"},  // 𠮷 between others
    {"a&&b\r\n", L"a&&b\r\n"},
};

TEST(WideWindowText, WindowsAndControlsKeepEveryCharacter) {
    gui_test::TestParent parent(0);
    fw::CStatic label;
    ASSERT_TRUE(label.Create("", WS_CHILD, {0, 0, 200, 20}, parent.hwnd(), 1));
    const HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 30, 200, 20, parent.hwnd(), nullptr,
                                        ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    fw::CComboBox combo;
    combo.Attach(::CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST, 0, 60, 200, 200, parent.hwnd(),
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr));
    ASSERT_NE(combo.hwnd(), nullptr);
    for (const auto& c : kTexts) {
        ASSERT_TRUE(fw::SetWindowTextOf(label.hwnd(), c.narrow));
        EXPECT_EQ(label.GetWindowText(), c.narrow);
        const int item = combo.AddString(c.narrow.c_str());
        EXPECT_EQ(combo.GetLBText(item), c.narrow);
    }
    // Typed as two WM_CHARs, as the system hands a character outside the BMP.
    ::SendMessageW(edit, WM_CHAR, 0xD83C, 1);
    ::SendMessageW(edit, WM_CHAR, 0xDF82, 1);
    EXPECT_EQ(fw::WindowTextOf(edit), "\x94\x39\xBC\x38");
    ::DestroyWindow(combo.Detach());
    ::DestroyWindow(edit);
}

TEST(WideWindowText, AFourByteCharacterMeasuresAsOneCharacter) {
    fw::CFont font;
    ASSERT_TRUE(font.CreatePointFont(110, "宋体", fw::WindowDpi(nullptr)));
    const fw::CClientDC dc(nullptr);
    const fw::SelectGuard selected(dc.get(), font.get());
    for (const auto& c : kTexts) {
        SIZE wide{};
        ::GetTextExtentPoint32W(dc.get(), c.wide.data(), static_cast<int>(c.wide.size()), &wide);
        if (c.wide.find(L"\r\n") != std::wstring::npos) continue;  // MeasureText breaks lines there
        EXPECT_EQ(view::MeasureText(dc.get(), c.narrow).cx, c.narrow.empty() ? 0 : wide.cx) << c.narrow;
    }
}

}  // namespace
