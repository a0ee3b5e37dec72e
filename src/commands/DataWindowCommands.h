#pragma once
// What the data window's commands do to the output line buffer: saving the
// whole buffer as a *.DOC file, clearing it, spooling a page or the whole
// buffer for printing, and the font size steps.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/NumberFile.h"
#include "shell/OutputBuffer.h"
#include "shell/WindowPlacement.h"

namespace orv {

class Host;

// The data window's look as the settings file keeps it: geometry in twips
// (1/1440 inch) of the outer window, and the font.
struct DataWindowSettings {
  int DataTop = 945;
  int DataLeft = 900;
  int DataHeight = 8250;
  // Wide enough for the widest pages (the organizational fit analysis, 110
  // columns) in the default font at any dots per inch.
  int DataWidth = 12600;
  double FontSize = 8.5;  // points
  bool FontBold = false;
  bool FontItalic = false;
  // Where the program last opened the window (see IsUserPlace).
  std::optional<OpenedPlace> OpenedAt;
};

// The saved *.DOC text: `lines` and the spare empty line, each ended by
// CR LF; a form-feed line after every `linesPerSavedPage` lines (option 45;
// 0 or less: none), the count starting again after a form-feed line of the
// buffer's own; one closing form-feed line unless the buffer held one.
std::string FormatSavedOutput(const std::vector<std::string>& lines, float linesPerSavedPage);

// The file name Save As proposes for `personName`: the text before the first
// blank when it lies within the first 8 characters, else the first 8
// characters, then ".DOC" ("Jane Doe" gives "Jane.DOC"). Path separators and
// control characters are left out first; an empty stem proposes nothing.
std::string ProposedSaveName(std::string_view personName);

// File > Save: writes the whole buffer to `out.OutputFileName`, or runs Save
// As when no file was chosen yet. An empty buffer gives "No data to write to
// file.". Returns whether a file was written.
bool SaveOutput(OutputState& out, const OptionValues& options, const std::filesystem::path& appPath,
                std::string_view personName, Host& host);

// File > Save As: asks for a *.DOC file in `appPath` (proposing a name from
// `personName`) and writes the whole buffer to it; written, it is the data
// window's save target. Cancelling writes nothing and says nothing.
bool SaveOutputAs(OutputState& out, const OptionValues& options,
                  const std::filesystem::path& appPath, std::string_view personName, Host& host);

// "Clear all data": empties the whole buffer (the page stays) and says so.
void ClearAllData(OutputState& out, Host& host);

// The print spool file PRNTFILE.XXX in the program folder.
std::filesystem::path PrintSpoolFile(const std::filesystem::path& appPath);

// "Print page": writes the page and its spare empty line to the spool file.
// Returns false, writing nothing, when the page is empty or the write failed
// (which is reported).
bool SpoolOutputPage(const OutputState& out, const std::filesystem::path& appPath, Host& host);

// "Print data": the same with the whole buffer; an empty buffer gives
// "No data to print.".
bool SpoolOutputData(const OutputState& out, const std::filesystem::path& appPath, Host& host);

// The data window's font sizes in points: the font commands move the size by
// half the start-up `fontStep`, Increase only below 12 points and Decrease
// only above 8, so the size never leaves the steps reachable from the start.
bool CanIncreaseFontSize(double fontSize);
bool CanDecreaseFontSize(double fontSize);
// The size after Increase (Decrease); unchanged when the command is disabled.
double IncreasedFontSize(double fontSize, double fontStep);
double DecreasedFontSize(double fontSize, double fontStep);

}  // namespace orv
