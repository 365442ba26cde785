#include "excuse_engine.h"

#include "platform/runtime/numbers.h"
#include "platform/runtime/random_source.h"

namespace engine {

std::string_view lookup(const WordList& list, std::int16_t index) {
    return platform::isPastTheEnd(index, static_cast<int>(list.words.size()))
               ? std::string_view()
               : list.words[static_cast<std::size_t>(index)];
}

std::int16_t drawIndex(platform::RandomSource& random, const WordList& list) {
    const float r = random.next();
    const float product = platform::multiplyChecked(r, list.factor);
    return platform::toInt16(platform::roundHalfEven(product));
}

std::string excuseText(std::span<const std::string> words) {
    std::string text;
    for (const std::string& word : words) {
        if (!word.empty()) {
            text += (text.empty() ? "" : " ") + word;
        }
    }
    return text;
}

} // namespace engine
