#include "form1_fixture.h"

#include "about_window/frm_about.h"
#include "about_window/frm_about_design.h"
#include "links/module1.h"

// GCC 12 reports vectors inside initializer lists of test cases as maybe uninitialized at -O2;
// it is a known false positive of that release.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace {

using platform::fake::FakeLabel;
using platform::fake::FakeRegistry;
using platform::fake::FakeWindow;

class AboutWindow : public Form1Fixture {
protected:
    FakeWindow& openAbout() {
        window->click("Command2");
        FakeWindow* about = toolkit.window("frmAbout");
        EXPECT_NE(about, nullptr);
        return *about;
    }
};

TEST_F(AboutWindow, EveryLinkReachesTheShellWithItsTarget) {
    struct Link {
        bool onMain;
        std::string_view label;
        std::string target;
    };
    FakeWindow& about = openAbout();
    for (const Link& link : std::vector<Link>{
             {true, "Label2", "http://vorn.example/Vexing.html"},
             {false, "Label1", "http://vorn.example/ExcuseBoard.html"},
             {false, "Label3", "http://vorn.example/Vexing.html"},
             {false, "Label4", "http://pretextor.example/"},
             {false, "Label5", "mailto:author@pretextor.example"},
         }) {
        shell.requests.clear();
        FakeWindow& target = link.onMain ? *window : about;
        target.click(link.label);
        target.click(link.label);
        ASSERT_EQ(shell.requests.size(), 2U) << link.label << ": a second click opens again";
        for (const auto& request : shell.requests) {
            EXPECT_EQ(request,
                      (platform::ShellExecuteRequest{
                          .owner = 0, .file = link.target, .directory = "C:\\", .showCommand = 1}));
        }
    }
    // The link labels show the targets they open.
    EXPECT_EQ(about.get<FakeLabel>("Label1").caption(), pretextor::Module1::ExcuseBoardPageUrl);
    EXPECT_EQ(about.get<FakeLabel>("Label3").caption(), pretextor::Module1::StoriesPageUrl);
    EXPECT_EQ(about.get<FakeLabel>("Label4").caption(),
              std::string(pretextor::Module1::HomePageUrl) + ", Check out my other projects.");
    EXPECT_EQ(about.get<FakeLabel>("Label5").caption(), "Email Me @ \"Author@pretextor.example\"");
}

TEST_F(AboutWindow, LoadsOnceShowsModelessAndLoadsAgainAfterOk) {
    FakeWindow& about = openAbout();
    EXPECT_EQ(about.caption(), "About VORN: Pretextor");
    EXPECT_EQ(about.get<FakeLabel>("lblVersion").caption(), "Version 1.3.125");
    EXPECT_EQ(about.get<FakeLabel>("lblTitle").caption(), "VORN: Pretextor");
    EXPECT_EQ(about.focused(), "cmdOK");

    window->click("Command2");
    EXPECT_EQ(toolkit.loadsOf("frmAbout"), 1) << "a second click shows the same window";
    EXPECT_EQ(about.showCount(), 2);
    EXPECT_TRUE(window->shown()) << "the main window stays usable";
    random.script({0.5F});
    window->click("Label1");
    EXPECT_EQ(caption("ls1"), "Minor");

    about.click("cmdOK");
    EXPECT_FALSE(about.loaded());
    FakeWindow& again = openAbout();
    EXPECT_EQ(toolkit.loadsOf("frmAbout"), 2);
    EXPECT_EQ(again.get<FakeLabel>("lblVersion").caption(), "Version 1.3.125");
    EXPECT_TRUE(again.shown());
}

TEST_F(AboutWindow, EnterAndEscCloseItUnlessSystemInfoHasTheFocus) {
    struct Case {
        std::string_view focus; // "" leaves the focus where the window opened it
        bool escape;
        bool closes;
    };
    for (const Case& c : std::vector<Case>{{"", false, true},
                                           {"", true, true},
                                           {"picIcon", false, true},
                                           {"cmdSysInfo", true, true},
                                           {"cmdSysInfo", false, false}}) {
        messages.shown.clear();
        FakeWindow& about = openAbout();
        if (!c.focus.empty()) {
            while (about.focused() != c.focus) {
                about.pressTab();
            }
        }
        c.escape ? about.pressEscape() : about.pressEnter();
        EXPECT_EQ(!about.loaded(), c.closes) << c.focus << (c.escape ? " Esc" : " Enter");
        if (!c.closes) {
            EXPECT_EQ(messages.shown.size(), 1U) << "Enter pressed System Info";
            about.click("cmdOK");
        }
    }
}

TEST_F(AboutWindow, TheProgramEndsWhenTheLastWindowCloses) {
    for (const bool mainFirst : {true, false}) {
        SCOPED_TRACE(mainFirst ? "main window first" : "About first");
        if (!window->loaded()) {
            form.start();
            window = toolkit.window("Form1");
        }
        FakeWindow& about = openAbout();
        if (mainFirst) {
            window->click("Command3");
            EXPECT_FALSE(toolkit.programEnded());
            about.click("Label3");
            EXPECT_EQ(shell.requests.size(), 1U) << "the About links still work";
            shell.requests.clear();
            about.closeBox();
        } else {
            about.closeBox();
            EXPECT_FALSE(toolkit.programEnded());
            window->click("Command3");
        }
        EXPECT_TRUE(toolkit.programEnded());
    }
}

constexpr auto toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr auto folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr auto unavailable = "System Information Is Unavailable At This Time";

TEST_F(AboutWindow, SystemInfoIsFoundThroughTheRegistryOrReportedUnavailable) {
    struct Case {
        std::string name;
        std::function<void(FakeRegistry&, platform::fake::FakeFileSystem&)> setUp;
        std::string started; // "" when the message is shown instead
    };
    const std::string tool =
        "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
    const std::string folder = "C:\\Windows\\System32";
    const std::string inFolder = folder + "\\MSINFO32.EXE";
    const std::vector<Case> cases = {
        {"path value with its terminating zero",
         [&](auto& r, auto&) { r.set(toolKey, "PATH", FakeRegistry::text(tool)); }, tool},
        {"path value without a terminating zero",
         [&](auto& r, auto&) { r.set(toolKey, "PATH", FakeRegistry::text(tool, 0)); }, tool},
        {"path value with extra zeros ends at the first",
         [&](auto& r, auto&) { r.set(toolKey, "PATH", FakeRegistry::text(tool, 3)); }, tool},
        {"folder value when the path value is missing",
         [&](auto& r, auto& f) {
             r.set(toolKey, "OTHER", FakeRegistry::text("x"));
             r.set(folderKey, "MSINFO", FakeRegistry::text(folder));
             f.normalFiles.insert(inFolder);
         },
         inFolder},
        {"folder without the tool",
         [&](auto& r, auto&) { r.set(folderKey, "MSINFO", FakeRegistry::text(folder)); }, ""},
        {"path value of an unrenderable type falls back to the folder",
         [&](auto& r, auto& f) {
             r.set(toolKey, "PATH", {platform::reg::typeExpandString, {'a', 0}});
             r.set(folderKey, "MSINFO", FakeRegistry::text(folder));
             f.normalFiles.insert(inFolder);
         },
         inFolder},
        {"path value naming a program that cannot start: no fallback",
         [&](auto& r, auto& f) {
             r.set(toolKey, "PATH", FakeRegistry::text("C:\\missing.exe"));
             r.set(folderKey, "MSINFO", FakeRegistry::text(folder));
             f.normalFiles.insert(inFolder);
         },
         ""},
        {"path value longer than the buffer counts as missing",
         [&](auto& r, auto&) {
             r.set(toolKey, "PATH", FakeRegistry::text(std::string(1024, 'x')));
         },
         ""},
        {"path value with no data",
         [&](auto& r, auto&) { r.set(toolKey, "PATH", {platform::reg::typeString, {}}); }, ""},
        {"both keys refused",
         [&](auto& r, auto&) {
             r.set(toolKey, "PATH", FakeRegistry::text(tool));
             r.set(folderKey, "MSINFO", FakeRegistry::text(folder));
             r.refused = {toolKey, folderKey};
         },
         ""},
        {"nothing registered", [](auto&, auto&) {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        registry = FakeRegistry();
        files.normalFiles.clear();
        messages.shown.clear();
        programs.started.clear();
        programs.startable = {tool, inFolder};
        c.setUp(registry, files);

        FakeWindow& about = openAbout();
        about.click("cmdSysInfo");
        if (c.started.empty()) {
            EXPECT_TRUE(programs.started.empty());
            ASSERT_EQ(messages.shown.size(), 1U);
            EXPECT_EQ(messages.shown[0].text, unavailable);
            EXPECT_EQ(messages.shown[0].title, "VORN: Pretextor");
        } else {
            EXPECT_EQ(programs.started, std::vector<std::string>{c.started});
            EXPECT_TRUE(messages.shown.empty());
        }
        EXPECT_EQ(registry.openKeys(), 0) << "every opened key is closed";
        for (const auto access : registry.accessAsked) {
            EXPECT_EQ(access, platform::reg::queryValueAccess) << "read rights only";
        }
        EXPECT_TRUE(about.loaded()) << "the About window stays open";
    }
}

TEST_F(AboutWindow, RegistryValuesRenderAsTextOrHexadecimal) {
    struct Case {
        FakeRegistry::Value value;
        bool read;
        std::string text;
    };
    const std::vector<Case> cases{
        {FakeRegistry::text("C:\\Tools"), true, "C:\\Tools"},
        {{platform::reg::typeDword, {0x45, 0x23, 0x01, 0x00}}, true, "&h12345"},
        {{platform::reg::typeDword, {0x04, 0x03, 0x02, 0x01}}, true, "&h1020304"},
        {{platform::reg::typeDword, {0, 0, 0, 0}}, true, "&h0"},
        {{platform::reg::typeDword, {0xFF, 0xFF, 0xFF, 0xFF}}, true, "&hFFFFFFFF"},
        {{platform::reg::typeBinary, {1, 2}}, false, ""},
        {{platform::reg::typeMultiString, {'a', 0, 0}}, false, ""},
    };
    for (const Case& c : cases) {
        registry = FakeRegistry();
        registry.set("K", "V", c.value);
        pretextor::frmAbout about(on(toolkit));
        std::string text;
        EXPECT_EQ(about.GetKeyValue(platform::reg::localMachine, "K", "V", text), c.read) << c.text;
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(registry.openKeys(), 0);
    }
}

} // namespace
