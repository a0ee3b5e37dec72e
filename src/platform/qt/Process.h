#pragma once
// Starting outside programs and documents.

#include <string>
#include <vector>

#include "platform/Launcher.h"

namespace orv {

// Runs `program` with `arguments` (passed as they stand: no shell, no
// splitting, so blanks in a path are harmless) and waits until it ends.
// Returns the launch result: non-zero when the program started.
int RunAndWait(const std::string& program, const std::vector<std::string>& arguments);

// The desktop's launcher for the logic.
class QtLauncher final : public Launcher {
 public:
  int RunAndWait(const std::string& program, const std::vector<std::string>& arguments) override {
    return orv::RunAndWait(program, arguments);
  }
};

// Opens a document path or a web address with the desktop's handler.
// Returns 0 in every case, as callers expect.
int ShellOpen(const std::string& target);

}  // namespace orv
