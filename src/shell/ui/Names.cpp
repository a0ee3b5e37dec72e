#include "shell/ui/Names.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "shell/input/InputState.h"
#include "shell/ui/PickList.h"

namespace orv {

namespace {

struct ButtonSpec {
  const char* name;
  const char* caption;
};
constexpr ButtonSpec kBatchButtons[] = {
    {"Batch", "All vs All"},
    {"Batch1", "One vs All"},
    {"Batch2", "View Division Analysis"},
    {"Batch3", "Print O.F.A. - All"},
    {"Batch4", "View O.F.A. - All"},
    {"Batch5", "Placement Summary"},
    {"Batch6", "All vs All Summary"},
};

struct ChoiceSpec {
  const char* name;
  const char* caption;
  bool NamesAnalysisChoices::*value;
};
constexpr ChoiceSpec kChoices[] = {
    {"chkCheck4", "Consider dignities?", &NamesAnalysisChoices::ConsiderDignities},
    {"chkCheck2", "Benefics/Malefics?", &NamesAnalysisChoices::BeneficsMalefics},
    {"Check3", "incl MR", &NamesAnalysisChoices::IncludeMR},
    {"Check2", "1 to 1", &NamesAnalysisChoices::OneToOne},
};

}  // namespace

Names::Names(NamesAnalysisChoices& choices, bool listLocked, const BatchCommands& batch,
             QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setObjectName("Names");
  setWindowTitle("Names");

  fileLabel_ = MakeFileLabel(this, "lblNamesOnFile");
  list_ = new PickList(this);
  list_->setObjectName("NamesOnFile");
  lock_ = new QCheckBox("Lock list", this);
  lock_->setObjectName("Check1");
  lock_->setChecked(listLocked);

  QPushButton* change = MakeButton(this, "cmdNewFileList", "Change List");
  QPushButton* edit = MakeButton(this, "cmdEditList", "Edit this List");
  QPushButton* cities = MakeButton(this, "Command1", "Click here for cities");

  auto* left = new QVBoxLayout;
  left->addWidget(fileLabel_);
  left->addWidget(list_, 1);
  left->addWidget(lock_);

  auto* right = new QVBoxLayout;
  right->addWidget(change);
  right->addWidget(edit);
  right->addWidget(cities);
  for (const ChoiceSpec& c : kChoices) {
    auto* box = new QCheckBox(c.caption, this);
    box->setObjectName(c.name);
    box->setChecked(choices.*c.value);
    connect(box, &QCheckBox::toggled, this, [&choices, c](bool on) { choices.*c.value = on; });
    right->addWidget(box);
  }
  for (std::size_t i = 0; i < batch.size(); ++i) {
    QPushButton* b = MakeButton(this, kBatchButtons[i].name, kBatchButtons[i].caption);
    b->setEnabled(bool(batch[i]));
    if (batch[i]) connect(b, &QPushButton::clicked, this, batch[i]);
    right->addWidget(b);
  }
  right->addStretch(1);

  auto* outer = new QHBoxLayout(this);
  outer->addLayout(left, 1);
  outer->addLayout(right);

  connect(lock_, &QCheckBox::clicked, this, &Names::lockClicked);
  connect(change, &QPushButton::clicked, this, &Names::changeListClicked);
  connect(edit, &QPushButton::clicked, this, &Names::editListClicked);
  connect(cities, &QPushButton::clicked, this, &Names::citiesClicked);
}

void Names::ShowNames(const std::string& fileName, std::vector<std::string> names) {
  fileLabel_->setText(QString::fromStdString(fileName));
  list_->Fill(std::move(names));
}

QPushButton* Names::Button(const char* name) const { return findChild<QPushButton*>(name); }

}  // namespace orv
