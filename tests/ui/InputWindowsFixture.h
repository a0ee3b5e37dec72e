#pragma once
// The input windows as the program creates them, over a program folder of
// their own, with a fixed clock and a listing that writes a known page.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "TempDir.h"
#include "commands/Workbench.h"
#include "shell/OutputBuffer.h"
#include "shell/ui/InputD.h"
#include "shell/ui/InputD1.h"
#include "shell/ui/InputWindows.h"
#include "shell/ui/OutputD1.h"
#include "shell/ui/PickList.h"

namespace orv::test {

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

// Replaces a field's text as a user does: select all, type (through the
// field's key filter), and leave the field (Return would run OK).
inline void Type(QLineEdit* edit, const std::string& text) {
  edit->selectAll();
  edit->insert(QString::fromStdString(text));
  emit edit->editingFinished();
}

inline void PressEnter(QWidget* widget) {
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(widget, &enter);
}

// A left or right click at `at` in `widget`.
inline void Click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), button, button,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), button, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QApplication::sendEvent(widget, &release);
}

// The list row showing `text`; -1 when none.
inline int RowOf(const PickList* list, const std::string& text, int nth = 0) {
  for (int r = 0; r < list->count(); ++r)
    if (list->RowText(r) == text && nth-- == 0) return r;
  return -1;
}

// A click on the list entry at `row`, as the mouse gives it.
inline void ClickRow(PickList* list, int row) {
  ASSERT_GE(row, 0);
  list->setCurrentRow(row);
  emit list->clicked(list->model()->index(row, 0));
}

inline void DoubleClickRow(PickList* list, int row) {
  ClickRow(list, row);
  emit list->doubleClicked(list->model()->index(row, 0));
}

struct InputFixture {
  TempDir dir;
  RecordingHost host;
  Workbench wb;
  std::unique_ptr<DataWindowSlot> data;
  std::unique_ptr<InputWindows> windows;
  LocalClock now{2026, 3, 9, 18, 5};  // universal time: 1.05 P.M. in the shipped zone 5
  std::vector<bool> secondPersonTicks;  // each change of the "2nd Person" box
  int listings = 0;

  // `dialogs`: the host the windows ask through instead of `host`.
  explicit InputFixture(InputWindowLinks links = {}, Host* dialogs = nullptr) {
    Host& asked = dialogs ? *dialogs : host;
    wb.AppPath = dir.path();
    WriteFile(dir.path() / "NAMES.FIL", "Smith,12 May 1959,10.43,A,6,75.23,39.45,x\r\n");
    // The default place: zone 5, 73W59 40N43.
    for (auto [option, value] :
         {std::pair{18, 5}, {19, 73}, {20, 59}, {22, 40}, {23, 43}, {30, 60}})
      wb.Options[option] = float(value);
    data = std::make_unique<DataWindowSlot>(wb, wb.Options, asked, DataWindowSettings{}, 1.5,
                                            DataWindowLinks{});
    links.Now = [this] { return now; };
    if (!links.SecondPersonChanged) {
      links.SecondPersonChanged = [this](bool ticked) { secondPersonTicks.push_back(ticked); };
    }
    ChartRunLinks run;
    // The natal listing as the listing subsystem writes it: a page of its own.
    run.Listings.ListNatalFirstPage = [this] {
      ++listings;
      BeginOutputPage(wb.Output);
      wb.Output.OutputLine = "NATAL DATA FOR " + wb.Charts.PersonName;
      AppendOutputLine(wb.Output, host);
    };
    run.Listings.ListTransitInterpretations = [this] {
      ++listings;
      BeginOutputPage(wb.Output);
      wb.Output.OutputLine = "TRANSITS FOR " + wb.Charts.PersonName;
      AppendOutputLine(wb.Output, host);
    };
    windows = std::make_unique<InputWindows>(wb, asked, *data, std::move(links), std::move(run));
  }

  InputD& natal() { return windows->Natal(); }
  InputD1& second() { return windows->Second(); }
  QLineEdit* N(InputField f) { return natal().Field(f); }
  QLineEdit* D(InputField f) { return second().Field(f); }

  // 12 May 1959, 10:43 A.M., zone 6, 75 deg 23 min West, 39 deg 45 min North.
  void TypeKnownBirth() {
    Type(natal().txtName(), "Jane Doe");
    const std::pair<InputField, const char*> typed[] = {
        {InputField::Month, "5"},    {InputField::Day, "12"},     {InputField::Year, "1959"},
        {InputField::Hour, "10"},    {InputField::Minute, "43"},  {InputField::TimeZone, "6"},
        {InputField::LongDeg, "75"}, {InputField::LongMin, "23"}, {InputField::LatDeg, "39"},
        {InputField::LatMin, "45"}};
    for (const auto& [field, text] : typed) Type(N(field), text);
    natal().AmButton()->click();
    natal().WestButton()->click();
    natal().NorthButton()->click();
  }

  // A window's date and time as "month/day/year hour:minute AM|PM".
  static std::string Moment(const ChartInputForm& form) {
    const ChartInputFields f = form.Fields();
    return f.Month + "/" + f.Day + "/" + f.Year + " " + f.Hour + ":" + f.Minute +
           (f.Pm ? " PM" : " AM");
  }
  // A window's place as "lonDeg lonMin E|W latDeg latMin N|S zone".
  static std::string Place(const ChartInputForm& form) {
    const ChartInputFields f = form.Fields();
    return f.LongDeg + " " + f.LongMin + (f.East ? " E " : " W ") + f.LatDeg + " " + f.LatMin +
           (f.South ? " S " : " N ") + f.TimeZone;
  }

  std::string PageShown() {
    return data->HasWindow() ? data->Window().RichText1()->PlainText().toStdString() : "";
  }
};

}  // namespace orv::test
