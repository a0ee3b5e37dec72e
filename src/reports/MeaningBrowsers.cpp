#include "reports/MeaningBrowsers.h"


#include "base/Text.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "reports/ScrambledText.h"
#include "reports/TextListing.h"

namespace orv {

namespace {

constexpr std::array<std::string_view, 3> kAspectWords = {"blending with", "harmonizing with",
                                                          "discordant to"};
constexpr int kUranus = 7;
constexpr int kPluto = 9;
constexpr int kAscendant = 10;
constexpr int kSun = 0, kMercury = 2, kVenus = 3;

MeaningLookup Refused(std::string_view message) { return {{}, {}, std::string(message)}; }

constexpr std::string_view kHigherOnTheLeft =
    "Please select a higher planet on the left than on the right.";
constexpr std::string_view kNotItself = "A planet cannot aspect itself. Select a different planet.";
constexpr std::string_view kAscendantInNoHouse =
    "The Ascendant is always the 1st house cusp. It cannot be in a house.";

void Refuse(Host& host, std::string_view message) {
  host.ShowMessage(message, kTitleInformation, MessageIcon::Exclamation);
}

MeaningLookup AspectLookup(const NatalSelection& s) {
  if (s.planet > s.second) return Refused(kHigherOnTheLeft);
  if (s.planet == s.second) return Refused(kNotItself);
  if (s.planet == kSun && s.second == kMercury && s.aspect > 0)
    return Refused(
        "Mercury can never be far enough away from the Sun to have this kind of aspect.");
  if (s.planet == kSun && s.second == kVenus && s.aspect > 1)
    return Refused("Venus can never be far enough away from the Sun to have this kind of aspect.");
  if (s.planet == kMercury && s.second == kVenus && s.aspect > 1)
    return Refused("Venus can never be far enough away from Mercury to have this kind of aspect.");
  const std::string_view planet = kMeaningPlanetCaptions.at(s.planet);
  return {std::string(planet) + ".TXT",
          std::string(planet) + " " + std::string(kAspectWords.at(s.aspect)) + " " +
              std::string(kMeaningPlanetCaptions.at(s.second)),
          {}};
}

}  // namespace

MeaningLookup LookUpNatalMeaning(NatalCommand command, const NatalSelection& s) {
  const std::string planetKey = ToUpperAscii(kMeaningPlanetCaptions.at(s.planet)) + " in";
  switch (command) {
    case NatalCommand::PlanetInSign:
      if (s.planet >= kUranus && s.planet <= kPluto)
        return Refused("Uranus - Pluto sign positions are not delineated.");
      if (s.planet == kAscendant) return LookUpNatalMeaning(NatalCommand::RisingSign, s);
      return {"SIGN_" + std::string(kSignCaptions.at(s.sign).substr(0, 3)) + ".TXT", planetKey, {}};
    case NatalCommand::PlanetInHouse:
      if (s.planet == kAscendant) return Refused(kAscendantInNoHouse);
      return {"HOUSE_" + std::to_string(s.house + 1) + ".TXT", planetKey, {}};
    case NatalCommand::RisingSign:
      return {"RISING.TXT", ToUpperAscii(kSignCaptions.at(s.sign)) + " rising", {}};
    case NatalCommand::Aspect:
      return AspectLookup(s);
  }
  return {};
}

void RunNatalMeaning(NatalCommand command, const NatalSelection& selection,
                     const std::filesystem::path& appPath, OutputState& out, Host& host,
                     OutputView& view) {
  const MeaningLookup lookup = LookUpNatalMeaning(command, selection);
  if (!lookup.refusal.empty()) return Refuse(host, lookup.refusal);
  BeginOutputPage(out);
  AppendBlankLine(out, host);
  ListMeaningSection(appPath, lookup.fileName, lookup.key, out, host);
  ShowOutputPage(out, appPath, host, view);
}

MeaningLookup LookUpCoupleAspect(CoupleBrowser browser, const CoupleSelection& s) {
  const bool composite = browser == CoupleBrowser::Composite;
  const auto generational = [](int planet) { return planet >= kUranus && planet <= kPluto; };
  if (s.planet > s.second) return Refused(kHigherOnTheLeft);
  if (composite && s.planet == s.second) return Refused(kNotItself);
  if (!composite && generational(s.planet) && generational(s.second))
    return Refused(
        "These are generational, non-personal planets and they do not much affect the "
        "relationship by aspecting each other.");
  const std::string_view words =
      composite ? kAspectWords.at(s.aspect) : kSynastryAspectCaptions.at(s.aspect);
  return {composite ? "C_ASPS.BIN" : "S_ASPS.BIN",
          std::string(kMeaningPlanetCaptions.at(s.planet)) + " " + std::string(words) + " " +
              std::string(kMeaningPlanetCaptions.at(s.second)),
          {}};
}

MeaningLookup LookUpCompositeHouse(const CoupleSelection& s) {
  if (s.planet == kAscendant) return Refused(kAscendantInNoHouse);
  return {"C_HOUSES.BIN",
          std::string(kMeaningPlanetCaptions.at(s.planet)) + " in " +
              std::string(kHouseCaptions.at(s.house)) + " house",
          {}};
}

void RunCoupleMeaning(const MeaningLookup& lookup, const std::filesystem::path& appPath,
                      OutputState& out, Host& host, OutputView& view) {
  if (!lookup.refusal.empty()) return Refuse(host, lookup.refusal);
  BeginOutputPage(out);
  AppendBlankLine(out, host);
  // Keys and markers are plain ASCII, which the codec always stores.
  const auto scrambled = [](std::string_view plain) {
    return EncodeScrambledText(plain).value_or(std::string());
  };
  ListTextBetweenMarkers(ResolveInFolder(appPath, lookup.fileName),
                         {scrambled(lookup.key), scrambled("[]"), scrambled("*")}, out, host);
  ShowOutputPage(out, appPath, host, view);
}

std::string KeywordSignFile(int sign) {
  return ToUpperAscii(kSignCaptions.at(sign)).substr(0, 3) + ".TXT";
}

std::string KeywordHouseFile(int house) { return std::to_string(house + 1) + ".TXT"; }

std::string KeywordPlanetFile(int planet) {
  const std::string three(kKeywordPlanetCaptions.at(planet).substr(0, 3));
  return planet == 0 ? three + "_Sun.TXT" : three + ".TXT";
}

void RunKeywordFile(std::string_view fileName, const std::filesystem::path& appPath,
                    OutputState& out, Host& host, OutputView& view) {
  BeginOutputPage(out);
  AppendBlankLine(out, host);
  ListTextFile(appPath, fileName, out, host);
  ShowOutputPage(out, appPath, host, view);
}

}  // namespace orv
