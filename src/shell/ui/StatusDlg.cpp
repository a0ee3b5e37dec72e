#include "shell/ui/StatusDlg.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Progress.h"

namespace orv {

namespace {
// Colour 12 of the 16-colour palette, light red.
const QColor kBarColour(255, 0, 0);
}  // namespace

ProgressPicture::ProgressPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("Picture2");
  setFixedHeight(24);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
}

void ProgressPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(QRect(0, 0, fill_, height()), kBarColour);
}

StatusDlg::StatusDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("StatusDlg");
  setWindowTitle("Working...");
  setWindowModality(Qt::ApplicationModal);
  picture_ = new ProgressPicture(this);
  cancel_ = new QPushButton("Cancel", this);
  cancel_->setObjectName("cmdCancel");
  connect(cancel_, &QPushButton::clicked, this, &StatusDlg::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Please wait while the work is done.", this));
  layout->addWidget(picture_);
  count_ = new QLabel(this);
  count_->setObjectName("lblCount");
  count_->hide();
  layout->addWidget(count_);
  layout->addWidget(cancel_, 0, Qt::AlignRight);
  resize(360, 110);
  show();
  // The caller starts its work right away; let the window appear first.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void StatusDlg::Clear() {
  picture_->SetFill(0);
  picture_->repaint();
}

void StatusDlg::DrawProgressBar(std::int64_t done, std::int64_t total) {
  const int fill = ProgressBarFill(done, total, picture_->width());
  picture_->SetFill(std::max(picture_->Fill(), fill));
  picture_->repaint();
  // Long runs do not return to the event loop between steps: they hand it
  // a slice here, for the window system (exposure, resizing) and for
  // Cancel. The window is modal, so no other window takes input meanwhile.
  QApplication::processEvents();
}

void StatusDlg::SetCountText(const QString& text) {
  count_->setText(text);
  count_->show();
  count_->repaint();
}

void StatusDlg::reject() {
  cancelled_ = true;
  cancel_->setEnabled(false);
}

}  // namespace orv
