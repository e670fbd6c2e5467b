#pragma once
#include <QColor>

namespace xantu {

// The standard 16-colour palette the game addresses by index. Indices out of
// range fall back to black rather than failing: a colour is never an error.
QColor paletteColour(int index);

}  // namespace xantu
