#include "framework/Accessible.h"

#include "base/WideText_win.h"

namespace fw {

namespace {

void SetChild(VARIANT* variant, long child) {
    ::VariantInit(variant);
    variant->vt = VT_I4;
    variant->lVal = child;
}

HRESULT NoChild(VARIANT* variant) {
    ::VariantInit(variant);
    return S_FALSE;
}

HRESULT TextResult(const std::string& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = BstrFromGb18030(text);
    return *out ? S_OK : S_FALSE;
}

HRESULT NoText(BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return S_FALSE;
}

}  // namespace

BSTR BstrFromGb18030(const std::string& text) {
    if (text.empty()) return nullptr;
    const std::wstring wide = base::Gb18030ToWide(text);
    return ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

bool AsksForClientObject(LPARAM objectId) { return static_cast<LONG>(objectId) == OBJID_CLIENT; }

LRESULT ClientObjectResult(AccessibleObject& object, WPARAM wParam) {
    return ::LresultFromObject(IID_IAccessible, wParam, &object);
}

void NotifyFocus(HWND window, long child) { ::NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, child); }

void NotifyNameChange(HWND window) {
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

long AccessibleObject::ChildOf(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > ChildCount()) return -1;
    return child.lVal;
}

RECT AccessibleObject::ClientRectOf(long) const {
    RECT client{};
    ::GetClientRect(window_, &client);
    return client;
}

long AccessibleObject::Neighbour(long child, long direction) const {
    const long count = ChildCount();
    if (child == 0) {
        if (direction == NAVDIR_FIRSTCHILD) return count > 0 ? 1 : 0;
        if (direction == NAVDIR_LASTCHILD) return count;
        return 0;
    }
    if (direction == NAVDIR_NEXT) return child < count ? child + 1 : 0;
    if (direction == NAVDIR_PREVIOUS) return child - 1;
    return 0;
}

HRESULT AccessibleObject::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

ULONG AccessibleObject::Release() {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (Gone()) return RPC_E_DISCONNECTED;
    return ::AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                        reinterpret_cast<void**>(parent));
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
    if (!count) return E_POINTER;
    if (Gone()) return RPC_E_DISCONNECTED;
    *count = ChildCount();
    return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (Gone()) return RPC_E_DISCONNECTED;
    // Every part is a simple element, answered by this object.
    return ChildOf(child) < 0 ? E_INVALIDARG : S_FALSE;
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
    if (Gone()) return RPC_E_DISCONNECTED;
    const long part = ChildOf(child);
    if (part < 0) return E_INVALIDARG;
    return TextResult(Name(part), name);
}

HRESULT AccessibleObject::get_accValue(VARIANT, BSTR* value) { return Gone() ? RPC_E_DISCONNECTED : NoText(value); }
HRESULT AccessibleObject::get_accDescription(VARIANT, BSTR* description) {
    return Gone() ? RPC_E_DISCONNECTED : NoText(description);
}
HRESULT AccessibleObject::get_accHelp(VARIANT, BSTR* help) { return Gone() ? RPC_E_DISCONNECTED : NoText(help); }
HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
    return Gone() ? RPC_E_DISCONNECTED : NoText(shortcut);
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
    if (!file || !topic) return E_POINTER;
    *file = nullptr;
    *topic = 0;
    return Gone() ? RPC_E_DISCONNECTED : S_FALSE;
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
    if (!role) return E_POINTER;
    if (Gone()) return RPC_E_DISCONNECTED;
    const long part = ChildOf(child);
    if (part < 0) return E_INVALIDARG;
    SetChild(role, Role(part));
    return S_OK;
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
    if (!state) return E_POINTER;
    if (Gone()) return RPC_E_DISCONNECTED;
    const long part = ChildOf(child);
    if (part < 0) return E_INVALIDARG;
    const long hidden = ::IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE;
    SetChild(state, State(part) | hidden);
    return S_OK;
}

HRESULT AccessibleObject::get_accFocus(VARIANT* child) {
    if (!child) return E_POINTER;
    if (Gone()) return RPC_E_DISCONNECTED;
    if (::GetFocus() != window_) return NoChild(child);
    SetChild(child, FocusedChild());
    return S_OK;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* children) {
    if (!children) return E_POINTER;
    if (Gone()) return RPC_E_DISCONNECTED;
    const long selected = SelectedChild();
    if (selected <= 0) return NoChild(children);
    SetChild(children, selected);
    return S_OK;
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (Gone()) return RPC_E_DISCONNECTED;
    const long part = ChildOf(child);
    if (part < 0) return E_INVALIDARG;
    return TextResult(DefaultAction(part), action);
}

HRESULT AccessibleObject::accSelect(LONG flags, VARIANT child) {
    if (Gone()) return RPC_E_DISCONNECTED;
    const long part = ChildOf(child);
    if (part < 0) return E_INVALIDARG;
    return Select(part, flags) ? S_OK : DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    if (!left || !top || !width || !height) return E_POINTER;
    if (Gone()) return RPC_E_DISCONNECTED;
    const long part = ChildOf(child);
    if (part < 0) return E_INVALIDARG;
    RECT r = ClientRectOf(part);
    ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
}

HRESULT AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    if (!end) return E_POINTER;
    if (Gone()) return RPC_E_DISCONNECTED;
    const long part = ChildOf(start);
    if (part < 0) return E_INVALIDARG;
    const long next = Neighbour(part, direction);
    if (next <= 0 || next > ChildCount()) return NoChild(end);
    SetChild(end, next);
    return S_OK;
}

HRESULT AccessibleObject::accHitTest(LONG x, LONG y, VARIANT* child) {
    if (!child) return E_POINTER;
    if (Gone()) return RPC_E_DISCONNECTED;
    POINT point{x, y};
    ::ScreenToClient(window_, &point);
    RECT client{};
    ::GetClientRect(window_, &client);
    if (!::PtInRect(&client, point)) return NoChild(child);
    SetChild(child, ChildAt(point));
    return S_OK;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
    if (Gone()) return RPC_E_DISCONNECTED;
    const long part = ChildOf(child);
    if (part < 0) return E_INVALIDARG;
    return DoDefaultAction(part) ? S_OK : DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace fw
