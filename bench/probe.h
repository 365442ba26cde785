#pragma once

#include <QObject>

#include <chrono>
#include <functional>

// Watches a child process's first window: when its first complete paint is done, and when a
// slow draw has brought the excuse button back.
class PaintProbe final : public QObject {
public:
    explicit PaintProbe(QString windowName) : windowName_(std::move(windowName)) {}

    std::function<void()> firstPaintDone;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString windowName_;
    bool painted_ = false;
};

// Calls back each time the watched widget is shown.
class ShowProbe final : public QObject {
public:
    std::function<void()> shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// CLOCK_MONOTONIC in milliseconds: the same clock in the parent and its children.
double monotonicMs();
// Peak resident memory of a process, in KiB (VmHWM).
long peakResidentKiB(int pid);
// Resident memory of a process now, in KiB (VmRSS).
long residentKiB(int pid);
// Context switches of all threads of a process so far: each is a wake-up.
long contextSwitches(int pid);
