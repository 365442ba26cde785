#include "excuse_engine.h"

#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/random_source.h"

namespace engine {

std::string_view lookup(const WordList& list, std::int16_t index) {
    const auto size = static_cast<std::int16_t>(list.words.size());
    if (index == size) {
        return {};
    }
    if (index < 0 || index > size) {
        throw platform::RuntimeError(platform::ErrorNumber::InvalidIndex,
                                     "Invalid property array index");
    }
    return list.words[static_cast<std::size_t>(index)];
}

std::int16_t drawIndex(platform::RandomSource& random, const WordList& list) {
    const float r = random.next();
    const float product = platform::multiplyChecked(r, list.factor);
    return platform::toInt16(platform::roundHalfEven(product));
}

} // namespace engine
