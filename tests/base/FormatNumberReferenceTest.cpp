// FormatNumber against a slow, plainly correct reference that rounds the
// value's 15 significant decimal digits as text, on every pattern the
// program uses and many values: random magnitudes, decimal halves such as
// 2.675, binary halves such as 0.125, values next to them, and tiny
// negatives. ORVANTA_FORMAT_SAMPLES sets how many random values (10,000,000
// for a thorough run by hand).

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "base/Format.h"

namespace orv {
namespace {

std::string ReferenceFormat(double value, std::string_view pattern) {
  const auto placeholder = [](char c) { return c == '0' || c == '#' || c == '.'; };
  size_t first = 0, last = pattern.size();
  while (first < pattern.size() && !placeholder(pattern[first])) ++first;
  while (last > first && !placeholder(pattern[last - 1])) --last;
  const std::string_view body = pattern.substr(first, last - first);
  const size_t point = body.find('.');
  const std::string_view intPart = body.substr(0, point);
  const std::string_view fracPart = point == body.npos ? "" : body.substr(point + 1);
  const int minInt =
      intPart.find('0') == intPart.npos ? 0 : int(intPart.size() - intPart.find('0'));
  const int maxFrac = int(fracPart.size());
  const int minFrac = fracPart.rfind('0') == fracPart.npos ? 0 : int(fracPart.rfind('0') + 1);
  if (!std::isfinite(value)) value = 0;

  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
  const std::string sci(buf, res.ptr);
  const size_t e = sci.find('e');
  std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);
  const int exponent = std::stoi(sci.substr(e + 1));
  // Digit i has weight 10^(exponent - i): written out as a fixed decimal
  // with a leading zero for a carry, then rounded half up at maxFrac.
  const int intCount = std::max(exponent, 0) + 2;
  std::string fixed(size_t(intCount + maxFrac + 20), '0');
  for (size_t i = 0; i < digits.size(); ++i) {
    const int slot = intCount - 1 - (exponent - int(i));
    if (slot >= 0 && slot < int(fixed.size())) fixed[size_t(slot)] = digits[i];
  }
  std::string kept = fixed.substr(0, size_t(intCount + maxFrac));
  if (fixed[size_t(intCount + maxFrac)] >= '5') {
    int i = int(kept.size()) - 1;
    while (kept[size_t(i)] == '9') kept[size_t(i--)] = '0';
    ++kept[size_t(i)];
  }
  std::string ints = kept.substr(0, size_t(intCount));
  std::string frac = kept.substr(size_t(intCount));
  while (int(frac.size()) > minFrac && frac.back() == '0') frac.pop_back();
  ints.erase(0, std::min(ints.find_first_not_of('0'), ints.size()));
  const bool zero = ints.empty() && frac.find_first_not_of('0') == std::string::npos;
  while (int(ints.size()) < minInt) ints.insert(0, "0");
  std::string out(pattern.substr(0, first));
  if (value < 0 && !zero) out += '-';
  out += ints;
  if (point != body.npos && (!frac.empty() || maxFrac == 0)) out += "." + frac;
  return out + std::string(pattern.substr(last));
}

// Every pattern the program formats with, and a few that stress the rules.
constexpr std::string_view kPatterns[] = {
    "#0.00", "##0.00", "###0.00", "#0",    "##0.0",       "00",          "0.00",   "0.0",
    "0",     "#0.0",   "000",     "##0",   "0.######",    "#00#.#0",     "#0#.#0", "##.#0",
    "#",     "0.0#",   "(0) deg", "#.###", "0.000000000", "0.0000000000"};

double RandomValue(std::mt19937_64& rng) {
  std::uniform_int_distribution<int> kind(0, 5);
  std::uniform_real_distribution<double> unit(0, 1);
  const double sign = rng() & 1 ? -1 : 1;
  switch (kind(rng)) {
    case 0:  // any magnitude from 1e-8 to 1e17
      return sign * std::pow(10.0, -8 + 25 * unit(rng));
    case 1: {  // a decimal half at 1 to 9 decimals, as typed
      const int places = 1 + int(rng() % 9);
      const double v = double(rng() % 2000000) + 0.5;
      return sign * v / std::pow(10.0, places);
    }
    case 2: {  // a binary fraction, exactly a half at some decimal
      return sign * std::ldexp(double(rng() % 100000), -int(rng() % 12));
    }
    case 3: {  // a neighbour of a decimal half
      const double v = (double(rng() % 2000000) + 0.5) / 1000.0;
      return sign * (rng() & 1 ? std::nextafter(v, 0.0) : std::nextafter(v, 1e300));
    }
    case 4:  // whole numbers and tiny values
      return sign * (rng() & 1 ? double(rng() % 100000) : std::ldexp(unit(rng), -40));
    default:  // the scores a page shows
      return sign * 2000 * unit(rng);
  }
}

TEST(FormatNumber, AgreesWithTheDecimalTextReference) {
  const char* env = std::getenv("ORVANTA_FORMAT_SAMPLES");
  const long samples = env ? std::atol(env) : 20000;
  std::mt19937_64 rng(20261207);
  const double fixedValues[] = {0.0,
                                -0.0,
                                2.675,
                                -1.005,
                                9.995,
                                0.045,
                                123456.785,
                                1e13,
                                9.999999999999999e12,
                                4503599627370495.5,
                                1e300,
                                -1e-300,
                                NAN,
                                INFINITY,
                                -INFINITY,
                                0.5,
                                1.5,
                                2.5};
  long mismatches = 0;
  const auto check = [&](double v) {
    for (std::string_view p : kPatterns) {
      const std::string want = ReferenceFormat(v, p), got = FormatNumber(v, p);
      if (got != want && ++mismatches <= 20)
        ADD_FAILURE() << std::hexfloat << v << " \"" << p << "\": " << got << " != " << want;
    }
  };
  for (double v : fixedValues) check(v);
  for (long k = 0; k < samples; ++k) check(RandomValue(rng));
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace orv
