#pragma once
// The main window: a menu bar with the caption clock.

#include <QMainWindow>
#include <QTimer>

namespace orv {

struct Workbench;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Workbench& workbench, QWidget* parent = nullptr);

  // The caption for a given moment: the prefix, the date, five blanks, the time.
  static QString CaptionAt(const QDateTime& now);

 private:
  void RefreshCaption();

  Workbench& workbench_;
  QTimer clock_;
};

}  // namespace orv
