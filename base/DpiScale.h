// Every pixel number of the layout is a number at 96 DPI, the design's
// resolution; it reaches the screen through ScaleToDpi, one rounding for
// every window.
#pragma once

namespace base {

inline constexpr int kDesignDpi = 96;

// `value` design pixels at `dpi`: value * dpi / 96 rounded to the nearest
// whole pixel, halves away from zero (as MulDiv rounds), so that a length
// and its negative scale alike.
constexpr int ScaleToDpi(int value, int dpi) {
    const long long product = static_cast<long long>(value) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}

// One window's DPI and the scale it applies: the window keeps one and
// passes its design numbers through it.
struct DpiScale {
    int dpi = kDesignDpi;
    constexpr int operator()(int value) const { return ScaleToDpi(value, dpi); }
    friend constexpr bool operator==(const DpiScale&, const DpiScale&) = default;
};

}  // namespace base
