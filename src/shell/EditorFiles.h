#pragma once
// What the plain-text editors open: the options, an orb file, the personal
// header, a names file or a cities file, and what happens when it is not
// there.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/NumberFile.h"

namespace orv {

class Host;

inline constexpr std::string_view kPersonalHeaderFileName = "PERSONAL.NAM";

// An editor window's caption: "Edit: " and what it edits.
std::string EditorCaption(std::string_view what);

// The text an editor of `file` opens with: every line followed by CR LF. A
// missing file gives "Cannot find the file called <path>.", one that cannot
// be read a message saying so; then nothing opens.
std::optional<std::string> OpenEditorText(Host& host, const std::filesystem::path& file);

// The Options editor's text. When Options.opt is missing the user is offered
// to make it again from Options.mst; on Yes it is restored and `options`
// re-read from it. Nothing opens when the user declines or the copy fails.
std::optional<std::string> OpenOptionsEditorText(Host& host, const std::filesystem::path& appPath,
                                                 OptionValues& options);

// The header editor's text: PERSONAL.NAM's, or an empty text when the file
// is missing (Save then creates it). Nothing when it exists but cannot be
// read, with the reason told.
std::optional<std::string> OpenHeaderEditorText(Host& host, const std::filesystem::path& appPath);

// The file as an editor opened (or last saved) it: its bytes, or nothing
// when it was not there.
std::optional<std::string> EditorBaseOf(const std::filesystem::path& file);

enum class EditorSave {
  Saved,     // the text is in the file
  Failed,    // not saved; the user was told why
  Kept,      // the file changed meanwhile; nothing saved, the editor's text kept
  Reloaded,  // the file changed meanwhile; the editor shows it as it is now
};
struct EditorSaveResult {
  EditorSave outcome = EditorSave::Failed;
  std::string text;  // with Reloaded: the file's text now
};

// A file editor's Save. Holding the file's lock, it compares the file with
// `base`: when another window or instance changed it since the editor opened
// it, nothing is written and the user is told and asked whether to load the
// file as it is now (Reloaded, `base` updated) or keep the text (Kept).
// Otherwise the text is saved by the editor save rule, in the encoding, byte
// order mark and line breaks of `base` (UTF-8 where Windows-1252 cannot hold
// it), and `base` becomes what was written. A text unchanged since `base`
// saves it as it was, mixed line breaks and all, but for a final line break
// it lacked.
EditorSaveResult SaveEditedFile(Host& host, const std::filesystem::path& file,
                                std::string_view text, std::optional<std::string>& base);

// The Options editor's Save: refuses, with a message naming the option and
// its range, a text with a line that holds no number or a value outside
// its option's range; otherwise saves as SaveEditedFile does and then reads
// the file again into `options` (Saved or Reloaded).
EditorSaveResult SaveOptionsEditorText(Host& host, const std::filesystem::path& appPath,
                                       std::string_view text, std::optional<std::string>& base,
                                       OptionValues& options);

// The orb editor's Save: refuses, with a message naming the line, what it
// holds and the orbs' range, a text the orb file reader would find damaged
// (a line with no orb or one outside 0 to 30, an orb that runs into other
// text, fewer than 17 orbs); otherwise saves as SaveEditedFile does.
EditorSaveResult SaveOrbsEditorText(Host& host, const std::filesystem::path& file,
                                    std::string_view text, std::optional<std::string>& base);

// Restore Default: copies Options.mst over Options.opt, re-reads `options`
// from it, so the program uses the values the editor shows, and returns the
// restored text. On failure tells the user and changes nothing.
std::optional<std::string> RestoreDefaultOptionsText(Host& host,
                                                     const std::filesystem::path& appPath,
                                                     OptionValues& options);

}  // namespace orv
