#pragma once
// The aspect list window `CWAspect`, captioned "Aspects": the aspects of the
// wheel's chart in glyphs, one per line, in the glyph font at 12 points.
// It shows the list it was made with; the wheel window makes it anew.

#include <QWidget>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace orv {

class CWAspect : public QWidget {
  Q_OBJECT

 public:
  // `lines`: the list's lines as program codes of the glyph font.
  explicit CWAspect(const std::vector<std::string>& lines, QWidget* parent = nullptr);

  QPlainTextEdit* Text1() const { return text_; }

 private:
  QPlainTextEdit* text_ = nullptr;
};

}  // namespace orv
