#pragma once
// The sentences and headings by which the RTF copy of a saved report finds
// its body and its headings. The framing texts the program ships (data/)
// hold each of them, in this order, exactly once before the body ends.

#include <string_view>

namespace orv::anchors {

// Natal report: PHILO.HLP opens the body, CLOSING.TXT ends it.
inline constexpr std::string_view kNatalOpening = "Astrology is the study";
inline constexpr std::string_view kNatalClosing = "doing in this life.";
inline constexpr std::string_view kNatalRising = "THE RISING SIGN OR ASCENDANT";
inline constexpr std::string_view kNatalSigns = "SIGN POSITIONS OF PLANETS";
inline constexpr std::string_view kNatalHouses = "HOUSE POSITIONS OF PLANETS";
inline constexpr std::string_view kNatalAspects = "PLANETARY ASPECTS";
inline constexpr std::string_view kNatalClosingHeading = "CLOSING COMMENTS";

// Composite report: COMPOSIT\COMPOPEN opens it; the body ends with the last
// sentence of COMPOSIT\CLOSING.
inline constexpr std::string_view kCompositeOpening = "The composite  horoscope is  created";
inline constexpr std::string_view kCompositeClosing = "May your bond grow with wisdom.";
inline constexpr std::string_view kCompositeHouses = "COMPOSITE PLANETS IN HOUSES";
inline constexpr std::string_view kCompositeAspects = "MEANINGS OF COMPOSITE PLANETARY ASPECTS";

// Synastry report: three regions. The first runs from the opening of
// SYNASTRY\DOCS\INTRO to its last word, the second from the heading of
// SYNASTRY\DOCS\RISING to the closing text, the third over the closing text
// to the end of its last sentence (19 characters after kSynastryNeeds).
inline constexpr std::string_view kSynastryOpening = "The ability to get along harmoniously";
inline constexpr std::string_view kSynastryAttraction = "ATTRACTION AND ENDURABILITY";
inline constexpr std::string_view kSynastryIntroEnd = "elements.";
inline constexpr std::string_view kSynastryAscendants = "MEANINGS OF ASPECTS TO THE ASCENDANTS";
inline constexpr std::string_view kSynastryAspects = "MEANINGS OF INTERPLANETARY ASPECTS";
inline constexpr std::string_view kSynastryClosingStart = "The astrological";
inline constexpr std::string_view kSynastryClosing =
    "The astrological interpretations in this report";
inline constexpr std::string_view kSynastryNeeds = "astrological needs.";
inline constexpr std::size_t kSynastryAfterNeeds = 19;

}  // namespace orv::anchors
