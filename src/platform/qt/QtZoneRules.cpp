#include "platform/qt/QtZoneRules.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

namespace orv {

namespace {

constexpr qint64 kSecondsPerDay = 86400;

ZoneOffset OffsetAt(const QTimeZone& zone, qint64 utcSeconds) {
  const auto data = zone.offsetData(QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc()));
  ZoneOffset offset;
  offset.abbreviation = data.abbreviation.toStdString();
  offset.localMeanTime = offset.abbreviation == "LMT";
  if (offset.localMeanTime) {
    offset.standardSeconds = data.offsetFromUtc;
  } else {
    offset.standardSeconds = data.standardTimeOffset;
    offset.daylightSeconds = data.offsetFromUtc - data.standardTimeOffset;
  }
  return offset;
}

}  // namespace

ZoneAtLocalTime QtZoneRules::At(std::string_view zoneName, const LocalDateTime& when) const {
  ZoneAtLocalTime result;
  const QTimeZone zone(QByteArray(zoneName.data(), qsizetype(zoneName.size())));
  const QDate date(when.year, when.month, when.day);
  const QTime time(when.hour, when.minute);
  if (!zone.isValid() || !date.isValid() || !time.isValid()) return result;
  result.knownZone = true;

  // The wall-clock reading as if it were UTC; each offset in force within a
  // day of it is tried, and those that map back onto it are its moments.
  const qint64 wall = QDateTime(date, time, QTimeZone::utc()).toSecsSinceEpoch();
  const ZoneOffset before = OffsetAt(zone, wall - kSecondsPerDay);
  const ZoneOffset after = OffsetAt(zone, wall + kSecondsPerDay);
  for (const ZoneOffset* candidate : {&before, &after}) {
    if (candidate == &after && after.totalSeconds() == before.totalSeconds()) break;
    const qint64 utc = wall - candidate->totalSeconds();
    const ZoneOffset actual = OffsetAt(zone, utc);
    if (actual.totalSeconds() == candidate->totalSeconds()) result.offsets.push_back(actual);
  }
  if (result.offsets.size() == 2) {
    result.fit = LocalTimeFit::Overlap;
  } else if (result.offsets.empty()) {
    result.fit = LocalTimeFit::Gap;
    result.offsets = {before, after};
  }
  return result;
}

}  // namespace orv
