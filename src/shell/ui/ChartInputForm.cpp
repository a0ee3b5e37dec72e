#include "shell/ui/ChartInputForm.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QValidator>
#include <utility>

#include "platform/Host.h"

namespace orv {

namespace {

// Filters typed and pasted text alike: characters the field does not admit
// are left out rather than refusing the whole paste.
class FieldFilter final : public QValidator {
 public:
  FieldFilter(FieldKeys keys, std::size_t maxLength, QObject* parent)
      : QValidator(parent), keys_(keys), maxLength_(maxLength) {}

  State validate(QString& input, int& pos) const override {
    const std::string typed = input.toStdString();
    const std::string kept = FilterFieldText(typed, keys_, maxLength_);
    if (kept != typed) {
      const std::string before = FilterFieldText(input.left(pos).toStdString(), keys_, maxLength_);
      input = QString::fromStdString(kept);
      pos = int(std::min(before.size(), kept.size()));
    }
    return Acceptable;
  }

 private:
  FieldKeys keys_;
  std::size_t maxLength_;
};

// The digits a numeric field shows without scrolling: a year, or a zone
// like -10.5.
constexpr int kNumberFieldDigits = 5;

constexpr FieldKeys kFieldKeys[kInputFieldCount] = {
    FieldKeys::Digits,      FieldKeys::Digits,           FieldKeys::Digits, FieldKeys::Digits,
    FieldKeys::DigitsPoint, FieldKeys::DigitsMinusPoint, FieldKeys::Digits, FieldKeys::Digits,
    FieldKeys::Digits,      FieldKeys::Digits,           FieldKeys::Any};

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QLineEdit* e) { return e->text().toStdString(); }

}  // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
  setAlignment(Qt::AlignCenter);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, Qt::red);
  p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  setPalette(p);
  setMargin(2);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
    event->accept();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

ChartInputForm::ChartInputForm(Host& host, const FormNames& names, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), names_(names) {
  for (std::size_t i = 0; i < kInputFieldCount; ++i) {
    const FieldNames& n = names.fields[i];
    labels_[i] = MakeFieldLabel(n.label, n.caption);
    const bool hour = InputField(i) == InputField::Hour;
    fields_[i] = MakeLineEdit(n.field, kFieldKeys[i], hour ? kHourFieldLength : 0);
    labels_[i]->setBuddy(fields_[i]);
  }
  const auto radio = [this](const char* name, const char* caption) {
    auto* b = new QRadioButton(caption, this);
    b->setObjectName(name);
    return b;
  };
  am_ = radio(names.radios[0], "AM");
  pm_ = radio(names.radios[1], "PM");
  east_ = radio(names.radios[2], "E");
  west_ = radio(names.radios[3], "W");
  north_ = radio(names.radios[4], "N");
  south_ = radio(names.radios[5], "S");
  am_->setChecked(true);
  west_->setChecked(true);
  north_->setChecked(true);
  tzHelp_ = new ClickableLabel("TZ Help", this);
  tzHelp_->setObjectName("Label1");
  atlas_ = new ClickableLabel("Atlas", this);
  atlas_->setObjectName("Label2");

  connect(tzHelp_, &ClickableLabel::clicked, this, &ChartInputForm::tzHelpClicked);
  connect(atlas_, &ClickableLabel::clicked, this, &ChartInputForm::atlasClicked);
  connect(Field(InputField::Hour), &QLineEdit::editingFinished, this,
          &ChartInputForm::OnHourEditFinished);
  connect(east_, &QRadioButton::clicked, this, [this] { OnSideClicked(true); });
  connect(west_, &QRadioButton::clicked, this, [this] { OnSideClicked(false); });
}

QLabel* ChartInputForm::MakeFieldLabel(const char* name, const char* caption) {
  auto* label = new QLabel(caption, this);
  label->setObjectName(name);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMargin(2);
  return label;
}

QLineEdit* ChartInputForm::MakeLineEdit(const char* name, FieldKeys keys, std::size_t maxLength) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  // Numbers need a few digits' room and gain nothing from more; names and
  // addresses take what the window gives.
  const QFontMetrics metrics(edit->font());
  const int padding = 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
  if (keys == FieldKeys::Any) {
    edit->setMinimumWidth(16 * metrics.averageCharWidth() + padding);
  } else {
    edit->setMinimumWidth(metrics.horizontalAdvance(QString(kNumberFieldDigits, '0')) + padding);
    edit->setMaximumWidth(metrics.horizontalAdvance(QString(2 * kNumberFieldDigits, '0')) +
                          padding);
  }
  // Every field, names too: a pasted line break must not reach a record.
  edit->setValidator(new FieldFilter(keys, maxLength, edit));
  edit->installEventFilter(this);
  return edit;
}

void ChartInputForm::AddFieldRows(QGridLayout* grid, int firstRow) {
  for (std::size_t i = 0; i < kInputFieldCount; ++i) {
    grid->addWidget(labels_[i], firstRow + int(i), 0);
    grid->addWidget(fields_[i], firstRow + int(i), 1);
  }
}

void ChartInputForm::AddOptionGroups(QBoxLayout* column) {
  const auto group = [this](const char* name, const char* caption, QRadioButton* a,
                            QRadioButton* b) {
    auto* box = new QGroupBox(caption, this);
    box->setObjectName(name);
    auto* row = new QHBoxLayout(box);
    row->addWidget(a);
    row->addWidget(b);
    return box;
  };
  column->addWidget(group("Frame1", "Am/Pm", am_, pm_));
  column->addWidget(group("Frame2", "Ea/We", east_, west_));
  column->addWidget(group("Frame3", "No/So", north_, south_));
}

void ChartInputForm::AddHelpLabels(QBoxLayout* column) {
  column->addWidget(tzHelp_);
  column->addWidget(atlas_);
}

void ChartInputForm::SetTabChain(const std::vector<QWidget*>& chain) {
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void ChartInputForm::SetArrowChain(std::vector<QLineEdit*> chain) {
  arrowChain_ = std::move(chain);
}

ChartInputFields ChartInputForm::Fields() const {
  ChartInputFields f;
  f.Month = S(Field(InputField::Month));
  f.Day = S(Field(InputField::Day));
  f.Year = S(Field(InputField::Year));
  f.Hour = S(Field(InputField::Hour));
  f.Minute = S(Field(InputField::Minute));
  f.TimeZone = S(Field(InputField::TimeZone));
  f.LongDeg = S(Field(InputField::LongDeg));
  f.LongMin = S(Field(InputField::LongMin));
  f.LatDeg = S(Field(InputField::LatDeg));
  f.LatMin = S(Field(InputField::LatMin));
  f.Email = S(Field(InputField::Email));
  f.Pm = pm_->isChecked();
  f.East = east_->isChecked();
  f.South = south_->isChecked();
  return f;
}

void ChartInputForm::SetFields(const ChartInputFields& given) {
  ChartInputFields f = given;
  FinishHourEdit(f);  // an empty or unreadable hour is written as it is
  Field(InputField::Month)->setText(Q(f.Month));
  Field(InputField::Day)->setText(Q(f.Day));
  Field(InputField::Year)->setText(Q(f.Year));
  Field(InputField::Hour)->setText(Q(f.Hour));
  Field(InputField::Minute)->setText(Q(f.Minute));
  Field(InputField::TimeZone)->setText(Q(f.TimeZone));
  Field(InputField::LongDeg)->setText(Q(f.LongDeg));
  Field(InputField::LongMin)->setText(Q(f.LongMin));
  Field(InputField::LatDeg)->setText(Q(f.LatDeg));
  Field(InputField::LatMin)->setText(Q(f.LatMin));
  Field(InputField::Email)->setText(Q(f.Email));
  (f.Pm ? pm_ : am_)->setChecked(true);
  (f.East ? east_ : west_)->setChecked(true);
  (f.South ? south_ : north_)->setChecked(true);
}

void ChartInputForm::CommitHour() {
  if (Field(InputField::Hour)->isModified()) OnHourEditFinished();
}

void ChartInputForm::OnHourEditFinished() {
  QLineEdit* hour = Field(InputField::Hour);
  // Only an edit by the user runs the rule here; code writes through
  // SetFields. The guard keeps a message box's focus change from
  // re-entering.
  if (inHourRule_ || !hour->isModified()) return;
  inHourRule_ = true;
  hour->setModified(false);
  ChartInputFields f = Fields();
  switch (FinishHourEdit(f)) {
    case HourEdit::Applied:
      hour->setText(Q(f.Hour));
      (f.Pm ? pm_ : am_)->setChecked(true);
      break;
    case HourEdit::Empty:
      hourRefusedOnEnter_ = true;
      host_.ShowMessage(names_.hourEmptyText, kTitleWarning, MessageIcon::Information);
      break;
    case HourEdit::NotANumber:
      hourRefusedOnEnter_ = true;
      host_.ShowMessage(kHourNotANumberText, kTitleWarning, MessageIcon::Information);
      hour->selectAll();
      break;
  }
  inHourRule_ = false;
}

void ChartInputForm::OnSideClicked(bool east) {
  QLineEdit* zone = Field(InputField::TimeZone);
  if (const auto text = ZoneTextForSide(S(zone), east)) zone->setText(Q(*text));
}

bool ChartInputForm::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (edit && event->type() == QEvent::FocusIn) {
    // After the focus change is through, so a mouse click does not undo it.
    QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
  } else if (edit && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) hourRefusedOnEnter_ = false;
    const auto at = std::find(arrowChain_.begin(), arrowChain_.end(), edit);
    if (at != arrowChain_.end() && (key == Qt::Key_Down || key == Qt::Key_Up)) {
      if (key == Qt::Key_Down && at + 1 != arrowChain_.end()) (*(at + 1))->setFocus();
      if (key == Qt::Key_Up && at != arrowChain_.begin()) (*(at - 1))->setFocus();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ChartInputForm::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    // An hour just refused has said so; OK would only say it again.
    if (!std::exchange(hourRefusedOnEnter_, false)) emit defaultButtonPressed();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ChartInputForm::mousePressEvent(QMouseEvent* event) {
  event->accept();  // so that the release comes here
}

void ChartInputForm::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    emit rightClicked();
  } else if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint())) {
    emit freeAreaClicked();
  }
  event->accept();
}

}  // namespace orv
