#pragma once
// The tip of the day: the tips of TIPOFDAY.TXT, one a line, and stepping
// through them both ways with wrap-around.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

inline constexpr std::string_view kTipsFileName = "TIPOFDAY.TXT";

// `LoadTips`: every line of `file`, in order. Nothing when the path is empty
// or no such file can be read.
std::optional<std::vector<std::string>> LoadTips(const std::filesystem::path& file);

// Tips are numbered from 1; 0 means none shown yet. Next goes from the last
// tip to tip 1 and Go Back from tip 1 (or none) to the last, over the
// `tipCount` tips read. With no tips both stay at 0.
int NextTipIndex(int index, int tipCount);
int PreviousTipIndex(int index, int tipCount);

// What the tip label says when the tips file is missing.
std::string TipsNotFoundText();

// The Next button's caption for `tipCount` tips ("&Next Tip of 25").
std::string NextTipCaption(int tipCount);

}  // namespace orv
