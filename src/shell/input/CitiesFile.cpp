#include "shell/input/CitiesFile.h"

#include <algorithm>

#include "base/Text.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "shell/input/FieldReader.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

constexpr size_t kCityFields = 5;
// The zones a chart input accepts: 12 hours West to 13 hours East.
constexpr double kMostWestZone = 12;
constexpr double kMostEastZone = -13;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view s) {
  for (char c : s)
    if (!IsDigit(c)) return false;
  return !s.empty();
}

// Degree digits of a coordinate field: 2, or 3 for a longitude not 5 long.
size_t DegreeDigits(std::string_view field, bool isLongitude) {
  return isLongitude && field.size() != 5 ? 3 : 2;
}

// Whether a coordinate field is well formed: digits, a side letter of its
// kind, two digits of minutes, within the globe.
bool IsCityCoordinate(std::string_view field, bool isLongitude) {
  const size_t digits = DegreeDigits(field, isLongitude);
  if (field.size() != digits + 3) return false;
  const char side = char(field[digits] & ~0x20);
  const bool sideOk = isLongitude ? (side == 'E' || side == 'W') : (side == 'N' || side == 'S');
  if (!sideOk || !AllDigits(field.substr(0, digits)) || !AllDigits(field.substr(digits + 1))) {
    return false;
  }
  const CoordinateParts parts = SplitCityCoordinate(field, isLongitude);
  // 180 degrees and some minutes is no longitude, 90 and some no latitude.
  const int limit = isLongitude ? 180 : 90;
  return parts.minutes < 60 && (parts.degrees < limit || (parts.degrees == limit && parts.minutes == 0));
}

bool IsCityZone(std::string_view field) {
  const auto zone = WholeNumber(field);
  return zone && *zone <= kMostWestZone && *zone >= kMostEastZone;
}

}  // namespace

std::string CityListText(const CityRecord& city) { return city.City + "," + city.Region; }

CitiesFileContent ParseCitiesFile(const std::vector<std::string>& lines) {
  CitiesFileContent content;
  for (size_t n = 0; n < lines.size(); ++n) {
    const auto fields = SplitFields(lines[n]);
    if (fields[0].empty()) break;
    if (fields.size() != kCityFields || !IsCityCoordinate(fields[2], true) ||
        !IsCityCoordinate(fields[3], false) || !IsCityZone(fields[4])) {
      content.BadLines.push_back(int(n + 1));
      continue;
    }
    content.Records.push_back({fields[0], fields[1], fields[2], fields[3], fields[4]});
  }
  return content;
}

std::vector<CityRecord> LoadCitiesFile(Host& host, const fs::path& path) {
  const auto lines = ReadTextLines(path);
  if (!lines) {
    ReportMissingFile(host, path.string());
    return {};
  }
  CitiesFileContent content = ParseCitiesFile(*lines);
  if (!content.BadLines.empty()) {
    host.ShowMessage(std::string(kCitiesFileErrorText) + WhereInFile(path, content.BadLines),
                     kTitleError, MessageIcon::Critical);
  }
  return std::move(content.Records);
}

fs::path CitiesFilePath(const fs::path& appPath, std::string_view geoDataFile) {
  if (geoDataFile.empty()) return ResolveInFolder(appPath, kDefaultCitiesFile);
  const fs::path chosen{std::string(geoDataFile)};
  return chosen.is_absolute() ? chosen : ResolveInFolder(appPath, geoDataFile);
}

CoordinateParts SplitCityCoordinate(std::string_view field, bool isLongitude) {
  const size_t digits = DegreeDigits(field, isLongitude);
  CoordinateParts parts;
  // Three characters may still spell "9e9": held to what three digits hold.
  parts.degrees =
      int(std::clamp(LeadingNumber(field.substr(0, std::min(digits, field.size()))), -99.0, 999.0));
  const char side = field.size() > digits ? char(field[digits] & ~0x20) : ' ';
  parts.negative = side == (isLongitude ? 'E' : 'S');
  parts.minutes = int(LeadingNumber(field.substr(field.size() < 2 ? 0 : field.size() - 2)));
  return parts;
}

void CityToFields(const CityRecord& city, ChartInputFields& fields) {
  const CoordinateParts longitude = SplitCityCoordinate(city.Longitude, true);
  fields.LongDeg = std::to_string(longitude.degrees);
  fields.East = longitude.negative;
  fields.LongMin = std::to_string(longitude.minutes);
  fields.TimeZone = ShortestNumberText(LeadingNumber(city.Zone));
  const CoordinateParts latitude = SplitCityCoordinate(city.Latitude, false);
  fields.LatDeg = std::to_string(latitude.degrees);
  fields.South = latitude.negative;
  fields.LatMin = std::to_string(latitude.minutes);
}

std::optional<InputTarget> LoadPlaceIntoInput(Host& host, const std::vector<CityRecord>& cities,
                                              size_t index, NatalInputFields& natal,
                                              SecondChartInputFields& second) {
  if (index >= cities.size()) {
    host.ShowMessage(kCityRecordErrorText, kTitleError, MessageIcon::Critical);
    return std::nullopt;
  }
  if (second.SecondPerson) {
    CityToFields(cities[index], second);
    return InputTarget::SecondChart;
  }
  CityToFields(cities[index], natal);
  return InputTarget::Natal;
}

}  // namespace orv
