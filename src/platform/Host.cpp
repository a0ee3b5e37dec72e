#include "platform/Host.h"

#include <string>

namespace orv {

void Host::ShowMessageOnce(std::string_view text, std::string_view title, MessageIcon icon) {
  if (shownOnce_.emplace(text).second) ShowMessage(text, title, icon);
}

void ReportMissingFile(Host& host, std::string_view path) {
  host.ShowMessage("Cannot find the file called " + std::string(path) + ".", kTitleWarning,
                   MessageIcon::Critical);
}

}  // namespace orv
