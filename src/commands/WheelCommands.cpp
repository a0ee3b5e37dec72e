#include "commands/WheelCommands.h"

#include <utility>

#include "base/Text.h"
#include "commands/DualWheelCommands.h"
#include "commands/Workbench.h"
#include "core/FixedTables.h"
#include "core/HousePlacement.h"
#include "core/ephemeris/Chiron.h"
#include "listings/CompositeListings.h"
#include "platform/Host.h"
#include "wheels/WheelHeader.h"
#include "wheels/WheelLayout.h"

namespace orv {

namespace {

// Answers the first prompt with a recorded answer, then asks the user.
class ReplayHost final : public Host {
 public:
  ReplayHost(Host& host, std::optional<std::string> answer)
      : host_(host), answer_(std::move(answer)) {}
  Answer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                     MessageButtons buttons, std::optional<Answer> defaultAnswer) override {
    return host_.ShowMessage(text, title, icon, buttons, defaultAnswer);
  }
  std::string PromptText(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override {
    if (answer_) return *std::exchange(answer_, std::nullopt);
    return host_.PromptText(prompt, title, defaultText);
  }
  std::optional<std::string> ChooseFile(const FileChoice& choice) override {
    return host_.ChooseFile(choice);
  }
  void BeginBusy() override { host_.BeginBusy(); }
  void EndBusy() override { host_.EndBusy(); }
  void SetClipboardText(std::string_view text) override { host_.SetClipboardText(text); }

 private:
  Host& host_;
  std::optional<std::string> answer_;
};

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// The equal frame of the declination and heliocentric wheels, the points
// placed in its houses.
void OnEqualFrame(WheelRequest& r, const PointArray<double>& angles, std::string records) {
  r.Cusps = EqualFrameCusps();
  r.Longitudes = angles;
  r.RetroFlags = Blanks(NumPoints);
  r.HousePositions = PlacePlanetsInHouses(std::move(records), r.Longitudes, r.Cusps, HouseLabels);
}

// A chart's own cusps, positions, retrograde flags and house records.
void FromChart(WheelRequest& r, const ChartArrays& chart) {
  r.Cusps = chart.Cusps;
  r.Longitudes = chart.Longitudes;
  r.RetroFlags = chart.RetroFlags;
  r.HousePositions = chart.HousePositions;
}

}  // namespace

std::string CompositeLatitudeLine(std::string_view latitudeText) {
  const double value = LeadingNumber(latitudeText);
  if (value == 99) return "Midpoint composite houses";
  if (value < 0) return "Latitude = " + std::string(latitudeText.substr(1)) + " South";
  return "Latitude = " + std::string(latitudeText) + " North";
}

void PrepareSingleWheel(Workbench& workbench, SingleWheelKind kind, const SecondPersonBox& box,
                        Host& host) {
  ChartModel& charts = workbench.Charts;
  WheelRequest r;
  r.HelioWheel = kind == SingleWheelKind::Helio || kind == SingleWheelKind::HelioLatitudes;
  r.DeclinationSingleWheel =
      kind == SingleWheelKind::Declinations || kind == SingleWheelKind::HelioLatitudes;
  r.EnabledPoints = workbench.Settings.EnabledNatalPlanets;
  std::optional<CompositeChart> composite;
  if (kind == SingleWheelKind::Composite)
    composite = CalcCompositeOf(charts, workbench.Options, host);
  SetupNatalWheelHeader(charts, r.InnerWheelHeader, r.OuterWheelHeader);
  std::string_view orbFile = "NATAL.ORB";
  const ChartArrays& natal = charts.Natal;
  switch (kind) {
    case SingleWheelKind::Natal:
      FromChart(r, natal);
      charts.Kind = ChartKind::Natal;
      break;
    case SingleWheelKind::Declinations:
      r.InnerWheelHeader[1] = charts.PersonName + " - natal declinations";
      OnEqualFrame(r, DeclinationDisplayAngles(natal.Declinations), Blanks(NumPoints * 10));
      charts.Kind = ChartKind::Natal;
      break;
    case SingleWheelKind::Helio:
      r.InnerWheelHeader[1] = charts.PersonName + " - Heliocentric";
      r.InnerWheelHeader[7].clear();
      orbFile = "MAGI_NAT.ORB";
      OnEqualFrame(r, natal.HelioLongitudes, natal.HousePositions);
      charts.Kind = ChartKind::Natal;
      break;
    case SingleWheelKind::HelioLatitudes:
      r.InnerWheelHeader[1] = charts.PersonName + " - natal helio latitudes";
      OnEqualFrame(r, DeclinationDisplayAngles(natal.HelioLatitudes), Blanks(NumPoints * 10));
      charts.Kind = ChartKind::Natal;
      break;
    case SingleWheelKind::Transits: {
      const ChartArrays& second = charts.Diurnal;
      SetChartHeaderLines(r.InnerWheelHeader, box.checked ? box.caption : "Transit chart",
                          charts.DiurnalInput, second.SiderealText);
      if (!box.checked) orbFile = "TRANSIT.ORB";
      FromChart(r, second);
      charts.Kind = ChartKind::Second;
      break;
    }
    case SingleWheelKind::Composite: {
      WheelHeaderLines& h = r.InnerWheelHeader;
      const std::string system = h[7];
      h = {};
      h[1] = charts.PersonName;
      h[2] = box.caption;
      h[3] = "Composite chart";
      h[4] = CompositeLatitudeLine(composite->latitudeText);
      h[5] = system;
      orbFile = "COMPOSIT.ORB";
      r.Cusps = composite->houseCusps;
      r.Longitudes = composite->longitudes;
      r.RetroFlags = composite->retroFlags;
      r.HousePositions = composite->housePositions;
      r.CompositeLatitudeText = composite->latitudeText;
      charts.Kind = ChartKind::Composite;
      break;
    }
  }
  r.HasChiron = kind == SingleWheelKind::Composite ? composite->hasChiron
                 : kind == SingleWheelKind::Transits ? charts.Diurnal.HasChiron
                                                     : natal.HasChiron;
  // Said where the single wheels leave the second header block empty, in
  // lines the width of the first block's.
  if (!r.HasChiron)
    r.OuterWheelHeader = {"", "Chiron is tabulated from", ChironBoundText(ChironFirstJd),
                          "to " + ChironBoundText(ChironEndJd) + ";",
                          "it is left out of this chart."};  // lines 1 to 4
  r.OrbFile = workbench.AppPath / orbFile;
  r.Chart = charts.Kind;
  // The wheel's orb file is the current one, which the orb commands choose
  // and edit.
  workbench.OrbFile = r.OrbFile;
  r.Declinations =
      kind == SingleWheelKind::Transits ? charts.Diurnal.Declinations : natal.Declinations;
  // A wheel of one chart ends any Switch of the combined wheel.
  workbench.DualChoices.WheelsSwitched = 0;
  workbench.Wheel = std::move(r);
}

std::optional<SingleWheelKind> SingleWheelKindOf(const WheelRequest& r) {
  if (r.WheelKind != 1) return std::nullopt;
  switch (r.Chart) {
    case ChartKind::Second:
      return SingleWheelKind::Transits;
    case ChartKind::Composite:
      return SingleWheelKind::Composite;
    case ChartKind::Natal:
      break;
  }
  if (r.HelioWheel != 0)
    return r.DeclinationSingleWheel != 0 ? SingleWheelKind::HelioLatitudes : SingleWheelKind::Helio;
  return r.DeclinationSingleWheel != 0 ? SingleWheelKind::Declinations : SingleWheelKind::Natal;
}

bool PrepareCurrentWheelAgain(Workbench& workbench, const SecondPersonBox& box, Host& host) {
  if (!workbench.Wheel) return false;
  const std::optional<SingleWheelKind> kind = SingleWheelKindOf(*workbench.Wheel);
  if (!kind) {
    RedrawDualWheel(workbench, std::nullopt, box);
    return true;
  }
  const std::string& answer = workbench.Wheel->CompositeLatitudeText;
  ReplayHost replay(host, answer.empty() ? std::nullopt : std::optional(answer));
  PrepareSingleWheel(workbench, *kind, box, replay);
  return true;
}

}  // namespace orv
