// The settings file: any lines applied over the defaults, written out and
// read back to the same text; window places kept on a screen.
#include "FuzzSupport.h"
#include "platform/Files.h"
#include "shell/SettingsFile.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  SettingsValues settings = DefaultSettings("/program");
  ApplySettingsLines(SplitLines(DecodeText(bytes)), settings);
  const std::string text = SettingsIniText(settings);
  SettingsValues again = DefaultSettings("/program");
  ApplySettingsLines(SplitLines(text), again);
  fuzz::Require(SettingsIniText(again) == text);
  for (const double dpi : {96.0, 120.0, 144.0}) {
    WindowPlace place{TwipsToPixels(settings.DataLeft, dpi), TwipsToPixels(settings.DataTop, dpi),
                      TwipsToPixels(settings.DataWidth, dpi),
                      TwipsToPixels(settings.DataHeight, dpi)};
    const WindowPlace screen{0, 0, 1600, 1000};
    place = KeepWithinScreen(place, screen);
    fuzz::Require(place.left >= 0 && place.top >= 0 && place.left + place.width <= 1600 &&
                  place.top + place.height <= 1000 && place.width >= 1 && place.height >= 1);
    PixelsToTwips(TwipsToPixels(settings.MainLeft, dpi), dpi);
  }
  return 0;
}
