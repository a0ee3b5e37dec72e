#pragma once
// The New Transit Date window `NewDate`: the day the transit listing shows
// next, typed as month, day and year.

#include <QDialog>
#include <optional>

class QLineEdit;

namespace orv {

class Host;

class NewDate : public QDialog {
  Q_OBJECT

 public:
  // The boxes start with `month`, `day` and `year`, the date last listed.
  NewDate(Host& host, int month, int day, int year, QWidget* parent = nullptr);

  // OK: a valid date becomes the chosen day and closes the window; anything
  // else is told to the user and the window stays open on the box to mend.
  void cmdOK_Click();

  // The Julian day (`DateToJulianDay`) OK accepted; nothing before that.
  std::optional<double> ChosenJulianDay() const { return chosen_; }

  QLineEdit* txtMonth() const { return month_; }
  QLineEdit* txtDay() const { return day_; }
  QLineEdit* txtYear() const { return year_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Host& host_;
  QLineEdit* month_ = nullptr;
  QLineEdit* day_ = nullptr;
  QLineEdit* year_ = nullptr;
  std::optional<double> chosen_;
};

}  // namespace orv
