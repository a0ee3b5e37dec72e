#pragma once
// The desktop behind the logic's Host: Qt message boxes, input and file
// dialogs, the application-wide busy cursor and the system clipboard.

#include <QWidget>
#include <QPointer>

#include "platform/Host.h"

namespace orv {

class QtHost final : public Host {
 public:
  // Each dialog belongs to the window whose command opened it (the active
  // one, or the one an earlier dialog of the command gave the keyboard back
  // to; else `parent`), is centred on it, and gives it the keyboard back as
  // it closes.
  explicit QtHost(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  Answer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                     MessageButtons buttons, std::optional<Answer> defaultAnswer) override;
  std::string PromptText(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override;
  std::optional<std::string> ChooseFile(const FileChoice& choice) override;
  void BeginBusy() override;
  void EndBusy() override;
  void SetClipboardText(std::string_view text) override;

 private:
  QPointer<QWidget> parent_;
  int busyDepth_ = 0;
};

}  // namespace orv
