#pragma once
// The progress window `StatusDlg` of the reports and batch runs: a bar that
// grows while the work goes on, and a Cancel button.

#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;

namespace orv {

// The picture box the bar is drawn on.
class ProgressPicture : public QWidget {
  Q_OBJECT

 public:
  explicit ProgressPicture(QWidget* parent = nullptr);
  // Filled width in pixels.
  int Fill() const { return fill_; }
  void SetFill(int fill) { fill_ = fill; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int fill_ = 0;
};

class StatusDlg : public QDialog {
  Q_OBJECT

 public:
  // Shows itself at once, as loading the window did. While it is up it is
  // the only window that takes the user's input, so nothing can start a
  // second run meanwhile.
  explicit StatusDlg(QWidget* parent = nullptr);

  // Cls: empties the bar for a new run.
  void Clear();

  // `DrawProgressBar`: fills `done` / `total` of the bar (at most all of it;
  // a total of 0 or less fills it) and paints it before returning, so the
  // bar moves while the caller's long work keeps the event loop waiting.
  // The bar is not cleared first: during one run it only grows. Pending
  // events are handled, so a press of Cancel is heard.
  void DrawProgressBar(std::int64_t done, std::int64_t total);

  // A line under the bar saying how far the work has come ("1,234 of
  // 5,678 pairs"); hidden until first set.
  void SetCountText(const QString& text);

  // Whether Cancel was pressed (or the window closed) since it opened.
  bool Cancelled() const { return cancelled_; }

  ProgressPicture* Picture2() const { return picture_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  void reject() override;

 private:
  ProgressPicture* picture_ = nullptr;
  QLabel* count_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool cancelled_ = false;
};

}  // namespace orv
