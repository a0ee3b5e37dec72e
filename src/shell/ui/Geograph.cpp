#include "shell/ui/Geograph.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "shell/ui/PickList.h"

namespace orv {

Geograph::Geograph(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Geograph");
  setWindowTitle("Cities");

  fileLabel_ = MakeFileLabel(this, "lblCitiesOnFile");
  list_ = new PickList(this);
  list_->setObjectName("CitiesOnFile");

  QPushButton* edit = MakeButton(this, "cmdEditList", "Edit this List");
  QPushButton* change = MakeButton(this, "cmdNewFileList", "Change List");
  QPushButton* names = MakeButton(this, "Command1", "Click here for names");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(edit);
  buttons->addWidget(change);
  buttons->addWidget(names);

  auto* outer = new QVBoxLayout(this);
  outer->addWidget(fileLabel_);
  outer->addWidget(list_, 1);
  outer->addLayout(buttons);

  resize(sizeHint().width(), sizeHint().height() * 3 / 2);

  connect(edit, &QPushButton::clicked, this, &Geograph::editListClicked);
  connect(change, &QPushButton::clicked, this, &Geograph::changeListClicked);
  connect(names, &QPushButton::clicked, this, &Geograph::namesClicked);
}

void Geograph::ShowPlaces(const std::string& fileName, std::vector<CityRecord> cities) {
  cities_ = std::move(cities);
  std::vector<std::string> texts;
  texts.reserve(cities_.size());
  for (const CityRecord& c : cities_) texts.push_back(CityListText(c));
  fileLabel_->setText(QString::fromStdString(fileName));
  list_->Fill(std::move(texts));
}

QPushButton* Geograph::Button(const char* name) const { return findChild<QPushButton*>(name); }

}  // namespace orv
