#include "shell/ui/InputD.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/input/InputRules.h"
#include "shell/ui/PickList.h"

namespace orv {

namespace {

const FormNames kNatalNames{{{{"txtMonth", "lblMonth", "Birth Month"},
                              {"txtDay", "lblDay", "Birth Day"},
                              {"txtYear", "lblYear", "Birth Year"},
                              {"txtBirthHour", "lblBirthHour", "Birth Hour"},
                              {"txtBirthMinute", "lblBirthMinute", "Birth Minute"},
                              {"txtTZ", "lblBirthTZ", "Time Zone"},
                              {"txtLongDeg", "lblLongDeg", "Long Degrees"},
                              {"txtLongMin", "lblLongMin", "Long Minutes"},
                              {"txtLatDeg", "lblLatDeg", "Lat Degrees"},
                              {"txtLatMin", "lblLatMin", "Lat Minutes"},
                              {"txtEmail", "lblEmail", "E-mail"}}},
                            {"optAM", "optPM", "optEast", "optWest", "optNorth", "optSouth"},
                            kNatalHourEmptyText};

}  // namespace

InputD::InputD(Host& host, QWidget* parent) : ChartInputForm(host, kNatalNames, parent) {
  setObjectName("InputD");
  setWindowTitle("Natal Input Data");

  QLabel* nameLabel = MakeFieldLabel("lblName", "Name");
  name_ = MakeLineEdit("txtName", FieldKeys::Any);
  nameLabel->setBuddy(name_);
  ok_ = MakeButton(this, "cmdOK", "OK");
  save_ = MakeButton(this, "cmdSave", "Save to disk");
  now_ = MakeButton(this, "cmdNow", "NOW");
  // Enter runs OK, unless the focus is on one of the other buttons.
  ok_->setDefault(true);
  save_->setAutoDefault(true);
  now_->setAutoDefault(true);

  auto* grid = new QGridLayout;
  grid->addWidget(nameLabel, 0, 0);
  grid->addWidget(name_, 0, 1);
  AddFieldRows(grid, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(int(kInputFieldCount) + 1, 1);

  auto* side = new QVBoxLayout;
  AddOptionGroups(side);
  AddHelpLabels(side);
  side->addWidget(ok_);
  side->addWidget(save_);
  side->addWidget(now_);
  side->addStretch(1);

  auto* outer = new QHBoxLayout(this);
  outer->addLayout(grid, 1);
  outer->addLayout(side);

  SetTabChain({name_,
               Field(InputField::Month),
               Field(InputField::Day),
               Field(InputField::Year),
               Field(InputField::Hour),
               Field(InputField::Minute),
               Field(InputField::TimeZone),
               Field(InputField::LongDeg),
               Field(InputField::LongMin),
               Field(InputField::LatDeg),
               Field(InputField::LatMin),
               Field(InputField::Email),
               AmButton(),
               PmButton(),
               EastButton(),
               WestButton(),
               NorthButton(),
               SouthButton(),
               ok_,
               save_,
               now_});
  SetArrowChain({Field(InputField::Hour), Field(InputField::Minute), Field(InputField::TimeZone),
                 Field(InputField::LongDeg), Field(InputField::LongMin), Field(InputField::LatDeg),
                 Field(InputField::LatMin), Field(InputField::Email)});

  connect(ok_, &QPushButton::clicked, this, &InputD::okClicked);
  connect(this, &ChartInputForm::defaultButtonPressed, ok_, &QPushButton::click);
  connect(save_, &QPushButton::clicked, this, &InputD::saveClicked);
  connect(now_, &QPushButton::clicked, this, &InputD::nowClicked);
}

NatalInputFields InputD::NatalFields() const {
  NatalInputFields f;
  static_cast<ChartInputFields&>(f) = Fields();
  f.Name = name_->text().toStdString();
  return f;
}

void InputD::SetNatalFields(const NatalInputFields& fields) {
  name_->setText(QString::fromStdString(fields.Name));
  SetFields(fields);
}

}  // namespace orv
