#pragma once
// The chart input windows and the windows that fill them: the natal and
// second-chart windows, the names, cities and time-zone lists and the atlas.
// Created once at start-up; the windows themselves only show and take text,
// and what their buttons, labels and lists do is run here.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/ChartInput.h"
#include "core/HouseSystem.h"
#include "shell/input/InputFields.h"
#include "shell/input/InputRules.h"
#include "platform/qt/QtZoneRules.h"
#include "shell/ui/ChartInputForm.h"
#include "shell/ui/ChartRun.h"
#include "shell/ui/Geograph.h"
#include "shell/ui/Names.h"
#include "shell/ui/TimeZone.h"

namespace orv {

class Host;
class InputD;
class InputD1;
class Launcher;
class OutputView;
struct Workbench;

// What the input windows ask of the rest of the program. A link left empty
// makes its command do the least it can (tests leave some so); the program
// binds every one, as `RequireBound` checks.
struct InputWindowLinks {
  // The house system of the Houses menu's marked item; empty: Placidus.
  std::function<HouseSystemCode()> HouseSystem;
  // "2nd Person" was clicked: chart 2 is now a second person (`ticked`) or
  // transits, and the main menu's items follow. When it is cleared the dual
  // wheel also shows its normal charts again.
  std::function<void(bool ticked)> SecondPersonChanged;
  // A right click on an input window brings the main window forward.
  std::function<void()> BringMainWindowForward;
  // OK closes the tip-of-the-day window.
  std::function<void()> CloseTipWindow;
  // OK (or a double click on a name) computed new charts: a wheel on show
  // is drawn again from them.
  std::function<void()> ChartsComputed;
  // The file chooser: the path of a file matching `pattern` ("*.FIL",
  // "*.LL") picked by the user, starting at `startFile`; "" on Cancel.
  // Empty: the desktop's file dialog.
  std::function<std::string(std::string_view pattern, const std::string& startFile)> ChooseFile;
  // The plain-text editors of the current names file (`NameEdit`) and
  // cities file (`LongLat`): `afterSave` runs after each Save, `afterQuit`
  // when Quit closes the editor.
  std::function<void(std::function<void()> afterSave, std::function<void()> afterQuit)>
      EditNamesFile;
  std::function<void(std::function<void()> afterQuit)> EditCitiesFile;
  // The names window's seven batch analyses.
  Names::BatchCommands Batch;
  // The present moment in universal time; empty: the system clock.
  std::function<LocalClock()> Now;
  // Runs the outside atlas program when no atlas data is in the program
  // folder; null: the lookup ends there.
  Launcher* AtlasLauncher = nullptr;

  // Throws std::logic_error naming the first link left unbound; `Now` may
  // stay empty.
  void RequireBound() const;
};

class InputWindows : public QObject {
  Q_OBJECT

 public:
  // Creates the natal and second-chart windows with the present moment and
  // the default place. Pages go to `dataWindow`.
  InputWindows(Workbench& workbench, Host& host, OutputView& dataWindow, InputWindowLinks links,
               ChartRunLinks run);
  ~InputWindows() override;

  InputD& Natal() const { return *natal_; }
  InputD1& Second() const { return *second_; }
  // The list windows while they are loaded; null otherwise.
  Names* NamesWindow() const { return names_; }
  Geograph* CitiesWindow() const { return cities_; }
  TimeZone* TimeZoneWindow() const { return timeZone_; }

  // Shows the two input windows beside each other and the names window,
  // the natal window's frame with its top-left corner at `natalAt` (all of
  // them kept on the screen).
  void ShowAtStartup(QPoint natalAt = {});
  // The input side of the Input menu: outside "Now" the names list may go
  // back to its locked position; shows, restores and raises both input
  // windows, reloads the names window, gives the natal window the focus
  // and, for "Now", brings the date and time up to the clock.
  void ShowForInput();
  // Hides the input, names and cities windows and closes the time-zone
  // list (before a computation or a batch run).
  void HideAll();

  // OK: computes both charts from the windows and shows the first listing.
  // Returns `InputError`: 1 when the input was refused (the messages shown,
  // the windows and the output as they were). `alsoOnPass` runs once the
  // checks have passed, with the windows' own steps.
  int Calculate(const std::function<void()>& alsoOnPass = {});

  // `RecalcAfterHouseChange`: the charts again in the newly marked house
  // system, as the Input command and OK would compute them (a chart named
  // "Now" moves to the present moment). True when they were computed; when
  // the input is refused nothing has changed: windows, fields and output.
  bool RecalcAfterHouseChange();

  // `SecondChartRole` as the box shows it now; the computed charts keep
  // their own.
  bool SecondPerson() const;

  // Closes the names window and opens it again, which reads the current
  // names file anew.
  void ReloadNames();
  // Closes the cities window and opens it again on the current cities file.
  void ReloadCities();

  // What the windows' controls run.
  void cmdOK_Click();
  void cmdSave_Click();
  void cmdNow_Click();
  void TzHelp_Click(InputTarget target);
  void Atlas_Click(InputTarget target);
  void chkNatOrNow_Click(bool ticked);
  void chk2ndPerson_Click(bool ticked);
  void NamesOnFile_Click(int record, int row);
  void NamesOnFile_DblClick(int record, int row);
  void CitiesOnFile_Click(int record);
  void lstTimeZones_Click(int record);

 private:
  Names& OpenNames();
  Geograph& OpenCities();
  void LoadNamesList(struct NamesFileLoad load);
  // Says `notice` (lines the names list does not reach) unless it was the
  // last said: once for what the file holds, not at every showing.
  void SayUnreadNames(const std::string& notice);
  void ChangeNamesList();
  void ChangeCitiesList();
  std::string ChooseListFile(std::string_view pattern, const std::string& startFile);
  // After a pick filled the natal window: the second-chart window takes the
  // natal time and place ("Use natal data") or the present moment.
  void UpdateSecondAfterNatalPick(const NatalInputFields& natal, SecondChartInputFields& second);
  ChartInputForm& Form(InputTarget target) const;
  // The present moment in universal time.
  LocalClock Now() const;

  Workbench& workbench_;
  Host& host_;
  OutputView& dataWindow_;
  InputWindowLinks links_;
  ChartRunLinks run_;
  std::unique_ptr<InputD> natal_;
  std::unique_ptr<InputD1> second_;
  // Shows the names or cities window, just made, at their place.
  void ShowList(QWidget& list);
  // ReloadNames, the natal window keeping the keyboard.
  void ReloadNamesBehindNatal();
  // Keeps the place of `list` (the names or cities window, if it was on
  // screen) for the next of them to open at.
  void RememberListPlace(const QWidget* list);

  QPointer<Names> names_;
  QPointer<Geograph> cities_;
  QPointer<TimeZone> timeZone_;
  std::optional<QPoint> listAt_;
  std::string unreadNamesSaid_;
  QtZoneRules zones_;
};

}  // namespace orv
