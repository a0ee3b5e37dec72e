#pragma once
// `Geograph` "Cities": the places of the current cities file in a sorted
// list, with its file commands. A pick is copied into an input window by
// whoever owns the input windows (InputWindows).

#include <QWidget>
#include <string>
#include <vector>

#include "shell/input/CitiesFile.h"

class QLabel;
class QPushButton;

namespace orv {

class PickList;

class Geograph : public QWidget {
  Q_OBJECT

 public:
  explicit Geograph(QWidget* parent = nullptr);

  // Shows `fileName` above the list and the places ("city,region"); keeps
  // the records, in file order, for the picks.
  void ShowPlaces(const std::string& fileName, std::vector<CityRecord> cities);
  const std::vector<CityRecord>& Cities() const { return cities_; }

  PickList* CitiesOnFile() const { return list_; }
  QLabel* lblCitiesOnFile() const { return fileLabel_; }
  QPushButton* Button(const char* name) const;

 signals:
  void editListClicked();
  void changeListClicked();
  void namesClicked();

 private:
  PickList* list_ = nullptr;
  QLabel* fileLabel_ = nullptr;
  std::vector<CityRecord> cities_;
};

}  // namespace orv
