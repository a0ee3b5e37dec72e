#pragma once
// A fresh folder for one test, removed afterwards.

#include <filesystem>
#include <random>
#include <string>

namespace orv::test {

class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("orvanta-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Links every shipped file and folder of `dataDir` into `dir`, but for the
// REPORTS folder: a test that runs commands over the shipped texts writes its
// pages there, not into the source tree.
inline void LinkShippedFiles(const TempDir& dir, const std::filesystem::path& dataDir) {
  for (const auto& entry : std::filesystem::directory_iterator(dataDir))
    if (entry.path().filename() != "REPORTS")
      std::filesystem::create_symlink(entry.path(), dir.path() / entry.path().filename());
}

}  // namespace orv::test
