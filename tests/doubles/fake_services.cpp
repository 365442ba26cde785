#include "fake_services.h"

#include "platform/runtime/errors.h"

#include <algorithm>

namespace platform::fake {

float ScriptedRandom::next() {
    ++draws;
    const float value = values_.at(position_);
    position_ = (position_ + 1) % values_.size();
    return value;
}

void ScriptedRandom::script(std::vector<float> values) {
    values_ = std::move(values);
    position_ = 0;
}

void RecordingPrograms::start(const std::string& path) {
    ++attempts;
    if (!startable.contains(path)) {
        throw RuntimeError(ErrorNumber::FileNotFound, "File not found");
    }
    started.push_back(path);
}

reg::Status FakeRegistry::openKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                                  reg::Key& key) {
    accessAsked.push_back(access);
    // Under the local machine an ordinary user may read, never write.
    constexpr std::uint32_t readRights = reg::queryValueAccess | 0x00020000U | 0x8U | 0x10U;
    if (root != reg::localMachine || refused.contains(path) || (access & ~readRights) != 0) {
        return reg::accessDenied;
    }
    if (!keys_.contains(path)) {
        return reg::fileNotFound;
    }
    key = nextKey_++;
    open_.emplace(key, path);
    return reg::success;
}

reg::Status FakeRegistry::queryValue(reg::Key key, const std::string& name, std::uint32_t& type,
                                     std::span<std::uint8_t> buffer, std::uint32_t& size) {
    const auto& values = keys_.at(open_.at(key));
    const auto it = values.find(name);
    if (it == values.end()) {
        return reg::fileNotFound;
    }
    const auto& data = it->second.data;
    if (data.size() > size || data.size() > buffer.size()) {
        return reg::moreData;
    }
    std::ranges::copy(data, buffer.begin());
    type = it->second.type;
    size = static_cast<std::uint32_t>(data.size());
    return reg::success;
}

void FakeRegistry::closeKey(reg::Key key) {
    open_.erase(key);
}

void FakeRegistry::set(const std::string& path, const std::string& name, Value value) {
    keys_[path][name] = std::move(value);
}

FakeRegistry::Value FakeRegistry::text(const std::string& text, int trailingZeros) {
    Value value{.type = reg::typeString, .data = {text.begin(), text.end()}};
    value.data.insert(value.data.end(), static_cast<std::size_t>(trailingZeros), 0);
    return value;
}

} // namespace platform::fake
