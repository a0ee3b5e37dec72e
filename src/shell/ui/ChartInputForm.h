#pragma once
// What the two chart input windows share: the eleven time and place fields
// with their labels and key filters, the A.M./P.M., East/West and North/South
// groups, the "TZ Help" and "Atlas" labels, select-all on entry, the hour
// rule when an hour edit ends, and East/West rewriting the zone's sign.

#include <QLabel>
#include <QWidget>
#include <array>
#include <string_view>
#include <vector>

#include "core/ChartInput.h"
#include "shell/input/InputRules.h"

class QBoxLayout;
class QGridLayout;
class QLineEdit;
class QRadioButton;

namespace orv {

class Host;

// A label that acts on a left click (the red-on-grey "TZ Help" and "Atlas").
class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);
 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The eleven fields in tab order.
enum class InputField {
  Month,
  Day,
  Year,
  Hour,
  Minute,
  TimeZone,
  LongDeg,
  LongMin,
  LatDeg,
  LatMin,
  Email
};
inline constexpr std::size_t kInputFieldCount = 11;

// One field's control name, its label's control name and caption.
struct FieldNames {
  const char* field;
  const char* label;
  const char* caption;
};

// Control names and texts of one window.
struct FormNames {
  std::array<FieldNames, kInputFieldCount> fields;
  std::array<const char*, 6> radios;  // AM, PM, East, West, North, South
  std::string_view hourEmptyText;     // the hour rule's message for an empty hour
};

class ChartInputForm : public QWidget {
  Q_OBJECT

 public:
  // The fields as typed and the option groups as set. An hour edit not yet
  // finished is taken as it stands.
  ChartInputFields Fields() const;
  // Writes every field and option; the hour rule runs on the hour written.
  void SetFields(const ChartInputFields& fields);
  // Ends a pending hour edit: the hour rule runs on what is typed.
  void CommitHour();

  QLineEdit* Field(InputField field) const { return fields_[std::size_t(field)]; }
  QRadioButton* AmButton() const { return am_; }
  QRadioButton* PmButton() const { return pm_; }
  QRadioButton* EastButton() const { return east_; }
  QRadioButton* WestButton() const { return west_; }
  QRadioButton* NorthButton() const { return north_; }
  QRadioButton* SouthButton() const { return south_; }
  ClickableLabel* TzHelpLabel() const { return tzHelp_; }
  ClickableLabel* AtlasLabel() const { return atlas_; }

 signals:
  void tzHelpClicked();
  void atlasClicked();
  // A right click anywhere on the window's own surface.
  void rightClicked();
  // A left click on the window's free area.
  void freeAreaClicked();
  // Enter or Return that no control took for itself: the window's default
  // button, OK, is to run.
  void defaultButtonPressed();

 protected:
  ChartInputForm(Host& host, const FormNames& names, QWidget* parent);

  // A sunken-frame label for a field, as the windows draw them.
  QLabel* MakeFieldLabel(const char* name, const char* caption);
  // A line edit that selects its whole text on entry, admitting `keys`.
  QLineEdit* MakeLineEdit(const char* name, FieldKeys keys, std::size_t maxLength = 0);
  // Adds the eleven labelled fields to `grid` from `firstRow` on.
  void AddFieldRows(QGridLayout* grid, int firstRow);
  // Adds the three option groups and the two clickable labels to `column`.
  void AddOptionGroups(QBoxLayout* column);
  void AddHelpLabels(QBoxLayout* column);
  // Sets the tab order to `chain`.
  static void SetTabChain(const std::vector<QWidget*>& chain);
  // Up and Down move the focus along `chain`.
  void SetArrowChain(std::vector<QLineEdit*> chain);

  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  Host& host_;

 private:
  void OnHourEditFinished();
  void OnSideClicked(bool east);

  FormNames names_;
  std::array<QLineEdit*, kInputFieldCount> fields_{};
  std::array<QLabel*, kInputFieldCount> labels_{};
  QRadioButton *am_, *pm_, *east_, *west_, *north_, *south_;
  ClickableLabel* tzHelp_ = nullptr;
  ClickableLabel* atlas_ = nullptr;
  std::vector<QLineEdit*> arrowChain_;
  bool inHourRule_ = false;
  // The hour rule refused the hour on this Enter: OK waits for a new one.
  bool hourRefusedOnEnter_ = false;
};

}  // namespace orv
