#pragma once
// `TimeZone` "Time Zones": the zones of TZ.DAT in a sorted fixed-pitch list.
// A pick writes the zone into the input window `ZoneTarget` names (done by
// whoever owns the input windows); the list stays open for another pick.

#include <QWidget>
#include <string>
#include <vector>

#include "shell/input/TimeZones.h"

namespace orv {

class PickList;

class TimeZone : public QWidget {
  Q_OBJECT

 public:
  explicit TimeZone(QWidget* parent = nullptr);

  // Shows a list line per zone and keeps the records, in file order, for
  // the picks.
  void ShowZones(std::vector<TimeZoneRecord> zones);
  const std::vector<TimeZoneRecord>& Zones() const { return zones_; }

  PickList* lstTimeZones() const { return list_; }

 private:
  void FitWidthTo(int characters);

  PickList* list_ = nullptr;
  std::vector<TimeZoneRecord> zones_;
};

}  // namespace orv
