#pragma once
// The output line buffer: every text listing is built line by line here and
// reaches the data window as one page. A producer begins a page, appends its
// lines and asks for the page to be shown; the whole buffer keeps every line
// since the last clear, for saving and printing.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class Host;

// Lines of output, each line one entry (an entry may hold line breaks).
using OutputLines = std::vector<std::string>;

// A page as shown: the data window keeps it while showing it and never
// changes it, so the page and the window hold each line once between them.
using SharedPage = std::shared_ptr<const OutputLines>;

struct OutputState {
  // The line being built; the append operations read it and leave it as it is.
  std::string OutputLine;
  // Set while the data window shows its More menu for the transit listing.
  bool MoreMenuShown = false;
  // The file the data window's Save writes; empty: ask with Save As. It
  // belongs to the data window alone, so no other command can redirect it;
  // showing a new page empties it.
  std::string OutputFileName;

  // The lines of the current page.
  const OutputLines& PageBuffer() const { return *page_; }
  std::size_t PageLineCount() const { return page_->size(); }
  // How many lines the whole buffer holds: every line appended since it was
  // last cleared.
  std::size_t OutputCount() const;
  // Calls `visit` with each line of the whole buffer, the oldest first.
  template <class Visit>
  void ForEachOutputLine(Visit visit) const {
    for (const auto& earlier : earlierPages_)
      for (const std::string& line : *earlier) visit(line);
    for (std::size_t i = pageLinesCleared_; i < page_->size(); ++i) visit((*page_)[i]);
  }
  // The whole buffer as one list (a copy).
  OutputLines OutputBuffer() const;

 private:
  friend void BeginOutputPage(OutputState&);
  friend void AppendOutputLine(OutputState&, class Host&);
  friend void InsertLineAtPageTop(OutputState&, std::string);
  friend void ClearOutputBuffer(OutputState&);
  friend void ClearAllOutput(OutputState&);
  friend SharedPage ShownPage(const OutputState&);
  // The page's lines, for changing: a page the data window holds is copied
  // first, so what it shows never changes under it.
  OutputLines& WritablePage();

  std::shared_ptr<OutputLines> page_ = std::make_shared<OutputLines>();
  // Earlier pages still in the whole buffer, the oldest first: the whole
  // buffer is them and the current page, so no line is kept twice.
  std::vector<std::shared_ptr<const OutputLines>> earlierPages_;
  // How many of the page's first lines were cleared from the whole buffer
  // (the page stays when the buffer is cleared).
  std::size_t pageLinesCleared_ = 0;
};

// Where a page is shown: the data window implements it.
class OutputView {
 public:
  virtual ~OutputView() = default;
  // Shows the lines of `page` and the spare empty line after them in the
  // data window (a line break inside an entry starts a new line there),
  // restoring the window when it is minimized, with the More menu as
  // `moreMenuShown`.
  virtual void ShowPage(SharedPage page, bool moreMenuShown) = 0;
};

// Starts a new page: empties the page and hides the More menu. The whole
// buffer keeps its lines.
void BeginOutputPage(OutputState& out);

// Appends `out.OutputLine` to the whole buffer and to the page. When memory
// runs out the user is told and the line is dropped; the caller goes on.
void AppendOutputLine(OutputState& out, Host& host);

// Appends an empty line (and leaves `OutputLine` empty).
void AppendBlankLine(OutputState& out, Host& host);

// Puts `line` above the current page's first line, in the page and in the
// whole buffer alike.
void InsertLineAtPageTop(OutputState& out, std::string line);

// Empties the whole buffer; the page stays.
void ClearOutputBuffer(OutputState& out);

// Empties the whole buffer and the page.
void ClearAllOutput(OutputState& out);

// The current page as the data window is to show it.
SharedPage ShownPage(const OutputState& out);

// The page as written to LASTPAGE.TXT: each page line, then the spare empty
// line, each ended by CR LF (a line break inside a line becomes CR LF too).
std::string PageFileText(const OutputState& out);
std::string PageFileText(const OutputLines& page);

// Shows the current page: nothing happens while the whole buffer is empty.
// Otherwise forgets the data window's save file (the next Save asks for a
// name), appends a closing blank line, writes REPORTS/LASTPAGE.TXT in
// `appPath` (re-creating the folder when it is gone) and shows the page in
// `view`. A failed write is reported and the page is shown all the same.
// Returns whether the page was shown.
bool ShowOutputPage(OutputState& out, const std::filesystem::path& appPath, Host& host,
                    OutputView& view);

// Shows the help or text file `helpFileName` ("\OUTPUTD1.HLP"; any letter
// case) of the program folder as a page of its own. A missing file gives
// "Cannot find the file called ..." and leaves the page as it was.
bool ShowHelpFile(OutputState& out, const std::filesystem::path& appPath,
                  std::string_view helpFileName, Host& host, OutputView& view);

// Writes `entry` and CR LF to `out`, turning any line break inside the entry
// (CR LF, LF or a lone CR) into CR LF, so one entry may become several lines.
void AppendCrLfLine(std::string& out, std::string_view entry);

}  // namespace orv
