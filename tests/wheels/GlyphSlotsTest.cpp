#include <gtest/gtest.h>

#include <cmath>

#include "wheels/GlyphSlots.h"

namespace orv {
namespace {

// Slot k serves the 30-degree sector that starts at 180 + 30 (k - 1) degrees:
// its angle lies within a few degrees of that start.
TEST(GlyphSlots, EverySlotSitsAtTheStartOfItsSector) {
  constexpr int kSlack = 10;  // the tables nudge slots by up to 8 degrees
  for (const auto* table :
       {&SlotAngleTableA, &SlotAngleTableB, &SlotAngleTableC, &SlotAngleTableD}) {
    EXPECT_EQ((*table)[0], 0);
    for (int k = 1; k <= 12; ++k) {
      const int start = (180 + 30 * (k - 1)) % 360;
      int off = ((*table)[size_t(k)] - start + 540) % 360 - 180;
      EXPECT_LE(std::abs(off), kSlack) << k;
    }
  }
  // The radii belong to rings from the rim inwards: A outermost, then C, B, D.
  for (int k = 1; k <= 12; ++k) {
    const auto i = size_t(k);
    EXPECT_GT(SlotRadiusTableA[i], SlotRadiusTableC[i]) << k;
    EXPECT_GT(SlotRadiusTableC[i], SlotRadiusTableB[i]) << k;
    EXPECT_GT(SlotRadiusTableB[i], SlotRadiusTableD[i]) << k;
  }
}

}  // namespace
}  // namespace orv
