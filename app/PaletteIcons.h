#pragma once

// The palette buttons' icons, drawn here so they stay sharp at any scale.

#include "CommandNumbers.h"

#include <QIcon>

// The icon of a palette button (2000..2004, 2010, 3000..3009, 4000..4004); null for others.
QIcon paletteIcon(CommandT button);
// The application's own icon: a turtle's trail spiralling out.
QIcon applicationIcon();
