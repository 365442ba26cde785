#pragma once

// What every part of the random input driver shares: the clock, the failure it throws, and the
// program's windows by title.
#include "about_window/frm_about_design.h"
#include "main_window/form1_design.h"

#include <array>
#include <chrono>
#include <string>
#include <string_view>
#include <thread>

namespace random_input {

using Clock = std::chrono::steady_clock;

inline const std::string mainTitle(pretextor::form1Design().caption);
inline const std::string aboutTitle = pretextor::aboutCaption();
// How long the program may take, under the sanitizers on a loaded machine, to settle.
constexpr auto settleTimeout = std::chrono::seconds(30);

struct Failure {
    std::string what;
};

inline void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

enum class Kind { Main, About, Other };

inline Kind kindOf(std::string_view title) {
    return title == mainTitle ? Kind::Main : title == aboutTitle ? Kind::About : Kind::Other;
}

inline std::string_view kindName(Kind kind) {
    constexpr std::array<std::string_view, 3> names = {"main window", "About window",
                                                       "message box"};
    return names[static_cast<std::size_t>(kind)];
}

} // namespace random_input
