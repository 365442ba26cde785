#pragma once

#include "platform/forms/colour_rule.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <span>

// The colours a text control shows, from its pixels (0xAARRGGBB, as Qt's and Windows' 32-bit
// bitmaps hold them): the most common is its ground, the one that stands out most its text.
struct ShownColours {
    platform::Colour back;
    platform::Colour text;
    double ratio;
};

inline ShownColours shownColours(std::span<const std::uint32_t> pixels) {
    std::map<platform::Colour, int> counts;
    for (const std::uint32_t pixel : pixels) {
        ++counts[((pixel & 0xFFU) << 16U) | (pixel & 0xFF00U) | ((pixel >> 16U) & 0xFFU)];
    }
    const platform::Colour back =
        std::ranges::max_element(counts, {}, [](auto& c) { return c.second; })->first;
    const platform::Colour text = std::ranges::max_element(counts, {}, [&](auto& c) {
                                      return platform::contrastRatio(c.first, back);
                                  })->first;
    return {back, text, platform::contrastRatio(text, back)};
}
