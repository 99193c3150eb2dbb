#pragma once

#include <QColor>
#include <QPalette>

namespace vazolar {

// The ground palette with the background colour in the window, base and button roles and the
// text colour in the text roles (an invalid colour leaves those roles as they are), with every
// role set, so that a widget given it takes nothing from its parent.
//
// Shared: the same colours on the same ground give the same palette, with the same cache key.
// Fusion keys the pictures it caches for buttons and scroll-bar arrows by the palette's cache
// key, and Qt's pixmap cache keeps every key it is given for the life of the program; a palette
// built afresh for every control would add keys with every form opened.
QPalette sharedPalette(const QPalette& ground, const QColor& background, const QColor& text);

} // namespace vazolar
