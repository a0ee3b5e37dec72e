#include "shell/ui/AtlasWindow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "base/Text.h"
#include "platform/Host.h"

namespace orv {

namespace {
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
}  // namespace

AtlasWindow::AtlasWindow(Host& host, std::filesystem::path appPath, AtlasValues& values,
                         QWidget* parent)
    : QDialog(parent), host_(host), appPath_(std::move(appPath)), values_(values) {
  setObjectName("AtlasWindow");
  setWindowTitle(Q(kAtlasCaption));
  setModal(true);

  auto* cityLabel = new QLabel("City", this);
  city_ = new QLineEdit(this);
  city_->setObjectName("txtCity");
  cityLabel->setBuddy(city_);
  lookup_ = new QPushButton("Lookup", this);
  lookup_->setObjectName("cmdLookup");
  lookup_->setDefault(true);
  places_ = new QListWidget(this);
  places_->setObjectName("lstPlaces");

  auto* row = new QHBoxLayout;
  row->addWidget(cityLabel);
  row->addWidget(city_, 1);
  row->addWidget(lookup_);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(row);
  outer->addWidget(places_, 1);
  resize(sizeHint().width() * 3 / 2, sizeHint().height());

  connect(lookup_, &QPushButton::clicked, this, &AtlasWindow::cmdLookup_Click);
  connect(places_, &QListWidget::itemDoubleClicked, this, &AtlasWindow::cmdLookup_Click);
  // Another name makes the listed places stale.
  connect(city_, &QLineEdit::textEdited, this, [this] {
    places_->clear();
    found_.clear();
  });
}

void AtlasWindow::cmdLookup_Click() {
  // A place picked among the listed duplicates answers for itself.
  const int picked = places_->currentRow();
  if (picked >= 0 && std::size_t(picked) < found_.size()) {
    const CityRecord city = found_[std::size_t(picked)].city;
    setWindowTitle(Q(AtlasLookup(host_, AtlasAnswerFor(city, false), values_)));
    accept();
    return;
  }
  std::vector<AtlasPlace> places = FindAtlasPlaces(appPath_, city_->text().toStdString());
  if (places.empty()) {
    host_.ShowMessage(
        "Cannot find the city called " + std::string(Trim(city_->text().toStdString())) + ".",
        kTitleInformation, MessageIcon::Exclamation);
    return;
  }
  const bool duplicate = places.size() > 1;
  setWindowTitle(Q(AtlasLookup(host_, AtlasAnswerFor(places.front().city, duplicate), values_)));
  if (!duplicate) {
    accept();
    return;
  }
  found_ = std::move(places);
  places_->clear();
  for (const AtlasPlace& p : found_)
    places_->addItem(Q(CityListText(p.city) + "  (" + p.file.filename().string() + ")"));
}

}  // namespace orv
