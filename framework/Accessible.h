// What a screen reader reads of a self-drawn window: an IAccessible for its
// client area, given out for WM_GETOBJECT with OBJID_CLIENT, whose parts are
// simple elements numbered 1..ChildCount() (0 is the object itself).
//
//     LRESULT CMonthView::OnGetObject(WPARAM wParam, LPARAM lParam) {
//         if (!fw::AsksForClientObject(lParam)) return Default();
//         if (!accessible) accessible.reset(new GridAccessible(*this));
//         return fw::ClientObjectResult(*accessible.get(), wParam);
//     }
//
// The window keeps its object in a UniqueAccessible, which disconnects it
// when the window goes: a client that still holds it then gets
// RPC_E_DISCONNECTED for every call. Names come as GB18030 and become UTF-16
// here, at this boundary only.
#pragma once

#include "base/UniqueHandle.h"

#include <windows.h>
#include <oleacc.h>

#include <string>

namespace fw {

class AccessibleObject : public IAccessible {
public:
    explicit AccessibleObject(HWND window) : window_(window) {}
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // The window is going: every later call answers RPC_E_DISCONNECTED.
    void Disconnect() { window_ = nullptr; }
    HWND Window() const { return window_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

protected:
    virtual ~AccessibleObject() = default;

    virtual long ChildCount() const { return 0; }
    virtual std::string Name(long child) const = 0;  // GB18030
    virtual long Role(long child) const = 0;
    // Besides STATE_SYSTEM_INVISIBLE for a hidden window, which is added.
    virtual long State(long) const { return 0; }
    virtual std::string DefaultAction(long) const { return {}; }
    // Starts the default action (posted: a client's call must not run a
    // modal loop); false when the part has none.
    virtual bool DoDefaultAction(long) { return false; }
    // A part's rectangle in client coordinates; the object is the client area.
    virtual RECT ClientRectOf(long child) const;
    // The part under a client point, 0 for the object itself.
    virtual long ChildAt(POINT) const { return 0; }
    // The part that has the focus while the window has it; 0 for the object.
    virtual long FocusedChild() const { return 0; }
    // The selected part, 0 for none.
    virtual long SelectedChild() const { return 0; }
    // accSelect with SELFLAG_TAKEFOCUS or SELFLAG_TAKESELECTION; false when
    // the part cannot be selected.
    virtual bool Select(long, long) { return false; }
    // The part beside `child` in a NAVDIR_ direction, 0 for none. By
    // default NEXT and PREVIOUS go by number, FIRSTCHILD and LASTCHILD from
    // the object to its first and last part.
    virtual long Neighbour(long child, long direction) const;

private:
    bool Gone() const { return !window_ || !::IsWindow(window_); }
    // The part a VARIANT names, or -1 when it names none.
    long ChildOf(const VARIANT& child) const;

    LONG references_ = 1;
    HWND window_;
};

struct AccessibleTraits {
    using Handle = AccessibleObject*;
    static constexpr Handle Invalid() { return nullptr; }
    static int Close(Handle object) {
        object->Disconnect();
        object->Release();
        return 0;
    }
};
// The window's own reference to its object.
using UniqueAccessible = base::UniqueHandle<AccessibleTraits>;

// True when WM_GETOBJECT's lParam asks for the client area's object.
bool AsksForClientObject(LPARAM objectId);
// WM_GETOBJECT's answer handing out `object`.
LRESULT ClientObjectResult(AccessibleObject& object, WPARAM wParam);

// A COM string of the program's narrow (GB18030) text; null for an empty text.
BSTR BstrFromGb18030(const std::string& text);

// Tells screen readers that `child` of the window's client object took the
// focus, or that the object's name changed.
void NotifyFocus(HWND window, long child);
void NotifyNameChange(HWND window);

}  // namespace fw
