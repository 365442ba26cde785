#pragma once

#include "handles.h"
#include "platform/runtime/errors.h"
#include "windows_headers.h"

#include <optional>
#include <string>
#include <type_traits>

// A DLL that is no KnownDLL, loaded from the system folder alone: a file of the same name in the
// program's own folder, which a web page may have dropped beside a downloaded program, is never
// looked at, and neither are the current folder and the PATH.
namespace platform::win32 {

inline void freeLibrary(HMODULE module) {
    ::FreeLibrary(module);
}
using Module = Unique<HMODULE, freeLibrary>;

class SystemLibrary {
public:
    // Throws a run-time error naming the DLL when System32 has none that loads.
    explicit SystemLibrary(const wchar_t* name);

    // The entry point `name` as a function of type Function (a function pointer type); throws a
    // run-time error naming the DLL and the entry point when the DLL lacks it.
    template <typename Function>
        requires std::is_function_v<std::remove_pointer_t<Function>>
    [[nodiscard]] Function entry(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address(name)));
    }
    // As entry, but null when the DLL lacks it: for the calls that only newer systems have.
    template <typename Function>
        requires std::is_function_v<std::remove_pointer_t<Function>>
    [[nodiscard]] Function optionalEntry(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(find(name)));
    }

private:
    [[nodiscard]] FARPROC address(const char* name) const;
    [[nodiscard]] FARPROC find(const char* name) const;

    std::string name_;
    Module module_;
};

// In a set of entry points beside its `library`: a member named after the entry point `name` of
// the system's declaration `scope::name`, looked up by that name. Name and type are written once.
// NOLINTBEGIN(cppcoreguidelines-macro-usage): only a macro turns a name into its string.
#define PRETEXTOR_ENTRY(scope, name)                                                               \
    decltype(&scope::name) name = library.entry<decltype(&scope::name)>(#name)
// As PRETEXTOR_ENTRY, but null where the library lacks it.
#define PRETEXTOR_OPTIONAL_ENTRY(scope, name)                                                      \
    decltype(&scope::name) name = library.optionalEntry<decltype(&scope::name)>(#name)
// NOLINTEND(cppcoreguidelines-macro-usage)

// A set of entry points loaded at first use and kept to the end; a failed load is tried again at
// the next call.
template <typename Entries> const Entries& loadedOnce() {
    static const Entries loaded;
    return loaded;
}

// A set of entry points loaded at first use and kept; null, for good, where the system lacks
// the DLL or one of them.
template <typename Entries> const Entries* loadedIfPresent() {
    static const std::optional<Entries> loaded = []() -> std::optional<Entries> {
        try {
            return std::optional<Entries>(std::in_place);
        } catch (const RuntimeError&) {
            return std::nullopt;
        }
    }();
    return loaded ? &*loaded : nullptr;
}

} // namespace platform::win32
