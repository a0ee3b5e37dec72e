#include "shell/ui/PickList.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "shell/input/InputState.h"

namespace orv {

namespace {
constexpr int kRecordRole = Qt::UserRole;
}

PickList::PickList(QWidget* parent) : QListWidget(parent) {
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit picked(RecordAt(row(item)), row(item)); });
  connect(this, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { emit doublePicked(RecordAt(row(item)), row(item)); });
  // Keyboard moves pick too; a mouse press waits for its click, and the
  // current row that merely entering the list sets is not selected.
  connect(this, &QListWidget::currentRowChanged, this, [this](int r) {
    if (r >= 0 && hasFocus() && item(r)->isSelected() &&
        QGuiApplication::mouseButtons() == Qt::NoButton)
      emit picked(RecordAt(r), r);
  });
}

void PickList::Fill(const std::vector<std::string>& texts) {
  setUpdatesEnabled(false);
  const QSignalBlocker quiet(this);
  clear();
  for (std::size_t index : SortedListOrder(texts)) {
    auto* item = new QListWidgetItem(QString::fromStdString(texts[index]));
    item->setData(kRecordRole, int(index));
    addItem(item);
  }
  setUpdatesEnabled(true);
}

int PickList::RecordAt(int r) const {
  const QListWidgetItem* it = item(r);
  return it ? it->data(kRecordRole).toInt() : -1;
}

int PickList::SelectedRow() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.front());
}

void PickList::SelectRow(int r, int topRow) {
  const QSignalBlocker quiet(this);
  setCurrentRow(r);
  if (QListWidgetItem* top = item(topRow)) scrollToItem(top, QAbstractItemView::PositionAtTop);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

QLabel* MakeFileLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return label;
}

}  // namespace orv
