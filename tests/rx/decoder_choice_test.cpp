#include "rx/decoder_choice.h"

#include <gtest/gtest.h>

#include <map>

namespace qs::rx {
namespace {

class FakeSlots : public SettingsSlots {
  public:
    void setSlot(int slot, TextView value) override { slots[slot] = Text(value); }
    std::map<int, Text> slots;
};

TEST(DecoderChoice, TheSoundMenuItemSwitchesAndStoresTheChoice) {
    ReceiveSettings settings;
    FakeSlots slots;
    DecoderChoice choice(settings, slots);
    EXPECT_FALSE(choice.menuItemChecked(menu::kAdaptiveDecoder));

    EXPECT_TRUE(choice.menuCommand(menu::kAdaptiveDecoder));
    EXPECT_TRUE(settings.adaptiveDecoder);
    EXPECT_TRUE(choice.menuItemChecked(menu::kAdaptiveDecoder));
    EXPECT_EQ(slots.slots[kDecoderSlot], u"AdaptiveON");

    EXPECT_TRUE(choice.menuCommand(menu::kAdaptiveDecoder));
    EXPECT_FALSE(settings.adaptiveDecoder);
    EXPECT_EQ(slots.slots[kDecoderSlot], u"AdaptiveOFF");

    EXPECT_FALSE(choice.menuCommand(menu::kAdaptiveDecoder + 1));
    EXPECT_FALSE(choice.menuItemChecked(menu::kAdaptiveDecoder - 1));
    EXPECT_EQ(slots.slots.size(), 1u);
}

// An older file leaves the slot empty: the choice stays as it is.
TEST(DecoderChoice, ADocumentsSlotSetsItOnlyWithItsKeywords) {
    struct Case {
        bool before;
        const char16_t* value;
        bool after;
    };
    const Case cases[] = {
        {false, u"AdaptiveON", true}, {true, u"AdaptiveOFF", false},
        {false, u"", false},          {true, u"", true},
        {true, u"adaptiveoff", true}, {false, u"AdaptiveON ", false},
    };
    for (const Case& c : cases) {
        ReceiveSettings settings;
        settings.adaptiveDecoder = c.before;
        applyDecoderSlot(c.value, settings);
        EXPECT_EQ(settings.adaptiveDecoder, c.after) << toUtf8(c.value);
    }
}

}  // namespace
}  // namespace qs::rx
