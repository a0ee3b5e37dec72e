#include "platform/RunningProgram.h"

#include <system_error>

namespace orv {

std::filesystem::path RunningProgramFile(const char* argv0) {
  std::error_code ec;
  std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && !file.empty()) return file;
  file = std::filesystem::absolute(argv0 ? argv0 : "", ec);
  return ec ? std::filesystem::path() : file;
}

}  // namespace orv
