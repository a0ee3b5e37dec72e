#pragma once
// The atlas window "Atlas": a place looked up by the start of its name in
// the gazetteer, listed with its region, country and time zone as the name
// is typed. Lookup answers into the shared atlas values with the zone and
// daylight time in force there at the asking window's local date and time.
// A name that stands for several places keeps the window open under "THIS
// IS A DUPLICATE CITY" with those places listed; a local time that the
// clocks skipped or passed twice keeps it open with the two zones listed.
// Either way the user picks a row and looks up again.

#include <QDialog>
#include <cstddef>
#include <optional>
#include <vector>

#include "platform/ZoneRules.h"
#include "shell/input/Atlas.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orv {

class Host;

class AtlasWindow : public QDialog {
  Q_OBJECT

 public:
  // `places` may be null (the gazetteer could not be read): every lookup
  // then says so. `when`: the asking window's local time, if valid.
  AtlasWindow(Host& host, const Gazetteer* places, const ZoneRules& zones,
              std::optional<LocalDateTime> when, AtlasValues& values, QWidget* parent = nullptr);

  QLineEdit* txtPlace() const { return place_; }
  QListWidget* lstPlaces() const { return list_; }
  QLabel* lblNote() const { return note_; }
  QPushButton* cmdLookup() const { return lookup_; }

  void cmdLookup_Click();

 private:
  enum class Listing { Matches, Duplicates, Zones };
  void ShowMatches();
  void ShowRows(Listing listing, std::vector<std::size_t> places);
  void Answer(std::size_t place);
  // Takes the atlas's answer (AtlasLookup) and closes the window.
  void TakeAnswer(const AtlasAnswerValues& answer);

  Host& host_;
  const Gazetteer* places_;
  const ZoneRules& zones_;
  std::optional<LocalDateTime> when_;
  AtlasValues& values_;
  QLineEdit* place_ = nullptr;
  QLabel* moment_ = nullptr;
  QLabel* note_ = nullptr;
  QListWidget* list_ = nullptr;
  QPushButton* lookup_ = nullptr;
  // What the list shows: places (indexes into the gazetteer), or the
  // offsets of `zonePlace_` to pick from.
  Listing listing_ = Listing::Matches;
  std::vector<std::size_t> rows_;
  std::size_t zonePlace_ = 0;
  std::vector<ZoneOffset> offsets_;
};

}  // namespace orv
