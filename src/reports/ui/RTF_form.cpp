#include "reports/ui/RTF_form.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "reports/RtfReport.h"
#include "shell/ui/FixedPitchFont.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

constexpr double kTextPoints = 9.0;

QString Html(const std::vector<RtfParagraph>& paragraphs) {
  QString html = "<html><body style=\"font-family: Arial, sans-serif; font-size: 11pt;\">";
  for (const RtfParagraph& p : paragraphs) {
    // As the RTF reads: no space between paragraphs, an empty one a blank line.
    html += p.centred ? "<p align=\"center\"" : "<p align=\"justify\"";
    html += " style=\"margin: 0; white-space: pre-wrap;\">";
    for (const RtfRun& run : p.runs) {
      const QString text = QString::fromStdString(run.text).toHtmlEscaped();
      html += run.bold ? "<b>" + text + "</b>" : text;
    }
    html += p.runs.empty() ? "&nbsp;</p>" : "</p>";
  }
  return html + "</body></html>";
}

}  // namespace

RTF_form::RTF_form(const fs::path& textFile, const std::string& savedText, const fs::path& rtfFile,
                   const std::string& rtfText, std::function<void(const fs::path&)> openInDesktop,
                   QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setObjectName("RTF_form");
  setAttribute(Qt::WA_DeleteOnClose);
  // Only a copy that was written is said to be saved.
  setWindowTitle(QString::fromStdString("Report - " + textFile.filename().string() +
                                        (rtfFile.empty() ? "" : " (.rtf file auto-saved)")));
  text_ = new QTextEdit(this);
  text_->setObjectName("RichText1");
  text_->setReadOnly(true);
  if (rtfFile.empty()) {
    text_->setLineWrapMode(QTextEdit::NoWrap);
    text_->setFont(FixedPitchFont(kTextPoints, false, false));
    text_->setPlainText(QString::fromStdString(savedText).remove(QChar('\r')));
  } else {
    text_->setHtml(Html(ReadRtfParagraphs(rtfText)));
  }
  open_ = new QPushButton("Open the .rtf file in a word processor", this);
  open_->setObjectName("cmdOpenRtf");
  open_->setVisible(!rtfFile.empty());
  auto* close = new QPushButton("Close", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(open_);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons);
  resize(760, 640);
  connect(open_, &QPushButton::clicked, this, [rtfFile, openInDesktop] {
    if (openInDesktop) openInDesktop(rtfFile);
  });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

}  // namespace orv
