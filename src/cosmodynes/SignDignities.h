#pragma once
// The sign table of dignities of the ten planets, the essential dignity
// scores drawn from it, and the harmony of mutual receptions and dignities.

#include "cosmodynes/Cosmodynes.h"

namespace orv {

// The column of the dignity table a planet's sign falls in.
enum class SignDignity { None, Rulership, Detriment, Exaltation, Fall, MinorHarmony, MinorDiscord };

// Which column of planet `planet`'s row (1..10) holds `ZodiacSign` `sign`;
// None for any other planet or a sign outside 1..12.
SignDignity DignityOfSign(int planet, int sign);

// Whether planet `planet` (1..10) receives in `ZodiacSign` `sign`: the sign
// is one of its rulership or exaltation signs.
bool InReceptionDomain(int planet, int sign);

// `CalcEssentialDignities`: `DignityScore` 1..15 from the planets' signs
// (+5 rulership, -5 detriment, +4 exaltation, -4 fall, +1 / -1 the minor
// signs); 0 for points 11..15 and planets without dignity.
void CalcEssentialDignities(Cosmodynes& c, const PointArray<double>& longitudes);

// `ApplyMutualReceptionHarmony`: 5 to `Harmony` of both planets of every
// pair where each stands in the other's rulership or exaltation.
void ApplyMutualReceptionHarmony(Cosmodynes& c, const PointArray<double>& longitudes);

// `ApplyDignityHarmony`: each planet's harmony or discord by its sign's
// column (rulership 2, exaltation 3, minor 1; discord likewise).
void ApplyDignityHarmony(Cosmodynes& c, const PointArray<double>& longitudes);

}  // namespace orv
