#include "platform/code_page.h"

#include "platform/runtime/errors.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Between the program's UTF-8 and the machine's ANSI code page, by way of UTF-16.
namespace platform {

namespace {

std::wstring toWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) {
        throw invalidArgumentError();
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

std::string fromWide(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        ::WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        throw invalidArgumentError();
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
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
