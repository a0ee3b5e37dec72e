// The natal and second-chart input windows.

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <set>

#include "InputWindowsFixture.h"
#include "platform/Files.h"

namespace orv {
namespace {

using test::InputFixture;
using test::Text;
using test::Type;

// The widgets of `names`, in the order Tab reaches them from the first.
std::vector<std::string> TabOrder(QWidget& window, const std::vector<const char*>& names) {
  std::set<QWidget*> wanted;
  for (const char* n : names) {
    auto* w = window.findChild<QWidget*>(n);
    EXPECT_NE(w, nullptr) << n;
    wanted.insert(w);
  }
  std::vector<std::string> order;
  QWidget* w = window.findChild<QWidget*>(names.front());
  for (std::size_t guard = 0; w && order.size() < names.size() && guard < 1000; ++guard) {
    if (wanted.count(w)) order.push_back(w->objectName().toStdString());
    w = w->nextInFocusChain();
  }
  return order;
}

std::vector<std::string> Strings(const std::vector<const char*>& names) {
  return {names.begin(), names.end()};
}

TEST(InputD, TabOrderFollowsTheFieldsThenTheGroupsAndButtons) {
  InputFixture f;
  const std::vector<const char*> natal = {
      "txtName", "txtMonth",   "txtDay",     "txtYear",   "txtBirthHour", "txtBirthMinute",
      "txtTZ",   "txtLongDeg", "txtLongMin", "txtLatDeg", "txtLatMin",    "txtEmail",
      "optAM",   "optPM",      "optEast",    "optWest",   "optNorth",     "optSouth",
      "cmdOK",   "cmdSave",    "cmdNow"};
  EXPECT_EQ(TabOrder(f.natal(), natal), Strings(natal));
  const std::vector<const char*> second = {"txtDiurnalMonth",
                                           "txtDiurnalDay",
                                           "txtDiurnalYear",
                                           "txtDiurnalHour",
                                           "txtDiurnalMinute",
                                           "txtDiurnalTZ",
                                           "txtDiurnalLongDeg",
                                           "txtDiurnalLongMin",
                                           "txtDiurnalLatDeg",
                                           "txtDiurnalLatMin",
                                           "txtDiurnalEmail",
                                           "optDiurnalAM",
                                           "optDiurnalPM",
                                           "optDiurnalEast",
                                           "optDiurnalWest",
                                           "optDiurnalNorth",
                                           "optDiurnalSouth",
                                           "chkNatOrNow",
                                           "chk2ndPerson",
                                           "Option1",
                                           "Option2",
                                           "Option3",
                                           "Option4"};
  EXPECT_EQ(TabOrder(f.second(), second), Strings(second));
}

TEST(InputD, UpAndDownMoveAlongTheHourToEmailChain) {
  InputFixture f;
  f.natal().show();
  QApplication::setActiveWindow(&f.natal());
  const auto press = [&](QWidget* w, Qt::Key key) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  };
  f.N(InputField::Hour)->setFocus();
  press(f.N(InputField::Hour), Qt::Key_Down);
  EXPECT_EQ(f.natal().focusWidget(), f.N(InputField::Minute));
  press(f.N(InputField::Minute), Qt::Key_Up);
  EXPECT_EQ(f.natal().focusWidget(), f.N(InputField::Hour));
  press(f.N(InputField::Hour), Qt::Key_Up);  // the chain starts here
  EXPECT_EQ(f.natal().focusWidget(), f.N(InputField::Hour));
  f.N(InputField::Email)->setFocus();
  press(f.N(InputField::Email), Qt::Key_Down);  // and ends here
  EXPECT_EQ(f.natal().focusWidget(), f.N(InputField::Email));
  f.N(InputField::LatMin)->setFocus();
  press(f.N(InputField::LatMin), Qt::Key_Down);
  EXPECT_EQ(f.natal().focusWidget(), f.N(InputField::Email));
  f.natal().hide();
}

TEST(InputD, OpensOnThePresentMomentAndTheDefaultPlace) {
  InputFixture f;  // the clock reads 9 March 2026, 13:05
  EXPECT_EQ(Text(f.natal().txtName()), "Now");
  EXPECT_EQ(Text(f.N(InputField::Month)), "3");
  EXPECT_EQ(Text(f.N(InputField::Day)), "9");
  EXPECT_EQ(Text(f.N(InputField::Year)), "2026");
  EXPECT_EQ(Text(f.N(InputField::Hour)), "1");
  EXPECT_EQ(Text(f.N(InputField::Minute)), "5");
  EXPECT_TRUE(f.natal().PmButton()->isChecked());
  EXPECT_EQ(Text(f.N(InputField::TimeZone)), "5");
  EXPECT_EQ(Text(f.N(InputField::LongDeg)), "73");
  EXPECT_EQ(Text(f.N(InputField::LongMin)), "59");
  EXPECT_TRUE(f.natal().WestButton()->isChecked());
  EXPECT_EQ(Text(f.N(InputField::LatDeg)), "40");
  EXPECT_TRUE(f.natal().NorthButton()->isChecked());
  // The second-chart window holds the same moment and place, "Use natal
  // data" ticked, transits, "Asc only".
  EXPECT_EQ(Text(f.D(InputField::Hour)), "1");
  EXPECT_TRUE(f.second().PmButton()->isChecked());
  EXPECT_EQ(Text(f.D(InputField::LatMin)), "43");
  EXPECT_TRUE(f.second().chkNatOrNow()->isChecked());
  EXPECT_FALSE(f.second().SecondPerson());
  EXPECT_EQ(f.second().chk2ndPerson()->text().toStdString(), "2nd Person");
  EXPECT_EQ(f.second().AngleChoice(), CosmoAngleChoice::AscendantOnly);
}

TEST(InputD, TheHourRuleRunsWhenTheHourIsEntered) {
  InputFixture f;
  QLineEdit* hour = f.N(InputField::Hour);
  f.natal().AmButton()->click();
  Type(hour, "15");
  EXPECT_EQ(Text(hour), "3");
  EXPECT_TRUE(f.natal().PmButton()->isChecked());
  Type(hour, "0");  // twelve, A.M./P.M. as chosen
  EXPECT_EQ(Text(hour), "12");
  EXPECT_TRUE(f.natal().PmButton()->isChecked());
  f.natal().AmButton()->click();
  Type(hour, "12");
  EXPECT_EQ(Text(hour), "12");
  EXPECT_TRUE(f.natal().AmButton()->isChecked());
  Type(hour, "13");  // the second-chart window alike
  EXPECT_EQ(Text(f.D(InputField::Hour)), "1");
  Type(f.D(InputField::Hour), "13");
  EXPECT_EQ(Text(f.D(InputField::Hour)), "1");
  EXPECT_TRUE(f.second().PmButton()->isChecked());
  EXPECT_TRUE(f.host.messages.empty());

  Type(hour, "");
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text, "Please fill in a value for birth hour.");
  EXPECT_EQ(f.host.messages[0].title, "Warning!");
  Type(f.D(InputField::Hour), "");
  ASSERT_EQ(f.host.messages.size(), 2u);
  EXPECT_EQ(f.host.messages[1].text, "Please fill in a value for diurnal hour.");
}

TEST(InputD, APastedLongNumberInTheHourFieldIsCutToTwoDigits) {
  InputFixture f;
  QLineEdit* hour = f.N(InputField::Hour);
  QGuiApplication::clipboard()->setText("99999999");
  hour->selectAll();
  hour->paste();
  EXPECT_EQ(Text(hour), "99");
  hour->selectAll();
  hour->insert("99999999");
  EXPECT_EQ(Text(hour), "99");
  f.natal().CommitHour();
  EXPECT_EQ(Text(hour), "99");  // left for the checks
  // OK refuses it; nothing is hidden or computed.
  f.natal().show();
  f.natal().cmdOK()->click();
  EXPECT_FALSE(f.wb.Charts.Computed);
  EXPECT_TRUE(f.natal().isVisible());
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text, "Error in natal input data section. Please correct.");
  f.natal().hide();
}

TEST(InputD, KeyFiltersLeaveOutWhatAFieldDoesNotAdmit) {
  InputFixture f;
  Type(f.N(InputField::Month), "1a2");
  EXPECT_EQ(Text(f.N(InputField::Month)), "12");
  Type(f.N(InputField::Minute), "4.5x");
  EXPECT_EQ(Text(f.N(InputField::Minute)), "4.5");
  Type(f.N(InputField::TimeZone), "-5.5h");
  EXPECT_EQ(Text(f.N(InputField::TimeZone)), "-5.5");
  Type(f.N(InputField::LongDeg), "-75");
  EXPECT_EQ(Text(f.N(InputField::LongDeg)), "75");
  Type(f.N(InputField::Email), "jane.doe@example.com");
  EXPECT_EQ(Text(f.N(InputField::Email)), "jane.doe@example.com");
  Type(f.natal().txtName(), "w Jane Doe-Smith");
  EXPECT_EQ(Text(f.natal().txtName()), "w Jane Doe-Smith");
}

TEST(InputD, EastAndWestRewriteTheZonesSign) {
  InputFixture f;
  Type(f.N(InputField::TimeZone), "5");
  f.natal().EastButton()->click();
  EXPECT_EQ(Text(f.N(InputField::TimeZone)), "-5");
  f.natal().WestButton()->click();
  EXPECT_EQ(Text(f.N(InputField::TimeZone)), "5");
  Type(f.N(InputField::TimeZone), "-");  // no number: left as it is
  f.natal().EastButton()->click();
  EXPECT_EQ(Text(f.N(InputField::TimeZone)), "-");
  Type(f.D(InputField::TimeZone), "3");
  f.second().EastButton()->click();
  EXPECT_EQ(Text(f.D(InputField::TimeZone)), "-3");
}

TEST(InputD, NowFillsThePresentMomentByTheHour) {
  InputFixture f;
  Type(f.natal().txtName(), "Jane Doe");
  f.now = {2026, 7, 4, 0, 30};
  f.natal().cmdNow()->click();
  EXPECT_EQ(Text(f.natal().txtName()), "Now");
  EXPECT_EQ(Text(f.N(InputField::Hour)), "12");
  EXPECT_EQ(Text(f.N(InputField::Minute)), "30");
  EXPECT_TRUE(f.natal().AmButton()->isChecked());
  EXPECT_EQ(Text(f.N(InputField::Month)), "7");
  f.now = {2026, 7, 4, 13, 5};
  f.natal().cmdNow()->click();
  EXPECT_EQ(Text(f.N(InputField::Hour)), "1");
  EXPECT_EQ(Text(f.N(InputField::Minute)), "5");
  EXPECT_TRUE(f.natal().PmButton()->isChecked());
}

TEST(InputD, OkComputesTheChartsAndShowsTheFirstListing) {
  InputFixture f;
  f.windows->ShowAtStartup();
  f.TypeKnownBirth();
  f.second().AngleButton(CosmoAngleChoice::Both)->click();
  f.natal().cmdOK()->click();

  EXPECT_TRUE(f.host.messages.empty()) << f.host.messages[0].text;
  ASSERT_TRUE(f.wb.Charts.Computed);
  EXPECT_EQ(f.wb.Charts.PersonName, "Jane Doe");
  const ChartInputValues& in = f.wb.Charts.NatalInput;
  EXPECT_EQ(in.day, 12);
  EXPECT_EQ(in.month, 5);
  EXPECT_EQ(in.year, 1959);
  EXPECT_FLOAT_EQ(in.time, 10.43f);
  EXPECT_EQ(in.amPm, "A.M.");
  EXPECT_FLOAT_EQ(in.timeZone, 6);
  EXPECT_FLOAT_EQ(in.longitude, 75.23f);
  EXPECT_FLOAT_EQ(in.latitude, 39.45f);
  EXPECT_EQ(in.eastWest, "West");
  EXPECT_EQ(f.wb.Charts.CosmoAngles, CosmoAngleChoice::Both);
  // Chart 2 is the moment the second-chart window opened on.
  EXPECT_EQ(f.wb.Charts.DiurnalInput.year, 2026);
  EXPECT_FLOAT_EQ(f.wb.Charts.DiurnalInput.time, 1.05f);
  EXPECT_EQ(f.wb.Charts.DiurnalInput.amPm, "P.M.");

  EXPECT_EQ(f.listings, 1);
  EXPECT_EQ(f.PageShown(), "NATAL DATA FOR Jane Doe\n\n");
  EXPECT_TRUE(f.data->Window().isVisible());
  const auto lastPage = ReadFileBytes(f.dir.path() / "REPORTS" / "LASTPAGE.TXT");
  ASSERT_TRUE(lastPage);
  EXPECT_EQ(*lastPage, "NATAL DATA FOR Jane Doe\r\n\r\n\r\n");
  // The input and names windows made way for it.
  EXPECT_FALSE(f.natal().isVisible());
  EXPECT_FALSE(f.second().isVisible());
  ASSERT_NE(f.windows->NamesWindow(), nullptr);
  EXPECT_FALSE(f.windows->NamesWindow()->isVisible());
  f.data->Close();
}

TEST(InputD, AnEmptyMonthIsReportedAndTheWindowsStay) {
  InputFixture f;
  f.windows->ShowAtStartup();
  f.TypeKnownBirth();
  Type(f.N(InputField::Month), "");
  f.wb.Output.OutputLine = "an earlier page";
  AppendOutputLine(f.wb.Output, f.host);
  f.natal().cmdOK()->click();

  // Read as 0 and empty: two tests, two messages.
  ASSERT_EQ(f.host.messages.size(), 2u);
  for (const auto& m : f.host.messages) {
    EXPECT_EQ(m.text, "Error in natal input data section. Please correct.");
    EXPECT_EQ(m.title, "Warning!");
  }
  EXPECT_FALSE(f.wb.Charts.Computed);
  EXPECT_EQ(f.listings, 0);
  EXPECT_TRUE(f.natal().isVisible());
  EXPECT_TRUE(f.second().isVisible());
  EXPECT_TRUE(f.windows->NamesWindow()->isVisible());
  ASSERT_EQ(f.wb.Output.OutputBuffer.size(), 1u);  // nothing cleared
  EXPECT_EQ(f.host.busyCount, 0);
  f.windows->HideAll();
}

TEST(InputD1, ALeftClickOnTheFreeAreaRunsOk) {
  InputFixture f;
  f.TypeKnownBirth();
  f.second().show();
  const QPoint corner(f.second().width() - 2, f.second().height() - 2);
  ASSERT_EQ(f.second().childAt(corner), nullptr);
  test::Click(&f.second(), corner, Qt::RightButton);
  EXPECT_FALSE(f.wb.Charts.Computed);
  test::Click(&f.second(), corner);
  EXPECT_TRUE(f.wb.Charts.Computed);
  EXPECT_EQ(f.listings, 1);
  f.data->Close();
}

TEST(InputD1, UseNatalDataCopiesTheNatalTimeAndPlaceOrTheClock) {
  InputFixture f;
  f.TypeKnownBirth();
  QCheckBox* useNatal = f.second().chkNatOrNow();
  useNatal->click();  // cleared: the present moment and the default place
  EXPECT_FALSE(useNatal->isChecked());
  EXPECT_EQ(Text(f.D(InputField::Hour)), "1");
  EXPECT_EQ(Text(f.D(InputField::TimeZone)), "5");
  useNatal->click();  // ticked: the natal time and place, the date stays
  EXPECT_EQ(Text(f.D(InputField::Hour)), "10");
  EXPECT_EQ(Text(f.D(InputField::Minute)), "43");
  EXPECT_TRUE(f.second().AmButton()->isChecked());
  EXPECT_EQ(Text(f.D(InputField::TimeZone)), "6");
  EXPECT_EQ(Text(f.D(InputField::LongDeg)), "75");
  EXPECT_EQ(Text(f.D(InputField::LatMin)), "45");
  EXPECT_EQ(Text(f.D(InputField::Year)), "2026");
}

TEST(InputD1, SecondPersonSwitchesTheMenuAndClearsTheName) {
  InputFixture f;
  QCheckBox* box = f.second().chk2ndPerson();
  box->click();
  EXPECT_TRUE(f.windows->SecondPerson());
  SecondChartInputFields s = f.second().SecondFields();
  s.SecondPersonCaption = "w Ann & Co";
  f.second().SetSecondFields(s);
  EXPECT_EQ(f.second().SecondFields().SecondPersonCaption, "w Ann & Co");
  box->click();
  EXPECT_FALSE(f.windows->SecondPerson());
  EXPECT_EQ(box->text().toStdString(), "2nd Person");
  ASSERT_EQ(f.menuChanges.size(), 2u);
  EXPECT_TRUE(f.menuChanges[0].first);
  EXPECT_EQ(f.menuChanges[0].second, "&Natal Data - 2nd person");
  EXPECT_FALSE(f.menuChanges[1].first);
  EXPECT_EQ(f.menuChanges[1].second, "T&ransit Data");
}

TEST(InputD, SaveToDiskAddsThePersonAndReadsTheListAgain) {
  InputFixture f;
  const auto names = f.dir.path() / "NAMES.FIL";
  f.windows->ShowAtStartup();
  f.TypeKnownBirth();
  f.host.fileAnswers.push_back(names.string());
  f.natal().cmdSave()->click();
  EXPECT_TRUE(f.host.messages.empty()) << f.host.messages[0].text;
  EXPECT_EQ(*ReadFileBytes(names),
            "Smith,12 May 1959,10.43,A,6,75.23,39.45,x\r\n"
            "Jane Doe,12 May 1959,10.43,A,6,075.23,39.45,\r\n");
  ASSERT_NE(f.windows->NamesWindow(), nullptr);
  EXPECT_EQ(f.windows->NamesWindow()->NamesOnFile()->count(), 2);
  EXPECT_TRUE(f.wb.Input.NamesList.KeepNamesListPos);
  f.windows->HideAll();
}

}  // namespace
}  // namespace orv
