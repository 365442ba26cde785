#pragma once

#include <string>
#include <string_view>

// Text is UTF-8 inside the program; the system's 8-bit code page is spoken only at its edges.
namespace platform {

[[nodiscard]] std::string fromSystemCodePage(std::string_view bytes);
[[nodiscard]] std::string toSystemCodePage(std::string_view text);

} // namespace platform
