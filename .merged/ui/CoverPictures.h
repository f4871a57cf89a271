#pragma once

#include <QPixmap>

// A small front view of a platform with the cover type coverType (the pitched, V-shaped,
// arched and single-pitch covers), drawn for the cover's radio button.
QPixmap DrawCoverPicture(int coverType, QSize size, qreal devicePixelRatio);
