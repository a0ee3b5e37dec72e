#include "shell/input/Atlas.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "base/Format.h"
#include "base/Text.h"
#include "core/ChartTime.h"
#include "platform/Files.h"
#include "platform/Host.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

constexpr long kArcSecondsPerDegree = 3600;
constexpr long kZoneUnitsPerHour = 900;

constexpr int kSecondsPerZoneUnit = 4;  // 1/900 hour

// The zones the Time Zone field accepts, West positive.
constexpr float kEastmostZone = -13, kWestmostZone = 12;
constexpr float kFarthestZone = 24;

long ArcSeconds(double degrees) { return std::lround(degrees * kArcSecondsPerDegree); }

std::optional<int> FieldNumber(const std::string& field, int low, int high) {
  const auto value = WholeNumber(field);
  if (!value || *value != std::floor(*value) || *value < low || *value > high) return std::nullopt;
  return int(*value);
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

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

bool AtlasPresent(const fs::path& appPath) {
  std::error_code ec;
  return fs::is_regular_file(ResolveInFolder(appPath, kGazetteerFileName), ec);
}

const Gazetteer* AtlasGazetteer(std::shared_ptr<const Gazetteer>& loaded, const fs::path& appPath,
                                Host* host) {
  if (loaded) return loaded.get();
  auto read = Gazetteer::Load(appPath);
  const std::string path = ResolveInFolder(appPath, kGazetteerFileName).string();
  if (read) loaded = std::make_shared<const Gazetteer>(std::move(*read));
  if (!host) return loaded.get();
  if (!loaded) {
    host->ShowMessageOnce("The atlas file " + path + " cannot be read: it holds no place.",
                          kTitleWarning, MessageIcon::Exclamation);
  } else if (const std::size_t line = loaded->FirstBrokenLine()) {
    host->ShowMessageOnce("Line " + std::to_string(line) + " of the atlas file " + path +
                              " is broken, so it was passed over, and so was any other broken "
                              "line. The other places can be looked up.",
                          kTitleWarning, MessageIcon::Exclamation);
  }
  return loaded.get();
}

std::optional<LocalDateTime> AtlasLocalTime(const ChartInputFields& fields) {
  const auto month = FieldNumber(fields.Month, 1, 12);
  const auto year = FieldNumber(fields.Year, 1, 9999);
  const auto hour = FieldNumber(fields.Hour, 0, 12);
  const auto minute = FieldNumber(fields.Minute, 0, 59);
  if (!month || !year || !hour || !minute) return std::nullopt;
  const auto day = FieldNumber(fields.Day, 1, DaysInMonth(*year, *month));
  if (!day) return std::nullopt;
  int hour24 = *hour;
  if (!fields.Pm && hour24 == 12) hour24 = 0;
  if (fields.Pm && hour24 < 12) hour24 += 12;
  return LocalDateTime{*year, *month, *day, hour24, *minute};
}

std::string AtlasPlaceNotFound(std::string_view typed) {
  return "The atlas has no place whose name starts with \"" + std::string(Trim(typed)) + "\".";
}

AtlasAnswerValues AtlasAnswerFor(const GazetteerPlace& place, const ZoneOffset& offset,
                                 bool duplicate) {
  AtlasAnswerValues answer;
  answer.longitudeArcSeconds = -ArcSeconds(place.LongitudeDeg);
  answer.latitudeArcSeconds = ArcSeconds(place.LatitudeDeg);
  answer.duplicate = duplicate;
  const auto units = [](int eastSeconds) {
    return std::lround(-double(eastSeconds) / kSecondsPerZoneUnit);
  };
  answer.zoneValue = units(offset.standardSeconds);
  if (offset.localMeanTime) {
    answer.zoneValue = units(offset.totalSeconds());
    answer.timeKind = 4;
  } else if (offset.daylightSeconds == 3600) {
    answer.timeKind = 1;
  } else if (offset.daylightSeconds == 7200) {
    answer.timeKind = 3;
  } else {
    answer.zoneValue = units(offset.totalSeconds());
    answer.timeKind = 0;
  }
  return answer;
}

std::string ZoneChoiceText(const ZoneOffset& offset) {
  // Irish winter time is a negative daylight part in the tz database.
  const std::string kind = offset.localMeanTime       ? "local mean time"
                           : offset.daylightSeconds <= 0 ? "standard time"
                                                         : "daylight time";
  // In the answer's unit, so the list shows what will be filled in.
  const double hours = double(std::lround(-double(offset.totalSeconds()) / kSecondsPerZoneUnit)) /
                       kZoneUnitsPerHour;
  return "Zone " + ShortestNumberText(float(hours)) + ": " +
         offset.abbreviation + ", " + kind;
}

std::string LocalDateTimeText(const LocalDateTime& when) {
  return std::to_string(when.year) + "-" + TwoDigits(when.month) + "-" + TwoDigits(when.day) + " " +
         TwoDigits(when.hour) + ":" + TwoDigits(when.minute);
}

std::string LocalTimeNote(const ZoneAtLocalTime& zone, std::string_view zoneName,
                          const LocalDateTime& when) {
  if (zone.fit == LocalTimeFit::Unique) return {};
  const std::string moment = LocalDateTimeText(when);
  if (zone.fit == LocalTimeFit::Gap)
    return moment + " did not exist in " + std::string(zoneName) +
           ": the clocks were put forward over it. Pick the zone the time was given in.";
  return moment + " happened twice in " + std::string(zoneName) +
         ": the clocks were put back over it. Pick the one that is meant.";
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

bool ZoneBeyondTheField(float zone) {
  // Samoa and Tonga in summer, or local mean time far from Greenwich; no
  // clock on Earth stood farther than a day away.
  return std::isfinite(zone) && std::fabs(zone) <= kFarthestZone &&
         (zone < kEastmostZone || zone > kWestmostZone);
}

std::string AtlasZoneOutOfRange(float zone) {
  return "The atlas gives this place the time zone " + FormatNumber(zone, "#0.##") + " (" +
         FormatNumber(std::fabs(zone), "#0.##") + " hours " + (zone < 0 ? "east" : "west") +
         " of Greenwich). The Time Zone field accepts zones from " +
         FormatNumber(kEastmostZone, "#0") + " to " + FormatNumber(kWestmostZone, "#0") +
         " only, so nothing was filled in.";
}

bool FillPlaceFromAtlas(Host& host, const AtlasValues& values, ChartInputFields& fields) {
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
  if (!onGlobe(*longitude, 180) || !onGlobe(*latitude, 90)) return false;
  const float zone = values.AtlasTimeZone;
  if (!std::isfinite(zone) || zone < kEastmostZone || zone > kWestmostZone) {
    if (ZoneBeyondTheField(zone))
      host.ShowMessage(AtlasZoneOutOfRange(zone), kTitleInformation, MessageIcon::Exclamation);
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
