#include "framework/Gdi.h"

#include "base/WideText_win.h"

namespace fw {

bool CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                       BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, const char* face) {
    const std::wstring wideFace = base::Gb18030ToWide(face ? face : "");
    font_.reset(::CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                              outPrecision, clipPrecision, quality, pitchAndFamily, face ? wideFace.c_str() : nullptr));
    return static_cast<bool>(font_);
}

bool CFont::CreatePointFont(int tenthsOfPoint, const char* face, int dpi) {
    LOGFONTW font{};
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, base::Gb18030ToWide(face ? face : "").c_str(), LF_FACESIZE);
    // Negative: a character height, not a cell height, as point sizes mean.
    font.lfHeight = -::MulDiv(tenthsOfPoint, dpi, 720);
    font_.reset(::CreateFontIndirectW(&font));
    return static_cast<bool>(font_);
}

bool CPen::CreatePen(int style, int width, COLORREF colour) {
    pen_.reset(::CreatePen(style, width, colour));
    return static_cast<bool>(pen_.get());
}

bool CBrush::CreateSolidBrush(COLORREF colour) {
    brush_.reset(::CreateSolidBrush(colour));
    return brush_.get() != nullptr;
}

void FillSolidRect(HDC dc, const RECT& rect, COLORREF colour) {
    const CBrush brush(colour);
    ::FillRect(dc, &rect, brush.get());
}

CMemoryDC::CMemoryDC(HDC target, int width, int height) : width_(width), height_(height) {
    dc_ = ::CreateCompatibleDC(target);
    if (!dc_) return;
    detail::GdiObjectMade();
    bitmap_.reset(::CreateCompatibleBitmap(target, width, height));
    if (bitmap_) previousBitmap_ = ::SelectObject(dc_, bitmap_.get());
}

CMemoryDC::~CMemoryDC() {
    if (!dc_) return;
    if (previousBitmap_) ::SelectObject(dc_, previousBitmap_);
    bitmap_.Close();
    ::DeleteDC(dc_);
    detail::GdiObjectDeleted();
}

void CMemoryDC::CopyTo(HDC target, int x, int y) const {
    if (*this) ::BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace fw
