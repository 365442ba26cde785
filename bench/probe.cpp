#include "probe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <ctime>
#include <dirent.h>
#include <fstream>
#include <string>
#include <unistd.h>

bool PaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        watched->objectName() == windowName_) {
        painted_ = true;
        // The paint of the children and the flush follow this event; a zero timer fires after.
        QTimer::singleShot(0, this, [this] {
            if (firstPaintDone) {
                firstPaintDone();
            }
        });
    }
    return QObject::eventFilter(watched, event);
}

bool ShowProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && shown) {
        shown();
    }
    return QObject::eventFilter(watched, event);
}

double monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

namespace {

long statusField(const std::string& path, const std::string& key) {
    std::ifstream status(path);
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key, 0) == 0) {
            return std::stol(line.substr(key.size()));
        }
    }
    return 0;
}

} // namespace

long peakResidentKiB(int pid) {
    return statusField("/proc/" + std::to_string(pid) + "/status", "VmHWM:");
}

long residentKiB(int pid) {
    return statusField("/proc/" + std::to_string(pid) + "/status", "VmRSS:");
}

long contextSwitches(int pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    long total = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') {
                continue;
            }
            const std::string status = tasks + "/" + entry->d_name + "/status";
            total += statusField(status, "voluntary_ctxt_switches:") +
                     statusField(status, "nonvoluntary_ctxt_switches:");
        }
        closedir(dir);
    }
    return total;
}
