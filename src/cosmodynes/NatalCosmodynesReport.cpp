#include "cosmodynes/NatalCosmodynesReport.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>

#include "base/Format.h"
#include "base/Text.h"
#include "core/FixedTables.h"
#include "cosmodynes/Cosmodynes.h"
#include "listings/ChartHeaders.h"
#include "platform/Host.h"

namespace orv {

namespace {

// Every row label, and the left half of a compact line, are this wide.
constexpr int kLabelWidth = 19;
constexpr size_t kCompactHalf = 46;
constexpr std::string_view kCompactGap = "   ";


// `text` filled with blanks to `width`; a longer text stays whole.
std::string PadRight(std::string text, int width) {
  if (int(text.size()) < width) text.append(size_t(width) - text.size(), ' ');
  return text;
}

std::string Left(const std::string& text, size_t count) { return text.substr(0, count); }

std::string Signed4(double value) { return PadSignedNum4(FormatNumber(value, "###0.00")); }

std::string Percent(double part, double total) {
  return PadNum2(FormatNumber(total != 0 ? part * 100 / total : 0.0, "#0.0"));
}

// The sort list: a value and its item (point, sign or house) number.
struct SortEntry {
  double value;
  int item;
};

// The descending exchange sort: only a strictly greater later value
// exchanges, so equal values keep whatever order the exchanges leave.
std::vector<SortEntry> SortedDescending(std::span<const double> values, int count) {
  std::vector<SortEntry> list;
  for (int k = 1; k <= count; ++k) list.push_back({values[size_t(k)], k});
  for (size_t i = 0; i + 1 < list.size(); ++i)
    for (size_t j = i + 1; j < list.size(); ++j)
      if (list[j].value > list[i].value) std::swap(list[i], list[j]);
  return list;
}

enum class TableKind { Planets, Signs, Houses };

struct Table {
  TableKind kind;
  std::string header;          // the listing's first header
  std::string_view itemLabel;  // the compact header's label, blanks included
  int count;                   // items 1..count
  std::span<const double> power, harmony, discord;
};

std::string RowLabel(TableKind kind, int item) {
  switch (kind) {
    case TableKind::Planets:
      return "  " + std::string(PointNames10.substr(size_t(PointNameWidth * (item - 1)),
                                                    size_t(PointNameWidth))) +
             Spaces(7);
    case TableKind::Signs:
      return "  " +
             std::string(SignAbbreviations.substr(size_t(SignAbbreviationWidth * (item - 1)),
                                                  size_t(SignAbbreviationWidth))) +
             Spaces(14);
    case TableKind::Houses:
      return Spaces(item < 10 ? 4 : 3) + " " + std::to_string(item) + Spaces(13);
  }
  return {};
}

struct Totals {
  double power = 0, harmonyLessDiscord = 0, harmony = 0, discord = 0;
};

class ReportWriter {
 public:
  ReportWriter(ListingPage& page, const Cosmodynes& cosmo, CosmoAngleChoice angles,
               std::vector<std::string>& copy)
      : page_(page), c_(cosmo), angles_(angles), copy_(copy) {}

  void WriteTable(const Table& t) {
    std::vector<int> byPower, byBalance;
    for (const SortEntry& e : SortedDescending(t.power, t.count))
      if (Listed(t, e.item)) byPower.push_back(e.item);
    std::vector<double> balance(size_t(t.count) + 1, 0.0);
    for (int k = 1; k <= t.count; ++k)
      balance[size_t(k)] = t.harmony[size_t(k)] - t.discord[size_t(k)];
    for (const SortEntry& e : SortedDescending(balance, t.count))
      if (Listed(t, e.item)) byBalance.push_back(e.item);

    Totals sum;
    for (int k : byPower) {
      sum.power += t.power[size_t(k)];
      sum.harmonyLessDiscord += balance[size_t(k)];
      sum.harmony += t.harmony[size_t(k)];
      sum.discord += t.discord[size_t(k)];
    }

    page_.Blank();
    page_.Line(t.header);
    copy_.push_back("  " + std::string(t.itemLabel) + "Power    %" + Spaces(9) + "Har/Disc" +
                    Spaces(22) + "Power" + Spaces(14) + "Har/Disc");
    std::vector<std::string> firstRows;
    for (int k : byPower) {
      const double p = t.power[size_t(k)], h = t.harmony[size_t(k)], d = t.discord[size_t(k)];
      firstRows.push_back(RowLabel(t.kind, k) + Signed4(p) + "  " + Percent(p, sum.power) +
                          Spaces(7) + Signed4(h - d) + Spaces(12) + Signed4(h) + Spaces(4) +
                          Percent(h, sum.harmony) + Spaces(5) + Signed4(d) + Spaces(5) +
                          Percent(d, sum.discord));
      page_.Line(firstRows.back());
    }
    page_.Blank();
    const std::string totals = "  TOTALS" + Spaces(11) + Signed4(sum.power) + Spaces(13) +
                               Signed4(sum.harmonyLessDiscord) + Spaces(12) +
                               Signed4(sum.harmony) + Spaces(13) + Signed4(sum.discord);
    page_.Line(totals);

    page_.Line(Spaces(51));
    for (size_t row = 0; row < byBalance.size(); ++row) {
      const int k = byBalance[row];
      const double p = t.power[size_t(k)], h = t.harmony[size_t(k)], d = t.discord[size_t(k)];
      const std::string second = RowLabel(t.kind, k) + Signed4(p) + Spaces(13) + Signed4(h - d) +
                                 Spaces(12) + Signed4(h) + Spaces(13) + Signed4(d);
      page_.Line(second);
      if (row < firstRows.size())
        firstRows[row] = Left(firstRows[row], kCompactHalf) + std::string(kCompactGap) +
                         Left(second, kCompactHalf);
    }
    for (std::string& row : firstRows) copy_.push_back(Left(row, kCompactHalf + 3 + kCompactHalf));
    copy_.push_back(Left(totals, kCompactHalf));
    copy_.emplace_back();
  }

  // The group and hemisphere summaries.
  void WriteGroups() {
    struct Group {
      std::string_view label;
      std::initializer_list<int> members;
      std::string_view description;
    };
    const auto line = [](const Group& g, std::span<const double> p, std::span<const double> h,
                         std::span<const double> d) {
      double power = 0, balance = 0;
      for (int m : g.members) {
        power += p[size_t(m)];
        balance += h[size_t(m)] - d[size_t(m)];
      }
      std::string text = PadRight("  " + std::string(g.label), kLabelWidth) + Signed4(power) +
                         Spaces(13) + Signed4(balance);
      if (!g.description.empty()) text += "   " + std::string(g.description);
      return text;
    };
    const auto sign = [&](const Group& g) {
      return line(g, c_.SignPower, c_.SignHarmony, c_.SignDiscord);
    };
    const auto house = [&](const Group& g) {
      return line(g, c_.HousePower, c_.HouseHarmony, c_.HouseDiscord);
    };
    const std::string fire = sign({"Fire", {1, 5, 9}, {}});
    const std::string earth = sign({"Earth", {2, 6, 10}, {}});
    const std::string air = sign({"Air", {3, 7, 11}, {}});
    const std::string water = sign({"Water", {4, 8, 12}, {}});
    const std::string cardinal = sign({"Cardinal", {1, 4, 7, 10}, {}});
    const std::string fixed = sign({"Fixed", {2, 5, 8, 11}, {}});
    const std::string common = sign({"Common", {3, 6, 9, 12}, {}});
    const std::string electric = sign({"Electric (M)", {1, 3, 5, 7, 9, 11}, {}});
    const std::string magnetic = sign({"Magnetic (F)", {2, 4, 6, 8, 10, 12}, {}});
    const std::vector<std::string> quarters = {
        house({"Private", {12, 1, 2, 3}, "(Personal interests and affairs)"}),
        house({"Friendship", {4, 5, 6, 7}, "(Companionship with others)"}),
        house({"Community", {8, 9, 10, 11}, "(Public activities)"})};
    const std::vector<std::string> triads = {
        house({"Vitality", {1, 5, 9}, "(Individuality/Life/living it up)"}),
        house({"Success", {2, 6, 10}, "(Wealth/interest in gaining money)"}),
        house({"Relationship", {3, 7, 11}, "(Associate with other people)"}),
        house({"Psychism", {4, 8, 12}, "(Interest in occult or hidden things)"})};
    const std::string signHeader = "  Signs" + Spaces(14) + "Power" + Spaces(14) + "Har/Disc";
    const std::string houseHeader = "  House" + Spaces(14) + "Power" + Spaces(14) + "Har/Disc";

    page_.Blank();
    page_.Blank();
    page_.Line(signHeader);
    for (const std::string* l : {&fire, &earth, &air, &water}) page_.Line(*l);
    page_.Blank();
    for (const std::string* l : {&cardinal, &fixed, &common}) page_.Line(*l);
    page_.Blank();
    page_.Line(electric);
    page_.Line(magnetic);
    page_.Blank();
    page_.Blank();
    page_.Line(houseHeader);
    for (const std::string& l : quarters) page_.Line(l);
    page_.Blank();
    for (const std::string& l : triads) page_.Line(l);
    page_.Blank();
    const std::string southNorth =
        "  South/North" + Spaces(6) + Hemispheres({7, 8, 9, 10, 11, 12}, {1, 2, 3, 4, 5, 6});
    const std::string eastWest =
        "  East/West" + Spaces(8) + Hemispheres({10, 11, 12, 1, 2, 3}, {4, 5, 6, 7, 8, 9});
    page_.Line(southNorth);
    page_.Line(eastWest);

    copy_.push_back(signHeader + Spaces(22) + "Power" + Spaces(14) + "Har/Disc");
    const std::string gap(kCompactGap);
    copy_.push_back(fire + gap + cardinal);
    copy_.push_back(earth + gap + fixed);
    copy_.push_back(air + gap + common);
    copy_.push_back(water);
    copy_.emplace_back();
    copy_.push_back(electric + gap + magnetic);
    copy_.emplace_back();
    copy_.push_back(houseHeader);
    copy_.insert(copy_.end(), quarters.begin(), quarters.end());
    copy_.emplace_back();
    copy_.insert(copy_.end(), triads.begin(), triads.end());
    copy_.emplace_back();
    copy_.push_back(southNorth);
    copy_.push_back(eastWest);
    copy_.emplace_back();
  }

 private:
  bool Listed(const Table& t, int item) const {
    return t.kind != TableKind::Planets || IsCosmodynePoint(item, angles_);
  }

  // One half's power against the other's, then the same for harmony less
  // discord, each pair aligned by its first number.
  std::string Hemispheres(std::initializer_list<int> first, std::initializer_list<int> second) {
    const auto power = [&](std::initializer_list<int> houses) {
      double sum = 0;
      for (int h : houses) sum += c_.HousePower[size_t(h)];
      return FormatNumber(sum, "###0.00");
    };
    const auto balance = [&](std::initializer_list<int> houses) {
      double harmony = 0, discord = 0;
      for (int h : houses) {
        harmony += c_.HouseHarmony[size_t(h)];
        discord += c_.HouseDiscord[size_t(h)];
      }
      return FormatNumber(harmony - discord, "###0.00");
    };
    return PadSignedNum4(power(first) + " / " + power(second)) + Spaces(4) +
           PadSignedNum4(balance(first) + " / " + balance(second));
  }

  ListingPage& page_;
  const Cosmodynes& c_;
  CosmoAngleChoice angles_;
  std::vector<std::string>& copy_;
};

// The last point the report loops over: the MC when an angle choice names
// it, the Ascendant with the Ascendant alone, else the Part of Fortune.
int LastReportPoint(CosmoAngleChoice angles) {
  return std::clamp(int(angles) + ChartPoint::PartOfFortune, int(ChartPoint::PartOfFortune),
                    int(ChartPoint::MC));
}

// A grid label: the point's first three letters, capitalised ("Sun"), the
// MC's as they stand ("MC ").
std::string GridLabel(int point) {
  const std::string_view name = PointNames[size_t(point)].substr(0, 3);
  if (name == "MC ") return std::string(name);
  return std::string(1, name[0]) + ToLowerAscii(name.substr(1));
}

std::string CompactHeadLine(const ChartModel& charts) {
  const ChartInputValues& in = charts.NatalInput;
  return "  " + charts.PersonName + ", " + HeaderDate(in) + ", TZ = " +
         FormatNumber(in.timeZone, "##0.0") + ", " + FormatNumber(in.time, "#0.00") + " " +
         in.amPm + ", " + FormatNumber(std::fabs(in.latitude), "##0.00") + " " + in.northSouth +
         ", " + FormatNumber(std::fabs(in.longitude), "##0.00") + " " + in.eastWest;
}

}  // namespace

void ListCosmodynesAspectGrid(ListingPage& page, const Cosmodynes& cosmo, CosmoAngleChoice angles,
                              std::vector<std::string>& copy) {
  const int last = LastReportPoint(angles);
  std::vector<int> points;
  for (int k = 1; k <= last; ++k)
    if (IsCosmodynePoint(k, angles)) points.push_back(k);

  page.Blank();
  page.Blank();
  page.Line(Spaces(25) + "Power is listed in upper right section.");
  page.Line(Spaces(25) + "Harmony is listed in lower left section.");
  page.Blank();
  copy.push_back(Spaces(6) +
                 "Power is listed in upper right section. Harmony is listed in lower left "
                 "section.");
  copy.emplace_back();

  std::string header = Spaces(10);
  for (int col : points) header += PadRight(GridLabel(col), 7);
  while (header.back() == ' ') header.pop_back();
  page.Line(header);
  copy.push_back(header);

  for (int r : points) {
    std::string row = "  " + GridLabel(r) + "  ";
    for (int col : points) {
      if (col == r) {
        row += "  **** ";
        continue;
      }
      const std::string cell =
          PadSignedNum3(FormatNumber(cosmo.AspectGrid[size_t(r)][size_t(col)], "#0.00"));
      row += LeadingNumber(cell) == 0 ? "  ---- " : cell + " ";
    }
    page.Line(row);
    copy.push_back(row);
  }
}

std::vector<std::string> ListNatalCosmodynes(ListingPage& page, const Cosmodynes& cosmo,
                                             CosmoAngleChoice angles, const ChartModel& charts) {
  BusyCursor busy(page.host);
  std::vector<std::string> copy{CompactHeadLine(charts), std::string()};
  ReportWriter writer(page, cosmo, angles, copy);
  const int last = LastReportPoint(angles);
  writer.WriteTable({TableKind::Planets,
                     "  Planet" + Spaces(13) + "Power    %" + Spaces(9) + "Har/Disc     " +
                         Spaces(6) + "Harmony     %" + Spaces(7) + "Discord      %",
                     "Planet             ", last, cosmo.Power, cosmo.Harmony, cosmo.Discord});
  writer.WriteTable({TableKind::Signs,
                     "  Sign" + Spaces(15) + "Power    %" + Spaces(9) + "Har/Disc     " +
                         Spaces(6) + "Harmony    %" + Spaces(7) + "Discord       %",
                     "Sign               ", 12, cosmo.SignPower, cosmo.SignHarmony,
                     cosmo.SignDiscord});
  writer.WriteTable({TableKind::Houses,
                     "  House" + Spaces(14) + "Power    %" + Spaces(9) + "Har/Disc     " +
                         Spaces(6) + "Harmony    %" + Spaces(7) + "Discord       %",
                     "House              ", 12, cosmo.HousePower, cosmo.HouseHarmony,
                     cosmo.HouseDiscord});
  writer.WriteGroups();
  ListCosmodynesAspectGrid(page, cosmo, angles, copy);
  page.host.SetClipboardText(CosmoReportClipboardText(copy));
  return copy;
}

std::string CosmoReportClipboardText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace orv
