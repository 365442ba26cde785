#include "platform/runtime/code_page.h"

// Linux desktops run with UTF-8 as their 8-bit code page.
namespace platform {

std::string fromSystemCodePage(std::string_view bytes) {
    return std::string(bytes);
}

std::string toSystemCodePage(std::string_view text) {
    return std::string(text);
}

} // namespace platform
