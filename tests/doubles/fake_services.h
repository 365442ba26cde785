#pragma once

#include "platform/runtime/random_source.h"
#include "platform/services/clock.h"
#include "platform/services/file_system.h"
#include "platform/services/message_dialog.h"
#include "platform/services/program_starter.h"
#include "platform/services/registry.h"
#include "platform/services/services.h"
#include "platform/services/shell.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

// Deterministic stand-ins for the platform's services, recording what the windows asked of them.
namespace platform::fake {

class FixedClock final : public Clock {
public:
    explicit FixedClock(float seconds = 43200.5F) : seconds_(seconds) {}
    float secondsSinceMidnight() override { return seconds_; }

private:
    float seconds_;
};

// Hands out the scripted numbers in order; when they run out, it cycles through them again.
class ScriptedRandom final : public RandomSource {
public:
    using Seed = std::variant<std::int16_t, float>;

    explicit ScriptedRandom(std::vector<float> values = {0.0F}) : values_(std::move(values)) {}
    void reseed(std::int16_t seed) override { seeds.emplace_back(seed); }
    void reseed(float seed) override { seeds.emplace_back(seed); }
    float next() override;
    void script(std::vector<float> values);

    std::vector<Seed> seeds;
    int draws = 0;

private:
    std::vector<float> values_;
    std::size_t position_ = 0;
};

class RecordingShell final : public Shell {
public:
    void execute(const ShellExecuteRequest& request) override { requests.push_back(request); }
    std::vector<ShellExecuteRequest> requests;
};

class RecordingMessages final : public MessageDialog {
public:
    struct Shown {
        std::string text;
        std::string title;
    };
    void show(const std::string& text, const std::string& title) override {
        shown.push_back({text, title});
    }
    std::vector<Shown> shown;
};

// Starts nothing; records every attempt and fails where the path is not startable.
class RecordingPrograms final : public ProgramStarter {
public:
    void start(const std::string& path) override;
    std::set<std::string> startable;
    std::vector<std::string> started;
    int attempts = 0;
};

class FakeFileSystem final : public FileSystem {
public:
    bool normalFileExists(const std::string& path) override { return normalFiles.contains(path); }
    std::set<std::string> normalFiles;
};

// An in-memory registry that counts open keys and checks the access each open asks for.
class FakeRegistry final : public Registry {
public:
    struct Value {
        std::uint32_t type = reg::typeString;
        std::vector<std::uint8_t> data;
    };

    reg::Status openKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                        reg::Key& key) override;
    reg::Status queryValue(reg::Key key, const std::string& name, std::uint32_t& type,
                           std::span<std::uint8_t> buffer, std::uint32_t& size) override;
    void closeKey(reg::Key key) override;

    void set(const std::string& path, const std::string& name, Value value);
    static Value text(const std::string& text, int trailingZeros = 1);

    // Keys that refuse every open, as a locked-down machine may.
    std::set<std::string> refused;
    std::vector<std::uint32_t> accessAsked;
    [[nodiscard]] int openKeys() const { return static_cast<int>(open_.size()); }

private:
    std::map<std::string, std::map<std::string, Value>> keys_;
    std::map<reg::Key, std::string> open_;
    reg::Key nextKey_ = 0x100;
};

// Every recording service at once, for a window under test.
struct RecordingServices {
    [[nodiscard]] Services on(Toolkit& toolkit) {
        return {toolkit, clock, random, messages, shell, programs, files, registry};
    }

    FixedClock clock;
    ScriptedRandom random;
    RecordingMessages messages;
    RecordingShell shell;
    RecordingPrograms programs;
    FakeFileSystem files;
    FakeRegistry registry;
};

} // namespace platform::fake
