#pragma once

#include "reports/page_units.h"

#include <QRect>
#include <QSize>

// Window layouts are measured in twips; 15 twips make one logical pixel (96 to the inch), and
// Qt scales logical pixels on high-density screens.
namespace vazolar {

constexpr int kLogicalPixelsPerInch = 96;
constexpr int kTwipsPerPixel = kTwipsPerInch / kLogicalPixelsPerInch;

constexpr int twipsToPixels(int twips) {
    // Rounded to the nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

constexpr QSize twipsSize(int width, int height) {
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

} // namespace vazolar
