#include "shell/input/Atlas.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "base/Text.h"
#include "platform/Files.h"
#include "platform/Host.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

constexpr long kArcSecondsPerDegree = 3600;
constexpr long kZoneUnitsPerHour = 900;

std::vector<fs::path> CitiesFiles(const fs::path& appPath) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(appPath, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec) && EqualsIgnoreCase(it->path().extension().string(), ".LL")) {
      files.push_back(it->path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool SamePlace(const CityRecord& a, const CityRecord& b) {
  return a.City == b.City && a.Region == b.Region && a.Longitude == b.Longitude &&
         a.Latitude == b.Latitude && a.Zone == b.Zone;
}

long SignedArcSeconds(const CoordinateParts& parts) {
  const long magnitude = parts.degrees * kArcSecondsPerDegree + parts.minutes * 60L;
  return parts.negative ? -magnitude : magnitude;
}

// Degrees and minutes of an atlas text around its side letter; false when
// the text has neither letter.
struct AtlasTextParts {
  double degrees = 0, minutes = 0;
  bool positive = true;
  size_t letter = 0;  // position of the side letter
};
std::optional<AtlasTextParts> SplitAtlasText(std::string_view text, char positive, char negative) {
  size_t p = text.find(positive);
  if (p == std::string_view::npos) p = text.find(negative);
  if (p == std::string_view::npos) return std::nullopt;
  AtlasTextParts parts;
  parts.degrees = LeadingNumber(text.substr(0, p));
  parts.minutes = LeadingNumber(text.substr(p + 1, 2));
  parts.positive = text.find(positive) != std::string_view::npos;
  parts.letter = p;
  return parts;
}

}  // namespace

bool AtlasPresent(const fs::path& appPath) { return !CitiesFiles(appPath).empty(); }

std::vector<AtlasPlace> FindAtlasPlaces(const fs::path& appPath, std::string_view cityName) {
  std::vector<AtlasPlace> found;
  const std::string_view wanted = Trim(cityName);
  if (wanted.empty()) return found;
  for (const fs::path& file : CitiesFiles(appPath)) {
    const auto lines = ReadTextLines(file);
    if (!lines) continue;
    for (CityRecord& city : ParseCitiesFile(*lines).Records) {
      if (!EqualsIgnoreCase(Trim(city.City), wanted)) continue;
      const bool known = std::any_of(found.begin(), found.end(),
                                     [&](const AtlasPlace& p) { return SamePlace(p.city, city); });
      if (!known) found.push_back({std::move(city), file});
    }
  }
  return found;
}

AtlasAnswerValues AtlasAnswerFor(const CityRecord& city, bool duplicate) {
  AtlasAnswerValues answer;
  answer.longitudeArcSeconds = SignedArcSeconds(SplitCityCoordinate(city.Longitude, true));
  answer.latitudeArcSeconds = SignedArcSeconds(SplitCityCoordinate(city.Latitude, false));
  answer.duplicate = duplicate;
  answer.zoneValue = std::lround(LeadingNumber(city.Zone) * kZoneUnitsPerHour);
  answer.timeKind = 0;  // cities files hold standard time
  return answer;
}

std::string AtlasCoordinateText(long arcSeconds, char positive, char negative) {
  // Whole seconds keep the rounding exact: 30 seconds is a true half.
  const long magnitude = std::labs(arcSeconds);
  long degrees = magnitude / kArcSecondsPerDegree;
  const long seconds = magnitude % kArcSecondsPerDegree;
  long minutes = seconds / 60;
  const long rest = seconds % 60;
  if (rest > 30 || (rest == 30 && minutes % 2 == 1)) ++minutes;
  if (minutes == 60) {
    minutes = 0;
    ++degrees;
  }
  return std::to_string(degrees) + (arcSeconds < 0 ? negative : positive) + std::to_string(minutes);
}

float AtlasZoneHours(Host& host, long zoneValue, int timeKind) {
  const float zone = float(zoneValue) / float(kZoneUnitsPerHour);
  switch (timeKind) {
    case 0:
      return zone;
    case 1:
    case 2:
      return zone - 1;
    case 3:
      return zone - 2;
    default:
      host.ShowMessage("LMT is used", "LMT used", MessageIcon::Exclamation);
      return zone;
  }
}

std::string_view AtlasLookup(Host& host, const AtlasAnswerValues& answer, AtlasValues& values) {
  values.AtlasLongitudeText = AtlasCoordinateText(answer.longitudeArcSeconds, 'W', 'E');
  values.AtlasLatitudeText = AtlasCoordinateText(answer.latitudeArcSeconds, 'N', 'S');
  values.AtlasTimeZone = AtlasZoneHours(host, answer.zoneValue, answer.timeKind);
  values.AtlasAnswer = kAtlasAnswerYes;
  values.AtlasLookupOk = true;
  return answer.duplicate ? kDuplicateCityCaption : kAtlasCaption;
}

void BeginAtlasLookup(AtlasValues& values) {
  values.AtlasLookupOk = true;
  values.AtlasAnswer = 0;
}

bool FillPlaceFromAtlas(const AtlasValues& values, ChartInputFields& fields) {
  if (!values.AtlasLookupOk || values.AtlasAnswer != kAtlasAnswerYes) return false;
  const auto longitude = SplitAtlasText(values.AtlasLongitudeText, 'W', 'E');
  if (!longitude) return false;
  std::string asNumber = values.AtlasLongitudeText;
  asNumber[longitude->letter] = '.';
  if (LeadingNumber(asNumber) > 180) return false;
  const auto latitude = SplitAtlasText(values.AtlasLatitudeText, 'N', 'S');
  if (!latitude) return false;
  // A result from outside the program is a place on the globe or nothing.
  const auto onGlobe = [](const AtlasTextParts& p, double limit) {
    return p.degrees >= 0 && p.minutes >= 0 && p.minutes < 60 && p.degrees + p.minutes / 60 <= limit;
  };
  if (!onGlobe(*longitude, 180) || !onGlobe(*latitude, 90) ||
      !std::isfinite(values.AtlasTimeZone) || std::fabs(values.AtlasTimeZone) > 13) {
    return false;
  }

  fields.TimeZone = ShortestNumberText(values.AtlasTimeZone);
  fields.LongDeg = ShortestNumberText(longitude->degrees);
  fields.LongMin = ShortestNumberText(longitude->minutes);
  fields.East = !longitude->positive;
  fields.LatDeg = ShortestNumberText(latitude->degrees);
  fields.LatMin = ShortestNumberText(latitude->minutes);
  fields.South = !latitude->positive;
  return true;
}

}  // namespace orv
