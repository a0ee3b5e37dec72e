#pragma once
// A Host for tests: records every message and prompt, answers from queues.

#include <deque>
#include <string>
#include <vector>

#include "platform/Host.h"

namespace orv::test {

struct RecordedMessage {
  std::string text;
  std::string title;
  MessageIcon icon;
  MessageButtons buttons;
  std::optional<Answer> defaultAnswer;
};

class RecordingHost : public Host {
 public:
  std::vector<RecordedMessage> messages;
  std::vector<std::string> prompts;
  std::vector<FileChoice> fileChoices;
  std::deque<Answer> answers;                          // default: Ok / Yes
  std::deque<std::string> promptAnswers;               // default: "" (Cancel)
  std::deque<std::optional<std::string>> fileAnswers;  // default: cancelled
  int busyDepth = 0;
  int busyCount = 0;
  std::string clipboard;  // the text last put on the clipboard
  int clipboardCount = 0;

  Answer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                     MessageButtons buttons, std::optional<Answer> defaultAnswer) override {
    messages.push_back({std::string(text), std::string(title), icon, buttons, defaultAnswer});
    if (!answers.empty()) {
      const Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel ? Answer::Ok
                                                                                : Answer::Yes;
  }

  std::string PromptText(std::string_view prompt, std::string_view, std::string_view) override {
    prompts.emplace_back(prompt);
    if (promptAnswers.empty()) return {};
    std::string a = promptAnswers.front();
    promptAnswers.pop_front();
    return a;
  }

  std::optional<std::string> ChooseFile(const FileChoice& choice) override {
    fileChoices.push_back(choice);
    if (fileAnswers.empty()) return std::nullopt;
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
  }

  void BeginBusy() override {
    ++busyDepth;
    ++busyCount;
  }
  void EndBusy() override { --busyDepth; }
  void SetClipboardText(std::string_view text) override {
    clipboard = text;
    ++clipboardCount;
  }
};

}  // namespace orv::test
