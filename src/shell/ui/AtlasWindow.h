#pragma once
// The atlas window "Atlas": a city looked up by name in the cities files of
// the program folder. Lookup answers into the shared atlas values; a name
// that stands for several places keeps the window open under "THIS IS A
// DUPLICATE CITY" with the places listed, so the user can pick one and look
// up again.

#include <QDialog>
#include <filesystem>
#include <vector>

#include "shell/input/Atlas.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace orv {

class Host;

class AtlasWindow : public QDialog {
  Q_OBJECT

 public:
  AtlasWindow(Host& host, std::filesystem::path appPath, AtlasValues& values,
              QWidget* parent = nullptr);

  QLineEdit* txtCity() const { return city_; }
  QListWidget* lstPlaces() const { return places_; }
  QPushButton* cmdLookup() const { return lookup_; }

  void cmdLookup_Click();

 private:
  Host& host_;
  std::filesystem::path appPath_;
  AtlasValues& values_;
  QLineEdit* city_ = nullptr;
  QListWidget* places_ = nullptr;
  QPushButton* lookup_ = nullptr;
  // The places of the last duplicate lookup, in list order.
  std::vector<AtlasPlace> found_;
};

}  // namespace orv
