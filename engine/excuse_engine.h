#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace platform {
class RandomSource;
}

// The four word lists and the draw of one index from each. Knows nothing of windows.
namespace engine {

struct WordList {
    std::span<const std::string_view> words;
    // r * factor, rounded with halves to even, is the drawn index.
    float factor;
};

// Qualifier, system part, fault and report, in the order an excuse reads.
[[nodiscard]] const std::array<WordList, 4>& wordLists();

// The word at index; one past the last word yields "". Anything else outside throws.
[[nodiscard]] std::string_view lookup(const WordList& list, std::int16_t index);

// The excuse as one phrase: its words joined by spaces, an empty word (one past a list's end)
// left out.
[[nodiscard]] std::string excuseText(std::span<const std::string> words);

// One draw: the next random number times the list's factor, rounded with halves to even.
[[nodiscard]] std::int16_t drawIndex(platform::RandomSource& random, const WordList& list);

} // namespace engine
