#include "shell/ui/FrmTip.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/Tips.h"

namespace orv {

FrmTip::FrmTip(const std::filesystem::path& appPath, QWidget* parent) : QDialog(parent) {
  setObjectName("frmTip");
  setWindowTitle("Tip of the Day");

  auto* didYouKnow = new QLabel("Did you know...", this);
  QFont heading = didYouKnow->font();
  heading.setBold(true);
  heading.setPointSizeF(heading.pointSizeF() * 1.4);
  didYouKnow->setFont(heading);

  tipText_ = new QLabel(this);
  tipText_->setObjectName("lblTipText");
  tipText_->setTextFormat(Qt::PlainText);
  tipText_->setWordWrap(true);
  tipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  tipText_->setMinimumSize(380, 110);
  tipText_->setMargin(6);
  tipText_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  tipText_->setBackgroundRole(QPalette::Base);
  tipText_->setAutoFillBackground(true);

  auto* hint = new QLabel("Change option #42 to remove Tips at startup", this);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  next_ = new QPushButton(QString::fromStdString(NextTipCaption(0)), this);
  next_->setObjectName("cmdNextTip");
  next_->setAutoDefault(false);
  auto* back = new QPushButton("Go &Back", this);
  back->setObjectName("Command1");
  back->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(next_, &QPushButton::clicked, this, &FrmTip::cmdNextTip_Click);
  connect(back, &QPushButton::clicked, this, &FrmTip::GoBackTip);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(next_);
  buttons->addWidget(back);
  buttons->addStretch();
  auto* tipColumn = new QVBoxLayout;
  tipColumn->addWidget(didYouKnow);
  tipColumn->addWidget(tipText_, 1);
  tipColumn->addWidget(hint);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(tipColumn, 1);
  layout->addLayout(buttons);

  if (!LoadTips(appPath / std::string(kTipsFileName)))
    tipText_->setText(QString::fromStdString(TipsNotFoundText()));
}

bool FrmTip::LoadTips(const std::filesystem::path& file) {
  auto tips = orv::LoadTips(file);
  tips_ = tips ? std::move(*tips) : std::vector<std::string>();
  index_ = 0;
  next_->setText(QString::fromStdString(NextTipCaption(static_cast<int>(tips_.size()))));
  if (!tips) return false;
  cmdNextTip_Click();
  return true;
}

void FrmTip::cmdNextTip_Click() {
  index_ = NextTipIndex(index_, static_cast<int>(tips_.size()));
  DisplayCurrentTip();
}

void FrmTip::GoBackTip() {
  index_ = PreviousTipIndex(index_, static_cast<int>(tips_.size()));
  DisplayCurrentTip();
}

void FrmTip::DisplayCurrentTip() {
  if (tips_.empty() || index_ < 1) return;
  tipText_->setText(QString::fromStdString(tips_[static_cast<size_t>(index_ - 1)]));
}

}  // namespace orv
