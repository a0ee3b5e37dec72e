#pragma once
// Which running copies of the program share a user's folder: each holds a
// shared lock on one file there for its whole life, so a start can tell
// whether it is alone.

#include <filesystem>

namespace orv {

// Takes the folder's instance lock (".running.lock" in `folder`, made with
// the folder when missing). When no other instance holds it, the
// temporary files and lock files that killed saves left in `folder` are
// removed first: no save can be in progress then. With another instance running they stay,
// as they may be its saves in progress. The lock is held until destruction.
class RunningInstance {
 public:
  explicit RunningInstance(const std::filesystem::path& folder);
  ~RunningInstance();
  RunningInstance(const RunningInstance&) = delete;
  RunningInstance& operator=(const RunningInstance&) = delete;
  // Whether this start found no other instance (and so removed leftovers).
  bool Alone() const { return alone_; }
  // How many leftovers this start removed.
  int Removed() const { return removed_; }

 private:
  int fd_ = -1;
  bool alone_ = false;
  int removed_ = 0;
};

}  // namespace orv
