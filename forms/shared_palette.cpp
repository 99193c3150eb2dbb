#include "shared_palette.h"

#include <vector>

namespace vazolar {

namespace {

struct PaletteEntry {
    QPalette ground;
    QColor background;
    QColor text;
    QPalette palette;
};

void setRoles(QPalette& palette, std::initializer_list<QPalette::ColorRole> roles,
              const QColor& colour) {
    if (!colour.isValid())
        return;
    for (QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
}

// Marks every role of every group as set, keeping its brush.
void setEveryRole(QPalette& palette) {
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourGroup = static_cast<QPalette::ColorGroup>(group);
            const auto colourRole = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(colourGroup, colourRole, palette.brush(colourGroup, colourRole));
        }
    }
}

QPalette makePalette(const QPalette& ground, const QColor& background, const QColor& text) {
    QPalette palette = ground;
    setRoles(palette, {QPalette::Window, QPalette::Base, QPalette::Button}, background);
    setRoles(palette, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, text);
    setEveryRole(palette);
    return palette;
}

} // namespace

QPalette sharedPalette(const QPalette& ground, const QColor& background, const QColor& text) {
    // A few dozen entries at most: the windows use a handful of colour pairs on a handful of
    // grounds.
    static std::vector<PaletteEntry> entries;
    for (const PaletteEntry& entry : entries) {
        if (entry.background == background && entry.text == text && entry.ground == ground)
            return entry.palette;
    }
    entries.push_back({ground, background, text, makePalette(ground, background, text)});
    return entries.back().palette;
}

} // namespace vazolar
