#pragma once
// Helpers shared by the shell tests: file bytes in and out, and the input
// window fields as one text, so a case compares one line rather than ten.

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "core/ChartInput.h"
#include "platform/Files.h"

namespace orv::test {

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  return ReadFileBytes(path).value_or("<missing>");
}

// The place fields: "75W23 39N45 zone 6".
inline std::string PlaceText(const ChartInputFields& f) {
  return f.LongDeg + (f.East ? "E" : "W") + f.LongMin + " " + f.LatDeg + (f.South ? "S" : "N") +
         f.LatMin + " zone " + f.TimeZone;
}

// The date and clock fields: "5/12/1959 10:43 AM".
inline std::string MomentText(const ChartInputFields& f) {
  return f.Month + "/" + f.Day + "/" + f.Year + " " + f.Hour + ":" + f.Minute +
         (f.Pm ? " PM" : " AM");
}

}  // namespace orv::test
