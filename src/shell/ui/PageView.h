#pragma once
// The data window's text: a read-only, unwrapped view over a page's lines as
// the output buffer holds them. Only the lines on screen are laid out, so a
// page of a million lines shows as fast as one of ten, and no line is copied.
// The text can be selected with the mouse (a double click takes a word), all
// of it with Ctrl+A, and copied with Ctrl+C; the keys scroll.

#include <QAbstractScrollArea>
#include <QString>
#include <string_view>
#include <vector>

#include "shell/OutputBuffer.h"

namespace orv {

class PageView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit PageView(QWidget* parent = nullptr);

  // Shows `page`'s lines, an entry's inner line breaks starting new lines,
  // and the spare empty line after them; scrolled to the top, nothing
  // selected. Null shows nothing.
  void SetPage(SharedPage page);

  // How many lines are shown, the spare one included (none before a page).
  int LineCount() const { return lineCount_; }
  // Line `row` (0 to LineCount() - 1) as shown.
  QString Line(int row) const;
  // Every line, joined by LF.
  QString PlainText() const;
  QString SelectedText() const;
  void SelectAll();
  // Puts the selection on the clipboard; nothing when none.
  void Copy() const;
  // The first line on screen.
  int FirstVisibleLine() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // A place in the text: a line and a character (UTF-16 unit) in it.
  struct Place {
    int row = 0;
    int column = 0;
    auto operator<=>(const Place&) const = default;
  };

  std::string_view RowBytes(int row) const;
  Place PlaceAt(QPoint point) const;
  qreal ColumnX(const QString& text, int column) const;
  bool HasSelection() const { return anchor_ != cursor_; }
  void UpdateScrollBars();
  void OfferSelection() const;

  SharedPage page_;
  // Set only when some entry holds a line break: the lines it gives.
  std::vector<std::string_view> rows_;
  int lineCount_ = 0;
  std::size_t longestLine_ = 0;  // in bytes
  Place anchor_, cursor_;
  bool selecting_ = false;
};

}  // namespace orv
