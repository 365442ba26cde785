#include "fonts.h"

#include "platform/forms/font_stand_ins.h"
#include "platform/forms/twips.h"
#include "platform/win32/system/last_error.h"
#include "platform/win32/text/text.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <optional>
#include <string_view>
#include <vector>

namespace platform::win32 {

namespace {

// A face to try for a design face, and how wide, in percent, to draw it so that it takes the room
// the design gave the original.
struct FaceChoice {
    std::wstring face;
    int widthPercent;
};

// The faces tried for a design face, best first.
std::vector<FaceChoice> faceChoices(const FontDesign& design) {
    std::vector<FaceChoice> choices;
    for (const FaceStandIn& standIn : standInsFor(design.family)) {
        if (standIn.lookedForOn(FaceSystems::windows)) {
            choices.push_back({widen(standIn.face), standInWidthPercent(standIn.width, design)});
        }
    }
    return choices;
}

// A sample of every letter, measured to find the width that gives the wanted stretch.
constexpr std::wstring_view sample = L"abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ";

LOGFONTW logFontFor(const FontDesign& design, unsigned dpi, std::wstring_view face) {
    LOGFONTW font{};
    // A point is 20 twips; a negative height asks for the character height, not the cell's.
    font.lfHeight = -twipsToPixels(static_cast<double>(design.points) * 20.0, dpi);
    font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = design.underline ? TRUE : FALSE;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    face.copy(font.lfFaceName, std::size(font.lfFaceName) - 1);
    return font;
}

Font create(const LOGFONTW& logFont) {
    Font font(::CreateFontIndirectW(&logFont));
    check(static_cast<bool>(font), "CreateFont " + narrow(logFont.lfFaceName));
    return font;
}

// A device context for measuring, on the screen's pixels.
DeviceContext measuringContext() {
    DeviceContext dc(::CreateCompatibleDC(nullptr));
    check(static_cast<bool>(dc), "CreateCompatibleDC");
    return dc;
}

struct Made {
    std::wstring face;
    bool scalable = false;
    LONG averageWidth = 0;
    LONG sampleWidth = 0;
};

Made inspect(HDC dc, HFONT font) {
    const Selection selected(dc, font);
    std::array<wchar_t, LF_FACESIZE> face{};
    ::GetTextFaceW(dc, static_cast<int>(face.size()), face.data());
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, sample.data(), static_cast<int>(sample.size()), &extent);
    return {face.data(), (metrics.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR)) != 0,
            metrics.tmAveCharWidth, extent.cx};
}

// The widest average width, in whole steps, at which the sample takes no more than the wanted
// share. The sample grows with the width, so the search starts where the proportion puts it and
// takes a step or two from there: every font tried costs the start its glyphs.
Font stretched(HDC dc, LOGFONTW logFont, LONG averageWidth, LONG naturalWidth, int percent) {
    const LONG wanted = naturalWidth * percent / 100;
    const auto fitting = [&](LONG width) -> std::optional<Font> {
        logFont.lfWidth = width;
        Font font = create(logFont);
        if (inspect(dc, font.get()).sampleWidth <= wanted) {
            return font;
        }
        return std::nullopt;
    };
    if (averageWidth > 1) {
        LONG width = std::clamp(averageWidth * wanted / std::max(naturalWidth, LONG{1}), LONG{2},
                                averageWidth);
        std::optional<Font> found = fitting(width);
        // Wider while the next step still fits, else narrower until one does.
        while (found && width < averageWidth) {
            std::optional<Font> wider = fitting(width + 1);
            if (!wider) {
                break;
            }
            found = std::move(wider);
            ++width;
        }
        while (!found && --width > 1) {
            found = fitting(width);
        }
        if (found) {
            return std::move(*found);
        }
    }
    logFont.lfWidth = 1;
    return create(logFont);
}

DesignFont madeFrom(HDC dc, Font font, const LOGFONTW& logFont) {
    const LONG averageWidth = inspect(dc, font.get()).averageWidth;
    return {std::move(font), logFont, averageWidth};
}

} // namespace

DesignFont createFont(const FontDesign& design, unsigned dpi) {
    const DeviceContext dc = measuringContext();
    const auto choices = faceChoices(design);
    for (std::size_t index = 0; index < choices.size(); ++index) {
        const FaceChoice& choice = choices[index];
        LOGFONTW logFont = logFontFor(design, dpi, choice.face);
        Font font = create(logFont);
        const Made made = inspect(dc.get(), font.get());
        // A face the machine lacks comes back as another; a bitmap face keeps its few sizes.
        const bool isLast = index + 1 == choices.size();
        if (::_wcsicmp(made.face.c_str(), choice.face.c_str()) != 0 ||
            (!made.scalable && !isLast)) {
            continue;
        }
        if (choice.widthPercent == 100) {
            return {std::move(font), logFont, made.averageWidth};
        }
        Font narrow =
            stretched(dc.get(), logFont, made.averageWidth, made.sampleWidth, choice.widthPercent);
        logFont.lfWidth = inspect(dc.get(), narrow.get()).averageWidth;
        return madeFrom(dc.get(), std::move(narrow), logFont);
    }
    // None of them: the system's own substitute for the design's name.
    const LOGFONTW logFont = logFontFor(design, dpi, widen(design.family));
    return madeFrom(dc.get(), create(logFont), logFont);
}

Font narrowed(const DesignFont& font, int percent) {
    LOGFONTW logFont = font.logFont;
    logFont.lfWidth = std::max(LONG{1}, font.averageWidth * percent / 100);
    return create(logFont);
}

FontMeasure::FontMeasure(HFONT font) : dc_(measuringContext()), selected_(dc_.get(), font) {
    ::GetTextMetricsW(dc_.get(), &metrics_);
}

FontMeasure::FontMeasure(Font font) : FontMeasure(font.get()) {
    owned_ = std::move(font);
}

int FontMeasure::width(std::string_view text) const {
    const std::wstring wide = widen(text);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc_.get(), wide.data(), static_cast<int>(wide.size()), &extent);
    return extent.cx;
}

} // namespace platform::win32
