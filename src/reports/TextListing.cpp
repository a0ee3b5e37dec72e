#include "reports/TextListing.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Host.h"
#include "reports/TextSections.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

std::optional<std::vector<std::string>> ReadListedFile(const fs::path& appPath,
                                                       std::string_view fileName, Host& host) {
  const fs::path file = ResolveInFolder(appPath, fileName);
  auto lines = ReadTextLines(file);
  if (!lines) ReportMissingFile(host, file.string());
  return lines;
}

void ListLine(OutputState& out, Host& host, std::string_view line) {
  out.OutputLine = "  ";
  out.OutputLine += line;
  AppendOutputLine(out, host);
}

}  // namespace

void ListTextFile(const fs::path& appPath, std::string_view fileName, OutputState& out,
                  Host& host) {
  BusyCursor busy(host);
  const auto lines = ReadListedFile(appPath, fileName, host);
  if (!lines) return;
  for (const std::string& line : *lines) ListLine(out, host, line);
}

void ListMeaningSection(const fs::path& appPath, std::string_view fileName, std::string_view key,
                        OutputState& out, Host& host) {
  BusyCursor busy(host);
  const auto lines = ReadListedFile(appPath, fileName, host);
  if (!lines) return;
  const auto section = FindTextSection(*lines, key);
  if (!section) return;
  for (std::size_t i = section->first; i < section->end; ++i) ListLine(out, host, (*lines)[i]);
}

}  // namespace orv
