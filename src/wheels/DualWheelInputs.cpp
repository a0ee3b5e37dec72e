#include "wheels/DualWheelInputs.h"

#include "core/FixedTables.h"
#include "core/HousePlacement.h"

namespace orv {

bool CombinedChartsExchanged(const WheelRequest& request, const OptionValues& options) {
  return request.WheelLayout == 1 && request.DualWheelShown == 0 && options[216] != 0 &&
         !request.SecondPerson;
}

SingleWheelInputs CombinedPassInputs(const WheelPaintInputs& in, bool outerRing) {
  const WheelRequest& r = *in.request;
  SingleWheelInputs s = SingleWheelInputsOf(in);
  const bool exchanged = CombinedChartsExchanged(r, *in.options);
  const std::string innerFlags = r.RetroFlags.substr(0, NumPoints);
  const bool innerChart = outerRing == exchanged;
  s.values = innerChart ? r.Longitudes : r.DualOuterLongitudes;
  s.retroFlags = innerChart ? innerFlags : r.WheelRetroFlags;
  if (!innerChart || (*in.options)[216] != 0)
    s.housePositions =
        PlacePlanetsInHouses(std::string(NumPoints * 10, ' '), s.values, r.Cusps, HouseLabels);
  s.outerRing = outerRing;
  if (outerRing) s.enabled = r.EnabledOuterPoints;
  return s;
}

DualWheelInputs TwoRingInputs(const WheelRequest& r) {
  DualWheelInputs d;
  for (std::size_t i = 1; i <= NumPoints; ++i) {
    d.values[i] = r.Longitudes[i];
    d.values[i + NumPoints] = r.DualOuterLongitudes[i];
  }
  d.cusps = r.Cusps;
  d.housePositions = r.HousePositions;
  d.retroFlags = r.HelioWheel == 1 ? std::string() : r.RetroFlags;
  d.enabledNatal = r.EnabledPoints;
  d.enabledTransit = r.EnabledOuterPoints;
  d.pointShown = r.DualPointShown;
  d.wheelKind = r.WheelKind;
  d.helio = r.HelioWheel == 1;
  return d;
}

}  // namespace orv
