#include "shell/NewNamesFile.h"

#include <string>

#include "platform/Files.h"
#include "platform/Host.h"

namespace orv {

std::optional<std::filesystem::path> MakeNewNamesFile(Host& host,
                                                      const std::filesystem::path& appPath) {
  FileChoice choice;
  choice.mode = FileChoice::Mode::Save;
  choice.title = "Make new .FIL file";
  choice.folder = appPath.string();
  choice.proposedName = "NEW.FIL";
  choice.filter = "Data Files (*.FIL)";
  choice.defaultSuffix = "fil";
  choice.confirmOverwrite = true;
  const auto chosen = host.ChooseFile(choice);
  if (!chosen || chosen->empty()) return std::nullopt;
  const std::filesystem::path target = *chosen;
  if (!SaveFileAtomically(host, target, JoinLinesCrLf({std::string(kExampleNamesRecord)})))
    return std::nullopt;
  return target;
}

}  // namespace orv
