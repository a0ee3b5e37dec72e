// The framing texts, read in report order: the RTF copy's anchors stand
// where it looks for them, and paragraphs join where it joins lines.

#include <gtest/gtest.h>

#include "base/Text.h"
#include "platform/Files.h"
#include "reports/ReportAnchors.h"
#include "reports/ReportText.h"

namespace orv {
namespace {

namespace a = anchors;

TEST(FramingTexts, HoldEveryAnchorWhereTheRtfCopyLooks) {
  const struct {
    std::vector<const char*> files;
    bool joined;  // composite and synastry reports join their paragraphs
    std::vector<std::string_view> inOrder, headings;  // headings stand alone
    std::string_view last;                            // the text ends with this
  } cases[] = {
      {{"PHILO.HLP", "ASCSIGN.TXT", "SIGN.TXT", "HOUSE.TXT", "ASPECT.TXT", "CLOSING.TXT"},
       false,
       {a::kNatalOpening, a::kNatalRising, a::kNatalSigns, a::kNatalHouses, a::kNatalAspects,
        a::kNatalClosingHeading, a::kNatalClosing},
       {a::kNatalRising, a::kNatalSigns, a::kNatalHouses, a::kNatalAspects,
        a::kNatalClosingHeading},
       a::kNatalClosing},
      {{"COMPOSIT\\COMPOPEN", "COMPOSIT\\PLHOUSE", "COMPOSIT\\PLASPECT", "COMPOSIT\\CLOSING"},
       true,
       {a::kCompositeOpening, a::kCompositeHouses, a::kCompositeAspects, a::kCompositeClosing},
       {a::kCompositeHouses, a::kCompositeAspects},
       a::kCompositeClosing},
      {{"SYNASTRY\\DOCS\\INTRO", "SYNASTRY\\DOCS\\RISING", "SYNASTRY\\DOCS\\ASPECT",
        "SYNASTRY\\DOCS\\CLOSING"},
       true,
       {a::kSynastryOpening, a::kSynastryAttraction, a::kSynastryIntroEnd, a::kSynastryAscendants,
        a::kSynastryAspects, a::kSynastryClosing, a::kSynastryNeeds},
       {a::kSynastryAttraction, a::kSynastryAscendants, a::kSynastryAspects},
       "needs. Enjoy the journey."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.files[0]);
    ReportState report;
    for (const char* file : c.files) {
      AddFileToReport(report, ResolveInFolder(ORVANTA_DATA_DIR, file));
      AddBlankReportLine(report);
    }
    EXPECT_EQ(report.MissedSections, 0);
    if (c.joined) JoinReportParagraphs(report);
    const std::string text = JoinLinesCrLf(report.ReportLines);
    size_t last = 0;
    for (std::string_view anchor : c.inOrder) {
      const size_t at = text.find(anchor);
      EXPECT_TRUE(at != std::string::npos && at >= last) << anchor;
      last = at;
    }
    for (std::string_view heading : c.headings)
      EXPECT_NE(text.find("\r\n\r\n" + std::string(heading) + "\r\n\r\n"), std::string::npos);
    EXPECT_EQ(text.rfind(c.last) + c.last.size() + 4, text.size());
    // A line of text before another ends in the one blank that joins them.
    const auto lines = SplitLines(text);
    auto isText = [](const std::string& l) { return !l.empty() && ToUpperAscii(l) != l; };
    for (size_t i = 0; i + 1 < lines.size(); ++i)
      EXPECT_TRUE(!isText(lines[i]) || !isText(lines[i + 1]) || lines[i].back() == ' ') << lines[i];
  }
  EXPECT_EQ(a::kCompositeClosing.size(), 31u);
  EXPECT_EQ(std::string_view(" Enjoy the journey.").size(), a::kSynastryAfterNeeds);
}

}  // namespace
}  // namespace orv
