#pragma once
// What the listing tests share: a page to write on, a data window that keeps
// what it was shown, and the golden-file comparison.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "core/Aspects.h"
#include "listings/ListingPage.h"
#include "shell/OutputBuffer.h"

namespace orv::test {

struct PageFixture {
  OutputState out;
  RecordingHost host;
  ListingPage page{out, host};
  const std::vector<std::string>& lines() const { return out.PageBuffer(); }
};

// An orb table with the given (`AspectKind`, orb) entries, the rest 0.
inline OrbTable Orbs(std::initializer_list<std::pair<int, float>> entries) {
  OrbTable t{};
  for (const auto& [kind, orb] : entries) t[size_t(kind)] = orb;
  return t;
}

class RecordingView : public OutputView {
 public:
  std::vector<std::string> shown;
  void ShowPage(SharedPage page, bool) override { shown.push_back(PageFileText(*page)); }
};

// The golden files hold pages byte for byte as LASTPAGE.TXT holds them.
// ORVANTA_UPDATE_GOLDEN=1 rewrites them, for review by eye before committing.
// `folder` defaults to the listings' own golden folder.
inline std::filesystem::path ListingsGoldenFolder() {
  return std::filesystem::path(__FILE__).parent_path() / "golden";
}
inline std::string ReadGolden(const std::string& name,
                              const std::filesystem::path& folder = ListingsGoldenFolder()) {
  std::ifstream in(folder / name, std::ios::binary);
  EXPECT_TRUE(in) << "missing golden file " << folder / name;
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}
inline void ExpectGolden(const std::string& actual, const std::string& name,
                         const std::filesystem::path& folder = ListingsGoldenFolder()) {
  if (std::getenv("ORVANTA_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(folder / name, std::ios::binary) << actual;
  }
  EXPECT_EQ(actual, ReadGolden(name, folder)) << "page differs from " << folder / name;
}

}  // namespace orv::test
