#include "platform/posix/posix_file_system.h"
#include "platform/posix/sysinfo_registry.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class ScratchFolder : public ::testing::Test {
protected:
    ScratchFolder() {
        root =
            fs::temp_directory_path() /
            ("pretextor-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(root);
    }
    ~ScratchFolder() override { fs::remove_all(root); }

    fs::path file(const std::string& relative, bool executable = false) {
        const fs::path path = root / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "#!/bin/sh\n";
        if (executable) {
            fs::permissions(path, fs::perms::owner_all);
        }
        return path;
    }

    fs::path root;
};

using NormalFiles = ScratchFolder;

TEST_F(NormalFiles, AreRegularFilesThatAreNotHidden) {
    file("tools/MSINFO32.EXE");
    file("tools/.hidden");
    fs::create_directories(root / "tools/folder");
    platform::posix::PosixFileSystem files;
    EXPECT_TRUE(files.normalFileExists((root / "tools/MSINFO32.EXE").string()));
    EXPECT_FALSE(files.normalFileExists((root / "tools/.hidden").string()));
    EXPECT_FALSE(files.normalFileExists((root / "tools/folder").string()));
    EXPECT_FALSE(files.normalFileExists((root / "tools/missing").string()));
    EXPECT_FALSE(files.normalFileExists(""));
}

using SysInfoLookup = ScratchFolder;

TEST_F(SysInfoLookup, PrefersTheListOrderOverThePathOrderAndNeedsAnExecutable) {
    const auto early = root / "early";
    const auto late = root / "late";
    file("early/gnome-system-monitor", true);
    file("late/kinfocenter", true);
    file("early/hardinfo", false); // present but not executable
    // Empty entries, as a stray colon leaves them, are passed over.
    std::string searchPath = ":";
    searchPath.append(early.string()).append("::").append(late.string());
    EXPECT_EQ(platform::posix::findSysInfoProgram(searchPath), (late / "kinfocenter").string());
    EXPECT_EQ(platform::posix::findSysInfoProgram(early.string()),
              (early / "gnome-system-monitor").string());
    EXPECT_EQ(platform::posix::findSysInfoProgram((root / "none").string()), std::nullopt);
}

TEST_F(SysInfoLookup, AnswersOnlyTheToolPathAsAZeroTerminatedStringNeverFromThePath) {
    file("bin/lshw-gtk", true);
    file("planted/hardinfo", true);
    // A tool that only the user's PATH leads to is not the system's.
    const char* saved = std::getenv("PATH");
    const std::string savedPath = saved != nullptr ? saved : "";
    setenv("PATH", (root / "planted").c_str(), 1);

    platform::posix::SysInfoRegistry registry((root / "bin").string());
    platform::reg::Key key = 0;
    namespace reg = platform::reg;
    EXPECT_EQ(registry.openKey(reg::localMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                               reg::queryValueAccess, key),
              reg::fileNotFound);
    ASSERT_EQ(registry.openKey(reg::localMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                               reg::queryValueAccess, key),
              reg::success);
    std::array<std::uint8_t, 1024> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = buffer.size();
    EXPECT_EQ(registry.queryValue(key, "OTHER", type, buffer, size), reg::fileNotFound);
    ASSERT_EQ(registry.queryValue(key, "PATH", type, buffer, size), reg::success);
    const std::string expected = (root / "bin/lshw-gtk").string();
    EXPECT_EQ(type, reg::typeString);
    EXPECT_EQ(size, expected.size() + 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.data())), expected);
    std::uint32_t tooSmall = 4;
    EXPECT_EQ(registry.queryValue(key, "PATH", type, buffer, tooSmall), reg::moreData);
    registry.closeKey(key);

    platform::posix::SysInfoRegistry empty((root / "none").string());
    EXPECT_EQ(empty.openKey(reg::localMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                            reg::queryValueAccess, key),
              reg::fileNotFound)
        << "with no tool in its folders the lookup fails, whatever the PATH holds";
    setenv("PATH", savedPath.c_str(), 1);
}

} // namespace
