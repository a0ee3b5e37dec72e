#include "shell/ui/InputD1.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "shell/input/InputRules.h"

namespace orv {

namespace {

const FormNames kDiurnalNames{{{{"txtDiurnalMonth", "lblDiurnalMonth", "Diurnal Month"},
                                {"txtDiurnalDay", "lblDiurnalDay", "Diurnal Day"},
                                {"txtDiurnalYear", "lblDiurnalYear", "Diurnal Year"},
                                {"txtDiurnalHour", "lblDiurnalHour", "Diurnal Hour"},
                                {"txtDiurnalMinute", "lblDiurnalMinute", "Diurnal Min."},
                                {"txtDiurnalTZ", "lblDiurnalTZ", "D. Time Zone"},
                                {"txtDiurnalLongDeg", "lblDiurnalLongDeg", "D. Long Deg."},
                                {"txtDiurnalLongMin", "lblDiurnalLongMin", "D. Long Min."},
                                {"txtDiurnalLatDeg", "lblDiurnalLatDeg", "D. Lat Deg."},
                                {"txtDiurnalLatMin", "lblDiurnalLatMin", "D. Lat Min."},
                                {"txtDiurnalEmail", "lblDiurnalEmail", "E-mail"}}},
                              {"optDiurnalAM", "optDiurnalPM", "optDiurnalEast", "optDiurnalWest",
                               "optDiurnalNorth", "optDiurnalSouth"},
                              kDiurnalHourEmptyText};

struct AngleButtonSpec {
  const char* name;
  const char* caption;
};
// Indexed by CosmoAngleChoice.
constexpr AngleButtonSpec kAngleButtons[] = {
    {"Option1", "None"}, {"Option2", "Asc only"}, {"Option3", "Asc + MC"}, {"Option4", "MC only"}};

}  // namespace

InputD1::InputD1(Host& host, QWidget* parent) : ChartInputForm(host, kDiurnalNames, parent) {
  setObjectName("InputD1");
  setWindowTitle("Diurnal Input Data");

  natOrNow_ = new QCheckBox("Use natal data", this);
  natOrNow_->setObjectName("chkNatOrNow");
  natOrNow_->setChecked(true);
  secondPerson_ = new QCheckBox(QString(kSecondPersonCaption.data()), this);
  secondPerson_->setObjectName("chk2ndPerson");

  auto* angleBox = new QGroupBox("Incl. Angles?", this);
  angleBox->setObjectName("Frame4");
  auto* angleColumn = new QVBoxLayout(angleBox);
  for (std::size_t i = 0; i < angles_.size(); ++i) {
    angles_[i] = new QRadioButton(kAngleButtons[i].caption, angleBox);
    angles_[i]->setObjectName(kAngleButtons[i].name);
    angleColumn->addWidget(angles_[i]);
  }
  AngleButton(CosmoAngleChoice::AscendantOnly)->setChecked(true);

  auto* grid = new QGridLayout;
  AddFieldRows(grid, 0);
  grid->setColumnStretch(1, 1);
  // The labels under the fields, beside the taller right-hand column.
  auto* labels = new QHBoxLayout;
  AddHelpLabels(labels);
  grid->setRowMinimumHeight(int(kInputFieldCount), 8);
  grid->addLayout(labels, int(kInputFieldCount) + 1, 0, 1, 2);
  grid->setRowStretch(int(kInputFieldCount) + 2, 1);

  auto* side = new QVBoxLayout;
  AddOptionGroups(side);
  side->addWidget(natOrNow_);
  side->addWidget(secondPerson_);
  side->addWidget(angleBox);
  side->addStretch(1);

  auto* outer = new QHBoxLayout(this);
  outer->addLayout(grid, 1);
  outer->addLayout(side);

  std::vector<QWidget*> chain;
  for (std::size_t i = 0; i < kInputFieldCount; ++i) chain.push_back(Field(InputField(i)));
  chain.insert(chain.end(), {AmButton(), PmButton(), EastButton(), WestButton(), NorthButton(),
                             SouthButton(), natOrNow_, secondPerson_});
  chain.insert(chain.end(), angles_.begin(), angles_.end());
  SetTabChain(chain);

  connect(natOrNow_, &QCheckBox::clicked, this, &InputD1::useNatalClicked);
  connect(secondPerson_, &QCheckBox::clicked, this, &InputD1::secondPersonClicked);
}

SecondChartInputFields InputD1::SecondFields() const {
  SecondChartInputFields f;
  static_cast<ChartInputFields&>(f) = Fields();
  f.SecondPersonCaption = secondPersonCaption_;
  f.UseNatalData = natOrNow_->isChecked();
  f.SecondPerson = secondPerson_->isChecked();
  return f;
}

void InputD1::SetSecondFields(const SecondChartInputFields& fields) {
  SetFields(fields);
  secondPersonCaption_ = fields.SecondPersonCaption;
  // The box's caption shows "&&" for a name's "&" (a single one would mark
  // a shortcut letter); the name itself is kept as it is.
  secondPerson_->setText(QString::fromStdString(fields.SecondPersonCaption).replace("&", "&&"));
  natOrNow_->setChecked(fields.UseNatalData);
  secondPerson_->setChecked(fields.SecondPerson);
}

bool InputD1::SecondPerson() const { return secondPerson_->isChecked(); }

std::optional<CosmoAngleChoice> InputD1::AngleChoice() const {
  for (std::size_t i = 0; i < angles_.size(); ++i)
    if (angles_[i]->isChecked()) return CosmoAngleChoice(i);
  return std::nullopt;
}

}  // namespace orv
