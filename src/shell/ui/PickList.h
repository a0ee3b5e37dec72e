#pragma once
// The sorted pick lists of the names, cities and time-zone windows. Each
// entry carries the index of its record, so a pick loads that very record
// even when two entries read alike. The list is a view over the texts as
// given: a names file of a hundred thousand people opens without an item
// object per name.

#include <QListView>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace orv {

class PickListModel;

class PickList : public QListView {
  Q_OBJECT

 public:
  explicit PickList(QWidget* parent = nullptr);

  // Shows `texts` sorted without regard to letter case; entry text i carries
  // record index i.
  void Fill(std::vector<std::string> texts);

  int count() const;
  // The text of list row `row`; "" when there is no such row.
  std::string RowText(int row) const;
  // The record index of list row `row`; -1 when there is no such row.
  int RecordAt(int row) const;
  // The selected row; -1 when none.
  int SelectedRow() const;
  // Makes `row` the current and selected row, as a click does.
  void setCurrentRow(int row);
  // Selects `row` with `topRow` scrolled to the top, without a pick.
  void SelectRow(int row, int topRow);

 signals:
  // A record chosen by a click or by the keyboard: its index and list row.
  void picked(int record, int row);
  void doublePicked(int record, int row);

 private:
  PickListModel* model_;
};

// The parts the list windows share: a named push button, and the sunken
// label that shows the list's file.
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption);
QLabel* MakeFileLabel(QWidget* parent, const char* name);

}  // namespace orv
