#include "shell/ui/MainWindow.h"

#include <QDateTime>

#include "app/Workbench.h"
#include "base/Format.h"

namespace orv {

namespace {
constexpr const char* kCaptionPrefix = "Orvanta8 (Tropical zodiac) - ";
}

MainWindow::MainWindow(Workbench& workbench, QWidget* parent)
    : QMainWindow(parent), workbench_(workbench) {
  resize(640, 80);
  RefreshCaption();
  clock_.setInterval(1000);
  connect(&clock_, &QTimer::timeout, this, &MainWindow::RefreshCaption);
  clock_.start();
}

QString MainWindow::CaptionAt(const QDateTime& now) {
  const QDate d = now.date();
  const QTime t = now.time();
  const CivilDateTime when{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
  return QString::fromStdString(kCaptionPrefix + FormatDate(when, "dd mmm yyyy") + "     " +
                                FormatDate(when, "h:nn:ss AM/PM"));
}

void MainWindow::RefreshCaption() { setWindowTitle(CaptionAt(QDateTime::currentDateTime())); }

}  // namespace orv
