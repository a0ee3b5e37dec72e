#pragma once
// Answers a modal dialog a test's command opens, through the real host.

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QTimer>
#include <filesystem>
#include <functional>

namespace orv::test {

// Answers the next modal dialog once it is up: `answer` gets the dialog.
inline void AnswerDialog(std::function<void(QDialog&)> answer) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      poll->deleteLater();
      poll->stop();
      answer(*dialog);
    }
  });
  poll->start(5);
}

// Chooses `file` in a file chooser and accepts. (selectFile leaves the name
// field alone while it has the keyboard, and the chooser would take the name
// it proposed.)
inline void ChooseFile(QDialog& chooser, const std::filesystem::path& file) {
  auto& files = dynamic_cast<QFileDialog&>(chooser);
  if (QWidget* typing = files.focusWidget()) typing->clearFocus();
  files.selectFile(QString::fromStdString(file.string()));
  chooser.accept();
}

}  // namespace orv::test
