#include "wheels/ui/CWAspect.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/qt/QtCanvas.h"
#include "wheels/GlyphCodes.h"

namespace orv {

namespace {
constexpr double kListPoints = 12;
}  // namespace

CWAspect::CWAspect(const std::vector<std::string>& lines, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setObjectName("CWAspect");
  setWindowTitle("Aspects");
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("Text1");
  text_->setReadOnly(true);
  text_->setFont(QtCanvas::QtFont({std::string(GlyphFontFace), kListPoints, false}));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  std::string text;
  for (const std::string& line : lines) text += GlyphString(line) + "\n";
  text_->setPlainText(QString::fromStdString(text));
  resize(240, 420);
}

}  // namespace orv
