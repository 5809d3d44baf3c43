// Fonts of pages and controls: the system's status-bar font with the face,
// size and weight a layout asks for.
#pragma once
#include "setup/base/unique_handle.h"

#include <string>

namespace qx::pages {

// Height in logical units for a point size on the screen (negative: character
// height, as the font mapper expects).
int PointsToHeight(int points);

struct FontRequest {
    std::string face;       // empty keeps the status-bar font's face
    int height = 0;         // 0 keeps the status-bar font's height
    bool bold = false;
    bool italic = false;
    bool underline = false;
};
unique_hfont MakeFont(const FontRequest& request);

}  // namespace qx::pages
