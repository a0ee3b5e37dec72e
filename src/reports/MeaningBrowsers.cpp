#include "reports/MeaningBrowsers.h"

#include <cctype>

#include "platform/Host.h"
#include "reports/TextListing.h"

namespace orv {

namespace {

std::string Upper(std::string_view s) {
  std::string u(s);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

constexpr std::array<std::string_view, 3> kAspectWords = {"blending with", "harmonizing with",
                                                          "discordant to"};
constexpr int kUranus = 7;
constexpr int kPluto = 9;
constexpr int kAscendant = 10;
constexpr int kSun = 0, kMercury = 2, kVenus = 3;

NatalLookup Refused(std::string_view message) { return {{}, {}, std::string(message)}; }

NatalLookup AspectLookup(const NatalSelection& s) {
  if (s.planet > s.second)
    return Refused("Please select a higher planet on the left than on the right.");
  if (s.planet == s.second)
    return Refused("A planet cannot aspect itself. Select a different planet.");
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

NatalLookup LookUpNatalMeaning(NatalCommand command, const NatalSelection& s) {
  const std::string planetKey = Upper(kMeaningPlanetCaptions.at(s.planet)) + " in";
  switch (command) {
    case NatalCommand::PlanetInSign:
      if (s.planet >= kUranus && s.planet <= kPluto)
        return Refused("Uranus - Pluto sign positions are not delineated.");
      if (s.planet == kAscendant) return LookUpNatalMeaning(NatalCommand::RisingSign, s);
      return {"SIGN_" + std::string(kSignCaptions.at(s.sign).substr(0, 3)) + ".TXT", planetKey, {}};
    case NatalCommand::PlanetInHouse:
      if (s.planet == kAscendant)
        return Refused("The Ascendant is always the 1st house cusp. It cannot be in a house.");
      return {"HOUSE_" + std::to_string(s.house + 1) + ".TXT", planetKey, {}};
    case NatalCommand::RisingSign:
      return {"RISING.TXT", Upper(kSignCaptions.at(s.sign)) + " rising", {}};
    case NatalCommand::Aspect:
      return AspectLookup(s);
  }
  return {};
}

void RunNatalMeaning(NatalCommand command, const NatalSelection& selection,
                     const std::filesystem::path& appPath, OutputState& out, Host& host,
                     OutputView& view) {
  const NatalLookup lookup = LookUpNatalMeaning(command, selection);
  if (!lookup.refusal.empty()) {
    host.ShowMessage(lookup.refusal, kTitleInformation, MessageIcon::Exclamation);
    return;
  }
  BeginOutputPage(out);
  AppendBlankLine(out, host);
  ListMeaningSection(appPath, lookup.fileName, lookup.key, out, host);
  ShowOutputPage(out, appPath, host, view);
}

std::string KeywordSignFile(int sign) {
  return Upper(kSignCaptions.at(sign)).substr(0, 3) + ".TXT";
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
