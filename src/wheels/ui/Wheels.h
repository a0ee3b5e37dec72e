#pragma once
// The wheel window `Wheels`: a top-level, modeless window that paints the
// wheel the last Wheels command prepared, scaled to its size. Its place and
// size come from the settings and go back to them when it loses the
// activation and when it closes.

#include <QWidget>
#include <functional>

namespace orv {

struct Workbench;

class Wheels : public QWidget {
  Q_OBJECT

 public:
  // Shows `workbench.Wheel`; `bringMainForward` runs for Esc and a right
  // click.
  Wheels(Workbench& workbench, std::function<void()> bringMainForward, QWidget* parent = nullptr);

  // The window's place and size from the settings (twips at the screen's
  // dots per inch), kept on the screen's free area; and back.
  void ApplySettingsGeometry();
  void RecordSettingsGeometry();

  // What a left click on the two-ring wheel runs (flip option 44 and show
  // the wheel anew); other wheels ignore the left button.
  void SetTwoRingClick(std::function<void()> handler);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  double DotsPerInch() const;

  Workbench& workbench_;
  std::function<void()> bringMainForward_;
  std::function<void()> twoRingClick_;
};

}  // namespace orv
