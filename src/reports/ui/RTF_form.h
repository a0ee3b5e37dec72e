#pragma once
// The report window: a saved report as formatted text, built from the RTF
// copy written beside it (the transit report, which has none, as plain
// text), with a button that opens the RTF copy in the desktop's program.

#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

class QPushButton;
class QTextEdit;

namespace orv {

class RTF_form : public QWidget {
  Q_OBJECT

 public:
  // `textFile` is the saved report; `rtfFile` its RTF copy, or empty when
  // there is none (a transit report). `rtfText` is the copy's content.
  RTF_form(const std::filesystem::path& textFile, const std::string& savedText,
           const std::filesystem::path& rtfFile, const std::string& rtfText,
           std::function<void(const std::filesystem::path&)> openInDesktop,
           QWidget* parent = nullptr);

  QTextEdit* RichText1() const { return text_; }
  QPushButton* OpenButton() const { return open_; }

 private:
  QTextEdit* text_ = nullptr;
  QPushButton* open_ = nullptr;
};

}  // namespace orv
