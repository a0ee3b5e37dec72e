#include "shell/EditorFiles.h"

#include "platform/Files.h"
#include "platform/Host.h"
#include "shell/OptionFiles.h"

namespace orv {

namespace {

bool IsMissing(const std::filesystem::path& file) {
  std::error_code error;
  return !std::filesystem::exists(file, error) && !error;
}

std::filesystem::path Resolved(const std::filesystem::path& file) {
  return ResolveInFolder(file.parent_path(), file.filename().string());
}

void ReportUnreadableFile(Host& host, const std::filesystem::path& file) {
  host.ShowMessage("Cannot read the file called " + file.string() + ".", kTitleWarning,
                   MessageIcon::Information);
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
}

// The line break that ends `bytes`' first line; CR LF when it has none.
std::string_view FirstLineBreak(std::string_view bytes) {
  const std::size_t end = bytes.find_first_of("\r\n");
  if (end == std::string_view::npos) return "\r\n";
  if (bytes[end] == '\n') return "\n";
  return bytes.substr(end + 1, 1) == "\n" ? "\r\n" : "\r";
}

// `text` (UTF-8, CR LF line ends) as the bytes of a file that held `base`.
// An unchanged text gives the file as it was, byte for byte, but for a final
// line break it lacked, as every save ends with one. A changed text takes
// the file's encoding, byte order mark and line breaks (those of its first
// line); text that Windows-1252 cannot hold makes the whole file UTF-8.
std::string InFormOf(std::string text, const std::optional<std::string>& base) {
  if (!base) return text;
  const std::string_view lineBreak = FirstLineBreak(*base);
  if (text == EditorTextToFile(DecodeText(*base))) {
    const bool ended = base->empty() || base->back() == '\n' || base->back() == '\r';
    return ended ? *base : *base + std::string(lineBreak);
  }
  if (lineBreak != "\r\n") ReplaceAll(text, "\r\n", lineBreak);
  if (IsUtf8(*base))
    return base->starts_with(kByteOrderMark) ? std::string(kByteOrderMark) + text : text;
  std::string narrow = EncodeWindows1252(text);
  return DecodeWindows1252(narrow) == text ? narrow : text;
}

}  // namespace

std::optional<std::string> EditorBaseOf(const std::filesystem::path& file) {
  return ReadFileBytes(Resolved(file));
}

EditorSaveResult SaveEditedFile(Host& host, const std::filesystem::path& file,
                                std::string_view text, std::optional<std::string>& base) {
  const auto path = Resolved(file);
  const FileLock lock(path);
  if (lock.Failed()) {
    host.ShowMessage("Cannot save the file called " + path.string() + ": " + lock.Error() + ".",
                     kTitleWarning, MessageIcon::Critical);
    return {};
  }
  // A folder put in the file's place is no file to load or save: say so
  // before asking anything, as every save does.
  if (!CanSave(host, path)) return {};
  auto now = ReadFileBytes(path);
  if (now != base) {
    // Yes throws the typed text away; Enter keeps it.
    const Answer answer = host.ShowMessage(
        "The file called " + path.string() +
            " was changed by another window or program after this editor opened it, so your "
            "text was not saved over it.\n\nDo you want to load the file as it is now? Your "
            "changes in this editor would be lost.",
        kTitleWarning, MessageIcon::Exclamation, MessageButtons::YesNo, Answer::No);
    if (answer != Answer::Yes) return {EditorSave::Kept, {}};
    base = std::move(now);
    return {EditorSave::Reloaded, base ? JoinLinesCrLf(SplitLines(DecodeText(*base))) : ""};
  }
  const std::string bytes = InFormOf(EditorTextToFile(text), base);
  if (!SaveFileAtomically(host, path, bytes)) return {};
  base = bytes;
  return {EditorSave::Saved, {}};
}

namespace {

// A number file editor's Save: `refusal`, when there is one, is told and
// nothing is written; otherwise as SaveEditedFile.
EditorSaveResult SaveUnlessRefused(Host& host, const std::filesystem::path& path,
                                   std::string_view text, std::optional<std::string>& base,
                                   const std::optional<std::string>& refusal) {
  if (refusal) {
    host.ShowMessage(*refusal, kTitleWarning, MessageIcon::Exclamation);
    return {};
  }
  return SaveEditedFile(host, path, text, base);
}

}  // namespace

EditorSaveResult SaveOptionsEditorText(Host& host, const std::filesystem::path& appPath,
                                       std::string_view text, std::optional<std::string>& base,
                                       OptionValues& options) {
  const auto path = ResolveInFolder(appPath, kOptionsFileName);
  const auto refused = RefusedOptionLines(text);
  EditorSaveResult result = SaveUnlessRefused(
      host, path, text, base,
      refused.empty() ? std::nullopt
                      : std::optional(RefusedOptionMessage(path, refused, "Nothing was saved.")));
  if (result.outcome == EditorSave::Saved || result.outcome == EditorSave::Reloaded)
    RereadOptionsFile(host, appPath, path, options);
  return result;
}

EditorSaveResult SaveOrbsEditorText(Host& host, const std::filesystem::path& file,
                                    std::string_view text, std::optional<std::string>& base) {
  const auto path = Resolved(file);
  OrbTable scratch{};
  const OrbFileFaults faults = ReadOrbLines(SplitLines(text), scratch);
  return SaveUnlessRefused(
      host, path, text, base,
      faults.Any() ? std::optional(OrbFileFaultMessage(path, faults, OrbFaultsFound::Saving))
                   : std::nullopt);
}

std::string EditorCaption(std::string_view what) { return "Edit: " + std::string(what); }

std::optional<std::string> OpenEditorText(Host& host, const std::filesystem::path& file) {
  const auto path = Resolved(file);
  if (auto text = LoadEditorText(path)) return text;
  if (IsMissing(path))
    ReportMissingFile(host, file.string());
  else
    ReportUnreadableFile(host, path);
  return std::nullopt;
}

std::optional<std::string> OpenOptionsEditorText(Host& host, const std::filesystem::path& appPath,
                                                 OptionValues& options) {
  const auto path = ResolveInFolder(appPath, kOptionsFileName);
  if (!IsMissing(path)) return OpenEditorText(host, path);
  const Answer answer = host.ShowMessage(
      "The option values file " + path.string() +
          " cannot be found. Make it again from Options.mst, with the default option values?",
      kTitleWarning, MessageIcon::Question, MessageButtons::YesNo);
  if (answer != Answer::Yes) return std::nullopt;
  return RestoreDefaultOptionsText(host, appPath, options);
}

std::optional<std::string> OpenHeaderEditorText(Host& host, const std::filesystem::path& appPath) {
  const auto path = ResolveInFolder(appPath, kPersonalHeaderFileName);
  if (IsMissing(path)) return std::string();
  return OpenEditorText(host, path);
}

std::optional<std::string> RestoreDefaultOptionsText(Host& host,
                                                     const std::filesystem::path& appPath,
                                                     OptionValues& options) {
  if (!RestoreDefaultOptions(host, appPath)) return std::nullopt;
  const auto path = ResolveInFolder(appPath, kOptionsFileName);
  ReadOptionsFile(host, appPath, options);
  return OpenEditorText(host, path);
}

}  // namespace orv
