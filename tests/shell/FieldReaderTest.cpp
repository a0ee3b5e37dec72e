#include <gtest/gtest.h>

#include "shell/input/FieldReader.h"

namespace orv {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitFields, ReadsFieldsAsSequentialInputDoes) {
  const struct {
    std::string line;
    Fields fields;
  } cases[] = {
      {"Smith,12 May 1959,10.43", {"Smith", "12 May 1959", "10.43"}},
      {"  a ,\tb", {"a", "b"}},                       // blanks around a field dropped
      {"\"Doe, Jane\",x", {"Doe, Jane", "x"}},        // quotes hold a comma
      {"\" padded \" ignored,y", {" padded ", "y"}},  // after the closing quote
      {"", {""}},                                     // an empty line: one empty field
      {"a,b,", {"a", "b", ""}},                       // a final comma: one more
      {",", {"", ""}},
      {"\"open, to the end", {"open, to the end"}},  // an unclosed quote
  };
  for (const auto& c : cases) EXPECT_EQ(SplitFields(c.line), c.fields) << c.line;
}

TEST(FieldStream, RunsAcrossLinesAndKnowsEachFieldsLine) {
  const std::vector<std::string> lines = {"a,b", "c", "", "d,e"};
  // The same lines as file text, with every kind of line break.
  const std::string_view texts[] = {"a,b\r\nc\r\n\r\nd,e\r\n", "a,b\nc\n\nd,e", "a,b\rc\r\rd,e\r",
                                    "a,b\r\nc\n\rd,e"};
  std::vector<FieldStream> streams = {FieldStream(lines)};
  for (const std::string_view text : texts) streams.push_back(FieldStream::OfText(text));
  const std::pair<std::string, int> expected[] = {{"a", 1}, {"b", 1}, {"c", 2},
                                                  {"", 3},  {"d", 4}, {"e", 4}};
  for (FieldStream& s : streams) {
    EXPECT_EQ(s.Line(), 1);
    for (const auto& [field, line] : expected) {
      ASSERT_FALSE(s.AtEnd());
      EXPECT_EQ(s.Next(), field);
      EXPECT_EQ(s.Line(), line);
    }
    EXPECT_TRUE(s.AtEnd());
    EXPECT_EQ(s.Next(), std::nullopt);
    EXPECT_EQ(s.Line(), 4);
  }
  EXPECT_EQ(FieldStream(std::vector<std::string>{}).Line(), 0);
  EXPECT_TRUE(FieldStream::OfText("").AtEnd());
  EXPECT_EQ(FieldStream::OfText("").Line(), 0);
}

TEST(WhereInFile, NamesTheFileAndItsLines) {
  EXPECT_EQ(WhereInFile("/x/GA_MA.LL", {7}), "\n\nFile: /x/GA_MA.LL, line 7.");
  EXPECT_EQ(WhereInFile("A.LL", {7, 12, 15}), "\n\nFile: A.LL, lines 7, 12 and 15.");
  std::vector<int> many;
  for (int i = 1; i <= 12; ++i) many.push_back(i);
  EXPECT_EQ(WhereInFile("A.LL", many),
            "\n\nFile: A.LL, lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and more.");
  // Each line once, in the order given.
  EXPECT_EQ(WhereInFile("A.FIL", {1, 1, 2, 3, 4, 5, 6, 7, 9, 9}),
            "\n\nFile: A.FIL, lines 1, 2, 3, 4, 5, 6, 7 and 9.");
  EXPECT_EQ(WhereInFile("A.FIL", {4, 4}), "\n\nFile: A.FIL, line 4.");
  many.insert(many.begin() + 3, 3);
  EXPECT_EQ(WhereInFile("A.LL", many),
            "\n\nFile: A.LL, lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and more.");
  many.resize(11);  // ten lines, one of them twice
  EXPECT_EQ(WhereInFile("A.LL", many), "\n\nFile: A.LL, lines 1, 2, 3, 4, 5, 6, 7, 8, 9 and 10.");
}

}  // namespace
}  // namespace orv
