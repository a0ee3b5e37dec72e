#include "shell/ui/StatusDlg.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
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
  setModal(false);
  picture_ = new ProgressPicture(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Please wait while the work is done.", this));
  layout->addWidget(picture_);
  resize(360, 80);
  show();
  // The caller starts its work right away; let the window appear first.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void StatusDlg::Clear() {
  picture_->SetFill(0);
  picture_->repaint();
}

void StatusDlg::DrawProgressBar(int done, int total) {
  const int fill = ProgressBarFill(done, total, picture_->width());
  picture_->SetFill(std::max(picture_->Fill(), fill));
  picture_->repaint();
  // Long runs never return to the event loop; the window system still
  // needs its own events (exposure, resizing) for the bar to reach the
  // screen. User input waits, so nothing can start a second run meanwhile.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace orv
