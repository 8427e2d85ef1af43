#include "app/WindowPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace app {

namespace {

// Edges of a window in 64 bits, where position plus size cannot overflow.
struct Span {
    long long left, top, right, bottom;
};

Span WindowSpan(ScreenPoint p, int width, int height) {
    return {p.x, p.y, static_cast<long long>(p.x) + width, static_cast<long long>(p.y) + height};
}

bool Touches(const Span& window, const ScreenRect& area) {
    return window.left < area.right && area.left < window.right && window.top < area.bottom && area.top < window.bottom;
}

// Gap between the spans along one axis; 0 when they overlap on it.
long long Gap(long long lowA, long long highA, long long lowB, long long highB) {
    return std::max({lowB - highA, lowA - highB, 0LL});
}

double Distance(const Span& window, const ScreenRect& area) {
    return std::hypot(static_cast<double>(Gap(window.left, window.right, area.left, area.right)),
                      static_cast<double>(Gap(window.top, window.bottom, area.top, area.bottom)));
}

// The position on one axis nearest to `at` that keeps `size` inside
// [low, high); the low edge when it does not fit.
int PlaceWithin(int at, int size, int low, int high) {
    const long long highest = static_cast<long long>(high) - size;
    if (highest < low) return low;
    return static_cast<int>(std::clamp<long long>(at, low, highest));
}

// The area of the window that lies inside `area`.
long long Overlap(const Span& window, const ScreenRect& area) {
    const long long width = std::min<long long>(window.right, area.right) - std::max<long long>(window.left, area.left);
    const long long height = std::min<long long>(window.bottom, area.bottom) - std::max<long long>(window.top, area.top);
    return width > 0 && height > 0 ? width * height : 0;
}

bool Usable(const ScreenRect& area) { return area.right > area.left && area.bottom > area.top; }

}  // namespace

ScreenPoint KeepInsideWorkArea(ScreenPoint p, int width, int height, const std::vector<ScreenRect>& workAreas) {
    const Span window = WindowSpan(p, width, height);
    const ScreenRect* chosen = nullptr;
    long long chosenOverlap = 0;
    double chosenDistance = std::numeric_limits<double>::infinity();
    for (const ScreenRect& area : workAreas) {
        if (!Usable(area)) continue;
        const long long overlap = Overlap(window, area);
        const double distance = overlap > 0 ? 0.0 : Distance(window, area);
        if (overlap > chosenOverlap || (chosenOverlap == 0 && overlap == 0 && distance < chosenDistance)) {
            chosen = &area;
            chosenOverlap = overlap;
            chosenDistance = distance;
        }
    }
    if (!chosen) return p;
    return {PlaceWithin(p.x, width, chosen->left, chosen->right), PlaceWithin(p.y, height, chosen->top, chosen->bottom)};
}

ScreenPoint MoveOntoWorkAreas(ScreenPoint p, int width, int height, const std::vector<ScreenRect>& workAreas) {
    const Span window = WindowSpan(p, width, height);
    const ScreenRect* nearest = nullptr;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (const ScreenRect& area : workAreas) {
        if (!Usable(area)) continue;
        if (Touches(window, area)) return p;
        const double distance = Distance(window, area);
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &area;
        }
    }
    if (!nearest) return p;
    return {PlaceWithin(p.x, width, nearest->left, nearest->right),
            PlaceWithin(p.y, height, nearest->top, nearest->bottom)};
}

ScreenPoint PlaceMemoTab(const ScreenRect& calendar, int width, int height, const ScreenRect& workArea,
                         base::DpiScale scale) {
    const int gap = scale(kMemoTabGap);
    int left = calendar.right + gap;
    const int otherSide = calendar.left - gap - width;
    if (left + width > workArea.right && otherSide >= workArea.left) left = otherSide;
    const int top = calendar.bottom - height;
    const ScreenRect placed = base::KeepInside({left, top, left + width, top + height}, workArea);
    return {placed.left, placed.top};
}

ScreenPoint PlaceMemoPad(const ScreenRect& calendar, int width, int height, const ScreenRect& workArea,
                         base::DpiScale scale) {
    const int gap = scale(kMemoPadGap);
    int top = calendar.bottom + gap;
    const int above = calendar.top - gap - height;
    if (top + height > workArea.bottom && above >= workArea.top) top = above;
    const ScreenRect placed = base::KeepInside({calendar.left, top, calendar.left + width, top + height}, workArea);
    return {placed.left, placed.top};
}

}  // namespace app
