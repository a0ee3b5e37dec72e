#include "core/FixedTables.h"

namespace orv {

std::string InitialRetroFlags() { return std::string(NumPoints, ' '); }

std::string InitialHousePositions() {
  // Records 1..13 blank, then the Ascendant and the MC, then whatever points
  // follow the MC blank again.
  std::string positions((ChartPoint::Ascendant - 1) * HousePositionWidth, ' ');
  positions += "---- --------- -----";
  positions.append(static_cast<size_t>(NumPoints - ChartPoint::MC) * HousePositionWidth, ' ');
  return positions;
}

}  // namespace orv
