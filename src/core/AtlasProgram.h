#pragma once
// The outside atlas program: run it from its folder, read the place it
// leaves in its exchange files, and let the user accept or reject it.

#include <string>

namespace orv {

class Host;
class Launcher;

struct AtlasProgramResult {
  bool lookupOk = false;      // `AtlasLookupOk`: the lookup completed
  bool accepted = false;      // `AtlasAnswer` = Yes
  std::string latitudeText;   // `AtlasLatitudeText`, e.g. "39N45"
  std::string longitudeText;  // `AtlasLongitudeText`, e.g. "75W10"
  float timeZone = 0;         // `AtlasTimeZone`, hours
};

// The largest time zone, in hours, an atlas answer may give.
inline constexpr double kMaxAtlasZoneHours = 24;

// Runs `atlasDir` + "ATLAS.EXE" and waits. When it cannot start, asks for
// its folder until it starts or the answer is empty; `atlasDir` keeps the
// folder given (with a final separator). Reads PCATPATH.TXT and TSRTEMP.TXT,
// then asks the user to accept the place.
AtlasProgramResult RunAtlasProgram(Host& host, Launcher& launcher, std::string& atlasDir);

}  // namespace orv
