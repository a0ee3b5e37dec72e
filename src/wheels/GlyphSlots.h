#pragma once
// The wheels' glyph slot tables, indexed from 1 (element 0 is 0).

#include <array>
#include <cstdint>

namespace orv {

// Glyph slots of the wheels by slot 1..12 (one per 30-degree sector from 180
// degrees): an angle in degrees and a radius in wheel units. The wheel picks
// a pair by layout and drawing pass.
using GlyphSlotTable = std::array<std::int16_t, 13>;
inline constexpr GlyphSlotTable SlotAngleTableA = {0, 180, 209, 240, 272, 304, 335,
                                                   4, 34,  65,  95,  124, 153};
inline constexpr GlyphSlotTable SlotRadiusTableA = {0,   217, 212, 201, 196, 194, 197,
                                                    199, 202, 206, 208, 212, 217};
inline constexpr GlyphSlotTable SlotAngleTableB = {0, 181, 209, 240, 273, 306, 337,
                                                   7, 37,  68,  96,  126, 154};
inline constexpr GlyphSlotTable SlotRadiusTableB = {0,   138, 130, 123, 119, 120, 121,
                                                    126, 126, 129, 132, 137, 139};
// The first glyph position of each house of the two-ring and declination
// wheels: equal 30-degree steps from 182.
inline constexpr GlyphSlotTable EqualSlotAngles = {0, 182, 212, 242, 272, 302, 332,
                                                   2, 32,  62,  92,  122, 152};
inline constexpr GlyphSlotTable SlotAngleTableC = {0, 180, 209, 240, 272, 305, 335,
                                                   5, 34,  65,  95,  125, 153};
inline constexpr GlyphSlotTable SlotRadiusTableC = {0,   165, 160, 147, 145, 144, 146,
                                                    152, 152, 152, 156, 163, 165};
inline constexpr GlyphSlotTable SlotAngleTableD = {0, 181, 210, 241, 273, 306, 337,
                                                   8, 37,  67,  96,  125, 153};
inline constexpr GlyphSlotTable SlotRadiusTableD = {0,  106, 101, 97,  94,  93, 94,
                                                    97, 100, 103, 105, 109, 110};

}  // namespace orv
