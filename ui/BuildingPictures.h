#pragma once

#include <QPixmap>

// The small pictures of the building dialogs, from the library's own resources.

// The front view of a roof type; null for No roof and any other code.
QPixmap RoofPicture(int roofType);
// Makes the pictures readable as qrc:/building/NAME.svg, as the help books show them.
void RegisterBuildingPictures();
// A door with a square or an arched top, for the two decoration main types; null otherwise.
QPixmap DoorIcon(int mainType);
