#include "platform/services/clock.h"

#include <chrono>
#include <ctime>

namespace platform {

float SystemClock::secondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const auto fraction = duration_cast<milliseconds>(now.time_since_epoch()) % 1000;
    const long whole = local.tm_hour * 3600L + local.tm_min * 60L + local.tm_sec;
    return static_cast<float>(static_cast<double>(whole) +
                              static_cast<double>(fraction.count()) / 1000.0);
}

} // namespace platform
