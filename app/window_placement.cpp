#include "app/window_placement.h"

namespace qs::app {

FramePlacement readPlacement(const Profile& profile) {
    const FramePlacement defaults;
    FramePlacement placement;
    placement.left = profile.readInt(kPlacementSection, u"left").value_or(defaults.left);
    placement.top = profile.readInt(kPlacementSection, u"top").value_or(defaults.top);
    placement.width = profile.readInt(kPlacementSection, u"right").value_or(defaults.width);
    placement.height = profile.readInt(kPlacementSection, u"bottom").value_or(defaults.height);
    return placement;
}

Size frameSizeToFit(Size frame, Size view, Size form) {
    const int excessWidth = view.width > form.width ? view.width - form.width : 0;
    const int excessHeight = view.height > form.height ? view.height - form.height : 0;
    return {frame.width - excessWidth, frame.height - excessHeight};
}

std::optional<FramePlacement> placementToStore(const ScreenRect& frame) {
    if (frame.top <= 0 || frame.bottom <= 0) return std::nullopt;
    return FramePlacement{frame.left, frame.top, frame.right - frame.left,
                          frame.bottom - frame.top};
}

bool storePlacement(Profile& profile, const ScreenRect& frame) {
    const std::optional<FramePlacement> placement = placementToStore(frame);
    if (!placement) return false;
    profile.writeInt(kPlacementSection, u"left", placement->left);
    profile.writeInt(kPlacementSection, u"top", placement->top);
    profile.writeInt(kPlacementSection, u"right", placement->width);
    profile.writeInt(kPlacementSection, u"bottom", placement->height);
    return true;
}

}  // namespace qs::app
