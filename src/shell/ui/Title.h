#pragma once
// The title window `TITLE`, shown while start-up loads the data tables. Its
// Continue button appears once loading has finished; pressing it, or closing
// the window, lets start-up go on.

#include <QWidget>

class QPushButton;

namespace orv {

// The texts of the title window.
inline constexpr const char* kTitleProgramName = "Orvanta8";
inline constexpr const char* kTitleVersion = "Version 1.62";
inline constexpr const char* kTitleHelpPointer =
    "For a listing of changes to the program, please see Revision History under HELP in the main "
    "Orvanta8 window.  Please review the many other categories under HELP, such as Hints and "
    "Shortcut Keys.";

class Title : public QWidget {
  Q_OBJECT

 public:
  explicit Title(QWidget* parent = nullptr);

  // Loading has finished: shows the Continue button `cmdOK`.
  void ShowContinue();

 signals:
  // Emitted once, by Continue or by closing the window.
  void Continued();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void cmdOK_Click();

  QPushButton* cmdOK_;
  bool continued_ = false;
};

}  // namespace orv
