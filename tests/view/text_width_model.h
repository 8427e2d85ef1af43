// Text widths without fonts, for layout tables: a GBK double-byte character
// is one em wide, a single-byte one half an em (rounded up), as the CJK
// faces of the program draw them; a point size becomes an em at a DPI as
// the system makes point fonts.
#pragma once

#include <string_view>

namespace layout_test {

inline int EmOfPoints(int tenthsOfPoint, int dpi) { return (tenthsOfPoint * dpi + 360) / 720; }

inline int ModelWidth(std::string_view gbk, int em) {
    int width = 0;
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        if (static_cast<unsigned char>(gbk[i]) >= 0x81 && i + 1 < gbk.size()) {
            width += em;
            ++i;
        } else {
            width += (em + 1) / 2;
        }
    }
    return width;
}

// A line of text: the em and the face's leading, an eighth of an em.
inline int ModelLineHeight(int em) { return em + (em + 7) / 8; }

inline constexpr int kDpis[] = {96, 120, 144, 192};

}  // namespace layout_test
