#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

#include "platform/qt/DialogOpener.h"

namespace orv {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

Answer QtHost::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                           MessageButtons buttons, std::optional<Answer> defaultAnswer) {
  const DialogOpener opener(parent_);
  // Made on the heap: an owner closed while the box waits deletes it.
  const QPointer<QMessageBox> shown = new QMessageBox(opener.Owner());
  QMessageBox& box = *shown;
  box.setWindowTitle(Q(title));
  box.setText(Q(text));
  switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
  }
  switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      // Three answers ask for a deliberate choice: Enter alone does nothing.
      box.setDefaultButton(QMessageBox::Cancel);
      break;
  }
  if (defaultAnswer) {
    switch (*defaultAnswer) {
      case Answer::Ok: box.setDefaultButton(QMessageBox::Ok); break;
      case Answer::Cancel: box.setDefaultButton(QMessageBox::Cancel); break;
      case Answer::Yes: box.setDefaultButton(QMessageBox::Yes); break;
      case Answer::No: box.setDefaultButton(QMessageBox::No); break;
    }
  }
  // A message must be readable even while a long run has the busy cursor up.
  const bool busy = busyDepth_ > 0;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int pressed = box.exec();
  delete shown.data();
  if (busy) QApplication::restoreOverrideCursor();
  switch (pressed) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return buttons == MessageButtons::YesNoCancel ? Answer::Cancel : Answer::Ok;
  }
}

std::string QtHost::PromptText(std::string_view prompt, std::string_view title,
                               std::string_view defaultText) {
  const DialogOpener opener(parent_);
  bool ok = false;
  const QString text = QInputDialog::getText(opener.Owner(), Q(title), Q(prompt), QLineEdit::Normal,
                                             Q(defaultText), &ok);
  return ok ? text.toStdString() : std::string();
}

std::optional<std::string> QtHost::ChooseFile(const FileChoice& choice) {
  const DialogOpener opener(parent_);
  const QPointer<QFileDialog> shown =
      new QFileDialog(opener.Owner(), Q(choice.title), Q(choice.folder), Q(choice.filter));
  QFileDialog& dialog = *shown;
  dialog.setAcceptMode(choice.mode == FileChoice::Mode::Save ? QFileDialog::AcceptSave
                                                             : QFileDialog::AcceptOpen);
  dialog.setFileMode(choice.mode == FileChoice::Mode::Save ? QFileDialog::AnyFile
                                                           : QFileDialog::ExistingFile);
  if (!choice.defaultSuffix.empty()) dialog.setDefaultSuffix(Q(choice.defaultSuffix));
  if (!choice.proposedName.empty()) dialog.selectFile(Q(choice.proposedName));
  if (!choice.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const bool accepted = dialog.exec() == QDialog::Accepted && shown;
  const QStringList files = accepted ? dialog.selectedFiles() : QStringList();
  delete shown.data();
  if (files.isEmpty()) return std::nullopt;
  return files.front().toStdString();
}

void QtHost::BeginBusy() {
  if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtHost::EndBusy() {
  if (busyDepth_ > 0 && --busyDepth_ == 0) QApplication::restoreOverrideCursor();
}

void QtHost::SetClipboardText(std::string_view text) {
  QGuiApplication::clipboard()->setText(Q(text));
}

}  // namespace orv
