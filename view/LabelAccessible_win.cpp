#include "view/LabelAccessible.h"

#include "view/HoverButton.h"
#include "view/ShownText.h"

namespace view {

namespace {

constexpr char kPressAction[] = "按下";

}  // namespace

LabelAccessible::LabelAccessible(CLabelWnd& label) : fw::AccessibleObject(label.hwnd()), label_(label) {}

std::string LabelAccessible::Name(long) const {
    return label_.AccessibleName().empty() ? ShownText(label_.Text()) : label_.AccessibleName();
}

long LabelAccessible::Role(long) const {
    return label_.Clickable() ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_STATICTEXT;
}

long LabelAccessible::State(long) const { return label_.Clickable() ? 0 : STATE_SYSTEM_READONLY; }

std::string LabelAccessible::DefaultAction(long) const { return label_.Clickable() ? kPressAction : ""; }

bool LabelAccessible::DoDefaultAction(long) {
    if (!label_.Clickable()) return false;
    // As a click: the parent hears of it after this call has returned.
    ::PostMessageW(::GetParent(label_.hwnd()), WM_HOVERBUTTON_CLICK, label_.ControlId(), 0);
    return true;
}

fw::AccessibleObject& CLabelWnd::ClientObject() {
    if (!accessible) accessible.reset(new LabelAccessible(*this));
    return *accessible.get();
}

LRESULT CLabelWnd::OnGetObject(WPARAM wParam, LPARAM lParam) {
    if (!fw::AsksForClientObject(lParam)) return Default();
    return fw::ClientObjectResult(ClientObject(), wParam);
}

}  // namespace view
