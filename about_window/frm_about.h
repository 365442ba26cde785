#pragma once

#include "platform/runtime/uncopyable.h"
#include "platform/services/services.h"

#include <cstdint>
#include <memory>
#include <string>

namespace pretextor {

// The About box and its system information launcher.
class frmAbout : public platform::Uncopyable {
public:
    explicit frmAbout(const platform::Services& services);
    ~frmAbout();

    // Modeless, without an owner; loads the window first when it is not loaded.
    void Show();

    void StartSysInfo();
    // Reads one registry value as text into KeyVal; false, with KeyVal "", when it cannot.
    bool GetKeyValue(std::uint32_t KeyRoot, const std::string& KeyName,
                     const std::string& SubKeyRef, std::string& KeyVal);

private:
    void load();
    // False when no tool was found; throws when one was found but could not be started.
    bool launchSysInfo();
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label1_Click();
    void Label3_Click();
    void Label4_Click();
    void Label5_Click();

    platform::Services services_;
    std::unique_ptr<platform::Window> window_;
};

} // namespace pretextor
