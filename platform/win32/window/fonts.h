#pragma once

#include "platform/forms/design.h"
#include "platform/forms/text_fit.h"
#include "platform/win32/system/handles.h"

namespace platform::win32 {

// A font made for a design, and how it was asked for, to draw it narrower from.
struct DesignFont {
    Font font;
    LOGFONTW logFont{};
    LONG averageWidth = 0;
};

// The design's font at this DPI, in the first scalable face of its choices that the machine has.
[[nodiscard]] DesignFont createFont(const FontDesign& design, unsigned dpi);

// The same font at a share, in percent, of its width.
[[nodiscard]] Font narrowed(const DesignFont& font, int percent);

// How text comes out in a font, on the screen's pixels.
class FontMeasure final : public TextMeasure {
public:
    explicit FontMeasure(HFONT font);
    // Measures a font it holds until it goes.
    explicit FontMeasure(Font font);

    [[nodiscard]] int width(std::string_view text) const override;
    [[nodiscard]] int lineHeight() const override { return metrics_.tmHeight; }
    [[nodiscard]] int leading() const override { return metrics_.tmInternalLeading; }
    [[nodiscard]] const TEXTMETRICW& metrics() const { return metrics_; }

private:
    Font owned_;
    DeviceContext dc_;
    Selection selected_;
    TEXTMETRICW metrics_{};
};

} // namespace platform::win32
