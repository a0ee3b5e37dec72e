#pragma once
// The reference browsers' logic: which file and key each natal, composite
// and synastry meanings command lists (and which choices it refuses), which
// file each keyword
// course button lists, and the topic texts of the two keyword grids. The
// windows pass in the members their own groups have checked.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/FixedTables.h"
#include "shell/OutputBuffer.h"

namespace orv {

class Host;

inline constexpr std::array<std::string_view, 11> kMeaningPlanetCaptions = {
    "Sun",    "Moon",   "Mercury", "Venus", "Mars",     "Jupiter",
    "Saturn", "Uranus", "Neptune", "Pluto", "Ascendant"};
inline constexpr std::array<std::string_view, 12> kSignCaptions = SignNames;
inline constexpr std::array<std::string_view, 12> kHouseCaptions = {
    "1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th", "11th", "12th"};
inline constexpr std::array<std::string_view, 3> kAspectKindCaptions = {"blending", "harmonizing",
                                                                        "discordant"};
inline constexpr std::array<std::string_view, 5> kSynastryAspectCaptions = {
    "conjunct", "sextile", "square", "trine", "opposite"};
inline constexpr std::array<std::string_view, 10> kKeywordPlanetCaptions = {
    "The_Sun", "Moon",   "Mercury", "Venus",   "Mars",
    "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};

// The members checked in the natal browser's five groups, as indices.
struct NatalSelection {
  int sign = 6;    // Libra
  int house = 6;   // 7th
  int planet = 0;  // Sun
  int aspect = 2;  // discordant
  int second = 1;  // Moon
};

enum class NatalCommand { PlanetInSign, PlanetInHouse, RisingSign, Aspect };

// A command's outcome: the section to list, or the reason it is refused.
struct MeaningLookup {
  std::string fileName;
  std::string key;
  std::string refusal;  // non-empty: refused with this message
};

MeaningLookup LookUpNatalMeaning(NatalCommand command, const NatalSelection& selection);

// Runs a natal browser command: a refusal is told under "Information";
// otherwise a new page with a blank line and the section is shown.
void RunNatalMeaning(NatalCommand command, const NatalSelection& selection,
                     const std::filesystem::path& appPath, OutputState& out, Host& host,
                     OutputView& view);

// The composite (`MEandYOU`) and synastry (`YOUandME`) browsers.
enum class CoupleBrowser { Composite, Synastry };

// The members checked in a couple browser's groups, as indices.
struct CoupleSelection {
  int planet = 4;  // Mars
  int aspect = 2;  // discordant, or square
  int second = 5;  // Jupiter
  int house = 6;   // 7th (composite only)
};

// The aspect command: a section of C_ASPS.BIN or S_ASPS.BIN.
MeaningLookup LookUpCoupleAspect(CoupleBrowser browser, const CoupleSelection& selection);
// The composite planet-in-house command: a section of C_HOUSES.BIN.
MeaningLookup LookUpCompositeHouse(const CoupleSelection& selection);

// Runs a couple browser command: a refusal is told under "Information";
// otherwise a new page with a blank line and the scrambled section is shown.
void RunCoupleMeaning(const MeaningLookup& lookup, const std::filesystem::path& appPath,
                      OutputState& out, Host& host, OutputView& view);

inline constexpr std::string_view kNatalMeaningsHelp =
    "1. Double-click on Sign/Asc Sign for interpretation.\r\n"
    "2. Double-click on House for interpretation.\r\n"
    "3. Double-click on Aspect for interpretation.";
inline constexpr std::string_view kKeywordSystemHelp =
    "1. Double-click on Sign for further study.\r\n"
    "2. Double-click on House for further study.\r\n"
    "3. Double-click on Planet for further study.";
inline constexpr std::string_view kCompositeMeaningsHelp =
    "1. Double-click on Houses for further study.\r\n"
    "2. Double-click on Aspects for further study.";
inline constexpr std::string_view kSynastryMeaningsHelp =
    "1. Double-click on Aspects for further study.";
inline constexpr std::string_view kSynastryMoreHelp =
    "Planets (P1) is one person's planet. 2nd Planet (P2) is the other person's planet.\r\n"
    "Read the text and substitute the person's name for their corresponding planet.\r\n"
    "Example: say Mary is P1 and you pick Venus and Jim is P2 and you pick Saturn.\r\n"
    "Then whenever the text says Venus, you use Mary. Whenever the text says Saturn, you use "
    "Jim.";
inline constexpr std::string_view kHelpfulHintsTitle = "Helpful Hints";

// The keyword course files by sign, house and planet index.
std::string KeywordSignFile(int sign);      // LIB.TXT
std::string KeywordHouseFile(int house);    // 7.TXT
std::string KeywordPlanetFile(int planet);  // Mar.TXT, The_Sun.TXT

// Lists the whole file `fileName` on a new page of its own and shows it.
void RunKeywordFile(std::string_view fileName, const std::filesystem::path& appPath,
                    OutputState& out, Host& host, OutputView& view);

// The two keyword grids: `Keywords` (personal meanings) and `Keywords2`
// (vocations for the planets and houses).
enum class KeywordGrid { Personal, Vocational };
inline constexpr int kKeywordGridRows = 12;
inline constexpr int kKeywordGridColumns = 4;

std::string_view KeywordGridCell(KeywordGrid grid, int row, int column);
// The text of the topic `cellText` (exact match); nothing for no topic.
std::optional<std::string> KeywordTopicText(KeywordGrid grid, std::string_view cellText);

}  // namespace orv
