#pragma once
// The operating screen: every control of the form with its id, kind, caption
// and place, in the form's design coordinates (1085 x 375 pixels at 96 dots
// per inch). The level display, the spectrum display and the macro labels
// sit exactly where the click areas of the receive path and of the macros
// expect them; everything else is arranged around them.
//
// The list is in tab order; group boxes come before what they frame.

#include <vector>

#include "common/text.h"

namespace qs::ui {

inline constexpr int kFormDesignWidth = 1085;
inline constexpr int kFormDesignHeight = 375;
// A combo box's rectangle is its closed height; the list drops this far.
inline constexpr int kComboDropHeight = 180;

enum class ControlKind {
    Button,
    Label,  // static text
    CheckBox,
    Edit,      // single line
    TextArea,  // multi-line edit
    RichEdit,
    ComboBox,  // editable drop-down
    ListBox,   // drop-down list, choose only
    Trackbar,
    GroupBox,
    Display,  // black picture area drawn by the receive path
};

// How a control looks beyond its kind.
namespace trait {
inline constexpr unsigned kNone = 0;
inline constexpr unsigned kAlignRight = 1u << 0;
inline constexpr unsigned kAlignCenter = 1u << 1;
inline constexpr unsigned kHiddenAtStart = 1u << 2;
inline constexpr unsigned kMacroKey = 1u << 3;     // a macro label, drawn as a key
inline constexpr unsigned kScaleMarks = 1u << 4;   // numbers spread under the spectrum
inline constexpr unsigned kFramedValue = 1u << 5;  // a value shown in a sunken box
inline constexpr unsigned kUpperCase = 1u << 6;
}  // namespace trait

// Pixels; right and bottom are one past the last pixel covered.
struct FormRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool contains(int x, int y) const {
        return x >= left && x < right() && y >= top && y < bottom();
    }
    bool contains(const FormRect& other) const {
        return other.left >= left && other.right() <= right() && other.top >= top &&
               other.bottom() <= bottom();
    }
    bool overlaps(const FormRect& other) const {
        return left < other.right() && other.left < right() && top < other.bottom() &&
               other.top < bottom();
    }
};

struct FormControl {
    int id;
    ControlKind kind;
    const char16_t* caption;
    FormRect rect;
    unsigned traits = trait::kNone;

    bool has(unsigned flag) const { return (traits & flag) != 0; }
};

// All controls of the form.
const std::vector<FormControl>& formControls();

// The control with this id, or null.
const FormControl* findFormControl(int id);

// A design rectangle on a screen of `dpiScaleX` x `dpiScaleY` times 96 dots
// per inch. Each edge is scaled and rounded on its own (add 0.5, truncate),
// the rounding the click areas use, so neighbours stay apart and a click
// area stays inside its control.
FormRect scaleRect(const FormRect& design, double dpiScaleX, double dpiScaleY);

// Scaling applies only above 96 dots per inch, as for the click areas.
double effectiveScale(double dpiScale);

// One design coordinate scaled as the edges are.
int scaleCoordinate(int design, double dpiScale);

}  // namespace qs::ui
