#include "shell/ui/InputWindows.h"

#include <QCheckBox>
#include <QDateTime>
#include <QLineEdit>
#include <filesystem>
#include <system_error>
#include <utility>

#include "base/Links.h"
#include "commands/Workbench.h"
#include "core/AtlasProgram.h"
#include "platform/Files.h"
#include "shell/input/Atlas.h"
#include "shell/input/CitiesFile.h"
#include "shell/input/InputState.h"
#include "shell/input/NamesFile.h"
#include "shell/input/NamesFileWriter.h"
#include "shell/input/TimeZones.h"
#include "shell/ui/AtlasWindow.h"
#include "shell/ui/Geograph.h"
#include "shell/ui/InputD.h"
#include "shell/ui/InputD1.h"
#include "shell/ui/OnScreen.h"
#include "shell/ui/PickList.h"
#include "shell/ui/TimeZone.h"

namespace orv {

namespace {

// Unloads a list window: the slot lets go of it at once, so the next use
// creates a new one, and Qt deletes it once its own handlers are done.
template <typename Window>
void Unload(QPointer<Window>& slot) {
  if (Window* w = slot.data()) {
    slot = nullptr;
    w->close();
  }
}

template <typename Window>
void ShowAndRaise(Window& w) {
  w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
  w.show();
  w.raise();
  w.activateWindow();
}

constexpr std::string_view kNamesPattern = "*.FIL";
constexpr std::string_view kCitiesPattern = "*.LL";

// The names file whose folder the chooser starts in: the current one, or
// NAMES.FIL when that is gone; "" when neither is there. Found without
// reading the file, which may hold a hundred thousand people.
std::string NamesStartFile(const Workbench& workbench) {
  namespace fs = std::filesystem;
  const std::string& dataFile = workbench.Settings.DataFile;
  std::error_code error;
  if (!dataFile.empty()) {
    const fs::path chosen(dataFile);
    const fs::path path =
        chosen.is_absolute() ? chosen : ResolveInFolder(workbench.AppPath, dataFile);
    if (fs::is_regular_file(path, error)) return path.string();
  }
  const fs::path fallback = ResolveInFolder(workbench.AppPath, kDefaultNamesFile);
  return fs::is_regular_file(fallback, error) ? fallback.string() : std::string();
}

}  // namespace

void InputWindowLinks::RequireBound() const {
  RequireLinks(
      "InputWindowLinks",
      {{"HouseSystem", bool(HouseSystem)},
       {"SecondPersonChanged", bool(SecondPersonChanged)},
       {"BringMainWindowForward", bool(BringMainWindowForward)},
       {"CloseTipWindow", bool(CloseTipWindow)},
       {"ChartsComputed", bool(ChartsComputed)},
       {"ChooseFile", bool(ChooseFile)},
       {"EditNamesFile", bool(EditNamesFile)},
       {"EditCitiesFile", bool(EditCitiesFile)},
       {"Batch", std::all_of(Batch.begin(), Batch.end(), [](const auto& b) { return bool(b); })},
       {"AtlasLauncher", AtlasLauncher != nullptr}});
}

InputWindows::InputWindows(Workbench& workbench, Host& host, OutputView& dataWindow,
                           InputWindowLinks links, ChartRunLinks run)
    : workbench_(workbench),
      host_(host),
      dataWindow_(dataWindow),
      links_(std::move(links)),
      run_(std::move(run)),
      natal_(std::make_unique<InputD>(host)),
      second_(std::make_unique<InputD1>(host)) {
  NatalInputFields natal = natal_->NatalFields();
  SetNatalToNow(natal, Now(), workbench_.Options);
  natal_->SetNatalFields(natal);
  SecondChartInputFields second = second_->SecondFields();
  SetDiurnalToNow(second, Now(), workbench_.Options);
  second_->SetSecondFields(second);

  MarkAsInputWindow(*natal_);
  MarkAsInputWindow(*second_);
  connect(natal_.get(), &InputD::okClicked, this, &InputWindows::cmdOK_Click);
  connect(natal_.get(), &InputD::saveClicked, this, &InputWindows::cmdSave_Click);
  connect(natal_.get(), &InputD::nowClicked, this, &InputWindows::cmdNow_Click);
  connect(second_.get(), &InputD1::freeAreaClicked, this, &InputWindows::cmdOK_Click);
  // The second-chart window has no OK button of its own; Enter there runs
  // the natal window's.
  connect(second_.get(), &InputD1::defaultButtonPressed, this, &InputWindows::cmdOK_Click);
  connect(second_.get(), &InputD1::useNatalClicked, this, &InputWindows::chkNatOrNow_Click);
  connect(second_.get(), &InputD1::secondPersonClicked, this, &InputWindows::chk2ndPerson_Click);
  for (InputTarget target : {InputTarget::Natal, InputTarget::SecondChart}) {
    ChartInputForm& form = Form(target);
    connect(&form, &ChartInputForm::tzHelpClicked, this, [this, target] { TzHelp_Click(target); });
    connect(&form, &ChartInputForm::atlasClicked, this, [this, target] { Atlas_Click(target); });
    connect(&form, &ChartInputForm::rightClicked, this, [this] {
      if (links_.BringMainWindowForward) links_.BringMainWindowForward();
    });
  }
}

InputWindows::~InputWindows() {
  delete names_.data();
  delete cities_.data();
  delete timeZone_.data();
}

ChartInputForm& InputWindows::Form(InputTarget target) const {
  if (target == InputTarget::Natal) return *natal_;
  return *second_;
}

LocalClock InputWindows::Now() const {
  if (links_.Now) return links_.Now();
  const QDateTime now = QDateTime::currentDateTimeUtc();
  return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
          now.time().minute()};
}

bool InputWindows::SecondPerson() const { return second_->SecondPerson(); }

void InputWindows::ShowAtStartup(QPoint natalAt) {
  // The second-chart window to the right of the natal window, the names
  // window to the right of that, as far as the screen allows.
  const QRect natalFrame = PlaceForOpening(*natal_, natalAt);
  natal_->show();
  PlaceForOpening(*second_, QPoint(natalFrame.right() + 1, natalFrame.top()));
  second_->show();
  ShowList(OpenNames());
}

void InputWindows::ShowList(QWidget& list) {
  // The names and cities windows take turns at one place: where the user
  // left the last of them, or to the right of the second-chart window.
  if (listAt_) {
    PlaceForOpening(list, *listAt_, true);
  } else {
    const QRect second = OuterGeometry(*second_);
    PlaceForOpening(list, QPoint(second.right() + 1, second.top()));
  }
  ShowAndRaise(list);
}

void InputWindows::RememberListPlace(const QWidget* list) {
  if (list && list->windowHandle()) listAt_ = OuterGeometry(*list).topLeft();
}

void InputWindows::ShowForInput() {
  const bool namedNow = natal_->txtName()->text() == "Now";
  if (!namedNow) workbench_.Input.NamesList.KeepNamesListPos = false;
  // Restored and brought forward over a wheel or whatever covers them, the
  // natal window last so it takes the focus.
  ShowAndRaise(*second_);
  ReloadNamesBehindNatal();
  if (namedNow) {
    NatalInputFields natal = natal_->NatalFields();
    SetMomentToNow(natal, Now());
    natal_->SetNatalFields(natal);
  }
}

void InputWindows::ReloadNamesBehindNatal() {
  ReloadNames();
  // A window manager may give the names window, opening at a place of its
  // own, the focus as it maps it: the natal window takes it after that.
  if (names_) WaitUntilOnScreen(*names_);
  ShowAndRaise(*natal_);
}

void InputWindows::HideAll() {
  natal_->hide();
  second_->hide();
  if (names_) names_->hide();
  if (cities_) cities_->hide();
  Unload(timeZone_);
}

int InputWindows::Calculate(const std::function<void()>& alsoOnPass) {
  // The windows hide only once the checks have passed.
  ChartRunLinks links = run_;
  links.HideInputWindows = [this, also = run_.HideInputWindows, &alsoOnPass] {
    HideAll();
    if (links_.CloseTipWindow) links_.CloseTipWindow();
    if (also) also();
    if (alsoOnPass) alsoOnPass();
  };
  ChartRunHooks hooks(workbench_, host_, dataWindow_, links);
  const HouseSystemCode houseSystem =
      links_.HouseSystem ? links_.HouseSystem() : HouseSystemCode::Placidus;
  return RunCharts(workbench_, host_, *natal_, *second_, houseSystem, hooks);
}

void InputWindows::cmdOK_Click() {
  if (Calculate() == 0 && links_.ChartsComputed) links_.ChartsComputed();
}

bool InputWindows::RecalcAfterHouseChange() {
  const NatalInputFields before = natal_->NatalFields();
  const bool namedNow = before.Name == "Now";
  if (namedNow) {
    NatalInputFields natal = before;
    SetMomentToNow(natal, Now());
    natal_->SetNatalFields(natal);
  }
  const int refused = Calculate([this, namedNow] {
    if (!namedNow) workbench_.Input.NamesList.KeepNamesListPos = false;
  });
  if (refused && namedNow) natal_->SetNatalFields(before);
  return refused == 0;
}

void InputWindows::cmdSave_Click() {
  natal_->CommitHour();
  const NatalInputFields fields = natal_->NatalFields();
  const InputCheck inputIsValid = [this, &fields] {
    const bool missing = ValidateSectionPresent(host_, fields, ChartSection::Natal);
    const bool outOfRange = ValidateNatalRanges(host_, fields);
    return !missing && !outOfRange;
  };
  const NamesFileChooser choose = [this] {
    return ChooseListFile(kNamesPattern, NamesStartFile(workbench_));
  };
  if (SavePersonToNamesFile(host_, fields, inputIsValid, choose) != SaveOutcome::Saved) return;
  // The list is read anew; a locked list selects nothing, so the window
  // keeps what was saved.
  workbench_.Input.NamesList.KeepNamesListPos = true;
  ReloadNamesBehindNatal();
}

void InputWindows::cmdNow_Click() {
  NatalInputFields natal = natal_->NatalFields();
  SetNatalToNow(natal, Now(), workbench_.Options);
  natal_->SetNatalFields(natal);
}

void InputWindows::TzHelp_Click(InputTarget target) {
  workbench_.Input.ZoneTarget = target;
  const bool made = !timeZone_;
  if (made) {
    timeZone_ = new TimeZone;
    timeZone_->setAttribute(Qt::WA_DeleteOnClose);
    connect(timeZone_->lstTimeZones(), &PickList::picked, this,
            [this](int record, int) { lstTimeZones_Click(record); });
    timeZone_->ShowZones(LoadTimeZones(host_, workbench_.AppPath));
  }
  // Beside the other input window: from the natal window its right edge
  // lines up with the second-chart window's, from the second-chart window
  // its left edge with the natal window's.
  const QRect tz = timeZone_->frameGeometry();
  const QRect natal = natal_->frameGeometry();
  const QRect second = second_->frameGeometry();
  const int left =
      target == InputTarget::Natal ? second.left() + second.width() - tz.width() : natal.left();
  if (made)
    PlaceForOpening(*timeZone_, QPoint(left, timeZone_->y()));
  else
    timeZone_->move(left, timeZone_->y());
  ShowAndRaise(*timeZone_);
}

void InputWindows::lstTimeZones_Click(int record) {
  if (!timeZone_) return;
  NatalInputFields natal = natal_->NatalFields();
  SecondChartInputFields second = second_->SecondFields();
  const int zoneTarget = workbench_.Input.ZoneTarget == InputTarget::Natal ? 0 : -1;
  const auto target =
      PickTimeZone(host_, timeZone_->Zones(), std::size_t(record), zoneTarget, natal, second);
  if (target == InputTarget::Natal) natal_->SetNatalFields(natal);
  if (target == InputTarget::SecondChart) second_->SetSecondFields(second);
}

void InputWindows::Atlas_Click(InputTarget target) {
  AtlasValues& values = workbench_.Input.Atlas;
  BeginAtlasLookup(values);
  const auto fill = [this, target] {
    ChartInputForm& form = Form(target);
    ChartInputFields fields = form.Fields();
    if (FillPlaceFromAtlas(host_, workbench_.Input.Atlas, fields)) form.SetFields(fields);
  };
  if (AtlasPresent(workbench_.AppPath)) {
    // Modal, below the natal window; the place is filled in once it closes.
    // The gazetteer is read on this first use, not at start-up.
    const Gazetteer* places = AtlasGazetteer(workbench_.Input.AtlasPlaces, workbench_.AppPath, &host_);
    auto* atlas = new AtlasWindow(host_, places, zones_, AtlasLocalTime(Form(target).Fields()),
                                  values, &Form(target));
    atlas->setAttribute(Qt::WA_DeleteOnClose);
    const QRect natal = OuterGeometry(*natal_);
    PlaceForOpening(*atlas, QPoint(natal.left(), natal.bottom() + 1));
    connect(atlas, &QDialog::finished, this, fill);
    atlas->open();
    return;
  }
  if (!links_.AtlasLauncher) return;
  const auto answer = RunAtlasProgram(host_, *links_.AtlasLauncher, workbench_.Settings.AtlasDir);
  values.AtlasLookupOk = answer.lookupOk;
  values.AtlasAnswer = answer.accepted ? kAtlasAnswerYes : 0;
  values.AtlasLongitudeText = answer.longitudeText;
  values.AtlasLatitudeText = answer.latitudeText;
  values.AtlasTimeZone = answer.timeZone;
  fill();
}

void InputWindows::chkNatOrNow_Click(bool ticked) {
  SecondChartInputFields second = second_->SecondFields();
  if (ticked) {
    CopyNatalToDiurnal(natal_->NatalFields(), second);
  } else {
    SetDiurnalToNow(second, Now(), workbench_.Options);
  }
  second_->SetSecondFields(second);
}

void InputWindows::chk2ndPerson_Click(bool ticked) {
  if (!ticked) {
    SecondChartInputFields second = second_->SecondFields();
    second.SecondPersonCaption = std::string(kSecondPersonCaption);
    second_->SetSecondFields(second);
  }
  if (links_.SecondPersonChanged)
    links_.SecondPersonChanged(ticked);
}

void InputWindows::UpdateSecondAfterNatalPick(const NatalInputFields& natal,
                                              SecondChartInputFields& second) {
  if (second.UseNatalData) {
    CopyNatalToDiurnal(natal, second);
  } else {
    SetDiurnalToNow(second, Now(), workbench_.Options);
  }
}

// ---- Names

Names& InputWindows::OpenNames() {
  if (names_) return *names_;
  InputWindowsState& state = workbench_.Input;
  names_ = new Names(state.Analysis, state.NamesList.ListLocked, links_.Batch);
  names_->setAttribute(Qt::WA_DeleteOnClose);
  MarkAsInputWindow(*names_);
  PickList* list = names_->NamesOnFile();
  connect(list, &PickList::picked, this, &InputWindows::NamesOnFile_Click);
  connect(list, &PickList::doublePicked, this, &InputWindows::NamesOnFile_DblClick);
  connect(names_, &Names::lockClicked, this, [this] {
    if (names_) ToggleListLock(workbench_.Input.NamesList, names_->NamesOnFile()->SelectedRow());
  });
  connect(names_, &Names::changeListClicked, this, &InputWindows::ChangeNamesList);
  connect(names_, &Names::editListClicked, this, [this] {
    if (!links_.EditNamesFile) return;
    links_.EditNamesFile(
        [this] {
          workbench_.Input.NamesList.KeepNamesListPos = false;
          // The list is read again on Quit; a blank line or broken record
          // the Save left is said now, and not again then.
          MutedHost quiet;
          unreadNamesSaid_.clear();
          SayUnreadNames(
              LoadNamesFile(quiet, workbench_.AppPath, workbench_.Settings.DataFile).UnreadNotice);
        },
        [this] { ReloadNames(); });
  });
  connect(names_, &Names::citiesClicked, this, [this] {
    RememberListPlace(names_);
    Unload(names_);
    ReloadCities();
  });
  LoadNamesList(LoadNamesFile(host_, workbench_.AppPath, workbench_.Settings.DataFile));
  return *names_;
}

void InputWindows::ReloadNames() {
  RememberListPlace(names_);
  Unload(names_);
  ShowList(OpenNames());
}

void InputWindows::SayUnreadNames(const std::string& notice) {
  if (notice == unreadNamesSaid_) return;
  unreadNamesSaid_ = notice;
  if (!notice.empty()) host_.ShowMessage(notice, kTitleWarning, MessageIcon::Exclamation);
}

void InputWindows::LoadNamesList(NamesFileLoad load) {
  InputWindowsState& state = workbench_.Input;
  SayUnreadNames(load.UnreadNotice);
  workbench_.Settings.DataFile = load.DataFile;
  state.People = std::move(load.Records);
  std::vector<std::string> names;
  names.reserve(state.People.size());
  for (const NameRecord& r : state.People) names.push_back(r.Name);
  names_->ShowNames(ListFileCaption(load.DataFile.empty() ? load.Path.string() : load.DataFile),
                    std::move(names));
  // A locked list goes back to its place and loads that person again.
  if (const auto at = LockedReloadSelection(state.NamesList, int(state.People.size()))) {
    PickList* list = names_->NamesOnFile();
    list->SelectRow(at->row, at->topRow);
    NamesOnFile_Click(list->RecordAt(at->row), at->row);
  }
}

void InputWindows::ChangeNamesList() {
  const std::string chosen = ChooseListFile(kNamesPattern, NamesStartFile(workbench_));
  if (chosen.empty() || !names_) return;
  NamesListState& state = workbench_.Input.NamesList;
  state.KeepNamesListPos = false;
  state.LockedListIndex = 0;
  LoadNamesList(LoadChosenNamesFile(host_, chosen));
}

void InputWindows::NamesOnFile_Click(int record, int row) {
  NamesListState& state = workbench_.Input.NamesList;
  state.KeepNamesListPos = false;
  if (state.ListLocked) state.LockedListIndex = row;
  NatalInputFields natal = natal_->NatalFields();
  SecondChartInputFields second = second_->SecondFields();
  const auto target = LoadPersonIntoInput(host_, workbench_.Input.People, std::size_t(record),
                                          int(workbench_.Regional.DateOrder), natal, second);
  if (!target) return;
  if (*target == InputTarget::Natal) {
    natal_->SetNatalFields(natal);
    UpdateSecondAfterNatalPick(natal, second);
  }
  second_->SetSecondFields(second);
}

void InputWindows::NamesOnFile_DblClick(int record, int row) {
  // With a second person a double click is only a click.
  if (second_->SecondPerson()) return;
  workbench_.Input.NamesList.KeepNamesListPos = false;
  NamesOnFile_Click(record, row);
  if (Calculate() == 0) {
    RememberListPlace(names_);
    Unload(names_);
    if (links_.ChartsComputed) links_.ChartsComputed();
  } else {
    ShowAndRaise(*natal_);
  }
}

// ---- Cities

Geograph& InputWindows::OpenCities() {
  if (cities_) return *cities_;
  cities_ = new Geograph;
  cities_->setAttribute(Qt::WA_DeleteOnClose);
  MarkAsInputWindow(*cities_);
  connect(cities_->CitiesOnFile(), &PickList::picked, this,
          [this](int record, int) { CitiesOnFile_Click(record); });
  connect(cities_, &Geograph::editListClicked, this, [this] {
    if (links_.EditCitiesFile) links_.EditCitiesFile([this] { ReloadCities(); });
  });
  connect(cities_, &Geograph::changeListClicked, this, &InputWindows::ChangeCitiesList);
  connect(cities_, &Geograph::namesClicked, this, [this] {
    RememberListPlace(cities_);
    Unload(cities_);
    ReloadNames();
  });
  const auto path = CitiesFilePath(workbench_.AppPath, workbench_.Settings.GeoDataFile);
  cities_->ShowPlaces(ListFileCaption(path.string()), LoadCitiesFile(host_, path));
  return *cities_;
}

void InputWindows::ReloadCities() {
  RememberListPlace(cities_);
  Unload(cities_);
  ShowList(OpenCities());
}

void InputWindows::ChangeCitiesList() {
  const std::string chosen = ChooseListFile(
      kCitiesPattern, CitiesFilePath(workbench_.AppPath, workbench_.Settings.GeoDataFile).string());
  if (chosen.empty() || !cities_) return;
  workbench_.Settings.GeoDataFile = chosen;
  cities_->ShowPlaces(ListFileCaption(chosen), LoadCitiesFile(host_, chosen));
}

void InputWindows::CitiesOnFile_Click(int record) {
  if (!cities_) return;
  NatalInputFields natal = natal_->NatalFields();
  SecondChartInputFields second = second_->SecondFields();
  const auto target =
      LoadPlaceIntoInput(host_, cities_->Cities(), std::size_t(record), natal, second);
  if (!target) return;
  if (*target == InputTarget::Natal) {
    natal_->SetNatalFields(natal);
    UpdateSecondAfterNatalPick(natal, second);
  }
  second_->SetSecondFields(second);
}

std::string InputWindows::ChooseListFile(std::string_view pattern, const std::string& startFile) {
  if (links_.ChooseFile) return links_.ChooseFile(pattern, startFile);
  FileChoice choice;
  choice.mode = FileChoice::Mode::Open;
  choice.title = "Select a File";
  const std::filesystem::path start(startFile);
  choice.folder =
      start.has_parent_path() ? start.parent_path().string() : workbench_.AppPath.string();
  choice.proposedName = start.filename().string();
  choice.filter = "Files (" + std::string(pattern) + ")";
  return host_.ChooseFile(choice).value_or("");
}

}  // namespace orv
