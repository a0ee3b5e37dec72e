#pragma once
// `Names` "Names": the people of the current names file in a sorted list,
// the list lock, the file commands, the four analysis choices and the batch
// analyses. A pick is loaded into an input window by whoever owns the input
// windows (InputWindows).

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace orv {

class PickList;
struct NamesAnalysisChoices;

class Names : public QWidget {
  Q_OBJECT

 public:
  // The seven batch analyses, in button order; an empty one stays disabled.
  using BatchCommands = std::array<std::function<void()>, 7>;

  // `choices` receives every click on the four analysis boxes; `listLocked`
  // sets "Lock list" without counting as a click.
  Names(NamesAnalysisChoices& choices, bool listLocked, const BatchCommands& batch,
        QWidget* parent = nullptr);

  // Shows `fileName` above the list and the names in the list.
  void ShowNames(const std::string& fileName, std::vector<std::string> names);

  PickList* NamesOnFile() const { return list_; }
  QLabel* lblNamesOnFile() const { return fileLabel_; }
  QCheckBox* LockList() const { return lock_; }
  QPushButton* Button(const char* name) const;

 signals:
  void lockClicked();
  void changeListClicked();
  void editListClicked();
  void citiesClicked();

 private:
  PickList* list_ = nullptr;
  QLabel* fileLabel_ = nullptr;
  QCheckBox* lock_ = nullptr;
};

}  // namespace orv
