#include "shell/HelpFiles.h"

namespace orv {

std::string HelpFileName(std::string_view fileName) { return "\\" + std::string(fileName); }

}  // namespace orv
