#pragma once
// The atlas's gazetteer: places of the world with their region, country and
// IANA time-zone name, read from ATLAS.DAT in the program folder (made by
// tools/make_gazetteer.py, whose header describes the format), and searched
// by the start of a name without regard to letter case or accents.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orv {

inline constexpr std::string_view kGazetteerFileName = "ATLAS.DAT";

struct GazetteerPlace {
  std::string Name, Region;
  std::uint16_t Country = 0;  // index of its country
  std::uint16_t Zone = 0;     // index of its time-zone name
  double LatitudeDeg = 0;     // North positive
  double LongitudeDeg = 0;    // East positive
};

class Gazetteer {
 public:
  // Reads the gazetteer's text. Nothing when it has no place. A broken line
  // (wrong field count, unknown country or zone, a coordinate that is no
  // finite number or out of range) is passed over, and so is a line that
  // repeats an earlier one.
  static std::optional<Gazetteer> Parse(std::string_view text);
  // ATLAS.DAT of `appPath` (any letter case); nothing when it cannot be read.
  static std::optional<Gazetteer> Load(const std::filesystem::path& appPath);

  std::size_t size() const { return places_.size(); }
  // The number of the first broken line passed over (1-based), or 0.
  std::size_t FirstBrokenLine() const { return firstBrokenLine_; }
  const GazetteerPlace& Place(std::size_t index) const { return places_[index]; }
  std::string_view ZoneName(const GazetteerPlace& place) const { return zones_[place.Zone]; }
  std::string_view CountryName(const GazetteerPlace& place) const {
    return countries_[place.Country];
  }
  // "Springfield, Illinois, United States of America" (a region equal to
  // the name or empty is left out).
  std::string PlaceText(const GazetteerPlace& place) const;

  // `text` as searched: lower case, accents and blanks around it removed
  // ("  São Paulo" gives "sao paulo").
  std::string Fold(std::string_view text) const;

  // The places whose name starts with `prefix` as folded: ordered by name,
  // places of one name larger first; at most `limit` of them. An empty
  // prefix finds nothing.
  std::vector<std::size_t> FindByPrefix(
      std::string_view prefix, std::size_t limit = std::numeric_limits<std::size_t>::max()) const;
  // Whether `place`'s folded name equals folded `text`.
  bool NameIs(std::size_t place, std::string_view text) const;

 private:
  std::vector<GazetteerPlace> places_;
  std::vector<std::string> countries_, zones_;
  // A character's UTF-8 bytes packed into one number, and its search form.
  std::unordered_map<std::uint32_t, std::string> folds_;
  std::vector<std::string> keys_;     // folded name of each place
  std::vector<std::uint32_t> order_;  // places by folded name
  std::size_t firstBrokenLine_ = 0;
};

}  // namespace orv
