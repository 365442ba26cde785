#include "frm_about.h"

#include "frm_about_design.h"
#include "links/module1.h"
#include "platform/app_info.h"
#include "platform/runtime/code_page.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/uncopyable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace pretextor {

namespace {

constexpr std::string_view unavailableMessage = "System Information Is Unavailable At This Time";
constexpr std::size_t valueBufferSize = 1024;

// Closes the key on every way out, the error path included.
class OpenKey : public platform::Uncopyable {
public:
    OpenKey(platform::Registry& registry, platform::reg::Key key)
        : registry_(registry), key_(key) {}
    ~OpenKey() { registry_.closeKey(key_); }

private:
    platform::Registry& registry_;
    platform::reg::Key key_;
};

std::string hexDword(std::span<const std::uint8_t> data) {
    std::uint32_t value = 0;
    const std::size_t bytes = std::min<std::size_t>(data.size(), 4);
    for (std::size_t i = 0; i < bytes; ++i) {
        value |= static_cast<std::uint32_t>(data[i]) << (8U * i);
    }
    std::array<char, 16> digits{};
    std::snprintf(digits.data(), digits.size(), "%X", static_cast<unsigned>(value));
    return "&h" + std::string(digits.data());
}

} // namespace

frmAbout::frmAbout(const platform::Services& services) : services_(services) {}

frmAbout::~frmAbout() = default;

void frmAbout::Show() {
    if (!window_ || !window_->loaded()) {
        load();
    }
    window_->show();
}

void frmAbout::load() {
    window_ = services_.toolkit.load(frmAboutDesign());
    window_->get<platform::CommandButton>("cmdOK").onClick([this] { cmdOK_Click(); });
    window_->get<platform::CommandButton>("cmdSysInfo").onClick([this] { cmdSysInfo_Click(); });
    window_->get<platform::Label>("Label1").onClick([this] { Label1_Click(); });
    window_->get<platform::Label>("Label3").onClick([this] { Label3_Click(); });
    window_->get<platform::Label>("Label4").onClick([this] { Label4_Click(); });
    window_->get<platform::Label>("Label5").onClick([this] { Label5_Click(); });
    Form_Load();
}

void frmAbout::Form_Load() {
    const std::string title(platform::app::title);
    window_->setCaption(aboutCaption());
    window_->get<platform::Label>("lblVersion")
        .setCaption("Version " + std::to_string(platform::app::major) + "." +
                    std::to_string(platform::app::minor) + "." +
                    std::to_string(platform::app::revision));
    window_->get<platform::Label>("lblTitle").setCaption(title);
}

void frmAbout::cmdOK_Click() {
    window_->unload();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::Label1_Click() {
    Module1::OpenExcuseBoardPage(services_.shell);
}

void frmAbout::Label3_Click() {
    Module1::OpenStoriesPage(services_.shell);
}

void frmAbout::Label4_Click() {
    Module1::OpenHomePage(services_.shell);
}

void frmAbout::Label5_Click() {
    Module1::SendMailToAuthor(services_.shell);
}

void frmAbout::StartSysInfo() {
    bool started = false;
    try {
        started = launchSysInfo();
    } catch (const std::exception&) {
        // Every failure on the way ends in the one message below.
    }
    if (!started) {
        services_.messages.show(std::string(unavailableMessage), std::string(platform::app::title));
    }
}

bool frmAbout::launchSysInfo() {
    using platform::reg::localMachine;
    std::string SysInfoPath;
    if (!GetKeyValue(localMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                     SysInfoPath)) {
        if (!GetKeyValue(localMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                         SysInfoPath)) {
            return false;
        }
        const std::string candidate = SysInfoPath + "\\MSINFO32.EXE";
        if (!services_.files.normalFileExists(candidate)) {
            return false;
        }
        SysInfoPath = candidate;
    }
    // The path as read, never a command line: a path with spaces must not start another program.
    services_.programs.start(SysInfoPath);
    return true;
}

bool frmAbout::GetKeyValue(std::uint32_t KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal) {
    auto& registry = services_.registry;
    platform::reg::Key key = 0;
    // Read rights only: an ordinary user may read these keys but not write them.
    if (registry.openKey(KeyRoot, KeyName, platform::reg::queryValueAccess, key) !=
        platform::reg::success) {
        KeyVal.clear();
        return false;
    }
    const OpenKey closer(registry, key);

    std::array<std::uint8_t, valueBufferSize> buffer{};
    std::uint32_t type = 0;
    auto size = static_cast<std::uint32_t>(buffer.size());
    if (registry.queryValue(key, SubKeyRef, type, buffer, size) != platform::reg::success) {
        KeyVal.clear();
        return false;
    }
    if (size == 0) {
        throw platform::invalidArgumentError();
    }
    const std::span<const std::uint8_t> data(buffer.data(), std::min<std::size_t>(size, 1024));

    switch (type) {
    case platform::reg::typeString: {
        // The text ends at its first zero byte, however many the value was stored with.
        const auto end = std::ranges::find(data, std::uint8_t{0});
        const std::string_view bytes(reinterpret_cast<const char*>(data.data()),
                                     static_cast<std::size_t>(end - data.begin()));
        KeyVal = platform::fromSystemCodePage(bytes);
        return true;
    }
    case platform::reg::typeDword:
        KeyVal = hexDword(data);
        return true;
    default:
        // A value the program cannot render was not read.
        return false;
    }
}

} // namespace pretextor
