#pragma once

#include <QColor>
#include <QFont>

// The look that the section and the plots share, wherever they are painted: a window, a PDF
// page, a saved image.
namespace vazolar::drawings {

inline const QColor kInk(0x20, 0x20, 0x20);
inline const QColor kGrid(0xD8, 0xD8, 0xD8);
inline const QColor kWater(0x9C, 0xC8, 0xF0);
inline const QColor kWaterEdge(0x1F, 0x5F, 0xA8);
inline const QColor kCritical(0xC0, 0x39, 0x2B);
inline const QColor kBank(0x8A, 0x5A, 0x2B);
inline const QColor kMarker(0x1E, 0x8C, 0x3A);

// The pictures' typeface at the given size in points; sans serif reads better at small sizes.
QFont pictureFont(double points = 8.0);

} // namespace vazolar::drawings
