#include "core/ephemeris/OuterPlanetPerturbations.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "core/Angles.h"
#include "core/SinCosMultiples.h"

namespace orv {

namespace {

// The arguments a term can take, in degrees. G, H, eta and theta are the own
// arguments of Uranus and Neptune, whose routines also replace zeta.
enum class Arg : std::uint8_t { V, W, Zeta, Psi, Q, S, G, H, Eta, Theta, Count };
using ArgumentValues = std::array<double, static_cast<int>(Arg::Count)>;

enum class Trig : std::uint8_t { One, Sin, Cos };

constexpr int kArgCount = static_cast<int>(Arg::Count);
// The largest multiple of an argument any term takes.
constexpr int kMaxMultiple = 5;

// Where a factor's value stands among the factor values of a moment
// (TermFactors): 1 first, then the sine and the cosine of each multiple
// 1..kMaxMultiple of each argument.
constexpr int kOneSlot = 0;
constexpr int FactorSlot(Trig fn, int k, Arg x) {
  return 1 + 2 * (static_cast<int>(x) * kMaxMultiple + (k - 1)) + (fn == Trig::Cos ? 1 : 0);
}
constexpr int kFactorSlots = 1 + 2 * kArgCount * kMaxMultiple;

// The sine or cosine of k1 x1 + k2 x2; most factors have no second part.
struct Factor {
  Trig fn = Trig::One;
  int k1 = 0;
  Arg x1 = Arg::V;
  int k2 = 0;
  Arg x2 = Arg::V;
  int slot = kOneSlot;  // for a factor of one argument
};

constexpr Factor Sin(int k1, Arg x1, int k2, Arg x2) { return {Trig::Sin, k1, x1, k2, x2}; }
constexpr Factor Cos(int k1, Arg x1, int k2, Arg x2) { return {Trig::Cos, k1, x1, k2, x2}; }
constexpr Factor Sin(int k, Arg x) {
  return {Trig::Sin, k, x, 0, Arg::V, FactorSlot(Trig::Sin, k, x)};
}
constexpr Factor Cos(int k, Arg x) {
  return {Trig::Cos, k, x, 0, Arg::V, FactorSlot(Trig::Cos, k, x)};
}
constexpr Factor Sin(Arg x) { return Sin(1, x); }
constexpr Factor Cos(Arg x) { return Cos(1, x); }

// A coefficient c0 + c1 nu + c2 nu^2.
struct Coefficient {
  double c0 = 0;
  double c1 = 0;
  double c2 = 0;
};

// One term: the coefficient times one factor, or times the product of two.
struct Term {
  constexpr Term(Coefficient c, Factor f1, Factor f2 = {}) : c(c), f1(f1), f2(f2) {}
  Coefficient c;
  Factor f1;
  Factor f2;
};

using enum Arg;

// The series as published, term for term and in the published order; each
// table states the unit of its sum.

// Jupiter A: degrees.
constexpr Term kJupiterA[] = {
    {{0.331364, -0.010281, -0.004692}, Sin(V)},
    {{0.003228, -0.064436, 0.002075}, Cos(V)},
    {{-0.003083, -0.000275, 0.000489}, Sin(2, V)},
    {{0.002472}, Sin(W)},
    {{0.013619}, Sin(Zeta)},
    {{0.018472}, Sin(2, Zeta)},
    {{0.006717}, Sin(3, Zeta)},
    {{0.002775}, Sin(4, Zeta)},
    {{0.006417}, Sin(2, Zeta), Sin(Q)},
    {{0.007275, -0.001253}, Sin(Zeta), Sin(Q)},
    {{0.002439}, Sin(3, Zeta), Sin(Q)},
    {{-0.035681, -0.001208}, Sin(Zeta), Cos(Q)},
    {{-0.003767}, Cos(2, Zeta), Sin(Q)},
    {{-0.033839, -0.001125}, Cos(Zeta), Sin(Q)},
    {{-0.004261}, Sin(2, Zeta), Cos(Q)},
    {{-0.006333, 0.001161}, Cos(Zeta), Cos(Q)},
    {{0.002178}, Cos(Q)},
    {{-0.006675}, Cos(2, Zeta), Cos(Q)},
    {{-0.002664}, Cos(3, Zeta), Cos(Q)},
    {{-0.002572}, Sin(Zeta), Sin(2, Q)},
    {{-0.003567}, Sin(2, Zeta), Sin(2, Q)},
    {{0.002094}, Cos(Zeta), Cos(2, Q)},
    {{0.003342}, Cos(2, Zeta), Cos(2, Q)},
};

// Jupiter B: degrees.
constexpr Term kJupiterB[] = {
    {{0.007192, -0.003147}, Sin(V)},
    {{-0.004344}, Sin(Q)},
    {{-0.020428, -0.000675, 0.000197}, Cos(V)},
    {{0.034036}, Cos(Zeta), Sin(Q)},
    {{0.007269, 0.000672}, Sin(Zeta), Sin(Q)},
    {{0.005614}, Cos(2, Zeta), Sin(Q)},
    {{0.002964}, Cos(3, Zeta), Sin(Q)},
    {{0.037761}, Sin(Zeta), Cos(Q)},
    {{0.006158}, Sin(2, Zeta), Cos(Q)},
    {{-0.006603}, Cos(Zeta), Cos(Q)},
    {{-0.005356}, Sin(Zeta), Sin(2, Q)},
    {{0.002722}, Sin(2, Zeta), Sin(2, Q)},
    {{0.004483}, Cos(Zeta), Sin(2, Q)},
    {{-0.002642}, Cos(2, Zeta), Sin(2, Q)},
    {{0.004403}, Sin(Zeta), Cos(2, Q)},
    {{-0.002536}, Sin(2, Zeta), Cos(2, Q)},
    {{0.005547}, Cos(Zeta), Cos(2, Q)},
    {{-0.002689}, Cos(2, Zeta), Cos(2, Q)},
};

// Jupiter delta e: units of 1e-7.
constexpr Term kJupiterDeltaE[] = {
    {{3606, 130, -43}, Sin(V)},
    {{1289, -580}, Cos(V)},
    {{-6764}, Sin(Zeta), Sin(Q)},
    {{-1110}, Sin(2, Zeta), Sin(Q)},
    {{-224}, Sin(3, Zeta), Sin(Q)},
    {{-204}, Sin(Q)},
    {{1284, 116}, Cos(Zeta), Sin(Q)},
    {{188}, Cos(2, Zeta), Sin(Q)},
    {{1460, 130}, Sin(Zeta), Cos(Q)},
    {{224}, Sin(2, Zeta), Cos(Q)},
    {{-817}, Cos(Q)},
    {{6074}, Cos(Zeta), Cos(Q)},
    {{992}, Cos(2, Zeta), Cos(Q)},
    {{508}, Cos(3, Zeta), Cos(Q)},
    {{230}, Cos(4, Zeta), Cos(Q)},
    {{108}, Cos(5, Zeta), Cos(Q)},
    {{-956, -73}, Sin(Zeta), Sin(2, Q)},
    {{448}, Sin(2, Zeta), Sin(2, Q)},
    {{137}, Sin(3, Zeta), Sin(2, Q)},
    {{-997, 108}, Cos(Zeta), Sin(2, Q)},
    {{480}, Cos(2, Zeta), Sin(2, Q)},
    {{148}, Cos(3, Zeta), Sin(2, Q)},
    {{-956, 99}, Sin(Zeta), Cos(2, Q)},
    {{490}, Sin(2, Zeta), Cos(2, Q)},
    {{158}, Sin(3, Zeta), Cos(2, Q)},
    {{179}, Cos(2, Q)},
    {{1024, 75}, Cos(Zeta), Cos(2, Q)},
    {{-437}, Cos(2, Zeta), Cos(2, Q)},
    {{-132}, Cos(3, Zeta), Cos(2, Q)},
};

// Jupiter delta a: units of 1e-6 AU.
constexpr Term kJupiterDeltaA[] = {
    {{205}, Cos(Zeta)},
    {{-263}, Cos(V)},
    {{693}, Cos(2, Zeta)},
    {{312}, Cos(3, Zeta)},
    {{147}, Cos(4, Zeta)},
    {{299}, Sin(Zeta), Sin(Q)},
    {{181}, Cos(2, Zeta), Sin(Q)},
    {{204}, Sin(2, Zeta), Cos(Q)},
    {{111}, Sin(3, Zeta), Cos(Q)},
    {{-337}, Cos(Zeta), Cos(Q)},
    {{-111}, Cos(2, Zeta), Cos(Q)},
};

// Saturn A: degrees.
constexpr Term kSaturnA[] = {
    {{0.007581}, Sin(2, V)},
    {{-0.007986}, Sin(W)},
    {{-0.148811}, Sin(Zeta)},
    {{-0.814181, 0.01815, 0.016714}, Sin(V)},
    {{-0.010497, 0.160906, -0.0041}, Cos(V)},
    {{-0.015208}, Sin(3, Zeta)},
    {{-0.006339}, Sin(4, Zeta)},
    {{-0.006244}, Sin(Q)},
    {{-0.0165}, Sin(2, Zeta), Sin(Q)},
    {{-0.040786}, Sin(2, Zeta)},
    {{0.008931, 0.002728}, Sin(Zeta), Sin(Q)},
    {{-0.005775}, Sin(3, Zeta), Sin(Q)},
    {{0.081344, 0.003206}, Cos(Zeta), Sin(Q)},
    {{0.015019}, Cos(2, Zeta), Sin(Q)},
    {{0.085581, 0.002494}, Sin(Zeta), Cos(Q)},
    {{0.014394}, Cos(2, Zeta), Cos(Q)},
    {{0.025328, -0.003117}, Cos(Zeta), Cos(Q)},
    {{0.006319}, Cos(3, Zeta), Cos(Q)},
    {{0.006369}, Sin(Zeta), Sin(2, Q)},
    {{0.009156}, Sin(2, Zeta), Sin(2, Q)},
    {{0.007525}, Sin(3, Psi), Sin(2, Q)},
    {{-0.005236}, Cos(Zeta), Cos(2, Q)},
    {{-0.007736}, Cos(2, Zeta), Cos(2, Q)},
    {{-0.007528}, Cos(3, Psi), Cos(2, Q)},
};

// Saturn B: degrees.
constexpr Term kSaturnB[] = {
    {{0.077108, 0.007186, -0.001533}, Sin(V)},
    {{-0.007075}, Sin(Zeta)},
    {{0.045803, -0.014766, -0.000536}, Cos(V)},
    {{-0.072586}, Cos(Q)},
    {{-0.075825}, Sin(Zeta), Sin(Q)},
    {{-0.024839}, Sin(2, Zeta), Sin(Q)},
    {{-0.008631}, Sin(3, Zeta), Sin(Q)},
    {{-0.150383}, Cos(Zeta), Cos(Q)},
    {{0.026897}, Cos(2, Zeta), Cos(Q)},
    {{0.010053}, Cos(3, Zeta), Cos(Q)},
    {{-0.013597, -0.001719}, Sin(Zeta), Sin(2, Q)},
    {{0.011981}, Sin(2, Zeta), Cos(2, Q)},
    {{-0.007742, 0.001517}, Cos(Zeta), Sin(2, Q)},
    {{0.013586, -0.001375}, Cos(2, Zeta), Sin(2, Q)},
    {{-0.013667, 0.001239}, Sin(Zeta), Cos(2, Q)},
    {{0.014861, 0.001136}, Cos(Zeta), Cos(2, Q)},
    {{-0.013064, -0.001628}, Cos(2, Zeta), Cos(2, Q)},
};

// Saturn delta e: units of 1e-7.
constexpr Term kSaturnDeltaE[] = {
    {{-7927, 2548, 91}, Sin(V)},
    {{13381, 1226, -253}, Cos(V)},
    {{248, -121}, Sin(2, V)},
    {{-305, -91}, Cos(2, V)},
    {{412}, Sin(2, Zeta)},
    {{12415}, Sin(Q)},
    {{390, -617}, Sin(Zeta), Sin(Q)},
    {{165, -204}, Sin(2, Zeta), Sin(Q)},
    {{26599}, Cos(Zeta), Sin(Q)},
    {{-4687}, Cos(2, Zeta), Sin(Q)},
    {{-1870}, Cos(3, Zeta), Sin(Q)},
    {{-821}, Cos(4, Zeta), Sin(Q)},
    {{-377}, Cos(5, Zeta), Sin(Q)},
    {{497}, Cos(2, Psi), Sin(Q)},
    {{163, -611}, Cos(Q)},
    {{-12696}, Sin(Zeta), Cos(Q)},
    {{-4200}, Sin(2, Zeta), Cos(Q)},
    {{-1503}, Sin(3, Zeta), Cos(Q)},
    {{-619}, Sin(4, Zeta), Cos(Q)},
    {{-268}, Sin(5, Zeta), Cos(Q)},
    {{-282, -1306}, Cos(Zeta), Cos(Q)},
    {{-86, 230}, Cos(2, Zeta), Cos(Q)},
    {{461}, Sin(2, Psi), Cos(Q)},
    {{-350}, Sin(2, Q)},
    {{2211, -286}, Sin(Zeta), Sin(2, Q)},
    {{-2208}, Sin(2, Zeta), Sin(2, Q)},
    {{-568}, Sin(3, Zeta), Sin(2, Q)},
    {{-346}, Sin(4, Zeta), Sin(2, Q)},
    {{-2780, -222}, Cos(Zeta), Sin(2, Q)},
    {{2022, 263}, Cos(2, Zeta), Sin(2, Q)},
    {{248}, Cos(3, Zeta), Sin(2, Q)},
    {{242}, Sin(3, Psi), Sin(2, Q)},
    {{467}, Cos(3, Psi), Sin(2, Q)},
    {{-490}, Cos(2, Q)},
    {{-2842, -279}, Sin(Zeta), Cos(2, Q)},
    {{128, 226}, Sin(2, Zeta), Cos(2, Q)},
    {{224}, Sin(3, Zeta), Cos(2, Q)},
    {{-1594, 282}, Cos(Zeta), Cos(2, Q)},
    {{2162, -207}, Cos(2, Zeta), Cos(2, Q)},
    {{561}, Cos(3, Zeta), Cos(2, Q)},
    {{343}, Cos(4, Zeta), Cos(2, Q)},
    {{469}, Sin(3, Psi), Cos(2, Q)},
    {{-242}, Cos(3, Psi), Cos(2, Q)},
    {{-205}, Sin(Zeta), Sin(3, Q)},
    {{262}, Sin(3, Zeta), Sin(3, Q)},
    {{208}, Cos(Zeta), Cos(3, Q)},
    {{-271}, Cos(3, Zeta), Cos(3, Q)},
    {{-382}, Cos(3, Zeta), Sin(4, Q)},
    {{-376}, Sin(3, Zeta), Cos(4, Q)},
};

// Saturn delta a: units of 1e-6 AU.
constexpr Term kSaturnDeltaA[] = {
    {{0, 572}, Sin(V)},
    {{-1590}, Sin(2, Zeta), Cos(Q)},
    {{2933}, Cos(V)},
    {{-647}, Sin(3, Zeta), Cos(Q)},
    {{33629}, Cos(Zeta)},
    {{-344}, Sin(4, Zeta), Cos(Q)},
    {{-3081}, Cos(2, Zeta)},
    {{2885}, Cos(Zeta), Cos(Q)},
    {{-1423}, Cos(3, Zeta)},
    {{2172, 102}, Cos(2, Zeta), Cos(Q)},
    {{-671}, Cos(4, Zeta)},
    {{296}, Cos(3, Zeta), Cos(Q)},
    {{-320}, Cos(5, Zeta)},
    {{-267}, Sin(2, Zeta), Sin(2, Q)},
    {{1098}, Sin(Q)},
    {{-778}, Cos(Zeta), Sin(2, Q)},
    {{-2812}, Sin(Zeta), Sin(Q)},
    {{495}, Cos(2, Zeta), Sin(2, Q)},
    {{688}, Sin(2, Zeta), Sin(Q)},
    {{250}, Cos(3, Zeta), Sin(2, Q)},
    {{-393}, Sin(3, Zeta), Sin(Q)},
    {{-856}, Sin(Zeta), Cos(2, Q)},
    {{-228}, Sin(4, Zeta), Sin(Q)},
    {{441}, Sin(2, Zeta), Cos(2, Q)},
    {{2138}, Cos(Zeta), Sin(Q)},
    {{296}, Cos(2, Zeta), Cos(2, Q)},
    {{-999}, Cos(2, Zeta), Sin(Q)},
    {{211}, Cos(3, Zeta), Cos(2, Q)},
    {{-642}, Cos(3, Zeta), Sin(Q)},
    {{-427}, Sin(Zeta), Sin(3, Q)},
    {{-325}, Cos(4, Zeta), Sin(Q)},
    {{398}, Sin(3, Zeta), Sin(3, Q)},
    {{-890}, Cos(Q)},
    {{344}, Cos(Zeta), Cos(3, Q)},
    {{2206}, Sin(Zeta), Cos(Q)},
    {{-427}, Cos(3, Zeta), Cos(3, Q)},
};

// Uranus A: degrees.
constexpr Term kUranusA[] = {
    {{0.864319, -0.001583}, Sin(H)},
    {{0.082222, -0.006833}, Cos(H)},
    {{0.036017}, Sin(2, H)},
    {{-0.003019}, Cos(2, H)},
    {{0.008122}, Sin(W)},
};

// Uranus B: degrees.
constexpr Term kUranusB[] = {
    {{0.120303}, Sin(H)},
    {{0.019472, -0.000947}, Cos(H)},
    {{0.006197}, Sin(2, H)},
};

// Uranus delta e: units of 1e-7.
constexpr Term kUranusDeltaE[] = {
    {{-3349, 163}, Sin(H)},
    {{20981}, Cos(H)},
    {{1311}, Cos(2, H)},
};

// Uranus delta a: AU.
constexpr Term kUranusDeltaA[] = {
    {{-0.003825}, Cos(H)},
};

// Uranus longitude correction: degrees.
constexpr Term kUranusLongitude[] = {
    {{0.010122, -0.000988}, Sin(1, S, 1, Eta)},
    {{-0.038581, 0.002031, -0.00191}, Cos(1, S, 1, Eta)},
    {{0.034964, -0.001038, 0.000868}, Cos(2, S, 1, Eta)},
    {{0.005594}, Sin(1, S, 3, Theta)},
    {{-0.014808}, Sin(Zeta)},
    {{-0.005794}, Sin(Eta)},
    {{0.002347}, Cos(Eta)},
    {{0.009872}, Sin(Theta)},
    {{0.008803}, Sin(2, Theta)},
    {{-0.004308}, Sin(3, Theta)},
};

// Neptune A: degrees.
constexpr Term kNeptuneA[] = {
    {{-0.589833, 0.001089}, Sin(H)},
    {{-0.056094, 0.004658}, Cos(H)},
    {{-0.024286}, Sin(2, H)},
};

// Neptune B: degrees.
constexpr Term kNeptuneB[] = {
    {{0.024039}, Sin(H)},
    {{-0.025303}, Cos(H)},
    {{0.006206}, Sin(2, H)},
    {{-0.005992}, Cos(2, H)},
};

// Neptune delta e: units of 1e-7.
constexpr Term kNeptuneDeltaE[] = {
    {{4389}, Sin(H)},
    {{4262}, Cos(H)},
    {{1129}, Sin(2, H)},
    {{1089}, Cos(2, H)},
};

// Neptune delta a: units of 1e-6 AU.
constexpr Term kNeptuneDeltaA[] = {
    {{-817}, Sin(H)},
    {{8189}, Cos(H)},
    {{781}, Cos(2, H)},
};

// Neptune longitude correction: degrees.
constexpr Term kNeptuneLongitude[] = {
    {{-0.009556}, Sin(Zeta)},
    {{-0.005178}, Sin(Eta)},
    {{0.002572}, Sin(2, Theta)},
    {{-0.002972}, Cos(2, Theta), Sin(G)},
    {{-0.002833}, Sin(2, Theta), Cos(G)},
};

// How far each argument is taken: 0 for an argument no term uses, otherwise
// the largest multiple any term takes of it.
using ArgumentReach = std::array<int, kArgCount>;

constexpr void Extend(ArgumentReach& reach, int k, Arg x) {
  int& r = reach[static_cast<int>(x)];
  if (k > r) r = k;
}

constexpr void Extend(ArgumentReach& reach, std::span<const Term> terms) {
  for (const Term& t : terms) {
    for (const Factor& f : {t.f1, t.f2}) {
      if (f.fn == Trig::One) continue;
      Extend(reach, f.k1, f.x1);
      Extend(reach, f.k2, f.x2);
    }
  }
}

// Every multiple is whole and at least 1 (a second argument may be absent,
// with multiple 0), and none goes beyond kMaxMultiple.
constexpr bool MultiplesInRange(std::span<const Term> terms) {
  for (const Term& t : terms) {
    for (const Factor& f : {t.f1, t.f2}) {
      if (f.fn == Trig::One) continue;
      if (f.k1 < 1 || f.k1 > kMaxMultiple || f.k2 < 0 || f.k2 > kMaxMultiple) return false;
    }
  }
  return true;
}

// The factor values of one moment. Each argument a planet's series use is
// taken once (SinCosDeg), its multiples follow by angle addition.
class TermFactors {
 public:
  TermFactors(const ArgumentValues& x, const ArgumentReach& reach, SinCosMemo* memo = nullptr) {
    values_[kOneSlot] = 1;
    for (int a = 0; a < kArgCount; ++a) {
      if (reach[a] == 0) continue;
      const Arg arg = static_cast<Arg>(a);
      const SinCos once = SinCosDeg(x[a], memo);
      SinCos multiple = once;
      for (int k = 1; k <= reach[a]; ++k) {
        if (k > 1) multiple = AngleSum(multiple, once);
        values_[FactorSlot(Trig::Sin, k, arg)] = multiple.sin;
        values_[FactorSlot(Trig::Cos, k, arg)] = multiple.cos;
      }
    }
  }

  double Of(const Factor& f) const {
    if (f.k2 == 0) return values_[f.slot];
    const SinCos angle = AngleSum(Multiple(f.k1, f.x1), Multiple(f.k2, f.x2));
    return f.fn == Trig::Sin ? angle.sin : angle.cos;
  }

 private:
  SinCos Multiple(int k, Arg x) const {
    return {values_[FactorSlot(Trig::Sin, k, x)], values_[FactorSlot(Trig::Cos, k, x)]};
  }

  // Only the slots of the arguments in reach are set, and only they are read.
  std::array<double, kFactorSlots> values_;
};

// The terms summed in table order, each evaluated as a product.
double SumSeries(std::span<const Term> terms, double nu, const TermFactors& factors) {
  double sum = 0;
  for (const Term& t : terms) {
    const double coefficient = t.c.c0 + t.c.c1 * nu + t.c.c2 * nu * nu;
    sum += coefficient * factors.Of(t.f1) * factors.Of(t.f2);
  }
  return sum;
}

ArgumentValues CommonArguments(const PerturbationArguments& a) {
  ArgumentValues x{};
  x[static_cast<int>(V)] = a.V;
  x[static_cast<int>(W)] = a.W;
  x[static_cast<int>(Zeta)] = a.zeta;
  x[static_cast<int>(Psi)] = a.psi;
  x[static_cast<int>(Q)] = a.Q;
  x[static_cast<int>(S)] = a.S;
  return x;
}

// The own arguments of Uranus or Neptune, from G and the planet's reference
// argument R (S for Uranus, G for Neptune): zeta = R - P, eta = R - Q.
ArgumentValues OwnArguments(const PerturbationArguments& a, double t1900, bool isUranus) {
  ArgumentValues x = CommonArguments(a);
  const double g = 83.76922 + 218.4901 * t1900;
  const double r = isUranus ? a.S : g;
  x[static_cast<int>(G)] = g;
  x[static_cast<int>(H)] = 2 * g - a.S;
  x[static_cast<int>(Zeta)] = r - a.P;
  x[static_cast<int>(Eta)] = r - a.Q;
  x[static_cast<int>(Theta)] = g - a.S;
  return x;
}

constexpr double kPerDeltaEUnit = 10000000;  // delta e series in 1e-7

// One planet's series and the unit of its delta a sum.
struct PlanetSeries {
  std::span<const Term> a;
  std::span<const Term> b;
  std::span<const Term> deltaE;
  std::span<const Term> deltaA;
  double deltaAUnitsPerAU;
  std::span<const Term> longitude;  // none for Jupiter and Saturn
};

constexpr PlanetSeries kJupiterSeries{kJupiterA,      kJupiterB, kJupiterDeltaE,
                                      kJupiterDeltaA, 1000000,   {}};
constexpr PlanetSeries kSaturnSeries{kSaturnA, kSaturnB, kSaturnDeltaE, kSaturnDeltaA, 1000000, {}};
// The single delta a term of Uranus is in AU.
constexpr PlanetSeries kUranusSeries{kUranusA,      kUranusB, kUranusDeltaE,
                                     kUranusDeltaA, 1,        kUranusLongitude};
constexpr PlanetSeries kNeptuneSeries{kNeptuneA,      kNeptuneB, kNeptuneDeltaE,
                                      kNeptuneDeltaA, 1000000,   kNeptuneLongitude};

PerturbationSums SumPlanetSeries(const PlanetSeries& series, double nu, const TermFactors& x) {
  PerturbationSums sums;
  sums.meanLongitudeDeg = SumSeries(series.a, nu, x);
  sums.perihelionDeg = SumSeries(series.b, nu, x);
  sums.eccentricity = SumSeries(series.deltaE, nu, x) / kPerDeltaEUnit;
  sums.semiMajorAxisAU = SumSeries(series.deltaA, nu, x) / series.deltaAUnitsPerAU;
  sums.longitudeDeg = SumSeries(series.longitude, nu, x);
  return sums;
}

constexpr ArgumentReach ReachOf(std::initializer_list<const PlanetSeries*> planets) {
  ArgumentReach reach{};
  for (const PlanetSeries* p : planets) {
    for (std::span<const Term> terms : {p->a, p->b, p->deltaE, p->deltaA, p->longitude}) {
      Extend(reach, terms);
    }
  }
  return reach;
}

constexpr bool MultiplesInRange(const PlanetSeries& p) {
  return MultiplesInRange(p.a) && MultiplesInRange(p.b) && MultiplesInRange(p.deltaE) &&
         MultiplesInRange(p.deltaA) && MultiplesInRange(p.longitude);
}
static_assert(MultiplesInRange(kJupiterSeries) && MultiplesInRange(kSaturnSeries) &&
              MultiplesInRange(kUranusSeries) && MultiplesInRange(kNeptuneSeries));

// Jupiter and Saturn share the common arguments; Uranus and Neptune each
// have their own.
constexpr ArgumentReach kJupiterReach = ReachOf({&kJupiterSeries});
constexpr ArgumentReach kSaturnReach = ReachOf({&kSaturnSeries});
constexpr ArgumentReach kJupiterSaturnReach = ReachOf({&kJupiterSeries, &kSaturnSeries});
constexpr ArgumentReach kUranusReach = ReachOf({&kUranusSeries});
constexpr ArgumentReach kNeptuneReach = ReachOf({&kNeptuneSeries});

double UranusOwnMeanAnomaly(double t1900) {
  return 72.64878 + 428.37911 * t1900 + 0.000079 * t1900 * t1900;
}
double NeptuneOwnMeanAnomaly(double t1900) {
  return 37.73063 + 218.46134 * t1900 - 0.00007 * t1900 * t1900;
}

PerturbationSums UranusSums(const PerturbationArguments& a, double t1900, SinCosMemo* memo) {
  const TermFactors x(OwnArguments(a, t1900, true), kUranusReach, memo);
  PerturbationSums sums = SumPlanetSeries(kUranusSeries, a.nu, x);
  sums.ownMeanAnomalyDeg = UranusOwnMeanAnomaly(t1900);
  return sums;
}

PerturbationSums NeptuneSums(const PerturbationArguments& a, double t1900, SinCosMemo* memo) {
  const TermFactors x(OwnArguments(a, t1900, false), kNeptuneReach, memo);
  PerturbationSums sums = SumPlanetSeries(kNeptuneSeries, a.nu, x);
  sums.ownMeanAnomalyDeg = NeptuneOwnMeanAnomaly(t1900);
  return sums;
}

}  // namespace

PerturbationArguments CalcPerturbationArguments(double t1900) {
  PerturbationArguments a;
  a.nu = t1900 / 5 + 0.1;
  a.P = 237.47555 + 3034.9061 * t1900;
  a.Q = 265.9165 + 1222.1139 * t1900;
  a.S = 243.51721 + 428.4677 * t1900;
  a.V = 5 * a.Q - 2 * a.P;
  a.W = 2 * a.P - 6 * a.Q + 3 * a.S;
  a.zeta = a.Q - a.P;
  a.psi = a.S - a.Q;
  return a;
}

PerturbationSums CalcJupiterPerturbations(double t1900) {
  const PerturbationArguments a = CalcPerturbationArguments(t1900);
  return SumPlanetSeries(kJupiterSeries, a.nu, TermFactors(CommonArguments(a), kJupiterReach));
}

PerturbationSums CalcSaturnPerturbations(double t1900) {
  const PerturbationArguments a = CalcPerturbationArguments(t1900);
  return SumPlanetSeries(kSaturnSeries, a.nu, TermFactors(CommonArguments(a), kSaturnReach));
}

PerturbationSums CalcUranusPerturbations(double t1900) {
  return UranusSums(CalcPerturbationArguments(t1900), t1900, nullptr);
}

PerturbationSums CalcNeptunePerturbations(double t1900) {
  return NeptuneSums(CalcPerturbationArguments(t1900), t1900, nullptr);
}

OuterPerturbations CalcOuterPerturbations(double t1900, SinCosMemo* memo) {
  const PerturbationArguments a = CalcPerturbationArguments(t1900);
  const TermFactors common(CommonArguments(a), kJupiterSaturnReach, memo);
  OuterPerturbations all;
  all.jupiter = SumPlanetSeries(kJupiterSeries, a.nu, common);
  all.saturn = SumPlanetSeries(kSaturnSeries, a.nu, common);
  all.uranus = UranusSums(a, t1900, memo);
  all.neptune = NeptuneSums(a, t1900, memo);
  return all;
}

const PerturbationSums& OuterPerturbations::Of(int body) const {
  switch (body) {
    case HelioBody::Jupiter:
      return jupiter;
    case HelioBody::Saturn:
      return saturn;
    case HelioBody::Uranus:
      return uranus;
    default:
      return neptune;
  }
}

void ApplyPerturbations(const PerturbationSums& sums, OrbitalElements& elements) {
  const double perihelionShift = sums.perihelionDeg / elements.eccentricity;
  const double meanAnomaly = sums.ownMeanAnomalyDeg.value_or(elements.meanAnomalyDeg);
  elements.meanAnomalyDeg = meanAnomaly + sums.meanLongitudeDeg - perihelionShift;
  elements.argumentOfPerihelionDeg += perihelionShift;
  elements.eccentricity += sums.eccentricity;
  elements.semiMajorAxisKm += sums.semiMajorAxisAU * KmPerAU;
}

}  // namespace orv
