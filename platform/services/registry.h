#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace platform {

// A read-only view of the Windows registry calls, status codes and all.
namespace reg {
using Key = std::uintptr_t;
using Status = long;
constexpr std::uint32_t localMachine = 0x80000002U;
constexpr std::uint32_t queryValueAccess = 0x0001U;
constexpr std::uint32_t typeString = 1U;
constexpr std::uint32_t typeExpandString = 2U;
constexpr std::uint32_t typeBinary = 3U;
constexpr std::uint32_t typeDword = 4U;
constexpr std::uint32_t typeMultiString = 7U;
constexpr Status success = 0;
constexpr Status fileNotFound = 2;
constexpr Status accessDenied = 5;
constexpr Status moreData = 234;
} // namespace reg

class Registry {
public:
    virtual ~Registry() = default;
    virtual reg::Status openKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                                reg::Key& key) = 0;
    // Fills buffer; size holds the buffer's size on entry and the bytes written on success.
    virtual reg::Status queryValue(reg::Key key, const std::string& name, std::uint32_t& type,
                                   std::span<std::uint8_t> buffer, std::uint32_t& size) = 0;
    virtual void closeKey(reg::Key key) = 0;
};

} // namespace platform
