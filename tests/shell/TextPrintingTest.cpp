#include <gtest/gtest.h>

#include "shell/TextPrinting.h"

namespace orv {
namespace {

std::vector<std::string> PlainLines(int count, std::size_t length = 10) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.emplace_back(length, 'x');
  return lines;
}

std::vector<std::size_t> PageSizes(const std::vector<std::vector<std::string>>& pages) {
  std::vector<std::size_t> sizes;
  for (const auto& page : pages) sizes.push_back(page.size());
  return sizes;
}

TEST(PaginateSpool, BreaksAfterOption30LinesAndAtFormFeeds) {
  using Sizes = std::vector<std::size_t>;
  // 130 plain lines at 60 a page: 60, 60 and 10.
  EXPECT_EQ(PageSizes(PaginateSpool(PlainLines(130), 60)), (Sizes{60, 60, 10}));
  // A whole number of pages leaves no empty sheet behind.
  EXPECT_EQ(PageSizes(PaginateSpool(PlainLines(120), 60)), (Sizes{60, 60}));
  // No page length: one page, however long.
  EXPECT_EQ(PageSizes(PaginateSpool(PlainLines(500), 0)), (Sizes{500}));

  // Two form feeds in a row give an empty page between them.
  const auto pages = PaginateSpool({"A", "\f", "\f", "B"}, 60);
  ASSERT_EQ(PageSizes(pages), (Sizes{1, 0, 1}));
  EXPECT_EQ(pages[0][0], "A");
  EXPECT_EQ(pages[2][0], "B");

  // A form feed starts a fresh page and the count starts again there.
  std::vector<std::string> lines = PlainLines(5);
  lines.push_back("\f");
  for (const auto& line : PlainLines(7)) lines.push_back(line);
  EXPECT_EQ(PageSizes(PaginateSpool(lines, 4)), (Sizes{4, 1, 4, 3}));

  // A form feed right after a full page, or at the very start, wastes no sheet.
  lines = PlainLines(4);
  lines.push_back("\f");
  lines.push_back("C");
  EXPECT_EQ(PageSizes(PaginateSpool(lines, 4)), (Sizes{4, 1}));
  EXPECT_EQ(PageSizes(PaginateSpool({"\f", "A"}, 60)), (Sizes{1}));
}

TEST(ChoosePrinterFont, TheLongestLineDecides) {
  using Lines = std::vector<std::string>;
  constexpr float k10pt = 75;  // options 117 and 118 of the shipped option file
  constexpr float k8pt = 95;
  EXPECT_EQ(ChoosePrinterFont(PlainLines(30, 80), k10pt, k8pt), PrinterFontChoice::Points10);
  EXPECT_EQ(ChoosePrinterFont(PlainLines(30, 75), k10pt, k8pt), PrinterFontChoice::Points12);
  EXPECT_EQ(ChoosePrinterFont(PlainLines(3, 96), k10pt, k8pt), PrinterFontChoice::Points8);
  // A 100-character line followed by an 80-character one needs 8 points.
  EXPECT_EQ(ChoosePrinterFont(Lines{std::string(100, 'x'), std::string(80, 'x')}, k10pt, k8pt),
            PrinterFontChoice::Points8);
  // Lengths are counted in characters: 80 two-byte characters are 80 long.
  std::string accented;
  for (int i = 0; i < 80; ++i) accented += "é";
  EXPECT_EQ(ChoosePrinterFont(Lines{accented}, k10pt, k8pt), PrinterFontChoice::Points10);

  EXPECT_EQ(PrinterFontPoints(PrinterFontChoice::Points8), 8);
}

}  // namespace
}  // namespace orv
