#include <gtest/gtest.h>

#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "shell/input/InputState.h"

namespace orv {
namespace {

TEST(NamesListLock, LockingRemembersTheSelectedRow) {
  NamesListState s;
  ToggleListLock(s, 5);
  EXPECT_TRUE(s.ListLocked);
  EXPECT_EQ(s.LockedListIndex, 5);
  ToggleListLock(s, 7);  // unlocking keeps the row
  EXPECT_FALSE(s.ListLocked);
  EXPECT_EQ(s.LockedListIndex, 5);
  ToggleListLock(s, -1);  // nothing selected
  EXPECT_TRUE(s.ListLocked);
  EXPECT_EQ(s.LockedListIndex, -1);
}

TEST(NamesListLock, AReloadedLockedListGoesBackToItsRow) {
  struct Case {
    bool locked;
    bool keep;
    int remembered;
    int count;
    std::optional<int> row;
    int top;
    int rememberedAfter;
  };
  const Case cases[] = {
      {false, false, 3, 30, std::nullopt, 0, 3},  // not locked
      {true, true, 3, 30, std::nullopt, 0, 3},    // after "Save to disk"
      {true, false, 11, 30, 11, 0, 11},
      {true, false, 12, 30, 12, 0, 12},
      {true, false, 20, 30, 20, 8, 20},
      {true, false, 40, 30, 29, 17, 29},        // beyond a shorter file: the last name
      {true, false, -1, 30, 0, 0, 0},           // locked with nothing selected
      {true, false, 3, 0, std::nullopt, 0, 3},  // an empty list
  };
  for (const Case& c : cases) {
    NamesListState s;
    s.ListLocked = c.locked;
    s.KeepNamesListPos = c.keep;
    s.LockedListIndex = c.remembered;
    const auto at = LockedReloadSelection(s, c.count);
    ASSERT_EQ(at.has_value(), c.row.has_value()) << c.remembered << " of " << c.count;
    if (at) {
      EXPECT_EQ(at->row, *c.row) << c.remembered;
      EXPECT_EQ(at->topRow, c.top) << c.remembered;
    }
    EXPECT_EQ(s.LockedListIndex, c.rememberedAfter) << c.remembered;
  }
}

TEST(PickListOrder, SortsWithoutRegardToCaseAndKeepsFileOrderForEqualTexts) {
  const std::vector<std::string> texts = {"smith", "Adams", "w Baker", "adams", "m Zorn", "Adams"};
  const std::vector<std::size_t> expected = {1, 3, 5, 4, 0, 2};
  EXPECT_EQ(SortedListOrder(texts), expected);
  EXPECT_TRUE(SortedListOrder({}).empty());
  EXPECT_EQ(SortedListOrder({"émile", "Zoë", "Émile", "émile"}),
            (std::vector<std::size_t>{1, 0, 2, 3}));
}

TEST(ListFileCaption, ShowsTheFileNameUpperCased) {
  EXPECT_EQ(ListFileCaption("/home/jane/data/clients.fil"), "CLIENTS.FIL");
  EXPECT_EQ(ListFileCaption("C:\\DATA\\Names.fil"), "NAMES.FIL");
  EXPECT_EQ(ListFileCaption(""), "");
  EXPECT_EQ(ListFileCaption("/home/zoë/Kunden-Müller.fil"), "KUNDEN-MÜLLER.FIL");
}

TEST(ChosenNamesFile, AMissingChoiceGivesTheMessageAndAnEmptyList) {
  test::TempDir dir;
  // NAMES.FIL is there, but a file the user chose never falls back to it.
  std::ofstream(dir.path() / "NAMES.FIL") << "Smith,12 May 1959,10.43,A,6,75.23,39.45,x\r\n";
  test::RecordingHost host;
  const auto missing = dir.path() / "GONE.FIL";
  const NamesFileLoad load = LoadChosenNamesFile(host, missing);
  EXPECT_TRUE(load.Records.empty());
  EXPECT_EQ(load.DataFile, missing.string());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Cannot find the file called " + missing.string() + ".");

  test::RecordingHost quiet;
  const NamesFileLoad found = LoadChosenNamesFile(quiet, dir.path() / "NAMES.FIL");
  ASSERT_EQ(found.Records.size(), 1u);
  EXPECT_EQ(found.Records[0].Name, "Smith");
  EXPECT_TRUE(quiet.messages.empty());
}

}  // namespace
}  // namespace orv
