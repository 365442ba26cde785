// Measures the program beside a bare Qt window of the same controls, in the same run and in
// alternation: time from process start to the first complete paint, peak resident memory,
// wake-ups per second while idle and the duration of a slow draw. Then opens and closes the
// About window many times in one run of the program and reports its resident memory after 100
// cycles and at the end. Also measures the excuse engine alone.
// Usage: pretextor_bench [--runs N] [--idle SECONDS] [--cycles N] [--draws N]
#include "engine/excuse_engine.h"
#include "main_window/form1.h"
#include "platform/runtime/mixing_random.h"
#include "platform/services/program.h"
#include "probe.h"
#include "reference_window.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

void report(const char* key, double value) {
    std::printf("%s %.3f\n", key, value);
    std::fflush(stdout);
}

// Child: the program's own start-up, watched. After its first paint it runs one slow draw.
int runProgramChild() {
    return platform::runProgram([](const platform::Services& services, const auto& loop) {
        PaintProbe probe(QStringLiteral("Form1"));
        ShowProbe buttonShown;
        double slowDrawStart = 0;
        qApp->installEventFilter(&probe);
        pretextor::Form1 form(services);
        probe.firstPaintDone = [&] {
            report("paint", monotonicMs());
            QWidget* window = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QStringLiteral("Form1")) {
                    window = top;
                }
            }
            auto* button = window->findChild<QPushButton*>(QStringLiteral("Command1"));
            // Shown again when the run has ended: no polling timer of our own.
            button->installEventFilter(&buttonShown);
            buttonShown.shown = [&] { report("slowdraw", monotonicMs() - slowDrawStart); };
            QTimer::singleShot(300, button, [button, &slowDrawStart] {
                slowDrawStart = monotonicMs();
                button->click();
            });
        };
        form.start();
        return loop();
    });
}

QWidget* visibleTopLevel(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name && top->isVisible()) {
            return top;
        }
    }
    return nullptr;
}

// Child: "About", then "OK" once the About window is on the screen, over and over, each click
// from the event loop as a user's would be. Reports the resident memory after the first 100
// cycles and after the last one, then quits.
constexpr long warmUpCycles = 100;

int runAboutSoakChild(long cycles) {
    return platform::runProgram([cycles](const platform::Services& services, const auto& loop) {
        pretextor::Form1 form(services);
        form.start();
        QWidget* main = visibleTopLevel(QStringLiteral("Form1"));
        auto* aboutButton = main->findChild<QPushButton*>(QStringLiteral("Command2"));
        long done = 0;
        int waited = 0;
        std::function<void()> open;
        std::function<void()> close;
        open = [&] {
            aboutButton->click();
            waited = 0;
            QTimer::singleShot(0, main, close);
        };
        close = [&] {
            QWidget* about = visibleTopLevel(QStringLiteral("frmAbout"));
            // Give the display a moment to map the window, as a user's eye would.
            if (about == nullptr || (!about->windowHandle()->isExposed() && ++waited < 50)) {
                QTimer::singleShot(1, main, close);
                return;
            }
            about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            ++done;
            if (done == warmUpCycles || done == cycles) {
                report(done == cycles ? "soakend" : "soakwarm",
                       static_cast<double>(residentKiB(getpid())) / 1024.0);
            }
            if (done == cycles) {
                main->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
                return;
            }
            QTimer::singleShot(0, main, open);
        };
        QTimer::singleShot(0, main, open);
        return loop();
    });
}

int runReferenceChild() {
    int argc = 1;
    char name[] = "reference";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    PaintProbe probe(QStringLiteral("Reference"));
    application.installEventFilter(&probe);
    probe.firstPaintDone = [] { report("paint", monotonicMs()); };
    std::unique_ptr<QWidget> window(buildReferenceWindow());
    window->show();
    return QApplication::exec();
}

struct Child {
    pid_t pid = -1;
    FILE* out = nullptr;
    double spawned = 0;
};

Child spawn(const char* self, const char* mode, const char* argument = nullptr) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    Child child;
    child.spawned = monotonicMs();
    child.pid = fork();
    if (child.pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(self, self, "--child", mode, argument, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    child.out = fdopen(pipeFds[0], "r");
    return child;
}

std::optional<double> readValue(Child& child, const char* key) {
    char line[256];
    while (std::fgets(line, sizeof line, child.out) != nullptr) {
        char name[64];
        double value = 0;
        if (std::sscanf(line, "%63s %lf", name, &value) == 2 && std::strcmp(name, key) == 0) {
            return value;
        }
    }
    return std::nullopt;
}

void stop(Child& child) {
    kill(child.pid, SIGTERM);
    waitpid(child.pid, nullptr, 0);
    std::fclose(child.out);
}

struct Figures {
    std::vector<double> startupMs, peakMiB, wakeupsPerSecond, slowDrawMs;
};

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::ranges::sort(values);
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 != 0 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

void measure(const char* self, const char* mode, double idleSeconds, Figures& figures) {
    Child child = spawn(self, mode);
    const auto paint = readValue(child, "paint");
    if (!paint) {
        std::fprintf(stderr, "%s: no first paint\n", mode);
        stop(child);
        return;
    }
    figures.startupMs.push_back(*paint - child.spawned);
    if (std::strcmp(mode, "program") == 0) {
        if (const auto slow = readValue(child, "slowdraw")) {
            figures.slowDrawMs.push_back(*slow);
        }
    }
    // Let start-up work settle before counting idle wake-ups.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long before = contextSwitches(child.pid);
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    const long after = contextSwitches(child.pid);
    figures.wakeupsPerSecond.push_back(static_cast<double>(after - before) / idleSeconds);
    figures.peakMiB.push_back(static_cast<double>(peakResidentKiB(child.pid)) / 1024.0);
    stop(child);
}

void soakAbout(const char* self, long cycles) {
    const std::string count = std::to_string(cycles);
    Child child = spawn(self, "about-soak", count.c_str());
    const auto warm = readValue(child, "soakwarm");
    const auto end = warm ? readValue(child, "soakend") : std::nullopt;
    int status = 0;
    waitpid(child.pid, &status, 0);
    std::fclose(child.out);
    if (!warm || !end) {
        std::fprintf(stderr, "about-soak: no figures\n");
        return;
    }
    std::printf("\nAbout window soak, %ld open/\"OK\" cycles in one run:\n", cycles);
    std::printf("Resident memory after %ld cycles %.2f MiB, after %ld cycles %.2f MiB\n",
                warmUpCycles, *warm, cycles, *end);
    std::printf(
        "Growth after the first %ld cycles: %.3f MiB per 1,000 cycles%s\n", warmUpCycles,
        (*end - *warm) * 1000.0 / static_cast<double>(cycles - warmUpCycles),
        WIFEXITED(status) && WEXITSTATUS(status) == 0 ? "" : " (the program did not end cleanly)");
}

void benchEngine(long draws) {
    platform::MixingRandom random;
    const auto& lists = engine::wordLists();
    const long rssBefore = peakResidentKiB(getpid());
    std::size_t letters = 0;
    const double start = monotonicMs();
    std::int16_t step = 15;
    for (long i = 0; i < draws; ++i) {
        random.reseed(step);
        random.reseed(static_cast<float>(i));
        for (const auto& list : lists) {
            step = engine::drawIndex(random, list);
            letters += engine::lookup(list, step).size();
        }
    }
    const double seconds = (monotonicMs() - start) / 1000.0;
    const long rssAfter = peakResidentKiB(getpid());
    std::printf("\nEngine alone: %ld excuses in %.3f s = %.0f excuses/s (%zu letters)\n", draws,
                seconds, static_cast<double>(draws) / seconds, letters);
    std::printf("Peak resident memory before %.2f MiB, after %.2f MiB\n",
                static_cast<double>(rssBefore) / 1024.0, static_cast<double>(rssAfter) / 1024.0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        if (std::strcmp(argv[2], "about-soak") == 0 && argc == 4) {
            return runAboutSoakChild(std::atol(argv[3]));
        }
        return std::strcmp(argv[2], "program") == 0 ? runProgramChild() : runReferenceChild();
    }
    int runs = 10;
    double idle = 2.0;
    long cycles = 3000;
    long draws = 1000000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--idle") == 0) {
            idle = std::atof(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--cycles") == 0) {
            cycles = std::max(std::atol(argv[i + 1]), warmUpCycles + 1);
        } else if (std::strcmp(argv[i], "--draws") == 0) {
            draws = std::atol(argv[i + 1]);
        }
    }
    if (std::getenv("DISPLAY") == nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        std::fprintf(stderr, "Needs a display: run under X (or Xvfb), or set QT_QPA_PLATFORM.\n");
        return 2;
    }
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    self[length > 0 ? length : 0] = '\0';

    Figures program;
    Figures reference;
    for (int run = 0; run < runs; ++run) {
        measure(self, "program", idle, program);
        measure(self, "reference", idle, reference);
    }
    std::printf("Medians over %d alternating runs (idle window %.1f s):\n", runs, idle);
    std::printf("%-32s %12s %12s\n", "", "pretextor", "reference");
    std::printf("%-32s %12.1f %12.1f\n", "start to first paint (ms)", median(program.startupMs),
                median(reference.startupMs));
    std::printf("%-32s %12.2f %12.2f\n", "peak resident memory (MiB)", median(program.peakMiB),
                median(reference.peakMiB));
    std::printf("%-32s %12.2f %12.2f\n", "idle wake-ups per second",
                median(program.wakeupsPerSecond), median(reference.wakeupsPerSecond));
    std::printf("%-32s %12.1f %12s\n", "slow draw (ms, ideal 92)", median(program.slowDrawMs), "-");
    soakAbout(self, cycles);
    benchEngine(draws);
    return 0;
}
