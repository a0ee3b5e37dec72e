#pragma once
// The progress window `StatusDlg` of the reports and batch runs: a bar that
// grows while the work goes on.

#include <QDialog>

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
  // Shows itself at once (not modal), as loading the window did.
  explicit StatusDlg(QWidget* parent = nullptr);

  // Cls: empties the bar for a new run.
  void Clear();

  // `DrawProgressBar`: fills `done` / `total` of the bar (at most all of it;
  // a total of 0 or less fills it) and paints it before returning, so the
  // bar moves while the caller's long work keeps the event loop waiting.
  // The bar is not cleared first: during one run it only grows.
  void DrawProgressBar(int done, int total);

  ProgressPicture* Picture2() const { return picture_; }

 private:
  ProgressPicture* picture_ = nullptr;
};

}  // namespace orv
