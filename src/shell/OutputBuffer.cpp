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

std::size_t OutputState::OutputCount() const {
  std::size_t count = page_->size() - pageLinesCleared_;
  for (const auto& earlier : earlierPages_) count += earlier->size();
  return count;
}

OutputLines OutputState::OutputBuffer() const {
  OutputLines lines;
  lines.reserve(OutputCount());
  ForEachOutputLine([&](const std::string& line) { lines.push_back(line); });
  return lines;
}

OutputLines& OutputState::WritablePage() {
  if (page_.use_count() > 1) page_ = std::make_shared<OutputLines>(*page_);
  return *page_;
}

void BeginOutputPage(OutputState& out) {
  out.MoreMenuShown = false;
  // The page's lines stay in the whole buffer as an earlier page.
  if (out.pageLinesCleared_ == 0 && !out.page_->empty()) {
    out.earlierPages_.push_back(std::move(out.page_));
  } else if (out.pageLinesCleared_ < out.page_->size()) {
    out.earlierPages_.push_back(std::make_shared<const OutputLines>(
        out.page_->begin() + std::ptrdiff_t(out.pageLinesCleared_), out.page_->end()));
  }
  out.page_ = std::make_shared<OutputLines>();
  out.pageLinesCleared_ = 0;
}

void AppendOutputLine(OutputState& out, Host& host) {
  try {
    out.WritablePage().push_back(out.OutputLine);
  } catch (const std::bad_alloc&) {
    host.ShowMessage(kBufferFull, kTitleWarning, MessageIcon::Critical);
  }
}

void AppendBlankLine(OutputState& out, Host& host) {
  out.OutputLine.clear();
  AppendOutputLine(out, host);
}

void InsertLineAtPageTop(OutputState& out, std::string line) {
  // A page begun before the buffer was cleared keeps its top out of it.
  OutputLines& page = out.WritablePage();
  page.insert(page.begin(), std::move(line));
  if (out.pageLinesCleared_ > 0) ++out.pageLinesCleared_;
}

void ClearOutputBuffer(OutputState& out) {
  out.earlierPages_.clear();
  out.pageLinesCleared_ = out.page_->size();
}

void ClearAllOutput(OutputState& out) {
  ClearOutputBuffer(out);
  out.page_ = std::make_shared<OutputLines>();
  out.pageLinesCleared_ = 0;
}

SharedPage ShownPage(const OutputState& out) { return out.page_; }

void AppendCrLfLine(std::string& out, std::string_view entry) {
  // A run up to the next break is appended whole: pages run to a million lines.
  while (!entry.empty()) {
    std::size_t cut = 0;
    while (cut < entry.size() && entry[cut] != '\r' && entry[cut] != '\n') ++cut;
    if (cut == entry.size()) {
      out += entry;
      break;
    }
    out += entry.substr(0, cut);
    out += "\r\n";
    const bool crLf = entry[cut] == '\r' && cut + 1 < entry.size() && entry[cut + 1] == '\n';
    entry.remove_prefix(cut + (crLf ? 2 : 1));
  }
  out += "\r\n";
}

std::string PageFileText(const OutputState& out) { return PageFileText(out.PageBuffer()); }

std::string PageFileText(const OutputLines& page) {
  std::string text;
  std::size_t size = 2;
  for (const auto& line : page) size += line.size() + 2;
  text.reserve(size);
  for (const auto& line : page) AppendCrLfLine(text, line);
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
  view.ShowPage(ShownPage(out), out.MoreMenuShown);
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
