#include "shell/ui/TimeZone.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>

#include "shell/ui/FixedPitchFont.h"
#include "shell/ui/PickList.h"

namespace orv {

namespace {
// A list line holds 32 + 3 + 4 + 2 + 4 characters, more for hours like -10.5.
constexpr std::size_t kLineCharacters = 45;
constexpr int kRowsShown = 16;
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

  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FitWidthTo(int(kLineCharacters));
  resize(sizeHint().width(), kRowsShown * QFontMetrics(list_->font()).height());

  connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

void TimeZone::FitWidthTo(int characters) {
  // Every line whole beside the scroll bar.
  const QFontMetrics metrics(list_->font());
  list_->setMinimumWidth(metrics.horizontalAdvance(QString(characters, '0')) +
                         2 * list_->frameWidth() + 8 +
                         list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void TimeZone::ShowZones(std::vector<TimeZoneRecord> zones) {
  zones_ = std::move(zones);
  std::vector<std::string> lines;
  lines.reserve(zones_.size());
  std::size_t longest = kLineCharacters;
  for (const TimeZoneRecord& z : zones_) {
    lines.push_back(TimeZoneListLine(z));
    longest = std::max(longest, lines.back().size());
  }
  list_->Fill(lines);
  FitWidthTo(int(longest));
  resize(std::max(width(), sizeHint().width()), height());
}

}  // namespace orv
