#pragma once
// Every draw call of a painted wheel as text: what, where (to a tenth of a
// unit), the text and its font. Pinned per wheel command, so that any change
// to what the user sees (a digit order, a spacing, a band edge) shows.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "RecordingCanvas.h"

namespace orv::test {

inline std::string DrawCallDump(const RecordingCanvas& canvas) {
  std::string out;
  char line[160];
  for (const CanvasRecord& r : canvas.Records()) {
    switch (r.kind) {
      case CanvasRecord::Kind::Clear:
        out += "clear\n";
        break;
      case CanvasRecord::Kind::Line:
        std::snprintf(line, sizeof line, "line %.1f %.1f %.1f %.1f\n", r.a.x, r.a.y, r.b.x, r.b.y);
        out += line;
        break;
      case CanvasRecord::Kind::Circle:
        std::snprintf(line, sizeof line, "circle %.1f %s\n", r.radius, r.startRad ? "arc" : "");
        out += line;
        break;
      case CanvasRecord::Kind::Text:
        std::snprintf(line, sizeof line, "text %.1f %.1f %.1f%s ", r.a.x, r.a.y, r.font.points,
                      r.font.bold ? "b" : "");
        out += line + r.text + "\n";
        break;
    }
  }
  return out;
}

// The pinned dump `name` in the wheels tests' golden folder (found from any
// working folder);
// ORVANTA_UPDATE_GOLDEN=1 first rewrites it with `dump`.
inline std::string PinnedDump(const std::string& name, const std::string& dump) {
  const auto folder = std::filesystem::path(ORVANTA_TESTS_DIR) / "wheels" / "golden";
  if (std::getenv("ORVANTA_UPDATE_GOLDEN") != nullptr)
    std::ofstream(folder / name, std::ios::binary) << dump;
  std::ifstream in(folder / name, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

}  // namespace orv::test
