#pragma once
// The tip of the day window `frmTip`: one tip of TIPOFDAY.TXT at a time,
// stepped forwards and back with wrap-around.

#include <QDialog>
#include <filesystem>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace orv {

class FrmTip : public QDialog {
  Q_OBJECT

 public:
  // Loads the tips from TIPOFDAY.TXT in `appPath` and shows tip 1.
  explicit FrmTip(const std::filesystem::path& appPath, QWidget* parent = nullptr);

  // `LoadTips`: the tips of `file` replace the list and tip 1 shows. False,
  // with the list left empty, when the file cannot be read.
  bool LoadTips(const std::filesystem::path& file);

  void cmdNextTip_Click();
  void GoBackTip();

  QLabel* lblTipText() const { return tipText_; }

 private:
  void DisplayCurrentTip();

  std::vector<std::string> tips_;
  int index_ = 0;  // the tip on show, numbered from 1; 0 before the first
  QLabel* tipText_ = nullptr;
  QPushButton* next_ = nullptr;
};

}  // namespace orv
