#pragma once
// The fixed-pitch font of text listings on screen and on paper.

#include <QFont>

namespace orv {

// The desktop's monospace font (fontconfig's "Monospace"), else the
// system's fixed-pitch font, at `points` with the given weight and slant.
QFont FixedPitchFont(double points, bool bold, bool italic);

// Whether `font` as the system resolves it is fixed-pitch.
bool IsFixedPitch(const QFont& font);

}  // namespace orv
