// The shipped score tables, read through the program's own loader: they
// must follow the labels the couple analysis writes.

#include <gtest/gtest.h>

#include "core/ephemeris/DataTables.h"
#include "relationship/magi/MagiRules.h"

namespace orv {
namespace {

constexpr int kSlots[] = {2, 4, 5, 6, 7, 9, 11};

TEST(MagiScoreTables, FollowTheLabels) {
  const DataTablesRead read = ReadDataTables(ORVANTA_DATA_DIR);
  ASSERT_TRUE(read.issues.empty());
  const ScoreTable* tables[] = {&read.tables.RomanceScores, &read.tables.SexScores,
                                &read.tables.CompatibilityScores};
  for (const int slot : kSlots) {
    for (int a = 1; a <= MagiBodyCount; ++a) {
      for (int b = 1; b <= MagiBodyCount; ++b) {
        const bool parallel = slot == MagiParallelSlot || slot == MagiContraParallelSlot;
        const std::string labels = parallel ? MagiParallelLabels(a, b, MagiVariant::Couple)
                                            : MagiLongitudeLabels(a, b, slot, MagiVariant::Couple);
        const bool clash = labels.find("CLASH") != std::string::npos;
        bool any = false;
        for (const ScoreTable* t : tables) {
          const float v = MagiScore(*t, slot, a, b);
          EXPECT_EQ(v, MagiScore(*t, slot, b, a)) << slot << " " << a << " " << b;
          EXPECT_TRUE(clash ? v <= 0 : v >= 0) << slot << " " << a << " " << b << labels;
          any = any || v != 0;
        }
        EXPECT_EQ(any, !labels.empty()) << slot << " " << a << " " << b << labels;
      }
    }
  }
  // The unused indices stay 0.
  for (const ScoreTable* t : tables)
    for (const int unused : {11, 12, 14, 15})
      for (int b = 1; b <= 15; ++b) EXPECT_EQ((*t)(2, unused, b), 0);

  constexpr int Sun = 1, Venus = 3, Mars = 4, Chiron = MagiChiron;
  const DataTables& d = read.tables;
  struct Case {
    const char* what;
    int slot, a, b;
    float rom, sex, cmpt;
  };
  const Case cases[] = {
      {"Venus-Chiron conjunction", 2, Venus, Chiron, 150, 0, 110},
      {"Venus-Chiron quincunx", 11, Venus, Chiron, 45, 0, 25},
      {"Sun-Venus trine: ordinary, not crucial", 5, Sun, Venus, 50, 0, 0},
      {"Venus-Mars square: named clash, crucial", 4, Venus, Mars, -50, -110, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MagiScore(d.RomanceScores, c.slot, c.a, c.b), c.rom) << c.what;
    EXPECT_EQ(MagiScore(d.SexScores, c.slot, c.a, c.b), c.sex) << c.what;
    EXPECT_EQ(MagiScore(d.CompatibilityScores, c.slot, c.a, c.b), c.cmpt) << c.what;
  }
}

}  // namespace
}  // namespace orv
