#include "shell/ui/FrmEnabledPlanets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "base/Links.h"
#include "base/Text.h"
#include "core/FixedTables.h"
#include "shell/EnabledPlanets.h"

namespace orv {

FrmEnabledPlanets::FrmEnabledPlanets(std::string& natalFlags, std::string& transitFlags,
                                     std::function<void()> redrawCurrentWheel,
                                     std::function<void()> bringMainWindowForward, QWidget* parent)
    : QWidget(parent, Qt::Window),
      natalFlags_(natalFlags),
      transitFlags_(transitFlags),
      redrawCurrentWheel_(
          RequireLink("FrmEnabledPlanets", "redrawCurrentWheel", std::move(redrawCurrentWheel))),
      bringMainWindowForward_(RequireLink("FrmEnabledPlanets", "bringMainWindowForward",
                                          std::move(bringMainWindowForward))) {
  setObjectName("frmEnabledPlanets");
  setWindowTitle("Enabled Planets");

  auto* layout = new QGridLayout(this);
  auto* natalLabel = new QLabel("Chart 1\n(natal)", this);
  natalLabel->setObjectName("lblNatalPlanets");
  auto* transitLabel = new QLabel("Chart 2\n(transits or\n2nd person)", this);
  transitLabel->setObjectName("lblTransitPlanets");
  layout->addWidget(natalLabel, 0, 0, Qt::AlignBottom);
  layout->addWidget(transitLabel, 0, 1, Qt::AlignBottom);

  // Each box takes its state from its flag before its click is connected,
  // so filling the boxes redraws nothing.
  const auto addBox = [this, layout](std::string& flags, int point, int column, const char* name) {
    auto* box = new QCheckBox(QString::fromStdString(std::string(Trim(PointNames[point]))), this);
    box->setObjectName(QString("%1_%2").arg(name).arg(point));
    box->setChecked(IsPointEnabled(flags, point));
    connect(box, &QCheckBox::clicked, this,
            [this, &flags, point](bool checked) { BoxClicked(flags, point, checked); });
    layout->addWidget(box, point, column);
    return box;
  };
  for (int point = 1; point <= NumPoints; ++point) {
    natal_[point] = addBox(natalFlags_, point, 0, "chkEnabledPlanets");
    transit_[point] = addBox(transitFlags_, point, 1, "chkEnabledPlanets_Transit");
  }
  layout->setHorizontalSpacing(24);

  adjustSize();
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }
}

void FrmEnabledPlanets::BoxClicked(std::string& flags, int point, bool checked) {
  SetPointEnabled(flags, point, checked);
  redrawCurrentWheel_();
  raise();
  activateWindow();
}

void FrmEnabledPlanets::BringMainWindowForward() {
  bringMainWindowForward_();
}

void FrmEnabledPlanets::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return QWidget::keyPressEvent(event);
  BringMainWindowForward();
  event->accept();
}

void FrmEnabledPlanets::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) return QWidget::mousePressEvent(event);
  BringMainWindowForward();
  event->accept();
}

}  // namespace orv
