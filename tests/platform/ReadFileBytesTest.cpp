#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "TempDir.h"
#include "platform/Files.h"

namespace orv {
namespace {

// Every byte comes back, for an empty file, a small one and one of several
// megabytes with every byte value (NUL, CR and 0xFF included).
TEST(ReadFileBytes, ReturnsTheWholeFile) {
  test::TempDir dir;
  for (const size_t size : {size_t{0}, size_t{3}, size_t{3'000'017}}) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7919) % 256);
    const auto path = dir.path() / ("f" + std::to_string(size));
    std::ofstream(path, std::ios::binary) << bytes;
    const auto read = ReadFileBytes(path);
    ASSERT_TRUE(read.has_value()) << size;
    EXPECT_EQ(*read, bytes) << size;
  }
  EXPECT_FALSE(ReadFileBytes(dir.path() / "none").has_value());
}

}  // namespace
}  // namespace orv
