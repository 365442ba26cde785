#include "platform/runtime/code_page.h"
#include "platform/runtime/errors.h"
#include "platform/services/registry.h"
#include "platform/win32/services/services.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/windows_headers.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

using platform::win32::SystemLibrary;
using platform::win32::Win32FileSystem;
using platform::win32::Win32ProgramStarter;
using platform::win32::Win32Registry;
namespace fs = std::filesystem;

fs::path scratchFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / name;
    // What an earlier run left read-only or hidden would not go otherwise.
    if (fs::exists(folder)) {
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
    }
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

TEST(Win32Registry, ReadsLocalMachineThroughTheClassicRootValue) {
    // 0x80000002 must become the sign-extended 64-bit HKEY_LOCAL_MACHINE.
    Win32Registry registry;
    platform::reg::Key key = 0;
    ASSERT_EQ(registry.openKey(platform::reg::localMachine,
                               "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                               platform::reg::queryValueAccess, key),
              platform::reg::success);
    std::array<std::uint8_t, 64> buffer{};
    std::uint32_t type = 0;
    auto size = static_cast<std::uint32_t>(buffer.size());
    EXPECT_EQ(registry.queryValue(key, "CurrentVersion", type, buffer, size),
              platform::reg::success);
    EXPECT_EQ(type, platform::reg::typeString);
    EXPECT_GT(size, 1U);
    EXPECT_EQ(buffer[size - 1], 0) << "a REG_SZ arrives with its terminating zero";

    std::uint32_t tiny = 1;
    EXPECT_EQ(registry.queryValue(key, "CurrentVersion", type, buffer, tiny),
              platform::reg::moreData);
    registry.closeKey(key);

    EXPECT_EQ(registry.openKey(platform::reg::localMachine, "SOFTWARE\\No Such Pretextor Key",
                               platform::reg::queryValueAccess, key),
              platform::reg::fileNotFound);
}

TEST(Win32FileSystem, OnlyPlainFilesAreNormal) {
    const fs::path folder = scratchFolder("pretextor-files");
    const auto make = [&](const char* name, DWORD attributes) {
        const fs::path file = folder / name;
        std::ofstream(file) << "x";
        ::SetFileAttributesW(file.c_str(), attributes);
        return file.string();
    };
    Win32FileSystem files;
    EXPECT_TRUE(files.normalFileExists(make("plain.exe", FILE_ATTRIBUTE_NORMAL)));
    EXPECT_TRUE(files.normalFileExists(make("read-only.exe", FILE_ATTRIBUTE_READONLY)));
    EXPECT_FALSE(files.normalFileExists(make("hidden.exe", FILE_ATTRIBUTE_HIDDEN)));
    EXPECT_FALSE(files.normalFileExists(make("system.exe", FILE_ATTRIBUTE_SYSTEM)));
    EXPECT_FALSE(files.normalFileExists(folder.string()));
    EXPECT_FALSE(files.normalFileExists((folder / "missing.exe").string()));
}

TEST(Win32ProgramStarter, StartsExactlyThePathEvenWithSpaces) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path stub = fs::path(self).parent_path() / "sysinfo_stub.exe";
    ASSERT_TRUE(fs::exists(stub));
    // A decoy where splitting the path at its first space would lead.
    const fs::path folder = scratchFolder("pretextor start");
    fs::create_directories(folder / "my tools");
    const fs::path wanted = folder / "my tools" / "msinfo stub.exe";
    const fs::path decoy = folder / "my.exe";
    fs::copy_file(stub, wanted);
    fs::copy_file(stub, decoy);

    Win32ProgramStarter programs;
    programs.start(wanted.string());
    const fs::path marker = wanted.string() + ".ran";
    for (int i = 0; i < 200 && !fs::exists(marker); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    EXPECT_TRUE(fs::exists(marker));
    EXPECT_FALSE(fs::exists(decoy.string() + ".ran"));

    try {
        programs.start((folder / "absent.exe").string());
        FAIL() << "a missing program must be reported";
    } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.number(), platform::ErrorNumber::FileNotFound);
    }
    EXPECT_THROW(programs.start(""), platform::RuntimeError);
}

// What a failed load says, when it fails.
std::string loadError(const wchar_t* library, const char* entry) {
    try {
        (void)SystemLibrary(library).entry<FARPROC>(entry);
    } catch (const platform::RuntimeError& error) {
        return error.what();
    }
    return {};
}

TEST(SystemLibrary, LoadsFromTheSystemFolderAloneAndNamesWhatIsMissing) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path here = fs::path(self).parent_path();
    // A DLL in the program's own folder, which Windows would otherwise search first.
    const fs::path planted = here / "pretextor_planted.dll";
    fs::copy_file(here / "planted" / "OLEACC.dll", planted, fs::copy_options::overwrite_existing);
    const fs::path marker = here / "planted-dll-ran";
    fs::remove(marker);

    EXPECT_EQ(loadError(L"oleacc.dll", "CreateStdAccessibleObject"), "");
    EXPECT_NE(SystemLibrary(L"kernel32.dll").entry<decltype(&::GetTickCount64)>("GetTickCount64")(),
              0U);
    const std::string absent = loadError(L"pretextor_planted.dll", "LresultFromObject");
    EXPECT_NE(absent.find("pretextor_planted.dll"), std::string::npos) << absent;
    const std::string noEntry = loadError(L"kernel32.dll", "PretextorNoSuchEntry");
    EXPECT_NE(noEntry.find("kernel32.dll"), std::string::npos) << noEntry;
    EXPECT_NE(noEntry.find("PretextorNoSuchEntry"), std::string::npos) << noEntry;
    EXPECT_FALSE(fs::exists(marker));
    fs::remove(planted);
}

TEST(Win32CodePage, SpeaksTheAnsiCodePageAtTheEdges) {
    if (::GetACP() != 1252) {
        GTEST_SKIP() << "the bytes below are Windows-1252";
    }
    EXPECT_EQ(platform::toSystemCodePage("Caf\xC3\xA9 \xE2\x82\xAC"), "Caf\xE9 \x80");
    EXPECT_EQ(platform::fromSystemCodePage("Caf\xE9 \x80"), "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(platform::toSystemCodePage("\xE6\x97\xA5"), "?") << "what 1252 lacks";
}

} // namespace
