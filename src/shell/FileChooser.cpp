#include "shell/FileChooser.h"

#include <array>

#include "base/Text.h"
#include "platform/Files.h"
#include "platform/Host.h"

namespace orv {

namespace {

struct PatternKind {
  std::string_view pattern;
  std::string_view description;
};

constexpr std::array<PatternKind, 3> kPatternKinds = {{
    {kNamesFilePattern, "Names files"},
    {kCitiesFilePattern, "Cities files"},
    {kOrbFilePattern, "Orb files"},
}};

bool IsFolder(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_directory(path, error);
}

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// "Names files (*.FIL *.fil)": file names on Linux keep their case, and the
// program's own files come in either.
std::string FilterFor(std::string_view pattern) {
  std::string_view description = "Files";
  for (const auto& kind : kPatternKinds)
    if (EqualsIgnoreCase(kind.pattern, pattern)) description = kind.description;
  return std::string(description) + " (" + ToUpperAscii(pattern) + " " + ToLowerAscii(pattern) +
         ")";
}

}  // namespace

std::string SelectFile(Host& host, const std::filesystem::path& appPath,
                       const std::filesystem::path& chooserStartFile, std::string_view pattern) {
  FileChoice choice;
  choice.mode = FileChoice::Mode::Open;
  choice.title = "Select A File";
  choice.filter = FilterFor(pattern);
  choice.confirmOverwrite = false;
  choice.folder = appPath.string();
  if (!chooserStartFile.empty()) {
    const auto folder = chooserStartFile.parent_path();
    const auto start = ResolveInFolder(folder, chooserStartFile.filename().string());
    if (IsFolder(folder)) {
      choice.folder = folder.string();
      if (IsFile(start)) choice.proposedName = start.filename().string();
    }
  }
  return host.ChooseFile(choice).value_or(std::string());
}

}  // namespace orv
