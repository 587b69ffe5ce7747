#pragma once
// Where the twelve macro labels take a left click, a right click and the
// mouse hover: two rows of six, macros 1 to 6 above, 7 to 11 and Auto CQ
// below. Bounds are in the form's design coordinates and exclusive; they
// follow the client area on screens of more than 96 dots per inch, as the
// display click areas do.

#include "rx/display_hit_areas.h"

namespace qs::ui {

enum class MacroArea {
    LeftClick,
    RightClick,
    Hover,
};

// The macro 1 to 12 whose area of this kind holds the point; 0 for none.
int macroAt(MacroArea area, int x, int y, const rx::FormScale& scale);

}  // namespace qs::ui
