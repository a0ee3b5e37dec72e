// The worst first paints of crowded two-chart wheels against the ordinary
// wheel's paint: every wheel of the tests' random pairs and random natal
// charts against transits (or of other streams, from a given seed), combined,
// after Switch and two-ring, painted once each at 604x525, 800x600 and
// 1200x1000 through Qt's own text measures with the glyph font (Qt
// offscreen), as a window paints a wheel it has not painted before.
//
//   build/bench/orvanta_worst_paint [--count N] [--seed S] [--jobs J]
//
// --count: pairs of each kind (1000); --seed: both streams from S instead
// of the tests' (1976 for the pairs, 2026 for the transits); --jobs:
// processes sharing the wheels (4), each timing the ordinary wheel itself
// now and then, so that every ratio is to paints of the same process, in
// the processor time of its thread.
// Prints, for each arrangement and size, the ordinary wheel's paint (the
// median in ms), the worst and the 99th percentile of the ratio of a first
// paint to it, and the pair that paints worst.

#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "../../tests/wheels/DualWheelLegibility.h"
#include "../ui/PaintedWheels.h"

namespace {

using namespace orv;

struct Size {
  int width, height;
};
constexpr Size kSizes[] = {{604, 525}, {800, 600}, {1200, 1000}};
constexpr const char* kArrangements[] = {"combined", "switched", "two-ring"};

struct Settings {
  int count = 1000;
  std::optional<unsigned> seed;
  int jobs = 4;
};

// One first paint: its arrangement, size, kind of pair (1 transits), pair
// and time (in ms, or as a ratio to the ordinary wheel's).
struct Paint {
  int arrangement, size, transits, pair;
  double time;
};

// The processor time of a paint on this thread, so that what other
// processes of a busy machine take from it does not count.
double MillisecondsOf(QImage& image, const WheelPaintInputs& in) {
  const auto now = [] {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
  };
  const double start = now();
  bench::PaintWindowOn(image, in);
  return now() - start;
}

// Paints of the ordinary wheel, taken now and then through a run: the
// machine's load comes and goes, and each paint is compared with the median
// of them all at its size.
class OrdinaryWheel {
 public:
  OrdinaryWheel() {
    for (const Size s : kSizes) images_.emplace_back(s.width, s.height, QImage::Format_RGB32);
    // Warming the caches, Qt's glyphs at the two-chart wheels' sizes too:
    // the first wheel a process paints would pay for them.
    const bench::PreparedWheel combined(bench::CombinedSwitched, 0), twoRing(bench::TwoRing, 0);
    for (QImage& image : images_) {
      for (int k = 0; k < 5; ++k) MillisecondsOf(image, wheel_.in);
      MillisecondsOf(image, combined.in);
      MillisecondsOf(image, twoRing.in);
    }
  }
  QImage& Image(std::size_t size) { return images_[size]; }
  void Sample() {
    for (std::size_t s = 0; s < images_.size(); ++s)
      for (int k = 0; k < 5; ++k) ms_[s].push_back(MillisecondsOf(images_[s], wheel_.in));
  }
  double Median(std::size_t size) {
    std::vector<double>& ms = ms_[size];
    std::nth_element(ms.begin(), ms.begin() + std::ptrdiff_t(ms.size() / 2), ms.end());
    return ms[ms.size() / 2];
  }

 private:
  const bench::PreparedWheel wheel_{bench::Ordinary, 0};
  std::vector<QImage> images_;
  std::array<std::vector<double>, std::size(kSizes)> ms_;
};

// The share of the wheels that `job` of `jobs` paints, written to `out` as
// text: the ordinary wheel's paint at each size, then a line a paint.
void PaintShare(const Settings& settings, int job, FILE* out) {
  bench::AddGlyphFont();
  OrdinaryWheel ordinary;
  ordinary.Sample();
  std::vector<Paint> paints;
  for (int transits = 0; transits < 2; ++transits)
    for (int arrangement = 0; arrangement < 3; ++arrangement) {
      std::mt19937 random(settings.seed.value_or(transits ? 2026 : 1976));
      const auto kind = arrangement == 2 ? DualWheelKind::Display : DualWheelKind::TransitsVsNatal;
      for (int k = 0; k < settings.count; ++k) {
        Workbench wb;
        std::optional<OrbTable> orbs;
        WheelPaintInputs in = transits ? test::RandomTransitPair(wb, random, kind, orbs)
                                       : test::RandomWheelPair(wb, random, k, kind, orbs);
        if (k % settings.jobs != job) continue;
        if (arrangement == 1) {
          SwitchDualWheel(wb, transits ? test::TransitPairPerson() : test::RandomPairPerson(k));
          in = test::PaintInputsOf(wb);
          orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
          in.orbs = orbs ? &*orbs : nullptr;
        }
        for (std::size_t s = 0; s < std::size(kSizes); ++s) {
          // Each size a request of its own, which no paint has seen.
          const WheelRequest request = *in.request;
          WheelPaintInputs fresh = in;
          fresh.request = &request;
          paints.push_back(
              {arrangement, int(s), transits, k, MillisecondsOf(ordinary.Image(s), fresh)});
        }
        if (paints.size() % 60 == 0) ordinary.Sample();
      }
    }
  ordinary.Sample();
  for (std::size_t s = 0; s < std::size(kSizes); ++s)
    std::fprintf(out, "ordinary %zu %.6f\n", s, ordinary.Median(s));
  for (const Paint& p : paints)
    std::fprintf(out, "paint %d %d %d %d %.6f\n", p.arrangement, p.size, p.transits, p.pair,
                 p.time / ordinary.Median(std::size_t(p.size)));
}

std::optional<Settings> SettingsOf(int argc, char** argv) {
  Settings settings;
  for (int k = 1; k + 1 < argc; k += 2) {
    const std::string flag = argv[k];
    const long value = std::strtol(argv[k + 1], nullptr, 10);
    if (flag == "--count" && value > 0)
      settings.count = int(value);
    else if (flag == "--seed" && value >= 0)
      settings.seed = unsigned(value);
    else if (flag == "--jobs" && value > 0)
      settings.jobs = int(value);
    else
      return std::nullopt;
  }
  if (argc % 2 == 0) return std::nullopt;
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Settings> settings = SettingsOf(argc, argv);
  if (!settings) {
    std::fprintf(stderr, "usage: %s [--count N] [--seed S] [--jobs J]\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Each process its own Qt application, made after the fork.
  std::vector<FILE*> shares;
  std::vector<pid_t> children;
  for (int job = 0; job < settings->jobs; ++job) {
    int pipe[2];
    if (::pipe(pipe) != 0) return 1;
    const pid_t child = ::fork();
    if (child < 0) return 1;
    if (child == 0) {
      ::close(pipe[0]);
      int qtArgc = 1;
      QGuiApplication app(qtArgc, argv);
      FILE* out = ::fdopen(pipe[1], "w");
      PaintShare(*settings, job, out);
      std::fclose(out);
      std::_Exit(0);
    }
    ::close(pipe[1]);
    shares.push_back(::fdopen(pipe[0], "r"));
    children.push_back(child);
  }
  std::vector<Paint> paints;
  std::map<int, std::vector<double>> ordinary;  // by size, one a process
  for (FILE* in : shares) {
    char word[16];
    while (std::fscanf(in, "%15s", word) == 1) {
      Paint p{};
      double ms = 0;
      int size = 0;
      if (std::string(word) == "ordinary" && std::fscanf(in, "%d %lf", &size, &ms) == 2)
        ordinary[size].push_back(ms);
      else if (std::fscanf(in, "%d %d %d %d %lf", &p.arrangement, &p.size, &p.transits, &p.pair,
                           &p.time) == 5)
        paints.push_back(p);
    }
    std::fclose(in);
  }
  bool failed = false;
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    failed = failed || !WIFEXITED(status) || WEXITSTATUS(status) != 0;
  }
  if (failed || paints.size() != std::size_t(settings->count) * 2 * 3 * std::size(kSizes)) {
    std::fprintf(stderr, "a process painting a share of the wheels failed\n");
    return 1;
  }
  std::printf(
      "%d pairs and %d natal charts against transits, %s, %d processes\n", settings->count,
      settings->count,
      settings->seed ? ("seed " + std::to_string(*settings->seed)).c_str() : "the tests' streams",
      settings->jobs);
  std::printf("%-9s %-10s %10s %8s %8s  %s\n", "", "size", "ordinary", "worst", "99th",
              "worst pair");
  for (int arrangement = 0; arrangement < 3; ++arrangement)
    for (std::size_t s = 0; s < std::size(kSizes); ++s) {
      std::vector<Paint> these;
      for (const Paint& p : paints)
        if (p.arrangement == arrangement && p.size == int(s)) these.push_back(p);
      std::sort(these.begin(), these.end(),
                [](const Paint& a, const Paint& b) { return a.time < b.time; });
      std::vector<double>& ms = ordinary[int(s)];
      std::sort(ms.begin(), ms.end());
      const Paint& worst = these.back();
      const double p99 = these[std::size_t(std::ceil(0.99 * double(these.size()))) - 1].time;
      const std::string size =
          std::to_string(kSizes[s].width) + "x" + std::to_string(kSizes[s].height);
      std::printf("%-9s %-10s %7.2f ms %7.1fx %7.1fx  %s %d\n", kArrangements[arrangement],
                  size.c_str(), ms[ms.size() / 2], worst.time, p99,
                  worst.transits ? "transit pair" : "pair", worst.pair);
    }
  return 0;
}
