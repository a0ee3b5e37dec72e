#pragma once
// What the listing tests share: a page to write on, a data window that keeps
// what it was shown, and the golden-file comparison.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "listings/ListingPage.h"
#include "shell/OutputBuffer.h"

namespace orv::test {

struct PageFixture {
  OutputState out;
  RecordingHost host;
  ListingPage page{out, host};
  const std::vector<std::string>& lines() const { return out.PageBuffer; }
};

class RecordingView : public OutputView {
 public:
  std::vector<std::string> shown;
  void ShowPage(std::string_view pageText, bool) override { shown.emplace_back(pageText); }
};

// The golden files hold pages byte for byte as LASTPAGE.TXT holds them.
// ORVANTA_UPDATE_GOLDEN=1 rewrites them, for review by eye before committing.
// `folder` defaults to the listings' own golden folder.
inline void ExpectGolden(const std::string& actual, const std::string& name,
                         const std::filesystem::path& folder =
                             std::filesystem::path(__FILE__).parent_path() / "golden") {
  const auto path = folder / name;
  if (std::getenv("ORVANTA_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << actual;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << "missing golden file " << path;
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(actual, expected.str()) << "page differs from " << path;
}

}  // namespace orv::test
