#include "platform/runtime/code_page.h"

#include "platform/runtime/errors.h"
#include "text.h"

// Between the program's UTF-8 and the machine's ANSI code page, by way of UTF-16.
namespace platform {

namespace {

// Text that does not come through whole is an invalid argument.
std::wstring toWide(UINT codePage, std::string_view bytes) {
    std::wstring wide = win32::widen(bytes, codePage);
    if (wide.empty() && !bytes.empty()) {
        throw invalidArgumentError();
    }
    return wide;
}

std::string fromWide(UINT codePage, std::wstring_view wide) {
    std::string bytes = win32::narrow(wide, codePage);
    if (bytes.empty() && !wide.empty()) {
        throw invalidArgumentError();
    }
    return bytes;
}

} // namespace

std::string fromSystemCodePage(std::string_view bytes) {
    return fromWide(CP_UTF8, toWide(CP_ACP, bytes));
}

std::string toSystemCodePage(std::string_view text) {
    // Characters the code page lacks become its default character, as the ANSI calls expect.
    return fromWide(CP_ACP, toWide(CP_UTF8, text));
}

} // namespace platform
