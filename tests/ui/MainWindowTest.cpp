#include <gtest/gtest.h>

#include <QDateTime>

#include "app/Workbench.h"
#include "shell/ui/MainWindow.h"

namespace orv {
namespace {

TEST(MainWindow, CaptionCarriesTheZodiacTheDateAndTheTime) {
  const QDateTime evening(QDate(1969, 7, 20), QTime(20, 17, 40));
  EXPECT_EQ(MainWindow::CaptionAt(evening).toStdString(),
            "Orvanta8 (Tropical zodiac) - 20 Jul 1969     8:17:40 PM");
  Workbench workbench;
  MainWindow window(workbench);
  window.show();
  EXPECT_TRUE(window.windowTitle().startsWith("Orvanta8 (Tropical zodiac) - "));
}

}  // namespace
}  // namespace orv
