#pragma once
// The program state: one object, created by main (and by each test), owning
// what the original kept in program-wide variables, grouped by subsystem.
// Functions take the parts they need by reference.

#include <filesystem>
#include <string>

#include "shell/OutputBuffer.h"

namespace orv {

struct Workbench {
  // The program folder; every data file is opened inside it.
  std::filesystem::path AppPath;

  // The output line buffer behind the data window.
  OutputState Output;
};

}  // namespace orv
