#pragma once

#include <QPixmap>

// The small pictures of the building dialogs, from the library's own resources.

// The front view of a roof type (ridge, flat top, single slope); null for any other code.
QPixmap RoofPicture(int roofType);
// A door with a square or an arched top, for the two decoration main types; null otherwise.
QPixmap DoorIcon(int mainType);
