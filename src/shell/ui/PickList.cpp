#include "shell/ui/PickList.h"

#include <QAbstractListModel>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "shell/input/InputState.h"

namespace orv {

// The texts in list order; a row's text becomes a QString only when the
// view draws or asks for it.
class PickListModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  void Reset(std::vector<std::string> texts) {
    beginResetModel();
    order_ = SortedListOrder(texts);
    texts_ = std::move(texts);
    endResetModel();
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : int(order_.size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !Has(index.row())) return {};
    return QString::fromStdString(Text(index.row()));
  }

  bool Has(int row) const { return row >= 0 && row < int(order_.size()); }
  const std::string& Text(int row) const { return texts_[order_[std::size_t(row)]]; }
  int Record(int row) const { return Has(row) ? int(order_[std::size_t(row)]) : -1; }

 private:
  std::vector<std::string> texts_;    // in record order
  std::vector<std::size_t> order_;  // record index of each row
};

PickList::PickList(QWidget* parent) : QListView(parent), model_(new PickListModel(this)) {
  setModel(model_);
  setUniformItemSizes(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListView::clicked, this,
          [this](const QModelIndex& i) { emit picked(RecordAt(i.row()), i.row()); });
  connect(this, &QListView::doubleClicked, this,
          [this](const QModelIndex& i) { emit doublePicked(RecordAt(i.row()), i.row()); });
  // Keyboard moves pick too; a mouse press waits for its click, and the
  // current row that merely entering the list sets is not selected.
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            const int r = current.row();
            if (r >= 0 && hasFocus() && selectionModel()->isSelected(current) &&
                QGuiApplication::mouseButtons() == Qt::NoButton)
              emit picked(RecordAt(r), r);
          });
}

void PickList::Fill(std::vector<std::string> texts) {
  const QSignalBlocker quiet(this);
  model_->Reset(std::move(texts));
}

int PickList::count() const { return model_->rowCount(); }

std::string PickList::RowText(int row) const {
  return model_->Has(row) ? model_->Text(row) : std::string();
}

int PickList::RecordAt(int row) const { return model_->Record(row); }

int PickList::SelectedRow() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.front().row();
}

void PickList::setCurrentRow(int row) {
  selectionModel()->setCurrentIndex(model_->index(row),
                                    QItemSelectionModel::ClearAndSelect);
}

void PickList::SelectRow(int row, int topRow) {
  const QSignalBlocker quiet(this);
  const QSignalBlocker quietSelection(selectionModel());
  setCurrentRow(row);
  viewport()->update();
  if (model_->Has(topRow)) scrollTo(model_->index(topRow), QAbstractItemView::PositionAtTop);
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
