#pragma once
// A Host for benchmarks: answers everything at once and shows nothing.

#include <optional>
#include <string>
#include <string_view>

#include "platform/Host.h"

namespace orv::bench {

class QuietHost : public Host {
 public:
  Answer ShowMessage(std::string_view, std::string_view, MessageIcon, MessageButtons) override {
    return Answer::Ok;
  }
  // Every prompt is answered with `prompt` (empty: Cancel).
  std::string PromptText(std::string_view, std::string_view, std::string_view) override {
    return prompt;
  }
  std::optional<std::string> ChooseFile(const FileChoice&) override { return {}; }
  void BeginBusy() override {}
  void EndBusy() override {}
  void SetClipboardText(std::string_view) override {}

  std::string prompt;
};

}  // namespace orv::bench
