#include "shell/ui/TimeZone.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>

#include "shell/ui/FixedPitchFont.h"
#include "shell/ui/PickList.h"

namespace orv {

namespace {
// A list line holds 32 + 3 + 4 + 2 + 4 characters.
constexpr int kLineCharacters = 45;
constexpr double kListFontPoints = 9;
}  // namespace

TimeZone::TimeZone(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("TimeZone");
  setWindowTitle("Time Zones");

  list_ = new PickList(this);
  list_->setObjectName("lstTimeZones");
  list_->setFont(FixedPitchFont(kListFontPoints, false, false));
  auto* quit = new QPushButton("Quit", this);
  quit->setObjectName("Command1");

  auto* outer = new QVBoxLayout(this);
  outer->addWidget(list_, 1);
  outer->addWidget(quit, 0, Qt::AlignHCenter);

  // Wide enough for a whole line beside the scroll bar.
  const QFontMetrics metrics(list_->font());
  list_->setMinimumWidth(metrics.horizontalAdvance(QString(kLineCharacters, 'M')) +
                         2 * list_->frameWidth() +
                         list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  resize(sizeHint().width(), 20 * metrics.height());

  connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

void TimeZone::ShowZones(std::vector<TimeZoneRecord> zones) {
  zones_ = std::move(zones);
  std::vector<std::string> lines;
  lines.reserve(zones_.size());
  for (const TimeZoneRecord& z : zones_) lines.push_back(TimeZoneListLine(z));
  list_->Fill(lines);
}

}  // namespace orv
