#pragma once
// A disk that is nearly full, made without root: a file-size limit.

#include <signal.h>
#include <sys/resource.h>

namespace orv::test {

// Files larger than `bytes` cannot be written while it lives, as on a disk
// with only that much room left.
class RoomOnDisk {
 public:
  explicit RoomOnDisk(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    handler_ = ::signal(SIGXFSZ, SIG_IGN);  // a write beyond fails instead
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~RoomOnDisk() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, handler_);
  }
  RoomOnDisk(const RoomOnDisk&) = delete;
  RoomOnDisk& operator=(const RoomOnDisk&) = delete;

 private:
  rlimit old_{};
  sighandler_t handler_{};
};

}  // namespace orv::test
