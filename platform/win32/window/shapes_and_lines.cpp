#include "controls.h"
#include "pixels.h"
#include "platform/forms/twips.h"
#include "platform/win32/accessibility/events.h"

#include <algorithm>

// The shapes and lines, painted on the window in WM_PAINT.
namespace platform::win32 {

namespace {

void fill(HDC dc, const RECT& area, COLORREF colour) {
    const Brush brush(::CreateSolidBrush(colour));
    ::FillRect(dc, &area, brush.get());
}

RECT unite(const RECT& a, const RECT& b) {
    RECT both{};
    ::UnionRect(&both, &a, &b);
    return both;
}

// An outline of the given thickness inside the rectangle.
void outline(HDC dc, const RECT& area, int thickness, COLORREF colour) {
    const int across = std::min<LONG>(thickness, (area.right - area.left + 1) / 2);
    const int down = std::min<LONG>(thickness, (area.bottom - area.top + 1) / 2);
    fill(dc, {area.left, area.top, area.right, area.top + down}, colour);
    fill(dc, {area.left, area.bottom - down, area.right, area.bottom}, colour);
    fill(dc, {area.left, area.top, area.left + across, area.bottom}, colour);
    fill(dc, {area.right - across, area.top, area.right, area.bottom}, colour);
}

// Lines running downward from left to right, as the system's diagonal hatch draws them at 96 dpi
// (one pixel in eight), scaled: anchored to the window, so they stay put while the bar grows.
void hatch(HDC dc, const RECT& area, int thickness, COLORREF colour) {
    const int spacing = 8 * thickness;
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    const Unique<HPEN, deleteGdiObject> pen(::CreatePen(PS_SOLID, 1, colour));
    const Selection selected(dc, pen.get());
    const LONG height = area.bottom - area.top;
    // The first line whose top lies at or left of the area's left edge less its height.
    LONG start = area.left - height;
    start -= ((start - area.top) % spacing + spacing) % spacing;
    for (LONG x = start; x < area.right; x += spacing) {
        for (int offset = 0; offset < thickness; ++offset) {
            ::MoveToEx(dc, x + offset, area.top, nullptr);
            ::LineTo(dc, x + offset + height + 1, area.bottom + 1);
        }
    }
    ::RestoreDC(dc, saved);
}

} // namespace

RECT Win32Shape::area(unsigned dpi) const {
    RECT area = toPixels(design().rect, dpi);
    const double right = static_cast<double>(design().rect.left) + static_cast<double>(width_);
    area.right = std::max<LONG>(area.left, twipsToPixels(right, dpi));
    return area;
}

void Win32Shape::shown(bool visible) {
    announceProgress(surface(), design(), visible ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE);
}

void Win32Shape::setWidth(float twips) {
    const RECT before = area(surface().dpi());
    width_ = twips;
    if (visible()) {
        surface().repaint(unite(before, area(surface().dpi())));
        announceProgress(surface(), design(), EVENT_OBJECT_VALUECHANGE);
    }
}

void Win32Shape::paint(HDC dc, unsigned dpi) const {
    const RECT rect = area(dpi);
    if (!visible() || ::IsRectEmpty(&rect) != FALSE) {
        return;
    }
    const ShapeDesign& shape = design().shape;
    const DrawnColours colours = coloursOf(surface().design(), design(), surface().theme());
    if (shape.backStyle == BackStyle::Opaque) {
        fill(dc, rect, colours.back);
    }
    if (shape.fillStyle == FillStyle::Solid) {
        fill(dc, rect, colours.fill);
    } else if (shape.fillStyle == FillStyle::DownwardDiagonal) {
        // Over the back colour.
        hatch(dc, rect, designPixelsToPixels(1, dpi), colours.fill);
    }
    outline(dc, rect, designPixelsToPixels(1, dpi), colours.fore);
}

RECT Win32Line::area(unsigned dpi) const {
    const POINT from = toPixels(design().line.from, dpi);
    const POINT to = toPixels(design().line.to, dpi);
    const int width = designPixelsToPixels(design().line.widthPixels, dpi);
    return {std::min(from.x, to.x) - width, std::min(from.y, to.y) - width,
            std::max(from.x, to.x) + width, std::max(from.y, to.y) + width};
}

void Win32Line::paint(HDC dc, unsigned dpi) const {
    if (!visible()) {
        return;
    }
    const LineDesign& line = design().line;
    const COLORREF colour = coloursOf(surface().design(), design(), surface().theme()).fore;
    const POINT from = toPixels(line.from, dpi);
    const POINT to = toPixels(line.to, dpi);
    const int width = designPixelsToPixels(line.widthPixels, dpi);
    if (from.y == to.y) {
        // A horizontal line fills whole pixel rows below its y and ends before its last point.
        fill(dc, {std::min(from.x, to.x), from.y, std::max(from.x, to.x), from.y + width}, colour);
        return;
    }
    const Unique<HPEN, deleteGdiObject> pen(::CreatePen(PS_SOLID, width, colour));
    const Selection selected(dc, pen.get());
    ::MoveToEx(dc, from.x, from.y, nullptr);
    ::LineTo(dc, to.x, to.y);
}

} // namespace platform::win32
