#include "platform/Host.h"

#include <string>

namespace orv {

void ReportMissingFile(Host& host, std::string_view path) {
  host.ShowMessage("Cannot find the file called " + std::string(path) + ".", kTitleWarning,
                   MessageIcon::Critical);
}

}  // namespace orv
