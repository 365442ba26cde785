#include "main_window/form1.h"
#include "platform/services/program.h"

int main() {
    return platform::runProgram([](const platform::Services& services, const auto& loop) {
        pretextor::Form1 startupWindow(services);
        startupWindow.start();
        return loop();
    });
}
