#include "relationship/magi/MagiAnalyses.h"

#include "base/Format.h"
#include "core/Aspects.h"
#include "relationship/magi/MagiRules.h"

namespace orv {

namespace {

constexpr std::string_view kColumnHeader = "  Romance   Sex   Compatibility";

std::string Score(double v) { return PadSignedNum4(FormatNumber(v, "0.0")); }

void AddScores(MagiCoupleTotals& t, float r, float s, float c) {
  t.RomanceTotal += r;
  t.SexTotal += s;
  t.CompatibilityTotal += c;
  if (r > MagiCrucialLimit) t.CrucialRomanceLinkages += r;
  if (r < -MagiCrucialLimit) t.CrucialRomanceClashes += r;
  if (s > MagiCrucialLimit) t.CrucialSexLinkages += s;
  if (c > MagiCrucialLimit) t.CrucialCompatibilityLinkages += c;
  if (c < -MagiCrucialLimit) t.CrucialCompatibilityClashes += c;
}

}  // namespace

std::string MagiScoreColumns(double romance, double sex, double compatibility) {
  return "  " + Score(romance) + "  " + Score(sex) + "  " + Score(compatibility) + "   ";
}

MagiCoupleTotals ListMagiCouple(ListingPage& page, const ChartModel& charts,
                                std::string_view firstName, std::string_view secondName,
                                const DataTables& tables) {
  const MagiBodies one = MagiChironSubstitution(charts.Natal);
  const MagiBodies two = MagiChironSubstitution(charts.Diurnal);
  page.Blank();
  page.Line("  Magi Society Aspects for " + std::string(firstName) + " and " +
            std::string(secondName));
  page.Blank();
  page.Line(kColumnHeader);
  MagiCoupleTotals t;
  auto hit = [&](int slot, int a, int b, const std::string& text) {
    const float r = MagiScore(tables.RomanceScores, slot, a, b);
    const float s = MagiScore(tables.SexScores, slot, a, b);
    const float c = MagiScore(tables.CompatibilityScores, slot, a, b);
    AddScores(t, r, s, c);
    page.Line(MagiScoreColumns(r, s, c) + text);
  };
  for (int a = 1; a <= one.count; ++a) {
    for (int b = 1; b <= two.count; ++b) {
      const MagiAspect m = FindMagiAspect(one.longitudes[size_t(a)], two.longitudes[size_t(b)]);
      if (m.code == NoAspectCode) continue;
      hit(m.code, a, b,
          MagiAspectText(a, MagiAspectColumn(m.code), b, m.deviation) +
              MagiLongitudeLabels(a, b, m.code, MagiVariant::Couple));
    }
  }
  page.Blank();
  page.Line(kColumnHeader);
  for (int a = 1; a <= one.count; ++a) {
    for (int b = 1; b <= two.count; ++b) {
      const MagiParallel p =
          FindMagiParallel(one.declinations[size_t(a)], two.declinations[size_t(b)]);
      if (p.kind == MagiParallelKind::None) continue;
      const int slot =
          p.kind == MagiParallelKind::Parallel ? MagiParallelSlot : MagiContraParallelSlot;
      hit(slot, a, b,
          MagiAspectText(a, MagiParallelColumn(p.kind), b, p.difference) +
              MagiParallelLabels(a, b, MagiVariant::Couple));
    }
  }
  page.Blank();
  page.Line("  TOTALS");
  page.Line(kColumnHeader);
  page.Line("  " + Score(t.RomanceTotal) + "  " + Score(t.SexTotal) + "  " +
            Score(t.CompatibilityTotal));
  page.Blank();
  const std::pair<std::string_view, float> crucial[] = {
      {"Crucial Romance Linkages", t.CrucialRomanceLinkages},
      {"Crucial Romance Clashes", t.CrucialRomanceClashes},
      {"Crucial Sex Linkages", t.CrucialSexLinkages},
      {"Crucial Compatibility Linkages", t.CrucialCompatibilityLinkages},
      {"Crucial Compatibility Clashes", t.CrucialCompatibilityClashes},
  };
  for (const auto& [title, sum] : crucial) {
    page.Line("  " + std::string(title));
    page.Line("  " + Score(sum));
  }
  return t;
}

void ListMagiNatal(ListingPage& page, const ChartArrays& natal, std::string_view nameText) {
  const MagiBodies bodies = MagiChironSubstitution(natal);
  page.Blank();
  page.Line("  Magi Society Aspects for " + std::string(nameText));
  page.Blank();
  const int n = bodies.count;
  for (int j = 1; j < n; ++j) {
    for (int i = j + 1; i <= n; ++i) {
      const MagiAspect m = FindMagiAspect(bodies.longitudes[size_t(j)], bodies.longitudes[size_t(i)]);
      if (m.code == NoAspectCode) continue;
      page.Line("  " + MagiAspectText(j, MagiAspectColumn(m.code), i, m.deviation) +
                MagiLongitudeLabels(j, i, m.code, MagiVariant::Natal));
    }
  }
  page.Blank();
  for (int j = 1; j < n; ++j) {
    for (int i = j + 1; i <= n; ++i) {
      const MagiParallel p =
          FindMagiParallel(bodies.declinations[size_t(j)], bodies.declinations[size_t(i)]);
      if (p.kind == MagiParallelKind::None) continue;
      page.Line("  " + MagiAspectText(j, MagiParallelColumn(p.kind), i, p.difference) +
                MagiParallelLabels(j, i, MagiVariant::Natal));
    }
  }
}

}  // namespace orv
