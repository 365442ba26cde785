#pragma once

// The program under test, a child process whose standard output and error go to a file.
#include "basics.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace random_input {

class Program {
public:
    Program(const std::string& path, const std::string& errors) : errors_(errors) {
        pid_ = fork();
        if (pid_ < 0) {
            throw Failure{"fork failed"};
        }
        if (pid_ == 0) {
            std::FILE* out = std::freopen(errors.c_str(), "w", stderr);
            if (out != nullptr) {
                dup2(fileno(stderr), STDOUT_FILENO);
            }
            execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
            std::perror("exec");
            _exit(127);
        }
        started_ = Clock::now();
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() {
        if (running()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    pid_t pid() const { return pid_; }
    bool running() {
        if (ended_) {
            return false;
        }
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            ended_ = true;
            status_ = status;
        }
        return !ended_;
    }
    int rawStatus() const { return status_; }
    std::string describeEnd() const {
        if (WIFEXITED(status_)) {
            return "exit status " + std::to_string(WEXITSTATUS(status_));
        }
        if (WIFSIGNALED(status_)) {
            return std::string("killed by signal ") + strsignal(WTERMSIG(status_));
        }
        return "raw status " + std::to_string(status_);
    }
    std::string output() const {
        std::ifstream in(errors_);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    double seconds() const {
        return std::chrono::duration<double>(Clock::now() - started_).count();
    }

private:
    std::string errors_;
    pid_t pid_ = -1;
    bool ended_ = false;
    int status_ = 0;
    Clock::time_point started_;
};

} // namespace random_input
