#pragma once
// What the logic asks of the desktop: messages, the busy cursor, a line of
// text, a file name, the clipboard. The Qt layer implements it; tests use a recording fake.

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The program's four message titles.
inline constexpr std::string_view kTitleWarning = "Warning!";
inline constexpr std::string_view kTitleError = "Error!";
inline constexpr std::string_view kTitleInformation = "Information";
inline constexpr std::string_view kTitleInformationBang = "Information!";

enum class MessageIcon { None, Critical, Exclamation, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileChoice {
  enum class Mode { Open, Save };
  Mode mode = Mode::Open;
  std::string title;
  std::string folder;         // initial folder
  std::string proposedName;   // file name shown at first
  std::string filter;         // e.g. "Names files (*.FIL)"
  std::string defaultSuffix;  // appended when the user types none, e.g. "DOC"
  bool confirmOverwrite = true;
};

class Host {
 public:
  virtual ~Host() = default;

  // Shows `text` under `title` and returns the button pressed (Ok for a
  // plain message). Enter presses `defaultAnswer`'s button; none: the first
  // one (Cancel of three). A question whose Yes replaces or removes a user's
  // file gives No.
  virtual Answer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                             MessageButtons buttons = MessageButtons::Ok,
                             std::optional<Answer> defaultAnswer = std::nullopt) = 0;

  // Asks for one line of text. Cancel gives an empty text.
  virtual std::string PromptText(std::string_view prompt, std::string_view title,
                                 std::string_view defaultText) = 0;

  // Asks for a file path; nothing when the user cancels.
  virtual std::optional<std::string> ChooseFile(const FileChoice& choice) = 0;

  // Busy cursor on or off. Calls nest; use BusyCursor rather than these.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;

  // Replaces the system clipboard's content with the plain text `text`
  // (UTF-8).
  virtual void SetClipboardText(std::string_view text) = 0;

  // Shows a plain message only the first time this host is given its text:
  // a damaged file that every command reads again is reported once, not at
  // every command.
  void ShowMessageOnce(std::string_view text, std::string_view title, MessageIcon icon);

 private:
  std::set<std::string, std::less<>> shownOnce_;
};

// A Host that shows nothing: every message is answered OK, every prompt with
// `prompt` (empty: Cancel), every file choice with Cancel. For work whose
// messages are gathered and reported once (batches) and for benchmarks.
class MutedHost : public Host {
 public:
  Answer ShowMessage(std::string_view, std::string_view, MessageIcon, MessageButtons,
                     std::optional<Answer>) override {
    return Answer::Ok;
  }
  std::string PromptText(std::string_view, std::string_view, std::string_view) override {
    return prompt;
  }
  std::optional<std::string> ChooseFile(const FileChoice&) override { return std::nullopt; }
  void BeginBusy() override {}
  void EndBusy() override {}
  void SetClipboardText(std::string_view) override {}

  std::string prompt;
};

// Shows the busy cursor for the lifetime of the guard.
class BusyCursor {
 public:
  explicit BusyCursor(Host& host) : host_(host) { host_.BeginBusy(); }
  ~BusyCursor() { host_.EndBusy(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  Host& host_;
};

// "Cannot find the file called <path>." titled "Warning!": the one message
// for a data file that is not there. The command that wanted it stops.
void ReportMissingFile(Host& host, std::string_view path);

}  // namespace orv
