// The digests of painted wheels with the recording surface's measures (see
// WheelDigests.h); skipped unless ORVANTA_DIGESTS is set.

#include <gtest/gtest.h>

#include "WheelDigests.h"

namespace orv {
namespace {

TEST(WheelDigests, OnTheRecordingSurface) {
  if (!std::getenv("ORVANTA_DIGESTS")) GTEST_SKIP() << "set ORVANTA_DIGESTS";
  test::PrintWheelDigests(
      [](double width, double height) {
        return std::make_unique<RecordingCanvas>(width, height, 96);
      },
      "recording");
}

}  // namespace
}  // namespace orv
