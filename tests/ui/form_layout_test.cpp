#include "ui/form_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rx/display_hit_areas.h"
#include "ui/control_ids.h"

namespace qs::ui {
namespace {

// Screens of 96, 120, 144, 168 and 192 dots per inch.
const double kScales[] = {1.0, 1.25, 1.5, 1.75, 2.0};

rx::FormScale formScaleFor(double scale) {
    return {scale, scale, kFormDesignWidth * scale, kFormDesignHeight * scale};
}

FormRect placed(int id, double scale) {
    const FormControl* control = findFormControl(id);
    EXPECT_NE(control, nullptr) << id;
    return control ? scaleRect(control->rect, scale, scale) : FormRect{};
}

std::string describe(const FormControl& control) {
    return std::to_string(control.id) + " \"" + toUtf8(control.caption) + "\"";
}

TEST(FormLayout, EveryControlOnceWithinTheForm) {
    std::set<int> ids;
    for (const FormControl& control : formControls()) {
        EXPECT_TRUE(ids.insert(control.id).second) << "twice: " << control.id;
        const FormRect& r = control.rect;
        EXPECT_TRUE(r.width > 0 && r.height > 0) << describe(control);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right() <= kFormDesignWidth &&
                    r.bottom() <= kFormDesignHeight)
            << describe(control);
    }
    // The controls the other parts of the terminal address by id.
    for (int id : {1000, 1001, 1002, 1003, 1004, 1017, 1018, 1019, 1020, 1021, 1022, 1023, 1024,
                   1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1036, 1037,
                   1038, 1039, 1040, 1041, 1042, 1043, 1044, 1062, 1063, 1065, 1066}) {
        EXPECT_EQ(ids.count(id), 1u) << id;
    }
    for (int macro = 1; macro <= control::kMacroCount; ++macro) {
        EXPECT_EQ(ids.count(control::macroLabel(macro)), 1u) << macro;
    }
}

TEST(FormLayout, CaptionsTheOperatorAndTheCoreRelyOn) {
    const std::pair<int, const char16_t*> captions[] = {
        {control::kClear, u"Clear (Esc)"},
        {control::kQso, u"QSO (F6)"},
        {control::kSave, u"SAVE (F7)"},
        {control::kRxClear, u"RX Clear"},
        {control::kTxClear, u"TX Clear"},
        {control::kTxEditHold, u"TX Edit (F9)"},
        {control::kNoiseReduction1, u"NR1"},
        {control::kNoiseReduction2, u"NR2"},
        {control::kQrmFilter, u"QRM"},
        {control::kRxEqualsTx, u"RX=TX"},
        {control::kHisCallGroup, u"HisCall (F1)"},
        {control::kHisQthGroup, u"HisQTH (F3)"},
        {control::kThresholdLabel, u"Threshold -45db"},
        {control::kToneLabel, u"603Hz"},
        {control::kLowerScaleLabel, u"172 258 345 431 517 603 689 775"},
        {control::kUpperScaleLabel, u"345 431 517 603 689 775 861 948"},
        {control::kFirstMacroLabel, u"macro1"},
        {control::macroLabel(11), u"macro11"},
        {control::kAutoCqLabel, u"Auto CQ"},
    };
    for (const auto& [id, caption] : captions) {
        ASSERT_NE(findFormControl(id), nullptr) << id;
        EXPECT_EQ(TextView(findFormControl(id)->caption), caption) << id;
    }
    std::multiset<Text> texts;
    for (const FormControl& control : formControls()) texts.insert(control.caption);
    for (const char16_t* caption : {u"CW Gain level", u"Signal Tone(FFT)"}) {
        EXPECT_EQ(texts.count(caption), 1u) << toUtf8(caption);
    }
    // One set of level marks beside each display.
    for (const char16_t* mark : {u"0", u"-45db", u"-90db"}) {
        EXPECT_EQ(texts.count(mark), 2u) << toUtf8(mark);
    }
}

TEST(FormLayout, DisplaysCoverTheirClickAreasOnEveryScreen) {
    for (const double scale : kScales) {
        const rx::FormScale form = formScaleFor(scale);
        const FormRect level = placed(control::kLevelDisplay, scale);
        const FormRect spectrum = placed(control::kSpectrumDisplay, scale);
        int levelHits = 0;
        int spectrumHits = 0;
        std::set<int> cells;
        for (int y = 0; y < form.clientHeight; ++y) {
            for (int x = 0; x < form.clientWidth; ++x) {
                if (rx::hitThresholdArea(x, y, form)) {
                    ++levelHits;
                    EXPECT_TRUE(level.contains(x, y)) << scale << " at " << x << "," << y;
                }
                if (const auto cell = rx::hitSpectrumCell(x, y, form)) {
                    ++spectrumHits;
                    cells.insert(*cell);
                    EXPECT_TRUE(spectrum.contains(x, y)) << scale << " at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(levelHits, 0) << scale;
        EXPECT_GT(spectrumHits, 0) << scale;
        EXPECT_EQ(cells.size(), 29u) << scale;
    }
}

// The threshold of a click follows the level display's own scale: its top
// row is 0 dB and its bottom row -90 dB.
TEST(FormLayout, LevelDisplayRowsMatchTheThresholdScale) {
    const FormRect level = findFormControl(control::kLevelDisplay)->rect;
    const rx::FormScale form = formScaleFor(1.0);
    const int x = level.left + level.width / 2;
    EXPECT_EQ(rx::hitThresholdArea(x, level.top + 1, form), 0);
    EXPECT_EQ(rx::hitThresholdArea(x, level.top + 47, form), -45);
    EXPECT_EQ(rx::hitThresholdArea(x, level.bottom() - 2, form), -90);
    EXPECT_FALSE(rx::hitThresholdArea(x, level.bottom() - 1, form));
}

// Click, right-click and hover areas of the macro labels as the macro
// commands use them: row top and bottom, then x bounds per column, all
// exclusive.
struct MacroArea {
    int rowTop, rowBottom;
    int left[6], right[6];
};
const MacroArea kMacroAreas[] = {
    {311, 333, {13, 115, 216, 318, 419, 519}, {107, 210, 311, 413, 514, 614}},  // row 1
    {340, 362, {13, 115, 215, 318, 419, 519}, {107, 210, 312, 413, 514, 613}},  // row 2 clicks
    {340, 362, {13, 115, 216, 318, 419, 519}, {107, 210, 311, 413, 514, 614}},  // row 2 right
    {311, 333, {13, 115, 216, 318, 419, 520}, {107, 210, 311, 413, 514, 614}},  // hover row 1
    {340, 362, {13, 115, 216, 318, 419, 520}, {107, 210, 311, 413, 514, 614}},  // hover row 2
};

TEST(FormLayout, MacroLabelsCoverTheirClickAndHoverAreas) {
    for (const double scale : kScales) {
        for (const MacroArea& area : kMacroAreas) {
            const int row = area.rowTop == 311 ? 0 : 1;
            for (int column = 0; column < 6; ++column) {
                const FormRect label = placed(control::macroLabel(row * 6 + column + 1), scale);
                const int left = scaleCoordinate(area.left[column], scale);
                const int right = scaleCoordinate(area.right[column], scale);
                const int top = scaleCoordinate(area.rowTop, scale);
                const int bottom = scaleCoordinate(area.rowBottom, scale);
                EXPECT_TRUE(label.contains(left + 1, top + 1) &&
                            label.contains(right - 1, bottom - 1))
                    << "scale " << scale << " row " << row << " column " << column;
            }
        }
    }
}

// Group boxes frame whole controls; nothing else shares a pixel, except the
// two frequency scales, of which only one is ever shown.
TEST(FormLayout, NoControlsOverlap) {
    const auto& form = formControls();
    for (const double scale : kScales) {
        for (size_t i = 0; i < form.size(); ++i) {
            for (size_t j = i + 1; j < form.size(); ++j) {
                const FormControl& a = form[i];
                const FormControl& b = form[j];
                const FormRect ra = scaleRect(a.rect, scale, scale);
                const FormRect rb = scaleRect(b.rect, scale, scale);
                if (!ra.overlaps(rb)) continue;
                if (a.id == control::kLowerScaleLabel && b.id == control::kUpperScaleLabel)
                    continue;
                const bool framed = (a.kind == ControlKind::GroupBox && ra.contains(rb) &&
                                     b.kind != ControlKind::GroupBox) ||
                                    (b.kind == ControlKind::GroupBox && rb.contains(ra) &&
                                     a.kind != ControlKind::GroupBox);
                EXPECT_TRUE(framed)
                    << describe(a) << " overlaps " << describe(b) << " at " << scale;
            }
        }
    }
}

TEST(FormLayout, ScalingKeepsNeighboursApartAndRoundsEachEdge) {
    EXPECT_EQ(scaleCoordinate(422, 1.25), 528);  // 527.5 rounds up
    EXPECT_EQ(scaleCoordinate(177, 1.5), 266);   // 265.5
    EXPECT_EQ(scaleCoordinate(177, 0.75), 177);  // below 96 dpi nothing scales
    const FormRect r = scaleRect({13, 311, 95, 23}, 1.25, 1.5);
    EXPECT_EQ(r.left, 16);
    EXPECT_EQ(r.right(), 135);  // 108 * 1.25
    EXPECT_EQ(r.top, 467);      // 466.5
    EXPECT_EQ(r.bottom(), 501);
    // Two labels that touch at 96 dpi still touch, and do not overlap, when
    // scaled.
    const FormRect a = scaleRect({100, 0, 7, 10}, 1.75, 1.75);
    const FormRect b = scaleRect({107, 0, 7, 10}, 1.75, 1.75);
    EXPECT_EQ(a.right(), b.left);
}

}  // namespace
}  // namespace qs::ui
