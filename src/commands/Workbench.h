#pragma once
// The program state: one object, created by main (and by each test), owning
// everything that changes while the program runs, grouped by subsystem.
// Functions take the parts they need by reference.

#include <filesystem>
#include <optional>
#include <string>

#include "core/ChartModel.h"
#include "core/NumberFile.h"
#include "core/ephemeris/DataTables.h"
#include "cosmodynes/CosmodynesArrays.h"
#include "reports/ReportState.h"
#include "shell/OutputBuffer.h"
#include "shell/RegionalOrder.h"
#include "shell/SettingsFile.h"
#include "shell/Startup.h"
#include "shell/input/InputState.h"
#include "wheels/WheelRequest.h"

namespace orv {

struct Workbench {
  // The program folder; every data file is opened inside it.
  std::filesystem::path AppPath;

  // `OptionValues` from Options.opt.
  OptionValues Options{};
  // `OrbValues` from the current orb file `OrbFile` (a full path).
  OrbTable OrbValues{};
  std::filesystem::path OrbFile;
  // What the settings file Orvanta8.INI keeps between runs.
  SettingsValues Settings;
  // `DateOrder` and `TimeFormat` of the user's region.
  RegionalOrder Regional;
  // The numeric tables read at start-up (wheel positions, Chiron, scores).
  DataTables Tables;
  // The two computed charts.
  ChartModel Charts;
  // The natal cosmodynes of the last run, scored from `Charts` on demand.
  Cosmodynes Cosmo;
  // The output line buffer behind the data window.
  OutputState Output;
  // The report line buffer behind the report viewer.
  ReportState Report;
  // What start-up worked out: caption prefix, screen fitting, atlas presence.
  ShellState Shell;
  // What the names, cities, time-zone and atlas windows keep between uses.
  InputWindowsState Input;
  // The wheel the last Wheels command prepared; none before the first.
  std::optional<WheelRequest> Wheel;
  // The main window's choices for the two-chart wheels.
  DualWheelChoices DualChoices;
  WheelWindowState WheelWindow;
};

}  // namespace orv
