#pragma once
// Starting an outside program and waiting for it, for the logic that needs
// one (the outside atlas program).

#include <string>
#include <vector>

namespace orv {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Runs `program` with `arguments` as they stand (no shell) and waits until
  // it ends. Returns non-zero when the program started.
  virtual int RunAndWait(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

}  // namespace orv
