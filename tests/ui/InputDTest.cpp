// The natal and second-chart input windows: that their widgets reach the
// input rules (tested on their own in the shell tests) and the chart run.

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>
#include <set>

#include "AnswerDialog.h"
#include "InputWindowsFixture.h"
#include "platform/Files.h"
#include "platform/qt/QtHost.h"

namespace orv {
namespace {

using test::InputFixture;
using test::Text;
using test::Type;

// The widgets of `names`, in the order Tab reaches them from the first.
std::vector<std::string> TabOrder(QWidget& window, const std::vector<std::string>& names) {
  std::set<QWidget*> wanted;
  for (const std::string& n : names) {
    auto* w = window.findChild<QWidget*>(QString::fromStdString(n));
    EXPECT_NE(w, nullptr) << n;
    wanted.insert(w);
  }
  std::vector<std::string> order;
  QWidget* w = window.findChild<QWidget*>(QString::fromStdString(names.front()));
  for (std::size_t guard = 0; w && order.size() < names.size() && guard < 1000; ++guard) {
    if (wanted.count(w)) order.push_back(w->objectName().toStdString());
    w = w->nextInFocusChain();
  }
  return order;
}

TEST(InputD, TabOrderFollowsTheFieldsThenTheGroupsAndButtons) {
  InputFixture f;
  // clang-format off
  const std::vector<std::string> natal = {
      "txtName", "txtMonth", "txtDay", "txtYear", "txtBirthHour", "txtBirthMinute", "txtTZ",
      "txtLongDeg", "txtLongMin", "txtLatDeg", "txtLatMin", "txtEmail", "optAM", "optPM",
      "optEast", "optWest", "optNorth", "optSouth", "cmdOK", "cmdSave", "cmdNow"};
  const std::vector<std::string> second = {
      "txtDiurnalMonth", "txtDiurnalDay", "txtDiurnalYear", "txtDiurnalHour", "txtDiurnalMinute",
      "txtDiurnalTZ", "txtDiurnalLongDeg", "txtDiurnalLongMin", "txtDiurnalLatDeg",
      "txtDiurnalLatMin", "txtDiurnalEmail", "optDiurnalAM", "optDiurnalPM", "optDiurnalEast",
      "optDiurnalWest", "optDiurnalNorth", "optDiurnalSouth", "chkNatOrNow", "chk2ndPerson",
      "Option1", "Option2", "Option3", "Option4"};
  // clang-format on
  EXPECT_EQ(TabOrder(f.natal(), natal), natal);
  EXPECT_EQ(TabOrder(f.second(), second), second);
}

TEST(InputD, UpAndDownMoveAlongTheHourToEmailChain) {
  InputFixture f;
  f.natal().show();
  QApplication::setActiveWindow(&f.natal());
  // From the focused field, a key press; where the focus is then.
  const auto press = [&](InputField from, Qt::Key key) {
    f.N(from)->setFocus();
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(f.N(from), &e);
    return f.natal().focusWidget();
  };
  EXPECT_EQ(press(InputField::Hour, Qt::Key_Down), f.N(InputField::Minute));
  EXPECT_EQ(press(InputField::Minute, Qt::Key_Up), f.N(InputField::Hour));
  EXPECT_EQ(press(InputField::Hour, Qt::Key_Up), f.N(InputField::Hour));  // the chain's ends
  EXPECT_EQ(press(InputField::Email, Qt::Key_Down), f.N(InputField::Email));
  EXPECT_EQ(press(InputField::LatMin, Qt::Key_Down), f.N(InputField::Email));
  f.natal().hide();
}

TEST(InputD, BothWindowsOpenOnThePresentMomentAndTheDefaultPlace) {
  InputFixture f;  // the clock reads 9 March 2026, 13:05
  EXPECT_EQ(Text(f.natal().txtName()), "Now");
  EXPECT_EQ(InputFixture::Moment(f.natal()), "3/9/2026 1:5 PM");
  EXPECT_EQ(InputFixture::Place(f.natal()), "73 59 W 40 43 N 5");
  EXPECT_EQ(InputFixture::Moment(f.second()), "3/9/2026 1:5 PM");
  EXPECT_EQ(InputFixture::Place(f.second()), "73 59 W 40 43 N 5");
  // "Use natal data" ticked, transits, "Asc only".
  EXPECT_TRUE(f.second().chkNatOrNow()->isChecked());
  EXPECT_FALSE(f.second().SecondPerson());
  EXPECT_EQ(f.second().chk2ndPerson()->text().toStdString(), "2nd Person");
  EXPECT_EQ(f.second().AngleChoice(), CosmoAngleChoice::AscendantOnly);
}

TEST(InputD, FieldsRunTheInputRules) {
  InputFixture f;
  // The key filter of each kind of field.
  const struct {
    InputField field;
    const char* typed;
    const char* kept;
  } filtered[] = {{InputField::Month, "1a2", "12"}, {InputField::TimeZone, "-5.5h", "-5.5"}};
  for (const auto& c : filtered) {
    Type(f.N(c.field), c.typed);
    EXPECT_EQ(Text(f.N(c.field)), c.kept) << c.typed;
  }
  Type(f.natal().txtName(), "w Jane Doe-Smith");
  EXPECT_EQ(Text(f.natal().txtName()), "w Jane Doe-Smith");

  // The hour rule when an hour is entered, in either window.
  f.natal().AmButton()->click();
  Type(f.N(InputField::Hour), "15");
  Type(f.D(InputField::Hour), "13");
  EXPECT_EQ(Text(f.N(InputField::Hour)), "3");
  EXPECT_TRUE(f.natal().PmButton()->isChecked());
  EXPECT_EQ(Text(f.D(InputField::Hour)), "1");
  EXPECT_TRUE(f.second().PmButton()->isChecked());

  // East and West rewrite the zone's sign, in either window.
  Type(f.N(InputField::TimeZone), "5");
  f.natal().EastButton()->click();
  EXPECT_EQ(Text(f.N(InputField::TimeZone)), "-5");
  f.natal().WestButton()->click();
  EXPECT_EQ(Text(f.N(InputField::TimeZone)), "5");
  Type(f.D(InputField::TimeZone), "3");
  f.second().EastButton()->click();
  EXPECT_EQ(Text(f.D(InputField::TimeZone)), "-3");
  EXPECT_TRUE(f.host.messages.empty());

  // An empty hour: each window's own message.
  Type(f.N(InputField::Hour), "");
  Type(f.D(InputField::Hour), "");
  ASSERT_EQ(f.host.messages.size(), 2u);
  EXPECT_EQ(f.host.messages[0].text, "Please fill in a value for birth hour.");
  EXPECT_EQ(f.host.messages[0].title, "Warning!");
  EXPECT_EQ(f.host.messages[1].text, "Please fill in a value for diurnal hour.");
}

TEST(InputD, APastedLongNumberInTheHourFieldIsCutToTwoDigitsAndRefusedByOk) {
  InputFixture f;
  QLineEdit* hour = f.N(InputField::Hour);
  QGuiApplication::clipboard()->setText("99999999");
  hour->selectAll();
  hour->paste();
  EXPECT_EQ(Text(hour), "99");
  f.natal().CommitHour();
  EXPECT_EQ(Text(hour), "99");  // left for the checks
  f.natal().show();
  f.natal().cmdOK()->click();
  EXPECT_FALSE(f.wb.Charts.Computed);
  EXPECT_TRUE(f.natal().isVisible());
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text, "Error in natal input data section. Please correct.");
  f.natal().hide();
}

TEST(InputD, NowFillsThePresentMoment) {
  InputFixture f;
  Type(f.natal().txtName(), "Jane Doe");
  f.now = {2026, 7, 4, 4, 16};  // universal time; the window shows the default zone 5
  f.natal().cmdNow()->click();
  EXPECT_EQ(Text(f.natal().txtName()), "Now");
  EXPECT_EQ(InputFixture::Moment(f.natal()), "7/3/2026 11:16 PM");
  EXPECT_EQ(f.natal().Fields().TimeZone, "5");
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
  EXPECT_FLOAT_EQ(f.wb.Charts.NatalInput.longitude, 75.23f);  // the fields' conversion is core's
  EXPECT_EQ(f.wb.Charts.CosmoAngles, CosmoAngleChoice::Both);
  // Chart 2 is the moment the second-chart window opened on.
  EXPECT_EQ(f.wb.Charts.DiurnalInput.year, 2026);
  EXPECT_FLOAT_EQ(f.wb.Charts.DiurnalInput.time, 1.05f);
  EXPECT_EQ(f.wb.Charts.DiurnalInput.amPm, "P.M.");

  EXPECT_EQ(f.listings, 1);
  EXPECT_EQ(f.PageShown(), "NATAL DATA FOR Jane Doe\n\n");
  EXPECT_TRUE(f.data->Window().isVisible());
  EXPECT_EQ(ReadFileBytes(f.dir.path() / "REPORTS" / "LASTPAGE.TXT").value_or(""),
            "NATAL DATA FOR Jane Doe\r\n\r\n\r\n");
  // The input and names windows made way for it.
  EXPECT_FALSE(f.natal().isVisible());
  EXPECT_FALSE(f.second().isVisible());
  ASSERT_NE(f.windows->NamesWindow(), nullptr);
  EXPECT_FALSE(f.windows->NamesWindow()->isVisible());
  f.data->Close();
}

TEST(InputD, OkWithTransitInterpretationsChosenShowsThem) {
  InputFixture f;
  f.wb.Options[33] = 1;
  f.TypeKnownBirth();
  f.natal().cmdOK()->click();
  EXPECT_EQ(f.listings, 1);
  EXPECT_EQ(f.PageShown(), "TRANSITS FOR Jane Doe\n\n");
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
  ASSERT_EQ(f.wb.Output.OutputCount(), 1u);  // nothing cleared
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
  EXPECT_EQ(InputFixture::Moment(f.second()), "3/9/2026 1:5 PM");
  EXPECT_EQ(InputFixture::Place(f.second()), "73 59 W 40 43 N 5");
  useNatal->click();  // ticked: the natal time and place, the date stays
  EXPECT_EQ(InputFixture::Moment(f.second()), "3/9/2026 10:43 AM");
  EXPECT_EQ(InputFixture::Place(f.second()), "75 23 W 39 45 N 6");
}

TEST(InputD1, SecondPersonSwitchesTheMenuAndClearsTheName) {
  InputFixture f;
  QCheckBox* box = f.second().chk2ndPerson();
  box->click();
  EXPECT_TRUE(f.windows->SecondPerson());
  // A person loaded as chart 2 keeps the name as it is; the box's caption
  // doubles the "&" only for showing it.
  test::WriteFile(f.dir.path() / "NAMES.FIL",
                  "Tom & Jerry,12 May 1959,10.43,A,6,75.23,39.45,x\r\n");
  f.windows->ReloadNames();
  test::ClickRow(f.windows->NamesWindow()->NamesOnFile(), 0);
  EXPECT_EQ(f.second().SecondFields().SecondPersonCaption, "Tom & Jerry");
  EXPECT_EQ(box->text().toStdString(), "Tom && Jerry");
  box->click();
  EXPECT_FALSE(f.windows->SecondPerson());
  EXPECT_EQ(box->text().toStdString(), "2nd Person");
  EXPECT_EQ(f.secondPersonTicks, (std::vector<bool>{true, false}));
}

TEST(InputD, EnterRunsOkFromEitherWindowUnlessAnotherButtonHasIt) {
  for (const auto& [name, runs] : {std::pair{"txtName", 1}, {"txtLatMin", 1}, {"optAM", 1},
                                   {"txtDiurnalYear", 1}, {"chkNatOrNow", 1}, {"cmdNow", 0}}) {
    InputFixture f;
    f.TypeKnownBirth();
    QWidget* w = f.natal().findChild<QWidget*>(name);
    test::PressEnter(w ? w : f.second().findChild<QWidget*>(name));
    EXPECT_EQ(f.listings, runs) << name;
    f.data->Close();
  }
  InputFixture f;  // an empty hour is reported once; OK does not run
  f.TypeKnownBirth();
  f.N(InputField::Hour)->clear();
  f.N(InputField::Hour)->setModified(true);
  test::PressEnter(f.N(InputField::Hour));
  EXPECT_EQ(f.listings, 0);
  EXPECT_EQ(f.host.messages.size(), 1u);
}

// Houses > Koch at latitude 70 is refused and nothing moves; Meridian casts.
// Input brings the input windows back over whatever covers them (a wheel
// window opens over them) and out of the task bar, the natal window last,
// with the focus.
TEST(InputWindows, InputRestoresAndRaisesBothWindowsWithTheFocusOnTheNatalOne) {
  InputFixture f;
  f.windows->ShowAtStartup();
  QWidget cover;
  cover.setGeometry(f.natal().geometry().united(f.second().geometry()));
  f.natal().showMinimized();
  f.second().showMinimized();
  cover.show();
  cover.activateWindow();
  QApplication::processEvents();
  f.windows->ShowForInput();
  QApplication::processEvents();
  EXPECT_FALSE(f.natal().isMinimized());
  EXPECT_FALSE(f.second().isMinimized());
  EXPECT_TRUE(f.natal().isVisible() && f.second().isVisible());
  EXPECT_EQ(QApplication::activeWindow(), &f.natal());
}

// The second-chart window opens large enough for all it holds, the four
// "Incl. Angles?" buttons last, also once a long name heads its box.
TEST(InputD1, EveryAngleButtonLiesInsideTheWindow) {
  InputFixture f;
  f.windows->ShowAtStartup();
  SecondChartInputFields fields = f.second().SecondFields();
  fields.SecondPersonCaption = "w Margarethe Vollmer-Oppenheimer";
  f.second().SetSecondFields(fields);
  QApplication::processEvents();
  for (const auto choice : {CosmoAngleChoice::None, CosmoAngleChoice::AscendantOnly,
                            CosmoAngleChoice::Both, CosmoAngleChoice::MCOnly}) {
    const QWidget* button = f.second().AngleButton(choice);
    const QRect at(button->mapTo(&f.second(), QPoint(0, 0)), button->size());
    EXPECT_TRUE(f.second().rect().contains(at)) << int(choice);
  }
}

TEST(InputWindows, AHouseChangeChecksTheInputBeforeChangingAnything) {
  for (const auto system : {HouseSystemCode::Koch, HouseSystemCode::Meridian}) {
    const bool refused = system == HouseSystemCode::Koch;
    InputWindowLinks links;
    links.HouseSystem = [system] { return system; };
    InputFixture f(std::move(links));
    f.windows->ShowAtStartup();
    f.TypeKnownBirth();
    Type(f.N(InputField::LatDeg), "70");
    ClearAllOutput(f.wb.Output);
    f.wb.Output.OutputLine = "an earlier page";
    AppendOutputLine(f.wb.Output, f.host);
    EXPECT_EQ(f.windows->RecalcAfterHouseChange(), !refused);
    EXPECT_EQ(f.natal().isVisible() && f.second().isVisible(), refused);
    EXPECT_EQ(f.wb.Output.OutputBuffer().front(),
              refused ? "an earlier page" : "NATAL DATA FOR Jane Doe");
    EXPECT_EQ(f.host.messages.size(), refused ? 1u : 0u);
    f.windows->HideAll();
    f.data->Close();
  }
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

// A name already on file: Enter at the question keeps the record on file,
// e-mail and all, and appends the typed one, as No does. The Natal Input
// window has the keyboard again, not the names window read anew.
TEST(InputD, EnterAtTheReplaceQuestionKeepsThePersonOnFile) {
  QtHost dialogs;
  InputFixture f({}, &dialogs);
  const auto names = f.dir.path() / "NAMES.FIL";
  f.windows->ShowAtStartup();
  f.TypeKnownBirth();
  Type(f.natal().txtName(), "Smith");
  f.natal().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f.natal()));
  test::AnswerDialog([&](QDialog& chooser) {
    test::AnswerDialog([&](QDialog& question) {
      EXPECT_EQ(question.windowTitle(), "Smith already exists");
      QTest::keyClick(&question, Qt::Key_Return);
    });
    test::ChooseFile(chooser, names);
  });
  f.natal().cmdSave()->click();
  QTest::qWait(20);
  EXPECT_EQ(*ReadFileBytes(names),
            "Smith,12 May 1959,10.43,A,6,75.23,39.45,x\r\n"
            "Smith,12 May 1959,10.43,A,6,075.23,39.45,\r\n");
  EXPECT_EQ(QApplication::activeWindow(), &f.natal());
  const QWidget* focus = QApplication::focusWidget();
  EXPECT_EQ(focus ? focus->window() : nullptr, &f.natal());
  f.windows->HideAll();
}

}  // namespace
}  // namespace orv
