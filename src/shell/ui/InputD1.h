#pragma once
// `InputD1` "Diurnal Input Data": chart 2, a transit moment or a second
// person (the "2nd Person" box, `SecondChartRole`), and the angles the
// cosmodynes count ("Incl. Angles?"). A left click on its free area runs the
// natal window's OK.

#include <optional>
#include <string>

#include "core/ChartModel.h"
#include "shell/input/InputFields.h"
#include "shell/input/InputRules.h"
#include "shell/ui/ChartInputForm.h"

class QCheckBox;

namespace orv {

class InputD1 : public ChartInputForm {
  Q_OBJECT

 public:
  explicit InputD1(Host& host, QWidget* parent = nullptr);

  SecondChartInputFields SecondFields() const;
  // Writes every field, the two boxes and the second person's caption; the
  // hour rule runs on the hour written.
  void SetSecondFields(const SecondChartInputFields& fields);

  // `SecondChartRole`: true while chart 2 is a second person.
  bool SecondPerson() const;
  // The first set button of "Incl. Angles?"; nothing when none is set.
  std::optional<CosmoAngleChoice> AngleChoice() const;

  QCheckBox* chkNatOrNow() const { return natOrNow_; }
  QCheckBox* chk2ndPerson() const { return secondPerson_; }
  QRadioButton* AngleButton(CosmoAngleChoice choice) const { return angles_[int(choice)]; }

 signals:
  // The user ticked or cleared "Use natal data".
  void useNatalClicked(bool ticked);
  // The user ticked or cleared "2nd Person".
  void secondPersonClicked(bool ticked);

 private:
  QCheckBox* natOrNow_ = nullptr;
  QCheckBox* secondPerson_ = nullptr;
  std::array<QRadioButton*, 4> angles_{};
  // The second person's name as loaded, or "2nd Person".
  std::string secondPersonCaption_{kSecondPersonCaption};
};

}  // namespace orv
