#pragma once
// The sorted pick lists of the names, cities and time-zone windows. Each
// entry carries the index of its record, so a pick loads that very record
// even when two entries read alike.

#include <QListWidget>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace orv {

class PickList : public QListWidget {
  Q_OBJECT

 public:
  explicit PickList(QWidget* parent = nullptr);

  // Shows `texts` sorted without regard to letter case; entry text i carries
  // record index i. Drawn once, after the whole list is in.
  void Fill(const std::vector<std::string>& texts);

  // The record index of list row `row`; -1 when there is no such row.
  int RecordAt(int row) const;
  // The selected row; -1 when none.
  int SelectedRow() const;
  // Selects `row` with `topRow` scrolled to the top, without a pick.
  void SelectRow(int row, int topRow);

 signals:
  // A record chosen by a click or by the keyboard: its index and list row.
  void picked(int record, int row);
  void doublePicked(int record, int row);
};

// The parts the list windows share: a named push button, and the sunken
// label that shows the list's file.
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption);
QLabel* MakeFileLabel(QWidget* parent, const char* name);

}  // namespace orv
