// The scrambled-text codec and the scrambled-section lister; random bytes
// through every reader.

#include <gtest/gtest.h>

#include <random>

#include "RecordingHost.h"
#include "TempDir.h"
#include "platform/Files.h"
#include "reports/ReportText.h"
#include "reports/ScrambledText.h"
#include "reports/TextListing.h"

namespace orv {
namespace {

std::string Scramble(std::string_view plain) { return EncodeScrambledText(plain).value(); }

TEST(ScrambledText, CodecRoundTripsWhatItCanStoreAndNeverFailsOnDamage) {
  std::string refused, all;
  for (int c = 0; c < 256; ++c) {
    all += char(c);
    const auto stored = EncodeScrambledText(std::string(1, char(c)));
    if (!stored) refused += char(c);
    // Every other byte comes back, and none is stored as NUL, LF, CR or Ctrl-Z.
    EXPECT_TRUE(!stored || (DecodeScrambledText(*stored) == std::string(1, char(c)) &&
                            std::string("\0\n\r\x1a", 4).find((*stored)[0]) == std::string::npos));
  }
  EXPECT_EQ(refused, std::string("\0\1\2\x0e\x14\x1e\x1f", 7));
  const std::string decoded = DecodeScrambledText(all);
  EXPECT_EQ(decoded.substr(10, 4), "?\x1d ?");  // (11 xor 17) + 3 = 29, (12 xor 17) + 3 = 32
  EXPECT_EQ(std::count(decoded.begin(), decoded.end(), '?'), 4 + 3 + 1);  // and "?" itself
  EXPECT_EQ(DecodeScrambledTextKeepLines(Scramble("ab") + "\r\n" + Scramble("") + "\n"),
            "ab\r\n\n");
  int badLine = 0;
  const auto file = EncodeScrambledFile("Café \xE2\x80\x94 one\nline two\n", badLine);
  EXPECT_EQ(DecodeScrambledLines(file.value()),
            (std::vector<std::string>{"Café \xE2\x80\x94 one", "line two"}));
  EXPECT_FALSE(EncodeScrambledFile("ok\nno \xE2\x86\x92 arrow\n", badLine));
  EXPECT_EQ(badLine, 2);
}

TEST(ScrambledText, ListerFindsScrambledKeysAfterThePrefix) {
  test::TempDir dir;
  std::string file;
  for (const char* line : {"00001Sun conjunct Moon", "00003Sun sextile Moon", "00004Easy.", "abcd",
                           "00005Grows.", "00006[]", "00007Sun square Moon", "00008Last."})
    file += Scramble(line) + "\r\n";
  ASSERT_EQ(WriteFileAtomically(dir.path() / "C_ASPS.BIN", file), "");
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"Sun sextile Moon", {"  00003Sun sextile Moon", "  00004Easy.", "", "  00005Grows."}},
      {"Sun square Moon", {"  00007Sun square Moon", "  00008Last."}},
      {"sun square moon", {}}};
  test::RecordingHost host;
  for (const auto& [key, expected] : cases) {
    OutputState out;
    ListTextBetweenMarkers(dir.path() / "C_ASPS.BIN",
                           {Scramble(key), Scramble("[]"), Scramble("*")}, out, host);
    EXPECT_EQ(out.PageBuffer(), expected) << key;
  }
  OutputState out;
  ListTextBetweenMarkers(dir.path() / "S_ASPS.BIN", {}, out, host);
  EXPECT_EQ(host.messages.at(0).text,
            "Cannot find the file called " + (dir.path() / "S_ASPS.BIN").string() + ".");
}

TEST(ScrambledText, RandomBytesThroughEveryReaderNeitherCrashNorHang) {
  std::mt19937 random(20261207);
  const char* markers[] = {"*", "[]", "  ", "\r\n", "\n", "Key", "KEY x"};
  test::TempDir dir;
  const auto path = dir.path() / "RANDOM.TXT";
  for (int round = 0; round < 200; ++round) {
    std::string bytes;
    for (int i = int(random() % 4000); i > 0; --i)
      bytes += random() % 4 ? std::string(1, char(random())) : markers[random() % 7];
    ASSERT_EQ(WriteFileAtomically(path, bytes), "");
    ReportState report;
    AddSectionToReport(report, "key", path);
    OutputState out;
    test::RecordingHost host;
    ListMeaningSection(dir.path(), "RANDOM.TXT", "Key", out, host);
    ListTextBetweenMarkers(path, {"", bytes.substr(0, 3), "*"}, out, host);
    EXPECT_EQ(DecodeScrambledText(bytes).size(), bytes.size());
    for (const std::string& l : DecodeScrambledLines(bytes)) EXPECT_TRUE(IsUtf8(l));
    EXPECT_TRUE(host.messages.empty());
  }
}

}  // namespace
}  // namespace orv
