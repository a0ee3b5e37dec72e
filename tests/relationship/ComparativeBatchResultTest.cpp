// The result lines a names-file batch keeps for one pair.

#include <gtest/gtest.h>

#include "relationship/comparative/ComparativeBatchResult.h"

namespace orv {
namespace {

TEST(ComparativeBatchResult, LinesSummaryAndEmail) {
  const BatchPairNames couple{"m John Smith", "12 May 1959", "john@a", true,
                              "w Mary Jones",  "08 Mar 1962", "mary@b"};
  const std::string label = "  m John and w Mary (08 Mar 1962, mary@b)";
  struct Case {
    double harmony;
    bool inSummary;
    bool addEmail;
    std::string tail;
  };
  const Case cases[] = {
      {65, false, true, "P = 100.00   (P*H =   6500.00)   H =  65.00"},
      {-75, true, false, "P = 100.00   (P*H =  -7500.00)   H = -75.00"},
  };
  for (const Case& c : cases) {
    ComparativeTotals t;
    t.TP1 = 100;
    t.TH1 = c.harmony;
    const BatchPairResult r = MakeBatchPairResult(couple, t, {false, 80, 70});
    EXPECT_EQ(r.line, label + std::string(80 - label.size(), ' ') + c.tail);
    EXPECT_EQ(r.summary, "  m John and w Mary" + std::string(61, ' ') + "   " +
                             c.tail.substr(c.tail.find('(')));
    EXPECT_EQ(r.inSummary, c.inSummary);
    EXPECT_EQ(r.addEmail, c.addEmail);
    EXPECT_EQ(r.harmony, c.harmony);
    EXPECT_EQ(r.commaLine, "");
  }
  // All vs All: both dates and e-mails, a 125-character column, and the
  // comma-separated copy.
  ComparativeTotals t;
  t.TP1 = 10;
  t.TH1 = 2;
  const BatchPairResult all = MakeBatchPairResult(
      {"Ann Lee", "01 Jan 1970", "ann@x", true, "Bob Ray", "02 Feb 1971", "bob@y"}, t,
      {true, 80, 70});
  EXPECT_EQ(all.line.size(), 125u + 43u);
  EXPECT_EQ(all.commaLine, "  Ann (01 Jan 1970),ann@x,Bob (02 Feb 1971),10.00,20.00,2.00");
  // Transits, and a label too long for its column: no fill.
  const BatchPairResult transits = MakeBatchPairResult(
      {std::string(90, 'x'), "", "", false, "", "12 Jun 2026", ""}, t, {false, 80, 70});
  EXPECT_EQ(transits.line.substr(0, 129),
            "  " + std::string(90, 'x') + " and TRANSITS (12 Jun 2026)P =  10.00");
  EXPECT_EQ(ShortName("w Mary Jones"), "w Mary");
  EXPECT_EQ(ShortName("Prince"), "Prince");
}

}  // namespace
}  // namespace orv
