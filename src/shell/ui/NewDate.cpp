#include "shell/ui/NewDate.h"

#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "platform/Host.h"
#include "shell/NewTransitDate.h"

namespace orv {

NewDate::NewDate(Host& host, int month, int day, int year, QWidget* parent)
    : QDialog(parent), host_(host) {
  setObjectName("NewDate");
  setWindowTitle("New Transit Date");

  auto* layout = new QGridLayout(this);
  // Digits only, as in the chart input windows; Backspace and the cursor
  // keys still work.
  auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
  const auto addBox = [&](int column, const char* labelName, const char* caption,
                          const char* boxName, int value) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(labelName);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    auto* box = new QLineEdit(QString::number(value), this);
    box->setObjectName(boxName);
    box->setValidator(digits);
    box->setMaxLength(column == 2 ? 4 : 2);
    box->installEventFilter(this);
    layout->addWidget(label, 0, column);
    layout->addWidget(box, 1, column);
    return box;
  };
  month_ = addBox(0, "lblMonth", "Month", "txtMonth", month);
  day_ = addBox(1, "lblDay", "Day", "txtDay", day);
  year_ = addBox(2, "lblYear", "Year", "txtYear", year);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &NewDate::cmdOK_Click);
  layout->addWidget(ok, 2, 0, 1, 3, Qt::AlignHCenter);
}

bool NewDate::eventFilter(QObject* watched, QEvent* event) {
  // Entering a box selects its text, so typing replaces it. The selection
  // waits until the focus change has settled; a mouse click would clear it.
  if (event->type() == QEvent::FocusIn)
    if (auto* box = qobject_cast<QLineEdit*>(watched))
      QTimer::singleShot(0, box, &QLineEdit::selectAll);
  return QDialog::eventFilter(watched, event);
}

void NewDate::cmdOK_Click() {
  const NewDateCheck check = CheckNewDate(month_->text().toStdString(), day_->text().toStdString(),
                                          year_->text().toStdString());
  if (!check.julianDay) {
    host_.ShowMessage(check.message, kTitleWarning, MessageIcon::Exclamation);
    QLineEdit* box = check.field == NewDateCheck::Field::Month ? month_ : day_;
    box->setFocus();
    box->selectAll();
    return;
  }
  chosen_ = check.julianDay;
  accept();
}

}  // namespace orv
