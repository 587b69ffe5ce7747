#pragma once
// Where the main frame opens: the rectangle stored at the last shutdown, in
// section "Quillstone_Section" of the profile as "left", "top", "right"
// (the width) and "bottom" (the height), each with its own default.

#include <optional>

#include "app/profile.h"

namespace qs::app {

inline constexpr char16_t kPlacementSection[] = u"Quillstone_Section";

// Screen pixels.
struct FramePlacement {
    int left = 10;
    int top = 10;
    int width = 907;
    int height = 399;

    bool operator==(const FramePlacement& other) const {
        return left == other.left && top == other.top && width == other.width &&
               height == other.height;
    }
};

// A window rectangle as the system reports it; right and bottom exclusive.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

FramePlacement readPlacement(const Profile& profile);

struct Size {
    int width = 0;
    int height = 0;

    bool operator==(const Size& other) const {
        return width == other.width && height == other.height;
    }
};

// The frame's size once it has shrunk so that the view is no larger than
// the form it shows; a view smaller than the form leaves the frame alone
// (the form scrolls), in each direction on its own.
Size frameSizeToFit(Size frame, Size view, Size form);

// What to store for the frame's current rectangle: nothing unless both its
// top and its bottom edge are greater than 0, which leaves out a minimised
// frame (placed far off the screen).
std::optional<FramePlacement> placementToStore(const ScreenRect& frame);

// Stores the frame's rectangle by the rule above; false when nothing was
// stored.
bool storePlacement(Profile& profile, const ScreenRect& frame);

}  // namespace qs::app
