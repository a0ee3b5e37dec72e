#include "shell/input/Gazetteer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <unordered_set>

#include "base/Text.h"
#include "platform/Files.h"

namespace orv {

namespace {

enum class Section { None, Fold, Countries, Zones, Places };

// The tab-separated fields of a line; more than six count as seven.
struct Fields {
  std::array<std::string_view, 7> at;
  std::size_t size = 0;
  std::string_view operator[](std::size_t i) const { return at[i]; }
};
Fields SplitTabs(std::string_view line) {
  Fields fields;
  for (std::size_t start = 0; fields.size < fields.at.size();) {
    const std::size_t tab = line.find('\t', start);
    fields.at[fields.size++] = line.substr(start, tab - start);
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return fields;
}

std::optional<double> Degrees(std::string_view text, double limit) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  // from_chars takes "nan" and "inf"; neither is a place.
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
      std::abs(value) > limit)
    return std::nullopt;
  return value;
}

std::optional<std::uint16_t> Index(std::string_view text, std::size_t count) {
  unsigned value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value >= count) return std::nullopt;
  return std::uint16_t(value);
}

// Bytes of the UTF-8 character that starts with `lead` (1 for a stray byte).
std::size_t CharLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

std::uint32_t PackedChar(std::string_view ch) {
  std::uint32_t packed = 0;
  for (char c : ch) packed = packed << 8 | static_cast<unsigned char>(c);
  return packed;
}

}  // namespace

std::optional<Gazetteer> Gazetteer::Parse(std::string_view text) {
  Gazetteer g;
  std::unordered_map<std::string_view, std::uint16_t> countryIndex;
  std::unordered_set<std::string_view> seen;
  // About 46 bytes a place.
  g.places_.reserve(text.size() / 40);
  seen.reserve(text.size() / 40);
  Section section = Section::None;
  bool havePlaces = false;
  std::size_t lineNumber = 0;
  // A broken line (a file cut short, a slip in editing) is passed over, the
  // first one remembered for the message: the places read stay usable.
  auto broken = [&] {
    if (g.firstBrokenLine_ == 0) g.firstBrokenLine_ = lineNumber;
  };
  for (std::size_t start = 0; start < text.size();) {
    ++lineNumber;
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      section = line == "[fold]"        ? Section::Fold
                : line == "[countries]" ? Section::Countries
                : line == "[zones]"     ? Section::Zones
                : line == "[places]"    ? Section::Places
                                        : Section::None;
      havePlaces = havePlaces || section == Section::Places;
      continue;
    }

    const auto f = SplitTabs(line);
    switch (section) {
      case Section::Fold:
        if (f.size == 2 && !f[0].empty() && f[0].size() == CharLength(f[0][0]))
          g.folds_.emplace(PackedChar(f[0]), f[1]);
        break;
      case Section::Countries:
        if (f.size != 2) {
          broken();
          break;
        }
        countryIndex.emplace(f[0], std::uint16_t(g.countries_.size()));
        g.countries_.emplace_back(f[1]);
        break;
      case Section::Zones:
        g.zones_.emplace_back(line);
        break;
      case Section::Places: {
        if (f.size != 6) {
          broken();
          break;
        }
        const auto country = countryIndex.find(f[2]);
        const auto zone = Index(f[3], g.zones_.size());
        const auto lat = Degrees(f[4], 90), lon = Degrees(f[5], 180);
        if (country == countryIndex.end() || !zone || !lat || !lon || f[0].empty()) {
          broken();
          break;
        }
        if (!seen.insert(line).second) break;
        g.places_.push_back({std::string(f[0]), std::string(f[1]), country->second, *zone, *lat,
                             *lon});
        break;
      }
      case Section::None:
        break;
    }
  }
  if (!havePlaces || g.places_.empty()) return std::nullopt;

  g.keys_.reserve(g.places_.size());
  for (const GazetteerPlace& p : g.places_) g.keys_.push_back(g.Fold(p.Name));
  g.order_.resize(g.places_.size());
  for (std::uint32_t i = 0; i < g.order_.size(); ++i) g.order_[i] = i;
  // Stable: places of one name keep the file's order, larger first.
  std::stable_sort(g.order_.begin(), g.order_.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return g.keys_[a] < g.keys_[b]; });
  return g;
}

std::optional<Gazetteer> Gazetteer::Load(const std::filesystem::path& appPath) {
  const auto bytes = ReadFileBytes(ResolveInFolder(appPath, kGazetteerFileName));
  if (!bytes) return std::nullopt;
  return Parse(*bytes);
}

std::string Gazetteer::PlaceText(const GazetteerPlace& place) const {
  std::string text = place.Name;
  if (!place.Region.empty() && place.Region != place.Name) text += ", " + place.Region;
  return text + ", " + std::string(CountryName(place));
}

std::string Gazetteer::Fold(std::string_view text) const {
  text = Trim(text);
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      folded += char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
      ++i;
      continue;
    }
    const std::string_view ch = text.substr(i, CharLength(c));
    const auto fold = folds_.find(PackedChar(ch));
    folded += fold == folds_.end() ? ch : std::string_view(fold->second);
    i += ch.size();
  }
  return folded;
}

std::vector<std::size_t> Gazetteer::FindByPrefix(std::string_view prefix,
                                                  std::size_t limit) const {
  std::vector<std::size_t> found;
  const std::string key = Fold(prefix);
  if (key.empty()) return found;
  auto it = std::lower_bound(order_.begin(), order_.end(), key,
                             [&](std::uint32_t i, const std::string& k) { return keys_[i] < k; });
  for (; it != order_.end() && found.size() < limit && keys_[*it].starts_with(key); ++it)
    found.push_back(*it);
  return found;
}

bool Gazetteer::NameIs(std::size_t place, std::string_view text) const {
  return keys_[place] == Fold(text);
}

}  // namespace orv
