// The names, cities, time-zone and atlas windows.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>

#include "InputWindowsFixture.h"
#include "KeyboardToAnotherOnHide.h"
#include "PosixLauncher.h"
#include "platform/Files.h"
#include "shell/ui/AtlasWindow.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

using test::ClickRow;
using test::DoubleClickRow;
using test::InputFixture;
using test::RowOf;
using test::Text;
using test::Type;
using test::WriteFile;

std::string Moment(const ChartInputForm& form) { return InputFixture::Moment(form); }
std::string Place(const ChartInputForm& form) { return InputFixture::Place(form); }

constexpr const char* kPeople =
    "Smith,12 May 1959,10.43,A,6,75.23,39.45,x\r\n"
    "w Jones,3 Jan 1970,9.05,P,-1,-002.21,48.52,first@example.com\r\n"
    "adams,27 Jul 1936,4.05,A,4,058.23,-34.36,\r\n"
    "w Jones,18 Sep 1923,11.40,P,0,000.07,51.30,second@example.com\r\n";

// Opens the names window on `people` written as NAMES.FIL.
Names& OpenNamesOn(InputFixture& f, const char* people = kPeople) {
  WriteFile(f.dir.path() / "NAMES.FIL", people);
  f.windows->ReloadNames();
  return *f.windows->NamesWindow();
}

std::vector<std::string> Rows(const PickList* list) {
  std::vector<std::string> rows;
  for (int r = 0; r < list->count(); ++r) rows.push_back(list->RowText(r));
  return rows;
}

TEST(Names, ListsTheNamesSortedWithTheirFileAndTheDesignChoices) {
  InputFixture f;
  Names& names = OpenNamesOn(f);
  EXPECT_EQ(names.windowTitle().toStdString(), "Names");
  EXPECT_EQ(Rows(names.NamesOnFile()),
            (std::vector<std::string>{"adams", "Smith", "w Jones", "w Jones"}));
  EXPECT_EQ(names.lblNamesOnFile()->text().toStdString(), "NAMES.FIL");
  EXPECT_FALSE(names.LockList()->isChecked());
  const auto box = [&](const char* name) { return names.findChild<QCheckBox*>(name); };
  EXPECT_EQ(box("chkCheck4")->text().toStdString(), "Consider dignities?");
  const std::pair<const char*, bool> ticked[] = {
      {"chkCheck4", false}, {"chkCheck2", true}, {"Check3", true}, {"Check2", false}};
  for (const auto& [name, on] : ticked) EXPECT_EQ(box(name)->isChecked(), on) << name;
  // The batch analyses wait for their subsystem.
  for (const char* b : {"Batch", "Batch1", "Batch2", "Batch3", "Batch4", "Batch5", "Batch6"})
    EXPECT_FALSE(names.Button(b)->isEnabled()) << b;
  // A choice outlives the window.
  box("chkCheck4")->click();
  EXPECT_TRUE(f.wb.Input.Analysis.ConsiderDignities);
  f.windows->ReloadNames();
  EXPECT_TRUE(f.windows->NamesWindow()->findChild<QCheckBox*>("chkCheck4")->isChecked());
  EXPECT_EQ(f.wb.Input.People.size(), 4u);
}

TEST(Names, AWiredBatchCommandIsEnabledAndRuns) {
  int runs = 0;
  InputWindowLinks links;
  links.Batch[3] = [&runs] { ++runs; };
  InputFixture f(std::move(links));
  Names& names = OpenNamesOn(f);
  EXPECT_TRUE(names.Button("Batch3")->isEnabled());
  EXPECT_EQ(names.Button("Batch3")->text().toStdString(), "Print O.F.A. - All");
  names.Button("Batch3")->click();
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(names.Button("Batch4")->isEnabled());
}

TEST(Names, ClickingSmithFillsTheNatalWindow) {
  InputFixture f;
  Names& names = OpenNamesOn(f);
  f.natal().PmButton()->click();
  ClickRow(names.NamesOnFile(), RowOf(names.NamesOnFile(), "Smith"));
  EXPECT_TRUE(f.host.messages.empty());
  EXPECT_EQ(Text(f.natal().txtName()), "Smith");
  EXPECT_EQ(Moment(f.natal()), "5/12/1959 10:43 AM");
  EXPECT_EQ(Place(f.natal()), "75 23 W 39 45 N 6");
  EXPECT_EQ(Text(f.N(InputField::Email)), "x");
  // "Use natal data": the second chart takes the time and place, not the date.
  EXPECT_EQ(Moment(f.second()), "3/9/2026 10:43 AM");
  EXPECT_EQ(Place(f.second()), "75 23 W 39 45 N 6");
  EXPECT_FALSE(f.wb.Input.NamesList.KeepNamesListPos);

  // Without it, the second chart goes to the present moment.
  f.second().chkNatOrNow()->click();
  Type(f.D(InputField::Hour), "7");
  ClickRow(names.NamesOnFile(), RowOf(names.NamesOnFile(), "adams"));
  EXPECT_EQ(Moment(f.second()), "3/9/2026 1:5 PM");
  EXPECT_EQ(Place(f.natal()), "58 23 W 34 36 S 4");
}

TEST(Names, EnteringTheListLoadsNobodyAndTheKeyboardPicks) {
  InputFixture f;
  Names& names = OpenNamesOn(f);
  PickList* list = names.NamesOnFile();
  QApplication::setActiveWindow(&names);
  list->setFocus();
  ASSERT_TRUE(list->hasFocus());
  EXPECT_EQ(Text(f.natal().txtName()), "Now");
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(list, &down);
  EXPECT_EQ(Text(f.natal().txtName()), list->RowText(list->currentIndex().row()));
  names.hide();
}

TEST(Names, TwoEqualNamesEachLoadTheirOwnRecord) {
  InputFixture f;
  Names& names = OpenNamesOn(f);
  PickList* list = names.NamesOnFile();
  ClickRow(list, RowOf(list, "w Jones", 1));
  EXPECT_EQ(Text(f.N(InputField::Email)), "second@example.com");
  ClickRow(list, RowOf(list, "w Jones", 0));
  EXPECT_EQ(Moment(f.natal()), "1/3/1970 9:5 PM");
  EXPECT_EQ(Place(f.natal()), "2 21 E 48 52 N -1");
}

TEST(Names, WithASecondPersonTheSecondWindowIsFilledAndCaptioned) {
  InputFixture f;
  Names& names = OpenNamesOn(f);
  f.second().chk2ndPerson()->click();
  PickList* list = names.NamesOnFile();
  DoubleClickRow(list, RowOf(list, "Smith"));
  EXPECT_EQ(f.second().chk2ndPerson()->text().toStdString(), "Smith");
  EXPECT_EQ(Moment(f.second()), "5/12/1959 10:43 AM");
  EXPECT_EQ(Text(f.natal().txtName()), "Now");
  EXPECT_EQ(Moment(f.natal()), "3/9/2026 1:5 PM");
  // A double click computes nothing with a second person.
  EXPECT_FALSE(f.wb.Charts.Computed);
  EXPECT_NE(f.windows->NamesWindow(), nullptr);
}

TEST(Names, ADoubleClickComputesForTransits) {
  InputFixture f;
  f.windows->ShowAtStartup();
  PickList* list = f.windows->NamesWindow()->NamesOnFile();
  f.wb.Output.OutputLine = "an earlier page";
  AppendOutputLine(f.wb.Output, f.host);
  DoubleClickRow(list, RowOf(list, "Smith"));
  ASSERT_TRUE(f.wb.Charts.Computed);
  EXPECT_EQ(f.wb.Charts.PersonName, "Smith");
  EXPECT_FLOAT_EQ(f.wb.Charts.NatalInput.time, 10.43f);
  // The buffer was emptied for the new page; the names window is unloaded.
  EXPECT_EQ(f.wb.Output.OutputBuffer(), (std::vector<std::string>{"NATAL DATA FOR Smith", ""}));
  EXPECT_EQ(f.PageShown(), "NATAL DATA FOR Smith\n\n");
  EXPECT_EQ(f.windows->NamesWindow(), nullptr);
  EXPECT_FALSE(f.natal().isVisible());
  f.data->Close();
}

TEST(Names, ALockedListGoesBackToItsPerson) {
  InputFixture f;
  Names& names = OpenNamesOn(f);
  PickList* list = names.NamesOnFile();
  ClickRow(list, RowOf(list, "Smith"));  // row 1
  names.LockList()->click();
  EXPECT_TRUE(f.wb.Input.NamesList.ListLocked);
  EXPECT_EQ(f.wb.Input.NamesList.LockedListIndex, 1);

  // Reloaded after a click (for example by the editor's Quit): Smith is
  // selected and loaded again.
  Type(f.natal().txtName(), "Somebody");
  f.windows->ReloadNames();
  Names& again = *f.windows->NamesWindow();
  EXPECT_TRUE(again.LockList()->isChecked());
  EXPECT_EQ(again.NamesOnFile()->SelectedRow(), 1);
  EXPECT_EQ(Text(f.natal().txtName()), "Smith");

  // Which row a reload goes back to, and when, is the input state's rule
  // (tested there); unlocked, a reload selects nothing.
  again.LockList()->click();
  EXPECT_FALSE(f.wb.Input.NamesList.ListLocked);
  Type(f.natal().txtName(), "Other");
  f.windows->ReloadNames();
  EXPECT_EQ(Text(f.natal().txtName()), "Other");
}

TEST(Names, ChangeListReloadsFromTheChosenFile) {
  InputFixture f;
  Names& names = OpenNamesOn(f);
  const fs::path other = f.dir.path() / "clients.fil";
  WriteFile(other, "Brown,1 Jan 1980,1.00,A,0,000.07,51.30,\r\n");
  f.host.fileAnswers.push_back(other.string());
  names.Button("cmdNewFileList")->click();
  ASSERT_EQ(f.host.fileChoices.size(), 1u);
  EXPECT_EQ(Rows(names.NamesOnFile()), std::vector<std::string>{"Brown"});
  EXPECT_EQ(names.lblNamesOnFile()->text().toStdString(), "CLIENTS.FIL");
  EXPECT_EQ(f.wb.Settings.DataFile, other.string());

  // Cancel changes nothing.
  names.Button("cmdNewFileList")->click();
  EXPECT_EQ(Rows(names.NamesOnFile()), std::vector<std::string>{"Brown"});

}

// The names editor's Save and Quit callbacks, as the editor keeps them.
struct NamesEditor {
  std::function<void()> afterSave, afterQuit;
  InputWindowLinks Links() {
    InputWindowLinks links;
    links.EditNamesFile = [this](std::function<void()> save, std::function<void()> quit) {
      afterSave = std::move(save);
      afterQuit = std::move(quit);
    };
    return links;
  }
};

TEST(Names, EditThisListShowsTheSavedChangeOnQuit) {
  NamesEditor editor;
  InputFixture f(editor.Links());
  const auto& [afterSave, afterQuit] = editor;
  Names& names = OpenNamesOn(f);
  names.Button("cmdEditList")->click();
  ASSERT_TRUE(afterSave && afterQuit);
  // The editor saves a changed line, then quits.
  const fs::path file = f.dir.path() / "NAMES.FIL";
  ASSERT_EQ(WriteFileAtomically(file, "Smythe,12 May 1959,10.43,A,6,75.23,39.45,x\r\n"), "");
  afterSave();
  EXPECT_FALSE(f.wb.Input.NamesList.KeepNamesListPos);
  afterQuit();
  EXPECT_EQ(Rows(f.windows->NamesWindow()->NamesOnFile()), std::vector<std::string>{"Smythe"});
}

// A blank line ends the list, and so does a stray comma's empty name; when
// lines follow it, the names window says so once for what the file holds:
// not again as the list is shown anew, but again after the editor's Save
// while the line is still there.
TEST(Names, ABlankLineBeforeRecordsIsSaidOnce) {
  NamesEditor editor;
  InputFixture f(editor.Links());
  const auto& [afterSave, afterQuit] = editor;
  const fs::path file = f.dir.path() / "NAMES.FIL";
  const auto said = [&](int line, const char* lines) {
    return "Line " + std::to_string(line) + " of the names file " + file.string() +
           " is empty, and the names list ends there: " + lines +
           " not read. To list the people on " +
           (std::string(lines).starts_with("the line") ? "it" : "them") +
           ", remove the empty line with Edit this List in the Names window.";
  };
  Names& names = OpenNamesOn(f,
                             "Smith,12 May 1959,10.43,A,6,75.23,39.45,x\r\n\r\n"
                             "adams,27 Jul 1936,4.05,A,4,058.23,-34.36,\r\n\r\nnotes\r\n");
  EXPECT_EQ(Rows(names.NamesOnFile()), std::vector<std::string>{"Smith"});
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].title, "Warning!");
  EXPECT_EQ(f.host.messages[0].text, said(2, "the 2 lines after it are"));
  f.windows->ReloadNames();
  EXPECT_EQ(f.host.messages.size(), 1u);

  // Ctrl+End, Enter and a new record in the editor, then Save: said again.
  f.windows->NamesWindow()->Button("cmdEditList")->click();
  ASSERT_TRUE(afterSave && afterQuit);
  const std::string jones = "w Jones,3 Jan 1970,9.05,P,-1,-002.21,48.52,y\r\n";
  ASSERT_EQ(WriteFileAtomically(file, "Smith,12 May 1959,10.43,A,6,75.23,39.45,x\r\n\r\n" + jones),
            "");
  afterSave();
  ASSERT_EQ(f.host.messages.size(), 2u);
  EXPECT_EQ(f.host.messages[1].text, said(2, "the line after it is"));
  afterQuit();
  EXPECT_EQ(f.host.messages.size(), 2u);
  EXPECT_EQ(Rows(f.windows->NamesWindow()->NamesOnFile()), std::vector<std::string>{"Smith"});

  // The line removed: nothing to say, everyone listed.
  ASSERT_EQ(WriteFileAtomically(file, "Smith,12 May 1959,10.43,A,6,75.23,39.45,x\r\n" + jones), "");
  afterSave();
  afterQuit();
  EXPECT_EQ(f.host.messages.size(), 2u);
  EXPECT_EQ(Rows(f.windows->NamesWindow()->NamesOnFile()),
            (std::vector<std::string>{"Smith", "w Jones"}));

  // A comma at the end of Smith's record hides Jones.
  ASSERT_EQ(WriteFileAtomically(file, "Smith,12 May 1959,10.43,A,6,75.23,39.45,x,\r\n" + jones),
            "");
  afterSave();
  afterQuit();
  ASSERT_EQ(f.host.messages.size(), 3u);
  EXPECT_EQ(f.host.messages[2].text,
            "Line 1 of the names file " + file.string() +
                " has a broken record (an empty name after a comma), and the names list ends "
                "there: the line after it is not read. To list the people on it, correct that "
                "line with Edit this List in the Names window.");
  EXPECT_EQ(Rows(f.windows->NamesWindow()->NamesOnFile()), std::vector<std::string>{"Smith"});
}

TEST(Names, ABrokenRecordIsReportedOnAClick) {
  InputFixture f;
  Names& names = OpenNamesOn(f, "Bad,31 Feb 1959,10.43,A,6,75.23,39.45,x\r\n");
  // Named with its line when the list is read, and again when clicked.
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_NE(f.host.messages[0].text.find(", line 1."), std::string::npos);
  ClickRow(names.NamesOnFile(), 0);
  ASSERT_EQ(f.host.messages.size(), 2u);
  EXPECT_EQ(f.host.messages[1].title, "Error!");
  EXPECT_EQ(Text(f.natal().txtName()), "Now");
}

// ---- Cities

constexpr const char* kCities =
    "Montgomery,AL,86W18,32N22,6\r\n"
    "Boston,MA,71W04,42N22,5\r\n"
    "Sydney,NSW,151E12,33S52,-10\r\n";

Geograph& OpenCitiesOn(InputFixture& f) {
  WriteFile(f.dir.path() / "GA_MA.LL", kCities);
  f.windows->ReloadCities();
  return *f.windows->CitiesWindow();
}

TEST(Geograph, AClickCopiesThePlaceIntoTheTargetWindow) {
  InputFixture f;
  Geograph& cities = OpenCitiesOn(f);
  EXPECT_EQ(cities.windowTitle().toStdString(), "Cities");
  EXPECT_EQ(Rows(cities.CitiesOnFile()),
            (std::vector<std::string>{"Boston,MA", "Montgomery,AL", "Sydney,NSW"}));
  EXPECT_EQ(cities.lblCitiesOnFile()->text().toStdString(), "GA_MA.LL");

  ClickRow(cities.CitiesOnFile(), RowOf(cities.CitiesOnFile(), "Sydney,NSW"));
  EXPECT_EQ(Place(f.natal()), "151 12 E 33 52 S -10");
  EXPECT_EQ(Moment(f.natal()), "3/9/2026 1:5 PM");  // time and name untouched
  EXPECT_EQ(Text(f.natal().txtName()), "Now");
  // "Use natal data" brings the second chart along.
  EXPECT_EQ(Place(f.second()), "151 12 E 33 52 S -10");

  // With a second person the place goes to the second-chart window only.
  f.second().chk2ndPerson()->click();
  ClickRow(cities.CitiesOnFile(), RowOf(cities.CitiesOnFile(), "Boston,MA"));
  EXPECT_EQ(Place(f.second()), "71 4 W 42 22 N 5");
  EXPECT_EQ(Place(f.natal()), "151 12 E 33 52 S -10");
  EXPECT_TRUE(f.host.messages.empty());
}

TEST(Geograph, ChangeListAndTheNamesButton) {
  InputFixture f;
  Geograph& cities = OpenCitiesOn(f);
  const fs::path other = f.dir.path() / "europe.ll";
  WriteFile(other, "Paris,FR,02E20,48N52,-1\r\n");
  f.host.fileAnswers.push_back(other.string());
  cities.Button("cmdNewFileList")->click();
  EXPECT_EQ(Rows(cities.CitiesOnFile()), std::vector<std::string>{"Paris,FR"});
  EXPECT_EQ(cities.lblCitiesOnFile()->text().toStdString(), "EUROPE.LL");
  EXPECT_EQ(f.wb.Settings.GeoDataFile, other.string());

  cities.Button("Command1")->click();  // "Click here for names"
  EXPECT_EQ(f.windows->CitiesWindow(), nullptr);
  ASSERT_NE(f.windows->NamesWindow(), nullptr);
  f.windows->NamesWindow()->Button("Command1")->click();  // "Click here for cities"
  EXPECT_EQ(f.windows->NamesWindow(), nullptr);
  ASSERT_NE(f.windows->CitiesWindow(), nullptr);
  EXPECT_EQ(Rows(f.windows->CitiesWindow()->CitiesOnFile()), std::vector<std::string>{"Paris,FR"});
  f.windows->CitiesWindow()->close();
}

// ---- Time zones

TEST(TimeZone, AClickWritesTheZoneIntoTheWindowThatAsked) {
  InputFixture f;
  WriteFile(f.dir.path() / "TZ.DAT",
            "Eastern Standard Time,EST,5\r\nCentral European Time,CET,-1\r\n"
            "Greenwich Mean Time,GMT,0\r\n");
  f.natal().TzHelpLabel()->clicked();
  TimeZone* zones = f.windows->TimeZoneWindow();
  ASSERT_NE(zones, nullptr);
  EXPECT_EQ(zones->windowTitle().toStdString(), "Time Zones");
  PickList* list = zones->lstTimeZones();
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->RowText(0), "Central European Time            -  CET =  -1");

  ClickRow(list, 0);
  EXPECT_EQ(Place(f.natal()), "73 59 E 40 43 N -1");
  EXPECT_TRUE(zones->isVisible());  // open for another pick
  ClickRow(list, 1);
  EXPECT_EQ(Place(f.natal()), "73 59 W 40 43 N 5");

  f.second().TzHelpLabel()->clicked();
  EXPECT_EQ(f.windows->TimeZoneWindow(), zones);
  ClickRow(list, 0);
  EXPECT_EQ(Place(f.second()), "73 59 E 40 43 N -1");
  EXPECT_EQ(Place(f.natal()), "73 59 W 40 43 N 5");

  zones->findChild<QPushButton*>("Command1")->click();  // Quit
  EXPECT_FALSE(zones->isVisible());
}

// ---- Atlas

AtlasWindow* OpenAtlas(ChartInputForm& form) {
  form.AtlasLabel()->clicked();
  // The one just opened: a closed one may still wait for its deletion.
  AtlasWindow* atlas = nullptr;
  for (AtlasWindow* w : form.findChildren<AtlasWindow*>())
    if (w->isVisible()) atlas = w;
  EXPECT_NE(atlas, nullptr);
  EXPECT_TRUE(atlas && atlas->isVisible());
  return atlas;
}

// A gazetteer of three places (GeoNames coordinates).
const char* const kAtlas =
    "[countries]\nUS\tUnited States of America\n[zones]\nAmerica/Chicago\nAmerica/New_York\n"
    "[places]\nNew York\tNew York\tUS\t1\t40.7143\t-74.0060\n"
    "Springfield\tMissouri\tUS\t0\t37.2153\t-93.2982\n"
    "Springfield\tMassachusetts\tUS\t1\t42.1015\t-72.5898\n";

void TypeMoment(InputFixture& f, const char* month, const char* day, const char* year,
                const char* hour, const char* minute, bool pm) {
  for (auto [field, text] : {std::pair{InputField::Month, month}, {InputField::Day, day},
                             {InputField::Year, year}, {InputField::Hour, hour},
                             {InputField::Minute, minute}})
    Type(f.N(field), text);
  (pm ? f.natal().PmButton() : f.natal().AmButton())->click();
}

TEST(AtlasWindow, ClosingWithoutALookupChangesNothing) {
  InputFixture f;
  WriteFile(f.dir.path() / "ATLAS.DAT", kAtlas);
  // A former lookup's answer stays unused.
  f.wb.Input.Atlas = {"10W0", "10N0", 3, true, kAtlasAnswerYes};
  AtlasWindow* atlas = OpenAtlas(f.natal());
  ASSERT_NE(atlas, nullptr);
  EXPECT_EQ(atlas->windowTitle().toStdString(), "Atlas");
  atlas->reject();
  EXPECT_EQ(Place(f.natal()), "73 59 W 40 43 N 5");
}

// Zones per the tz database: New York keeps EST (5) and, in 1990 from April
// 1 to October 28, EDT (4); in 2021 the clocks went from 2:00 to 3:00 on
// March 14 and from 2:00 back to 1:00 on November 7.
TEST(AtlasWindow, ALookupFillsTheZoneInForceAtTheWindowsMoment) {
  InputFixture f;
  WriteFile(f.dir.path() / "ATLAS.DAT", kAtlas);
  TypeMoment(f, "7", "15", "1990", "9", "00", true);
  AtlasWindow* atlas = OpenAtlas(f.natal());
  ASSERT_NE(atlas, nullptr);
  atlas->txtPlace()->setText("new y");
  ASSERT_EQ(atlas->lstPlaces()->count(), 1);
  EXPECT_EQ(atlas->lstPlaces()->item(0)->text().toStdString(),
            "New York, United States of America   (America/New_York)");
  atlas->cmdLookup()->click();
  EXPECT_FALSE(atlas->isVisible());
  EXPECT_EQ(Place(f.natal()), "74 0 W 40 43 N 4");

  // An unknown place: said so, nothing changes.
  Type(f.N(InputField::TimeZone), "7");
  atlas = OpenAtlas(f.natal());
  atlas->txtPlace()->setText("Atlantis");
  atlas->cmdLookup()->click();
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text, "The atlas has no place whose name starts with \"Atlantis\".");
  EXPECT_TRUE(atlas->isVisible());
  atlas->reject();
  EXPECT_EQ(Place(f.natal()), "74 0 W 40 43 N 7");

  // A moment in the spring gap and one in the autumn overlap: the user picks.
  const struct {
    const char *month, *day, *hour, *minute, *note, *choices;
    int pick;
    const char* place;
  } changes[] = {
      {"3", "14", "2", "30",
       "New York, United States of America: 2021-03-14 02:30 did not exist in America/New_York: "
       "the clocks were put forward over it. Pick the zone the time was given in.",
       "Zone 5: EST, standard time | Zone 4: EDT, daylight time", 0, "74 0 W 40 43 N 5"},
      {"11", "7", "1", "30",
       "New York, United States of America: 2021-11-07 01:30 happened twice in America/New_York: "
       "the clocks were put back over it. Pick the one that is meant.",
       "Zone 4: EDT, daylight time | Zone 5: EST, standard time", 1, "74 0 W 40 43 N 5"},
  };
  for (const auto& c : changes) {
    TypeMoment(f, c.month, c.day, "2021", c.hour, c.minute, false);
    atlas = OpenAtlas(f.natal());
    atlas->txtPlace()->setText("New York");
    atlas->cmdLookup()->click();
    EXPECT_EQ(atlas->lblNote()->text().toStdString(), c.note);
    ASSERT_EQ(atlas->lstPlaces()->count(), 2);
    EXPECT_EQ(atlas->lstPlaces()->item(0)->text().toStdString() + " | " +
                  atlas->lstPlaces()->item(1)->text().toStdString(),
              c.choices);
    atlas->cmdLookup()->click();  // nothing picked yet
    EXPECT_TRUE(atlas->isVisible());
    atlas->lstPlaces()->setCurrentRow(c.pick);
    atlas->cmdLookup()->click();
    EXPECT_FALSE(atlas->isVisible());
    EXPECT_EQ(Place(f.natal()), c.place);
  }
  EXPECT_EQ(f.host.messages.back().text, "Pick one of the listed zones first.");
}

TEST(AtlasWindow, ADuplicateCityStaysOpenForAChoice) {
  InputFixture f;
  WriteFile(f.dir.path() / "ATLAS.DAT", kAtlas);
  TypeMoment(f, "1", "15", "1990", "9", "00", true);
  AtlasWindow* atlas = OpenAtlas(f.natal());
  ASSERT_NE(atlas, nullptr);
  atlas->txtPlace()->setText("Springfield");
  atlas->cmdLookup()->click();
  EXPECT_TRUE(atlas->isVisible());
  EXPECT_EQ(atlas->windowTitle().toStdString(), "THIS IS A DUPLICATE CITY");
  ASSERT_EQ(atlas->lstPlaces()->count(), 2);
  atlas->lstPlaces()->setCurrentRow(1);
  atlas->cmdLookup()->click();
  EXPECT_FALSE(atlas->isVisible());
  EXPECT_EQ(Place(f.natal()), "72 35 W 42 6 N 5");

  // Without a valid date the zone cannot be known: said so, nothing filled.
  Type(f.N(InputField::Day), "32");
  atlas = OpenAtlas(f.natal());
  atlas->txtPlace()->setText("new york");
  atlas->cmdLookup()->click();
  EXPECT_TRUE(atlas->isVisible());
  EXPECT_EQ(f.host.messages.back().text, kAtlasNeedsDateTime);
  atlas->reject();
  EXPECT_EQ(Place(f.natal()), "72 35 W 42 6 N 5");
}

// A place whose zone the Time Zone field cannot take (Samoa at +14 in its
// summer of 2014-15, +13 in winter: tz database) fills in nothing and is
// told, while the atlas is still open: its closing then hands the keyboard
// back to the input window (told after it, the message went to the main
// window, and so did the keyboard).
TEST(AtlasWindow, AZoneTheTimeZoneFieldCannotTakeIsToldAndFillsNothing) {
  struct Witness : test::RecordingHost {
    std::vector<bool> atlasOpen;  // at each message
    Answer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                       MessageButtons buttons, std::optional<Answer> defaultAnswer) override {
      bool open = false;
      for (QWidget* w : QApplication::topLevelWidgets())
        open = open || (qobject_cast<AtlasWindow*>(w) && w->isVisible());
      atlasOpen.push_back(open);
      return RecordingHost::ShowMessage(text, title, icon, buttons, defaultAnswer);
    }
  } witness;
  InputFixture f({}, &witness);
  WriteFile(f.dir.path() / "ATLAS.DAT",
            "[countries]\nWS\tSamoa\n[zones]\nPacific/Apia\n[places]\n"
            "Apia\tTuamasaga\tWS\t0\t-13.8333\t-171.7667\n");
  TypeMoment(f, "1", "1", "2015", "12", "00", true);
  AtlasWindow* atlas = OpenAtlas(f.natal());
  ASSERT_NE(atlas, nullptr);
  atlas->txtPlace()->setText("Apia");
  atlas->cmdLookup()->click();
  EXPECT_FALSE(atlas->isVisible());
  ASSERT_EQ(witness.messages.size(), 1u);
  EXPECT_EQ(witness.messages[0].text, AtlasZoneOutOfRange(-14));
  EXPECT_EQ(witness.atlasOpen, std::vector<bool>{true});
  EXPECT_EQ(Place(f.natal()), "73 59 W 40 43 N 5");
  TypeMoment(f, "7", "1", "2015", "12", "00", true);
  atlas = OpenAtlas(f.natal());
  atlas->txtPlace()->setText("Apia");
  atlas->cmdLookup()->click();
  EXPECT_EQ(witness.messages.size(), 1u);
  EXPECT_EQ(Place(f.natal()), "171 46 W 13 50 S -13");
}

// Once the atlas closes, whatever it told, the window it was opened from
// has the keyboard, whichever window the window manager hands it to as the
// atlas goes: after a message over the atlas, its focus order can put the
// names window first. The stand-in window manager here always does.
TEST(AtlasWindow, ItsClosingGivesTheKeyboardBackToTheWindowItWasOpenedFrom) {
  InputFixture f;
  WriteFile(f.dir.path() / "ATLAS.DAT",
            "[countries]\nWS\tSamoa\n[zones]\nPacific/Apia\n[places]\n"
            "Apia\tTuamasaga\tWS\t0\t-13.8333\t-171.7667\n");
  f.windows->ShowAtStartup();
  ASSERT_NE(f.windows->NamesWindow(), nullptr);
  test::KeyboardToAnotherOnHide windowManager(*f.windows->NamesWindow());
  const struct {
    const char* what;
    ChartInputForm* form;
    const char* month;  // Samoa at -14 in January 2015, told; at -13 in July, filled in
    std::size_t messages;
  } cases[] = {
      {"natal window, the zone told", &f.natal(), "1", 1},
      {"natal window, filled in", &f.natal(), "7", 0},
      {"second-chart window, the zone told", &f.second(), "1", 1},
      {"second-chart window, filled in", &f.second(), "7", 0},
  };
  for (const auto& c : cases) {
    Type(c.form->Field(InputField::Month), c.month);
    Type(c.form->Field(InputField::Day), "15");
    Type(c.form->Field(InputField::Year), "2015");
    c.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(c.form)) << c.what;
    f.host.messages.clear();
    AtlasWindow* atlas = OpenAtlas(*c.form);
    ASSERT_NE(atlas, nullptr) << c.what;
    atlas->installEventFilter(&windowManager);
    atlas->txtPlace()->setText("Apia");
    atlas->cmdLookup()->click();
    EXPECT_FALSE(atlas->isVisible()) << c.what;
    EXPECT_EQ(f.host.messages.size(), c.messages) << c.what;
    QTest::qWait(20);  // the activations asked for are made
    EXPECT_TRUE(QApplication::activeWindow() == c.form)
        << c.what << ": the keyboard went to "
        << (QApplication::activeWindow() ? QApplication::activeWindow()->windowTitle()
                                         : QString("no window"))
               .toStdString();
  }
}

TEST(AtlasWindow, WithoutAtlasDataTheOutsideProgramAnswers) {
  // No atlas file in the program folder: the outside atlas program runs.
  test::PosixLauncher launcher;
  InputWindowLinks links;
  links.AtlasLauncher = &launcher;
  InputFixture f(std::move(links));
  const fs::path atlasDir = f.dir.path() / "atlas";
  fs::create_directories(atlasDir);
  const fs::path program = atlasDir / "ATLAS.EXE";
  std::ofstream(program) << "#!/bin/sh\nprintf '%s\\r\\n' '" << atlasDir.string() << "/' > '"
                         << (atlasDir / "PCATPATH.TXT").string()
                         << "'\nprintf 'x\\r\\n33S52\\r\\n151E12\\r\\nx\\r\\n-10\\r\\n' > '"
                         << (atlasDir / "TSRTEMP.TXT").string() << "'\n";
  fs::permissions(program, fs::perms::owner_all);
  f.wb.Settings.AtlasDir = atlasDir.string() + "/";
  f.natal().AtlasLabel()->clicked();
  EXPECT_EQ(launcher.runs, 1);
  EXPECT_EQ(Place(f.natal()), "151 12 E 33 52 S -10");

  // Rejected (No): nothing changes.
  Type(f.N(InputField::LongDeg), "73");
  f.host.answers.push_back(Answer::No);
  f.natal().AtlasLabel()->clicked();
  EXPECT_EQ(Text(f.N(InputField::LongDeg)), "73");
}

}  // namespace
}  // namespace orv
