#include <gtest/gtest.h>

#include "FixedCharts.h"
#include "ListingTestSupport.h"
#include "listings/ChartHeaders.h"

namespace orv {
namespace {

TEST(SignPosition, DegreesSignAndMinutesRoundedOrWithSeconds) {
  const std::pair<double, const char*> cases[] = {
      {187.75, "07 LIB 45"}, {359.99, "29 PIS 59"}, {15.995, "15 ARI 59"},  // 59.7' stays 59
      {360, "00 ARI 00"},    {-10, "20 PIS 00"},                            // folded first
  };
  for (const auto& [longitude, text] : cases) {
    std::string line = "x";
    AppendSignPosition(line, longitude);
    EXPECT_EQ(line, std::string("x") + text) << longitude;
  }
  const std::pair<double, const char*> dms[] = {
      {187.7534, "07 LIB 45m 12s"}, {29.999, "29 ARI 59m 56s"}, {360.5, "00 ARI 30m 00s"}};
  for (const auto& [longitude, text] : dms) {
    std::string line;
    AppendSignPositionDMS(line, longitude);
    EXPECT_EQ(line, text) << longitude;
  }
  EXPECT_EQ(TwoDigits(7) + TwoDigits(118), "07118");
}

TEST(FormatCoord, SideLetterInPlaceOfThePoint) {
  EXPECT_EQ(FormatCoord(73.59, "West"), "73w59");
  EXPECT_EQ(FormatCoord(-40.05, "South"), "40s05");  // the absolute value
  EXPECT_EQ(FormatCoord(122, "East"), "122e00");
  EXPECT_EQ(FormatCoord(0.3, "North"), "0n30");
  EXPECT_EQ(FormatCoord(7.5, ""), "750");  // no side word, no letter
}

TEST(DeclinationText, AbsoluteDegreesAndSide) {
  EXPECT_EQ(DeclinationText(-23.5), "23 S 30");
  EXPECT_EQ(DeclinationText(-0.001), "00 S 00");
  EXPECT_EQ(DeclinationText(9.9999), "09 N 59");  // minutes never reach 60
  EXPECT_EQ(DeclinationText(35.25), "35 N 15");   // whole degrees, not modulo 30
  // A broken table value shows as such, with no integer overflow.
  EXPECT_EQ(DeclinationText(26912505040.0), "999999 N 00");
}

TEST(ChartHeader, PlaceAndTimeLine) {
  ChartInputValues v{1, 7, 2001, "", 9.05f, -5, "A.M.", -2.2f, -33.52f, "East", "South"};
  EXPECT_EQ(PlaceAndTimeLine(v), "  01 Jul 2001    TZ = -5.0      9.05 A.M.   2e20    33s52");
  v.timeZone = 10.5f, v.time = 12.0f, v.amPm = "P.M.";
  EXPECT_EQ(PlaceAndTimeLine(v), "  01 Jul 2001    TZ = 10.5      12.00 P.M.   2e20    33s52");
  v.timeZone = -0.01f;  // rounds to zero: no minus sign
  EXPECT_NE(PlaceAndTimeLine(v).find("TZ = 0.0 "), std::string::npos);
}

TEST(ChartHeader, DateFromStoredNumbersNotFromTheText) {
  ChartInputValues v;
  v.dateText = "12/5/1959";  // a day-first text: re-parsing it would give 5 December
  v.day = 12, v.month = 5, v.year = 1959;
  EXPECT_EQ(HeaderDate(v), "12 May 1959");
  v.dateText = "2/30/1990", v.day = 30, v.month = 2, v.year = 1990;
  EXPECT_EQ(HeaderDate(v), "30 Feb 1990");
  v.day = 3, v.month = 11, v.year = 50;  // a second chart in the year 50, not 1950
  EXPECT_EQ(HeaderDate(v), "03 Nov 50");
}

TEST(ChartHeader, TwoChartStarterAndAnEmptyName) {
  ChartModel m = test::FixedCharts();
  // The transit starter is pinned by the golden transit pages.
  const std::string natalLine = "  12 May 1959    TZ = 6.0      10.43 A.M.   75w23    39n45";
  const std::string diurnalLine = "  12 Jun 2026    TZ = 5.0      9.00 A.M.   71w04    42n21";
  {
    test::PageFixture f;
    BeginTwoChartListing(f.page, m, SecondPersonBox{});
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"", "  Jane Doe", natalLine, "", "  2nd Person",
                                                   diurnalLine}));
  }
  {
    test::PageFixture f;
    m.PersonName.clear();
    AppendNatalHeader(f.page, m);
    EXPECT_EQ(f.lines()[1], "  ");  // the name line stays
  }
}

}  // namespace
}  // namespace orv
