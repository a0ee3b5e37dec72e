#include "reports/ui/OptionGroup.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>

namespace orv {

OptionGroup::OptionGroup(const QString& name, const QString& title,
                         const std::vector<std::string_view>& captions, int columns,
                         QWidget* parent)
    : QGroupBox(title, parent) {
  setObjectName(name);
  auto* layout = new QGridLayout(this);
  auto* group = new QButtonGroup(this);
  const int rows = (static_cast<int>(captions.size()) + columns - 1) / columns;
  for (std::size_t i = 0; i < captions.size(); ++i) {
    auto* button = new QRadioButton(
        QString::fromUtf8(captions[i].data(), static_cast<qsizetype>(captions[i].size())), this);
    button->setObjectName(name + "_" + QString::number(i));
    button->installEventFilter(this);
    group->addButton(button, static_cast<int>(i));
    layout->addWidget(button, static_cast<int>(i) % rows, static_cast<int>(i) / rows);
    members_.push_back(button);
  }
}

int OptionGroup::Checked() const {
  for (std::size_t i = 0; i < members_.size(); ++i)
    if (members_[i]->isChecked()) return static_cast<int>(i);
  return 0;
}

void OptionGroup::Check(int index) { Member(index)->setChecked(true); }

bool OptionGroup::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (auto* button = qobject_cast<QRadioButton*>(watched)) {
      button->setChecked(true);
      if (doubleClick_) doubleClick_();
      return true;
    }
  }
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace orv
