#include "pixels.h"
#include "platform/twips.h"
#include "win32_controls.h"

#include <algorithm>

// The shapes and lines, painted on the window in WM_PAINT.
namespace platform::win32 {

namespace {

COLORREF windowText() {
    return ::GetSysColor(COLOR_WINDOWTEXT);
}

void fill(HDC dc, const RECT& area, COLORREF colour) {
    const Brush brush(::CreateSolidBrush(colour));
    ::FillRect(dc, &area, brush.get());
}

RECT unite(const RECT& a, const RECT& b) {
    RECT both{};
    ::UnionRect(&both, &a, &b);
    return both;
}

} // namespace

Win32Shape::Win32Shape(Surface& surface, const ControlDesign& design)
    : surface_(surface), design_(design), visible_(design.visible),
      width_(static_cast<float>(design.rect.width)) {}

RECT Win32Shape::area(unsigned dpi) const {
    RECT area = toPixels(design_.rect, dpi);
    const double right = static_cast<double>(design_.rect.left) + static_cast<double>(width_);
    area.right = std::max<LONG>(area.left, twipsToPixels(right, dpi));
    return area;
}

void Win32Shape::setVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        surface_.repaint(area(surface_.dpi()));
    }
}

void Win32Shape::setWidth(float twips) {
    const RECT before = area(surface_.dpi());
    width_ = twips;
    if (visible_) {
        surface_.repaint(unite(before, area(surface_.dpi())));
    }
}

void Win32Shape::paint(HDC dc, unsigned dpi) const {
    const RECT rect = area(dpi);
    if (!visible_ || ::IsRectEmpty(&rect) != FALSE) {
        return;
    }
    const ShapeDesign& shape = design_.shape;
    if (shape.backStyle == 1) {
        fill(dc, rect, shape.backColour);
    }
    if (shape.fillStyle == 0) {
        fill(dc, rect, shape.fillColour);
    } else if (shape.fillStyle == 5) {
        // Lines running downward from left to right, over the back colour.
        const Brush hatch(::CreateHatchBrush(HS_FDIAGONAL, shape.fillColour));
        const int mode = ::SetBkMode(dc, TRANSPARENT);
        ::FillRect(dc, &rect, hatch.get());
        ::SetBkMode(dc, mode);
    }
    const Brush outline(::CreateSolidBrush(windowText()));
    ::FrameRect(dc, &rect, outline.get());
}

Win32Line::Win32Line(Surface& surface, const ControlDesign& design)
    : surface_(surface), design_(design), visible_(design.visible) {}

RECT Win32Line::area(unsigned dpi) const {
    const POINT from = toPixels(design_.line.from, dpi);
    const POINT to = toPixels(design_.line.to, dpi);
    const int width = design_.line.widthPixels;
    return {std::min(from.x, to.x) - width, std::min(from.y, to.y) - width,
            std::max(from.x, to.x) + width, std::max(from.y, to.y) + width};
}

void Win32Line::setVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        surface_.repaint(area(surface_.dpi()));
    }
}

void Win32Line::paint(HDC dc, unsigned dpi) const {
    if (!visible_) {
        return;
    }
    const LineDesign& line = design_.line;
    const COLORREF colour = line.colour.value_or(windowText());
    const POINT from = toPixels(line.from, dpi);
    const POINT to = toPixels(line.to, dpi);
    if (from.y == to.y) {
        // A horizontal line fills whole pixel rows below its y and ends before its last point.
        fill(dc,
             {std::min(from.x, to.x), from.y, std::max(from.x, to.x), from.y + line.widthPixels},
             colour);
        return;
    }
    const Unique<HPEN, deleteGdiObject> pen(::CreatePen(PS_SOLID, line.widthPixels, colour));
    const Selection selected(dc, pen.get());
    ::MoveToEx(dc, from.x, from.y, nullptr);
    ::LineTo(dc, to.x, to.y);
}

} // namespace platform::win32
