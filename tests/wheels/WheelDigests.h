#pragma once
// One line per painted wheel: what it is and a 64-bit hash of everything it
// drew (every draw call with its place, text, font, colour and pen). Run
// over the random pairs, natal charts against transits, single wheels and
// one-chart rings on every window size and both printed pages, before and
// after a change that must not change what is drawn; `diff` the outputs.
//   ORVANTA_DIGESTS=1000 [ORVANTA_DIGEST_SHARD=i/n]
//     build/tests/test_wheels --gtest_filter=WheelDigests.* > digests.txt
// 1000 pairs and 1000 transit pairs, each combined, after Switch and
// two-ring; half as many single wheels in both styles; a fifth as many
// declination and helio-latitude rings. With a shard only every n-th wheel
// from the i-th is painted, so that n processes share the work.
// scripts/wheel-digests runs both measure sets so, in shards.

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "DualWheelLegibility.h"
#include "WheelDump.h"
#include "WheelLegibility.h"
#include "commands/DualWheelCommands.h"
#include "commands/WheelCommands.h"
#include "core/OptionNumbers.h"

namespace orv::test {

// FNV-1a over the draw-call dump, with what the dump leaves out.
inline std::uint64_t DrawCallDigest(const RecordingCanvas& canvas) {
  std::string all = DrawCallDump(canvas);
  char line[256];
  for (const CanvasRecord& r : canvas.Records()) {
    std::snprintf(line, sizeof line, "%.4f %.4f %.4f %.4f %.4f %d %d %d %d %d %d %d %.4f %.4f %.3f",
                  r.a.x, r.a.y, r.b.x, r.b.y, r.radius, r.color.r, r.color.g, r.color.b,
                  r.fill.has_value(), r.fill ? r.fill->r : 0, r.fill ? r.fill->g : 0,
                  r.fill ? r.fill->b : 0, r.startRad.value_or(-9), r.endRad.value_or(-9),
                  r.widthPx);
    all += line + r.font.family + "\n";
  }
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (const char c : all) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
  return h;
}

// A surface a digest is taken on, with its name.
struct DigestSurface {
  std::string name;
  double width, height;
  bool printing;
};

inline std::vector<DigestSurface> DigestSurfaces() {
  std::vector<DigestSurface> all;
  std::vector<DeviceSize> windows = LegibilitySurfaces();
  windows.push_back({800, 619});
  windows.push_back({1200, 1000});
  for (const DeviceSize s : windows)
    all.push_back({std::to_string(s.width) + "x" + std::to_string(s.height), double(s.width),
                   double(s.height), false});
  for (const DeviceSize p : PrintedPages())
    all.push_back({"page" + std::to_string(p.width) + "x" + std::to_string(p.height),
                   double(p.width), double(p.height), true});
  return all;
}

// Prints the digests of the wheels of this shard, each painted on every
// surface on a canvas `canvasOf` makes.
inline void PrintWheelDigests(
    const std::function<std::unique_ptr<RecordingCanvas>(double, double)>& canvasOf,
    const char* measures) {
  const char* env = std::getenv("ORVANTA_DIGESTS");
  const int count = env ? std::atoi(env) : 0;
  int shard = 0, shards = 1;
  if (const char* s = std::getenv("ORVANTA_DIGEST_SHARD")) std::sscanf(s, "%d/%d", &shard, &shards);
  const std::vector<DigestSurface> surfaces = DigestSurfaces();
  int index = 0;
  const auto paint = [&](const std::string& what, const WheelPaintInputs& in) {
    if (index++ % shards != shard) return;
    for (const DigestSurface& s : surfaces) {
      const std::unique_ptr<RecordingCanvas> canvas = canvasOf(s.width, s.height);
      if (s.printing)
        PaintWheelPrinter(*canvas, in, {});
      else
        PaintWheelWindow(*canvas, in, StartScaleFor(s.width, s.height).value_or(300));
      std::printf("%s %s %s %016" PRIx64 "\n", measures, what.c_str(), s.name.c_str(),
                  DrawCallDigest(*canvas));
    }
  };
  const std::pair<const char*, DualWheelKind> arrangements[] = {
      {"combined", DualWheelKind::TransitsVsNatal},
      {"switched", DualWheelKind::TransitsVsNatal},
      {"two-ring", DualWheelKind::Display}};
  for (const bool transits : {false, true})
    for (const auto& [name, kind] : arrangements) {
      std::mt19937 random(transits ? 2026 : 1976);
      for (int k = 0; k < count; ++k) {
        Workbench wb;
        std::optional<OrbTable> orbs;
        WheelPaintInputs in = transits ? RandomTransitPair(wb, random, kind, orbs)
                                       : RandomWheelPair(wb, random, k, kind, orbs);
        if (std::string(name) == "switched") {
          SwitchDualWheel(wb, !transits && k % 3 == 0 ? SecondPersonBox{true, "John Roe"}
                                                      : SecondPersonBox{false, "2nd Person"});
          in = PaintInputsOf(wb);
          orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
          in.orbs = orbs ? &*orbs : nullptr;
        }
        paint(std::string(transits ? "transits " : "pair ") + std::to_string(k) + " " + name, in);
      }
    }
  for (const int style : {0, 1}) {
    std::mt19937 random(1962);
    for (int k = 0; k < count / 2; ++k) {
      Workbench wb;
      RandomWheelChart(wb, random, k);
      wb.Options[OptionNumber::SingleWheelAspectLines] = 1;
      RecordingHost host;
      PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
      WheelPaintInputs in = PaintInputsOf(wb, style);
      const std::optional<OrbTable> orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
      in.orbs = orbs ? &*orbs : nullptr;
      paint("single " + std::to_string(k) + " style " + std::to_string(style), in);
    }
  }
  for (const auto& [name, kind] : {std::pair{"declinations", SingleWheelKind::Declinations},
                                   std::pair{"latitudes", SingleWheelKind::HelioLatitudes}}) {
    std::mt19937 random(1990);
    std::uniform_real_distribution<double> declination(-27, 27), latitude(-8, 8);
    for (int k = 0; k < count / 10; ++k) {
      Workbench wb;
      ComputeWheelChart(wb, k % 2 ? WheelChart::Unequal : WheelChart::Ordinary);
      for (int p = 1; p <= NumPoints; ++p) {
        wb.Charts.Natal.Declinations[std::size_t(p)] = declination(random);
        wb.Charts.Natal.HelioLatitudes[std::size_t(p)] = latitude(random);
      }
      wb.Options[OptionNumber::SingleWheelAspectLines] = 1;
      RecordingHost host;
      PrepareSingleWheel(wb, kind, {}, host);
      WheelPaintInputs in = PaintInputsOf(wb);
      const std::optional<OrbTable> orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
      in.orbs = orbs ? &*orbs : nullptr;
      paint(std::string(name) + " " + std::to_string(k), in);
    }
  }
}

}  // namespace orv::test
