#pragma once
// Reference texts listed into the data window's current page: a whole file,
// or one keyed section of a meanings file. Each line is listed after two
// blanks, as read. The caller begins and shows the page.

#include <filesystem>
#include <string_view>

#include "shell/OutputBuffer.h"

namespace orv {

class Host;

// `ListTextFile`: every line of the file `fileName` (any letter case) of the
// program folder `appPath`. A missing or unreadable file gives one "Cannot
// find the file called <path>." and lists nothing.
void ListTextFile(const std::filesystem::path& appPath, std::string_view fileName, OutputState& out,
                  Host& host);

// `ListMeaningSection`: the first section keyed `key` (letter case aside) of
// the file, searched to its end, without a closing blank line. No matching
// key lists nothing and says nothing; a missing file is reported as above.
void ListMeaningSection(const std::filesystem::path& appPath, std::string_view fileName,
                        std::string_view key, OutputState& out, Host& host);

}  // namespace orv
