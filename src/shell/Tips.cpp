#include "shell/Tips.h"

#include "platform/Files.h"

namespace orv {

namespace {
// The window is laid out for this many tips; the caption keeps it while no
// tips could be read.
constexpr int kTipsLaidOut = 25;
}  // namespace

std::optional<std::vector<std::string>> LoadTips(const std::filesystem::path& file) {
  if (file.empty()) return std::nullopt;
  return ReadTextLines(ResolveInFolder(file.parent_path(), file.filename().string()));
}

int NextTipIndex(int index, int tipCount) {
  if (tipCount <= 0) return 0;
  return index >= tipCount || index < 0 ? 1 : index + 1;
}

int PreviousTipIndex(int index, int tipCount) {
  if (tipCount <= 0) return 0;
  return index <= 1 || index > tipCount ? tipCount : index - 1;
}

std::string TipsNotFoundText() {
  return "that the " + std::string(kTipsFileName) + " file was not found?";
}

std::string NextTipCaption(int tipCount) {
  return "&Next Tip of " + std::to_string(tipCount > 0 ? tipCount : kTipsLaidOut);
}

}  // namespace orv
