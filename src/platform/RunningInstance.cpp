#include "platform/RunningInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>

#include "platform/Files.h"

namespace fs = std::filesystem;

namespace orv {

RunningInstance::RunningInstance(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  fd_ = ::open((folder / ".running.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  // A folder that takes no lock file takes no save either: nothing to clear.
  if (fd_ < 0) return;
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    alone_ = true;
    removed_ = RemoveStaleTempFiles(folder, std::chrono::seconds(0));
  }
  // Shared from now on, so every later start sees this one running. Waits
  // only while another start clears its leftovers.
  while (::flock(fd_, LOCK_SH) != 0 && errno == EINTR) {
  }
}

RunningInstance::~RunningInstance() {
  // The file stays: removing it would let a later start lock a new file
  // while an earlier one still holds the old.
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace orv
