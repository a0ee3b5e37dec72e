#include "base/Format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "base/Text.h"

namespace orv {

namespace {

// A pattern's parts, pointing into the pattern itself: it is read afresh on
// every call without allocating.
struct NumberPattern {
  std::string_view prefix, suffix;
  int minIntDigits = 0;
  int maxFracDigits = 0;
  int minFracDigits = 0;
  bool hasPoint = false;
};

bool IsPlaceholder(char c) { return c == '0' || c == '#' || c == '.'; }

NumberPattern ParsePattern(std::string_view pattern) {
  const char* const start = pattern.data();
  const char* const end = start + pattern.size();
  const char* first = start;
  while (first < end && !IsPlaceholder(*first)) ++first;
  const char* last = end;
  while (last > first && !IsPlaceholder(last[-1])) --last;
  const char* point = first;
  while (point < last && *point != '.') ++point;
  const char* firstZero = first;
  while (firstZero < point && *firstZero != '0') ++firstZero;
  NumberPattern p;
  p.prefix = std::string_view(start, size_t(first - start));
  p.suffix = std::string_view(last, size_t(end - last));
  p.minIntDigits = int(point - firstZero);
  if (point < last) {
    p.hasPoint = true;
    p.maxFracDigits = int(last - point - 1);
    const char* lastZero = last;
    while (lastZero > point && lastZero[-1] != '0') --lastZero;
    p.minFracDigits = lastZero > point ? int(lastZero - point - 1) : 0;
  }
  return p;
}

constexpr int kFastFracDigits = 9;
constexpr std::array<double, kFastFracDigits + 1> kPowersOfTen = {1e0, 1e1, 1e2, 1e3, 1e4,
                                                                  1e5, 1e6, 1e7, 1e8, 1e9};
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";
constexpr std::array<double, kFastFracDigits + 1> kFastLimits = {1e13, 1e12, 1e11, 1e10, 1e9,
                                                                 1e8,  1e7,  1e6,  1e5,  1e4};

// |value| x 10^fracDigits rounded as RoundDecimal rounds it, in integer
// arithmetic: the value's 15 significant digits are within half a unit of
// the 15th digit of the exact value, so rounding the exact product half up
// gives the same whole number unless the product lies that close to a half.
// Nothing for those near-halves, for large values and for many decimals.
std::optional<std::uint64_t> RoundScaled(double magnitude, int fracDigits) {
  if (fracDigits > kFastFracDigits || !(magnitude < kFastLimits[size_t(fracDigits)]))
    return std::nullopt;
  const double scale = kPowersOfTen[size_t(fracDigits)];
  // hi + lo is the product exactly.
  const double hi = magnitude * scale;
  const double lo = std::fma(magnitude, scale, -hi);
  const auto truncated = std::uint64_t(hi);  // hi < 2^63
  const double whole = double(truncated);
  const double rest = (hi - whole) + lo;
  // Half a unit of the 15th significant digit, scaled, with a margin.
  const double doubt = hi * 1e-14 + 1e-290;
  if (std::fabs(rest - 0.5) <= doubt) return std::nullopt;
  return truncated + (rest > 0.5 ? 1 : 0);
}

// |value| rounded half away from zero to `fracDigits` decimals, as decimal
// digits: the integer digits and the fraction digits.
void RoundDecimal(double value, int fracDigits, std::string& intDigits, std::string& fracOut) {
  // 15 significant digits: the precision a double represents faithfully.
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                 std::chars_format::scientific, 14);
  const std::string_view sci(buf, size_t(res.ptr - buf));
  std::string digits;
  size_t k = 0;
  for (; k < sci.size() && sci[k] != 'e'; ++k)
    if (sci[k] != '.') digits += sci[k];
  const int exponent = std::atoi(std::string(sci.substr(k + 1)).c_str());
  // digits[0] has weight 10^exponent. Place them on a grid from 10^top down to
  // 10^-fracDigits, with one spare leading zero for a carry.
  const int top = std::max(exponent, 0) + 1;
  const int width = top + fracDigits + 1;
  std::string grid(size_t(width), '0');
  bool roundUp = false;
  for (size_t i = 0; i < digits.size(); ++i) {
    const int weight = exponent - int(i);
    const int slot = top - weight;
    if (slot < width) {
      grid[size_t(slot)] = digits[i];
    } else if (slot == width) {
      roundUp = digits[i] >= '5';
    }
  }
  if (roundUp) {
    int i = width - 1;
    while (i >= 0 && grid[size_t(i)] == '9') grid[size_t(i--)] = '0';
    if (i >= 0) ++grid[size_t(i)];
  }
  intDigits = grid.substr(0, size_t(top + 1));
  fracOut = grid.substr(size_t(top + 1));
  const size_t nonZero = intDigits.find_first_not_of('0');
  intDigits = nonZero == std::string::npos ? "" : intDigits.substr(nonZero);
}

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string TwoDigits(int v) {
  std::string s = std::to_string(std::abs(v) % 100);
  return s.size() < 2 ? "0" + s : s;
}

// Leading blanks for the signed aligners: the width less the digits of the
// integer part, one fewer for a minus sign. The top band of the non-negative
// side keeps one blank, so a number that overflows still stands apart.
std::string PadSigned(std::string_view s, int width) {
  if (s.substr(0, 3) == "-0,") return std::string(size_t(width - 2), ' ') + std::string(s);
  const double v = LeadingNumber(s);
  int n;
  if (v >= 0) {
    // Digits of the integer part, at least 1.
    int digits = 1;
    for (double limit = 10; v >= limit && digits < width - 1; limit *= 10) ++digits;
    n = width - digits;
  } else {
    int digits = 1;
    for (double limit = 10; -v >= limit && digits < width; limit *= 10) ++digits;
    n = width - 1 - digits;
  }
  return std::string(size_t(std::max(n, 0)), ' ') + std::string(s);
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
  const NumberPattern p = ParsePattern(pattern);
  if (!std::isfinite(value)) value = 0.0;
  const auto scaled =
      p.minIntDigits + p.maxFracDigits < 40 && p.prefix.size() < 32 && p.suffix.size() < 32
          ? RoundScaled(std::fabs(value), p.maxFracDigits)
          : std::nullopt;
  if (!scaled) {
    // Large values, near-halves, many decimals: by the decimal digits.
    std::string intDigits, frac;
    RoundDecimal(value, p.maxFracDigits, intDigits, frac);
    while (int(frac.size()) > p.minFracDigits && frac.back() == '0') frac.pop_back();
    const bool isZero = intDigits.empty() && frac.find_first_not_of('0') == std::string::npos;
    while (int(intDigits.size()) < p.minIntDigits) intDigits.insert(intDigits.begin(), '0');
    std::string out(p.prefix);
    if (value < 0 && !isZero) out += '-';
    out += intDigits;
    if (p.hasPoint && (!frac.empty() || p.maxFracDigits == 0)) {
      out += '.';
      out += frac;
    }
    return out += p.suffix;
  }
  // Written right to left into the end of `text`: the suffix, the fraction,
  // the point, the integer part, the sign, the prefix.
  char text[128];
  char* const end = text + sizeof text;
  char* begin = end;
  const auto put = [&](std::string_view part) {
    for (size_t k = part.size(); k > 0; --k) *--begin = part[k - 1];
  };
  // The fraction's `count` digits, two at a time.
  const auto putFraction = [&](std::uint32_t v, int count) {
    for (; count >= 2; count -= 2, v /= 100) {
      begin -= 2;
      std::memcpy(begin, &kDigitPairs[2 * size_t(v % 100)], 2);
    }
    if (count == 1) *--begin = char('0' + v % 10);
  };
  put(p.suffix);
  const std::uint64_t n = *scaled;
  const auto unit = std::uint64_t(kPowersOfTen[size_t(p.maxFracDigits)]);
  std::uint64_t whole = n / unit;
  auto fraction = std::uint32_t(n % unit);
  // Trailing zeros of the fraction go back to the last "0" placeholder.
  int frac = p.maxFracDigits;
  while (frac > p.minFracDigits && fraction % 10 == 0) fraction /= 10, --frac;
  putFraction(fraction, frac);
  if (p.hasPoint && (frac > 0 || p.maxFracDigits == 0)) *--begin = '.';
  char* const integerEnd = begin;
  for (; whole >= 100; whole /= 100) {
    begin -= 2;
    std::memcpy(begin, &kDigitPairs[2 * size_t(whole % 100)], 2);
  }
  if (whole >= 10) {
    begin -= 2;
    std::memcpy(begin, &kDigitPairs[2 * size_t(whole)], 2);
  } else if (whole > 0) {
    *--begin = char('0' + whole);
  }
  for (auto digits = integerEnd - begin; digits < p.minIntDigits; ++digits) *--begin = '0';
  if (value < 0 && n != 0) *--begin = '-';
  put(p.prefix);
  return std::string(begin, end);
}

std::string GroupThousands(long long n) {
  std::string digits = std::to_string(n);
  for (int at = int(digits.size()) - 3; at > (n < 0 ? 1 : 0); at -= 3)
    digits.insert(size_t(at), ",");
  return digits;
}

int WeekdayOf(int year, int month, int day) {
  // Days from civil (proleptic Gregorian); 1970-01-01 was a Thursday.
  const int y = year - (month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int mp = (month + 9) % 12;
  const int doy = (153 * mp + 2) / 5 + day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long days = long(era) * 146097 + doe - 719468;
  return int(((days % 7) + 7 + 4) % 7);
}

std::string FormatDate(const CivilDateTime& when, std::string_view pattern) {
  const bool twelveHour = pattern.find("AM/PM") != std::string_view::npos ||
                          pattern.find("am/pm") != std::string_view::npos;
  auto run = [&](size_t i, char c) {
    size_t n = 0;
    while (i + n < pattern.size() && (pattern[i + n] | 0x20) == c) ++n;
    return n;
  };
  std::string out;
  for (size_t i = 0; i < pattern.size();) {
    const char c = char(pattern[i] | 0x20);
    if (pattern.substr(i, 5) == "AM/PM" || pattern.substr(i, 5) == "am/pm") {
      const bool pm = when.hour >= 12;
      out += pattern[i] == 'A' ? (pm ? "PM" : "AM") : (pm ? "pm" : "am");
      i += 5;
      continue;
    }
    const bool isLetter = (pattern[i] >= 'a' && pattern[i] <= 'z') || (pattern[i] >= 'A' && pattern[i] <= 'Z');
    const size_t n = isLetter ? run(i, c) : 0;
    if (c == 'd' && n > 0) {
      const int weekday = WeekdayOf(when.year, when.month, when.day);
      if (n == 1) out += std::to_string(when.day);
      else if (n == 2) out += TwoDigits(when.day);
      else if (n == 3) out += kWeekdayNames[size_t(weekday)].substr(0, 3);
      else out += kWeekdayNames[size_t(weekday)];
    } else if (c == 'm' && n > 0) {
      const bool valid = when.month >= 1 && when.month <= 12;
      if (n == 1) out += std::to_string(when.month);
      else if (n == 2) out += TwoDigits(when.month);
      else if (valid) out += n == 3 ? kMonthNames[size_t(when.month - 1)].substr(0, 3)
                                    : kMonthNames[size_t(when.month - 1)];
    } else if (c == 'y' && n > 0) {
      if (n <= 2) out += TwoDigits(when.year);
      else out += std::to_string(when.year);
    } else if (c == 'h' && n > 0) {
      int h = when.hour;
      if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
      out += n == 1 ? std::to_string(h) : TwoDigits(h);
    } else if (c == 'n' && n > 0) {
      out += n == 1 ? std::to_string(when.minute) : TwoDigits(when.minute);
    } else if (c == 's' && n > 0) {
      out += n == 1 ? std::to_string(when.second) : TwoDigits(when.second);
    } else {
      out += pattern[i];
      i += 1;
      continue;
    }
    i += n;
  }
  return out;
}

std::string PadNum2(std::string_view s) {
  return (LeadingNumber(s) < 10 ? " " : "") + std::string(s);
}

std::string PadNum3(std::string_view s) {
  const double v = LeadingNumber(s);
  const size_t n = v < 10 ? 2 : v < 100 ? 1 : 0;
  return std::string(n, ' ') + std::string(s);
}

std::string PadSignedNum3(std::string_view s) { return PadSigned(s, 3); }
std::string PadSignedNum4(std::string_view s) { return PadSigned(s, 4); }
std::string PadSignedNum5(std::string_view s) { return PadSigned(s, 5); }
std::string PadSignedNum6(std::string_view s) { return PadSigned(s, 6); }

}  // namespace orv
