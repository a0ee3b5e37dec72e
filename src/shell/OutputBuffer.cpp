#include "shell/OutputBuffer.h"

#include <new>
#include <system_error>

#include "platform/Files.h"
#include "platform/Host.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

constexpr std::string_view kBufferFull =
    "Buffer cannot hold any more data. Please print and/or clear data buffer before displaying "
    "any more data. This message may appear up to 35 times depending on how full the buffer is "
    "and how much the program wants to write to it.";

constexpr std::string_view kLastPageName = "REPORTS\\LASTPAGE.TXT";

}  // namespace

void BeginOutputPage(OutputState& out) {
  out.MoreMenuShown = false;
  out.PageBuffer.clear();
}

void AppendOutputLine(OutputState& out, Host& host) {
  try {
    out.OutputBuffer.push_back(out.OutputLine);
    out.PageBuffer.push_back(out.OutputLine);
  } catch (const std::bad_alloc&) {
    host.ShowMessage(kBufferFull, kTitleWarning, MessageIcon::Critical);
  }
}

void AppendBlankLine(OutputState& out, Host& host) {
  out.OutputLine.clear();
  AppendOutputLine(out, host);
}

void InsertLineAtPageTop(OutputState& out, std::string line) {
  // The page is the end of the whole buffer, unless the buffer was cleared
  // since the page began.
  const std::size_t pageStart = out.OutputBuffer.size() >= out.PageBuffer.size()
                                    ? out.OutputBuffer.size() - out.PageBuffer.size()
                                    : 0;
  out.OutputBuffer.insert(out.OutputBuffer.begin() + std::ptrdiff_t(pageStart), line);
  out.PageBuffer.insert(out.PageBuffer.begin(), std::move(line));
}

void ClearOutputBuffer(OutputState& out) { out.OutputBuffer.clear(); }

void AppendCrLfLine(std::string& out, std::string_view entry) {
  for (std::size_t i = 0; i < entry.size(); ++i) {
    const char c = entry[i];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      if (c == '\r' && i + 1 < entry.size() && entry[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  out += "\r\n";
}

std::string PageFileText(const OutputState& out) {
  std::string text;
  for (const auto& line : out.PageBuffer) AppendCrLfLine(text, line);
  AppendCrLfLine(text, "");  // the spare empty line past the last one
  return text;
}

bool ShowOutputPage(OutputState& out, const fs::path& appPath, Host& host, OutputView& view) {
  if (out.OutputCount() == 0) return false;
  // Save writes to the file chosen for what was shown then; a new page is
  // not to overwrite it unasked.
  out.OutputFileName.clear();
  AppendBlankLine(out, host);
  const fs::path file = ResolveInFolder(appPath, kLastPageName);
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);  // a failure shows up as a failed save
  const std::string text = PageFileText(out);
  SaveFileAtomically(host, file, text);
  view.ShowPage(text, out.MoreMenuShown);
  return true;
}

bool ShowHelpFile(OutputState& out, const fs::path& appPath, std::string_view helpFileName,
                  Host& host, OutputView& view) {
  const fs::path file = ResolveInFolder(appPath, helpFileName);
  const auto lines = ReadTextLines(file);
  if (!lines) {
    ReportMissingFile(host, file.string());
    return false;
  }
  BeginOutputPage(out);
  for (const auto& line : *lines) {
    out.OutputLine = line;
    AppendOutputLine(out, host);
  }
  AppendBlankLine(out, host);
  return ShowOutputPage(out, appPath, host, view);
}

}  // namespace orv
