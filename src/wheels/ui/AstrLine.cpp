#include "wheels/ui/AstrLine.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "base/Links.h"
#include "commands/Workbench.h"
#include "core/NumberFile.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "platform/qt/QtCanvas.h"
#include "shell/OptionFiles.h"

namespace orv {

namespace {

constexpr double kFallbackDotsPerInch = 96;
constexpr double kScreenShare = 0.85;
constexpr double kHeightTwips = 4000;
constexpr std::string_view kSynastryOrbFile = "SYNASTRY.ORB";

}  // namespace

AstrLine::AstrLine(Workbench& workbench, Host& host, std::string secondName,
                   std::function<void()> bringMainForward, QPoint topLeft, QWidget* parent)
    : QWidget(parent, Qt::Window),
      workbench_(workbench),
      secondName_(std::move(secondName)),
      bringMainForward_(RequireLink("AstrLine", "bringMainForward", std::move(bringMainForward))) {
  setObjectName("AstrLine");
  setWindowTitle(QString::fromUtf8(kSynastryCaption.data(), qsizetype(kSynastryCaption.size())));
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Told here, once; the paints read the file quietly.
  LoadOrbTable(&host, workbench_.AppPath / kSynastryOrbFile);
  const QScreen* on = QGuiApplication::screenAt(topLeft);
  if (!on) on = QGuiApplication::primaryScreen();
  const auto wide = on ? static_cast<int>(std::lround(on->geometry().width() * kScreenShare)) : 1000;
  resize(wide, static_cast<int>(std::lround(kHeightTwips * DotsPerInch() / kTwipsPerInch)));
  move(topLeft);
}

double AstrLine::DotsPerInch() const {
  const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
  return on ? on->logicalDotsPerInchY() : kFallbackDotsPerInch;
}

void AstrLine::paintEvent(QPaintEvent*) {
  const std::string_view caption = SynastryViewCaption(view_);
  setWindowTitle(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
  const ChartModel& charts = workbench_.Charts;
  SynastryPaintInputs in;
  in.options = &workbench_.Options;
  in.natalLongitudes = charts.Natal.Longitudes;
  in.secondLongitudes = charts.Diurnal.Longitudes;
  in.natalRetroFlags = charts.Natal.RetroFlags;
  in.secondRetroFlags = charts.Diurnal.RetroFlags;
  in.natalHasChiron = charts.Natal.HasChiron;
  in.secondHasChiron = charts.Diurnal.HasChiron;
  in.natalName = charts.PersonName;
  in.secondName = secondName_;
  in.view = view_;
  in.dotsPerInch = DotsPerInch();
  // Read at every paint, so an edit of the orbs shows at the next one.
  OrbTable orbs{};
  if (ReadNumberFile(ResolveInFolder(workbench_.AppPath, kSynastryOrbFile), orbs, OrbRanges()))
    in.orbs = orbs;
  QPainter painter(this);
  QtCanvas canvas(painter, QRectF(rect()));
  PaintSynastryLines(canvas, in);
}

void AstrLine::mousePressEvent(QMouseEvent* event) {
  view_ = NextSynastryView(view_);
  update();
  event->accept();
}

void AstrLine::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    bringMainForward_();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orv
