#pragma once
// The About window: the program's name in shadowed lettering and its
// version. A click anywhere closes it.

#include <QDialog>
#include <string>

class QLabel;

namespace orv {

// The project's own contact addresses, shown only when configured. None is
// configured so far, so the window shows neither.
struct ProjectAddresses {
  std::string email;
  std::string webPage;  // opened with the desktop's browser on a click
};

inline constexpr const char* kVersionText = "Version  1.62";

// The name drawn in yellow over a black shadow of 100 copies, each one twip
// right of and below the one before, 24 points high.
class Lettering : public QWidget {
  Q_OBJECT

 public:
  explicit Lettering(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class About : public QDialog {
  Q_OBJECT

 public:
  explicit About(ProjectAddresses addresses = {}, QWidget* parent = nullptr);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace orv
