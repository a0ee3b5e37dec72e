#pragma once
// An indexed group of option buttons in a titled frame: exactly one member
// is checked, and a double click on a member may run a command.

#include <QGroupBox>
#include <QRadioButton>
#include <functional>
#include <string_view>
#include <vector>

namespace orv {

class OptionGroup : public QGroupBox {
  Q_OBJECT

 public:
  // Members named `<name>_<index>`, laid out in `columns` columns.
  OptionGroup(const QString& name, const QString& title,
              const std::vector<std::string_view>& captions, int columns,
              QWidget* parent = nullptr);

  int Checked() const;
  void Check(int index);
  QRadioButton* Member(int index) const { return members_.at(static_cast<std::size_t>(index)); }
  // Runs after a member was double-clicked (and checked).
  void SetDoubleClick(std::function<void()> command) { doubleClick_ = std::move(command); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QRadioButton*> members_;
  std::function<void()> doubleClick_;
};

}  // namespace orv
