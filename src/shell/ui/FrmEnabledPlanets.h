#pragma once
// The enabled-planets window `frmEnabledPlanets`: which chart points the
// wheels show, one column of check boxes for each chart.

#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "core/ChartPoints.h"

class QCheckBox;

namespace orv {

class FrmEnabledPlanets : public QWidget {
  Q_OBJECT

 public:
  // The boxes edit `natalFlags` (`EnabledNatalPlanets`) and `transitFlags`
  // (`EnabledTransitPlanets`) in place; both must outlive the window. After
  // each click `redrawCurrentWheel` runs and the window comes back to the
  // front. Esc or a right click runs `bringMainWindowForward`. Both are
  // required: an empty one throws std::logic_error.
  FrmEnabledPlanets(std::string& natalFlags, std::string& transitFlags,
                    std::function<void()> redrawCurrentWheel,
                    std::function<void()> bringMainWindowForward, QWidget* parent = nullptr);

  // Box `point` (1 to 16) of chart 1 and of chart 2.
  QCheckBox* chkEnabledPlanets(int point) const { return natal_[point]; }
  QCheckBox* chkEnabledPlanets_Transit(int point) const { return transit_[point]; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void BoxClicked(std::string& flags, int point, bool checked);
  void BringMainWindowForward();

  std::string& natalFlags_;
  std::string& transitFlags_;
  std::function<void()> redrawCurrentWheel_;
  std::function<void()> bringMainWindowForward_;
  PointArray<QCheckBox*> natal_{};
  PointArray<QCheckBox*> transit_{};
};

}  // namespace orv
