// Ownership of GDI objects and device contexts.
//
// Every font, pen, brush, bitmap and memory DC the program makes is held by
// an owner from this file and deleted when the owner goes; the owners count
// what is alive (LiveCounts.h). A borrowed handle (a stock object, a font
// someone else owns) has the same get() but is never deleted.
#pragma once

#include "base/UniqueHandle.h"
#include "framework/LiveCounts.h"

#include <windows.h>

namespace fw {

template <typename H>
struct GdiObjectTraits {
    using Handle = H;
    static constexpr Handle Invalid() { return nullptr; }
    static BOOL Close(Handle h) {
        detail::GdiObjectDeleted();
        return ::DeleteObject(h);
    }
    static void Acquired(Handle) { detail::GdiObjectMade(); }
};

template <typename H>
using GdiOwner = base::UniqueHandle<GdiObjectTraits<H>>;

// A handle used but not owned.
template <typename H>
class GdiBorrowed {
public:
    GdiBorrowed() = default;
    explicit GdiBorrowed(H handle) : handle_(handle) {}
    H get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    H handle_ = nullptr;
};

class CFont {
public:
    // CreateFontW with every argument as given, the face as narrow text.
    bool CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                    BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, const char* face);
    // A font of `tenthsOfPoint` / 10 points for a window drawn at `dpi`
    // (fw::WindowDpi), in the default character set.
    bool CreatePointFont(int tenthsOfPoint, const char* face, int dpi);

    HFONT get() const { return font_.get(); }
    explicit operator bool() const { return static_cast<bool>(font_); }

private:
    GdiOwner<HFONT> font_;
};

class CPen {
public:
    bool CreatePen(int style, int width, COLORREF colour);
    HPEN get() const { return pen_.get(); }

private:
    GdiOwner<HPEN> pen_;
};

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    bool CreateSolidBrush(COLORREF colour);
    HBRUSH get() const { return brush_.get(); }

private:
    GdiOwner<HBRUSH> brush_;
};

// Fills a rectangle with a solid colour through a brush made for that fill.
void FillSolidRect(HDC dc, const RECT& rect, COLORREF colour);

// Selects an object into a DC and puts the previous one back when it goes.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_) ::SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint / EndPaint for one WM_PAINT.
class CPaintDC {
public:
    explicit CPaintDC(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
    ~CPaintDC() { ::EndPaint(window_, &paint_); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    HDC get() const { return dc_; }
    const RECT& PaintRect() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// GetDC / ReleaseDC of a window's client area.
class CClientDC {
public:
    explicit CClientDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~CClientDC() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An off-screen picture of `width` x `height` compatible with `target`:
// draw into get(), then copy it to the target in one step, so the screen
// never shows a half-drawn frame.
class CMemoryDC {
public:
    CMemoryDC(HDC target, int width, int height);
    ~CMemoryDC();
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr && bitmap_; }
    // Copies the whole picture to (x, y) of `target`.
    void CopyTo(HDC target, int x = 0, int y = 0) const;

private:
    HDC dc_ = nullptr;
    GdiOwner<HBITMAP> bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
    int width_;
    int height_;
};

}  // namespace fw
