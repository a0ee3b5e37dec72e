#pragma once
// A Launcher for tests that runs real programs without Qt.

#include <spawn.h>
#include <sys/wait.h>

#include <vector>

#include "platform/Launcher.h"

extern char** environ;

namespace orv::test {

class PosixLauncher : public Launcher {
 public:
  int runs = 0;
  int RunAndWait(const std::string& program, const std::vector<std::string>& arguments) override {
    ++runs;
    std::vector<char*> argv;
    std::string name = program;
    argv.push_back(name.data());
    std::vector<std::string> args = arguments;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return 0;
    int status = 0;
    ::waitpid(pid, &status, 0);
    // A program that could not be executed exits with 127 from the child.
    return WIFEXITED(status) && WEXITSTATUS(status) == 127 ? 0 : 1;
  }
};

}  // namespace orv::test
