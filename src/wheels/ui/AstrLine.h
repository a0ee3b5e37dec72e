#pragma once
// The synastry aspect-line window `AstrLine`: wide and short, the two
// persons' charts on two zodiac scales with the aspect lines of one family
// between them. A click steps to the next family; Esc brings the main
// window forward and leaves the diagram open.

#include <QPoint>
#include <QWidget>
#include <functional>
#include <string>

#include "wheels/SynastryLines.h"

namespace orv {

class Host;
struct Workbench;

class AstrLine : public QWidget {
  Q_OBJECT

 public:
  // Draws from the computed charts of `workbench`; `secondName` is the
  // second person's name as the second-chart window shows it. The window
  // is 0.85 of the screen wide and 4000 twips high, its top-left corner at
  // `topLeft`. A missing SYNASTRY.ORB is reported once, here, through
  // `host`; the diagram then shows no lines. Esc or a click runs
  // `bringMainForward`, which is required (empty: std::logic_error).
  AstrLine(Workbench& workbench, Host& host, std::string secondName,
           std::function<void()> bringMainForward, QPoint topLeft, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  double DotsPerInch() const;

  Workbench& workbench_;
  std::string secondName_;
  std::function<void()> bringMainForward_;
  SynastryView view_ = SynastryView::HardAspects;
};

}  // namespace orv
