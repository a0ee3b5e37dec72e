#include "shell/ui/AtlasWindow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/Host.h"
#include "platform/qt/DialogOpener.h"

namespace orv {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Enough rows to find a place by scrolling; more letters narrow the list.
constexpr std::size_t kShownMatches = 200;

std::string MomentText(const std::optional<LocalDateTime>& when) {
  if (!when) return "No valid date and time in the input window.";
  return "The zone in force at " + LocalDateTimeText(*when) + " local time.";
}

}  // namespace

AtlasWindow::AtlasWindow(Host& host, const Gazetteer* places, const ZoneRules& zones,
                         std::optional<LocalDateTime> when, AtlasValues& values, QWidget* parent)
    : QDialog(parent),
      host_(host),
      places_(places),
      zones_(zones),
      when_(when),
      values_(values) {
  setObjectName("AtlasWindow");
  setWindowTitle(Q(kAtlasCaption));
  setModal(true);
  // Whatever it told, once it closes the next key is meant for the input
  // window it was opened from.
  ReturnKeyboardWhenFinished(*this);

  auto* placeLabel = new QLabel("&Place", this);
  place_ = new QLineEdit(this);
  place_->setObjectName("txtPlace");
  placeLabel->setBuddy(place_);
  lookup_ = new QPushButton("Lookup", this);
  lookup_->setObjectName("cmdLookup");
  lookup_->setDefault(true);
  moment_ = new QLabel(Q(MomentText(when_)), this);
  note_ = new QLabel(this);
  note_->setObjectName("lblNote");
  note_->setWordWrap(true);
  note_->hide();
  list_ = new QListWidget(this);
  list_->setObjectName("lstPlaces");

  auto* row = new QHBoxLayout;
  row->addWidget(placeLabel);
  row->addWidget(place_, 1);
  row->addWidget(lookup_);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(row);
  outer->addWidget(moment_);
  outer->addWidget(note_);
  outer->addWidget(list_, 1);
  resize(560, 380);

  connect(lookup_, &QPushButton::clicked, this, &AtlasWindow::cmdLookup_Click);
  connect(list_, &QListWidget::itemDoubleClicked, this, &AtlasWindow::cmdLookup_Click);
  connect(place_, &QLineEdit::textChanged, this, &AtlasWindow::ShowMatches);
}

void AtlasWindow::ShowMatches() {
  setWindowTitle(Q(kAtlasCaption));
  ShowRows(Listing::Matches,
           places_ ? places_->FindByPrefix(place_->text().toStdString(), kShownMatches)
                   : std::vector<std::size_t>{});
}

void AtlasWindow::ShowRows(Listing listing, std::vector<std::size_t> rows) {
  listing_ = listing;
  rows_ = std::move(rows);
  note_->setVisible(listing == Listing::Zones);
  list_->clear();
  if (listing == Listing::Zones) {
    for (const ZoneOffset& offset : offsets_) list_->addItem(Q(ZoneChoiceText(offset)));
    return;
  }
  for (std::size_t i : rows_) {
    const GazetteerPlace& p = places_->Place(i);
    list_->addItem(Q(places_->PlaceText(p) + "   (" + std::string(places_->ZoneName(p)) + ")"));
  }
}

void AtlasWindow::cmdLookup_Click() {
  const int picked = list_->currentRow();
  if (listing_ == Listing::Zones) {
    if (picked < 0 || std::size_t(picked) >= offsets_.size()) {
      host_.ShowMessage("Pick one of the listed zones first.", kTitleInformation,
                        MessageIcon::Exclamation);
      return;
    }
    TakeAnswer(AtlasAnswerFor(places_->Place(zonePlace_), offsets_[std::size_t(picked)], false));
    return;
  }
  if (picked >= 0 && std::size_t(picked) < rows_.size()) {
    Answer(rows_[std::size_t(picked)]);
    return;
  }
  const std::string typed = place_->text().toStdString();
  std::vector<std::size_t> found = places_ ? places_->FindByPrefix(typed) : std::vector<std::size_t>{};
  if (found.empty()) {
    host_.ShowMessage(places_ ? AtlasPlaceNotFound(typed)
                              : "The atlas file " + std::string(kGazetteerFileName) +
                                    " cannot be read.",
                      kTitleInformation, MessageIcon::Exclamation);
    return;
  }
  // A name typed in full stands for the places of that name only.
  std::vector<std::size_t> named;
  for (std::size_t i : found)
    if (places_->NameIs(i, typed)) named.push_back(i);
  if (!named.empty()) found = std::move(named);
  if (found.size() == 1) {
    Answer(found.front());
    return;
  }
  if (found.size() > kShownMatches) found.resize(kShownMatches);
  setWindowTitle(Q(kDuplicateCityCaption));
  ShowRows(Listing::Duplicates, std::move(found));
}

void AtlasWindow::TakeAnswer(const AtlasAnswerValues& answer) {
  setWindowTitle(Q(AtlasLookup(host_, answer, values_)));
  // Told while the atlas is open, whose closing then hands the keyboard
  // back to the input window; nothing is left to fill in.
  if (ZoneBeyondTheField(values_.AtlasTimeZone)) {
    host_.ShowMessage(AtlasZoneOutOfRange(values_.AtlasTimeZone), kTitleInformation,
                      MessageIcon::Exclamation);
    values_.AtlasAnswer = 0;
  }
  accept();
}

void AtlasWindow::Answer(std::size_t place) {
  if (!when_) {
    host_.ShowMessage(std::string(kAtlasNeedsDateTime), kTitleInformation,
                      MessageIcon::Exclamation);
    return;
  }
  const std::string_view zoneName = places_->ZoneName(places_->Place(place));
  const ZoneAtLocalTime zone = zones_.At(zoneName, *when_);
  if (!zone.knownZone || zone.offsets.empty()) {
    host_.ShowMessage("The time zone " + std::string(zoneName) +
                          " is not in the system's time-zone database.",
                      kTitleInformation, MessageIcon::Exclamation);
    return;
  }
  if (zone.fit == LocalTimeFit::Unique) {
    TakeAnswer(AtlasAnswerFor(places_->Place(place), zone.offsets[0], false));
    return;
  }
  zonePlace_ = place;
  offsets_ = zone.offsets;
  note_->setText(Q(places_->PlaceText(places_->Place(place)) + ": " +
                   LocalTimeNote(zone, zoneName, *when_)));
  ShowRows(Listing::Zones, {});
}

}  // namespace orv
