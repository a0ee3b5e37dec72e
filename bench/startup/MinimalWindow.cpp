// The yardstick of bench/startup-time: the least a Qt Widgets program does
// to put a window on screen.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel window("Minimal");
  window.show();
  return QApplication::exec();
}
