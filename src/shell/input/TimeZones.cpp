#include "shell/input/TimeZones.h"

#include "base/Format.h"
#include "base/Text.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "shell/input/FieldReader.h"

namespace fs = std::filesystem;

namespace orv {

TimeZoneContent ParseTimeZones(const std::vector<std::string>& lines) {
  TimeZoneContent content;
  FieldStream fields(lines);
  while (!fields.AtEnd()) {
    TimeZoneRecord zone;
    zone.Name = *fields.Next();
    if (zone.Name.empty()) break;
    auto label = fields.Next();
    auto hours = fields.Next();
    if (!label || !hours || CharacterCount(zone.Name) > kZoneNameWidth ||
        CharacterCount(*label) > kZoneLabelWidth ||
        !WholeNumber(*hours)) {
      content.ErrorLine = fields.Line();
      break;
    }
    zone.Label = std::move(*label);
    zone.Hours = std::move(*hours);
    content.Records.push_back(std::move(zone));
  }
  return content;
}

std::vector<TimeZoneRecord> LoadTimeZones(Host& host, const fs::path& appPath) {
  const fs::path path = ResolveInFolder(appPath, kTimeZoneFile);
  // A table of every zone on earth is a few kilobytes; one far beyond that
  // is no table, and reading it would hold the window for seconds.
  std::error_code ec;
  if (const auto size = fs::file_size(path, ec); !ec && size > kTimeZoneFileLimit) {
    host.ShowMessage(std::string(kTimeZoneCorruptText) + " It is " + std::to_string(size) +
                         " bytes long, far more than a time-zone table holds (at most " +
                         std::to_string(kTimeZoneFileLimit) + "), so it was not read: " +
                         path.string() + ".",
                     kTitleError, MessageIcon::Critical);
    return {};
  }
  const auto lines = ReadTextLines(path);
  if (!lines) {
    ReportMissingFile(host, path.string());
    return {};
  }
  TimeZoneContent content = ParseTimeZones(*lines);
  if (content.ErrorLine) {
    host.ShowMessage(std::string(kTimeZoneCorruptText) + WhereInFile(path, {*content.ErrorLine}),
                     kTitleError, MessageIcon::Critical);
  }
  return std::move(content.Records);
}

std::string TimeZoneListLine(const TimeZoneRecord& zone) {
  const std::size_t labelChars = CharacterCount(zone.Label);
  const std::string labelPad(labelChars < kZoneLabelWidth ? kZoneLabelWidth - labelChars : 0, ' ');
  return PadToCharacters(zone.Name, kZoneNameWidth) + " - " + labelPad + zone.Label + " =" +
         PadSignedNum4(zone.Hours);
}

ZoneChoice ZoneForInput(const TimeZoneRecord& zone) {
  const double hours = LeadingNumber(zone.Hours);
  return {ShortestNumberText(hours), hours < 0};
}

std::optional<InputTarget> PickTimeZone(Host& host, const std::vector<TimeZoneRecord>& zones,
                                        size_t index, int zoneTarget, NatalInputFields& natal,
                                        SecondChartInputFields& second) {
  if (index >= zones.size() || !WholeNumber(zones[index].Hours)) {
    host.ShowMessage(kTimeZoneCorruptText, kTitleError, MessageIcon::Critical);
    return std::nullopt;
  }
  const ZoneChoice choice = ZoneForInput(zones[index]);
  ChartInputFields& target = zoneTarget != 0 ? static_cast<ChartInputFields&>(second) : natal;
  target.TimeZone = choice.TimeZone;
  target.East = choice.East;
  return zoneTarget != 0 ? InputTarget::SecondChart : InputTarget::Natal;
}

}  // namespace orv
