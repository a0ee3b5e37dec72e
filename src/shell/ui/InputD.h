#pragma once
// `InputD` "Natal Input Data": chart 1's person, birth moment and place.
// It holds text only; OK, Save to disk, NOW and the two labels are run by
// whoever owns the input windows (InputWindows).

#include "shell/input/InputFields.h"
#include "shell/ui/ChartInputForm.h"

class QPushButton;

namespace orv {

class InputD : public ChartInputForm {
  Q_OBJECT

 public:
  explicit InputD(Host& host, QWidget* parent = nullptr);

  NatalInputFields NatalFields() const;
  // Writes every field; the hour rule runs on the hour written.
  void SetNatalFields(const NatalInputFields& fields);

  QLineEdit* txtName() const { return name_; }
  QPushButton* cmdOK() const { return ok_; }
  QPushButton* cmdSave() const { return save_; }
  QPushButton* cmdNow() const { return now_; }

 signals:
  void okClicked();
  void saveClicked();
  void nowClicked();

 private:
  QLineEdit* name_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* now_ = nullptr;
};

}  // namespace orv
