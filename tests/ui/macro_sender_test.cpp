#include "ui/macro_sender.h"

#include <gtest/gtest.h>

#include "tests/support/fake_clock.h"
#include "tests/ui/fake_screen.h"
#include "ui/macro_areas.h"

namespace qs::ui {
namespace {

using test::num;

const rx::FormScale kAt96Dpi{1.0, 1.0, 2000.0, 900.0};  // the window size does not count

TEST(MacroAreasTest, BoundsAreExclusiveAndDifferPerArea) {
    struct Case {
        MacroArea area;
        int x;
        int y;
        int macro;
    };
    const Case cases[] = {
        {MacroArea::LeftClick, 14, 312, 1},   {MacroArea::LeftClick, 13, 312, 0},
        {MacroArea::LeftClick, 106, 332, 1},  {MacroArea::LeftClick, 107, 320, 0},
        {MacroArea::LeftClick, 50, 311, 0},   {MacroArea::LeftClick, 50, 333, 0},
        {MacroArea::LeftClick, 216, 320, 0},  {MacroArea::LeftClick, 216, 350, 9},
        {MacroArea::LeftClick, 217, 320, 3},  {MacroArea::LeftClick, 311, 350, 9},
        {MacroArea::LeftClick, 613, 320, 6},  {MacroArea::LeftClick, 613, 350, 0},
        {MacroArea::LeftClick, 612, 361, 12}, {MacroArea::LeftClick, 612, 362, 0},
        {MacroArea::RightClick, 216, 320, 0}, {MacroArea::RightClick, 216, 350, 0},
        {MacroArea::RightClick, 613, 350, 12}, {MacroArea::RightClick, 200, 341, 8},
        {MacroArea::Hover, 216, 320, 0},      {MacroArea::Hover, 520, 320, 0},
        {MacroArea::Hover, 521, 350, 12},     {MacroArea::Hover, 420, 320, 5},
        {MacroArea::Hover, 700, 320, 0},      {MacroArea::Hover, 50, 337, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(macroAt(c.area, c.x, c.y, kAt96Dpi), c.macro)
            << static_cast<int>(c.area) << " at " << c.x << "," << c.y;
    }
}

TEST(MacroAreasTest, FollowTheClientAreaAboveNinetySixDotsPerInch) {
    const rx::FormScale doubled{2.0, 2.0, 2170.0, 750.0};
    EXPECT_EQ(macroAt(MacroArea::LeftClick, 30, 630, doubled), 1);
    EXPECT_EQ(macroAt(MacroArea::LeftClick, 26, 630, doubled), 0);  // 13 doubled
    EXPECT_EQ(macroAt(MacroArea::LeftClick, 30, 320, doubled), 0);
}

class MacroSenderTest : public ::testing::Test {
protected:
    MacroSenderTest() {
        for (int k = 1; k <= 12; ++k) macros.setMacroText(k, u"m" + decimalText(k));
        tags.sources.hisCall = u"ja1abc";
        tags.sources.myCall = u"JH1XYZ";
        log.take();
    }

    void click(int x, int y, bool latch = false) { sender.onMacroClick(x, y, kAt96Dpi, latch); }

    test::CallLog log;
    test::NoLabels labels{log};
    MacroSet macros{labels};
    test::FakeForm form{log};
    test::FakeTransmit transmit{log};
    test::FakeTags tags;
    test::FakeMouse mouse;
    qs::test::FakeClock clock;
    MacroSender sender{{macros, form, transmit, tags, mouse, clock}};
};

TEST_F(MacroSenderTest, QueuedTextIsExpandedAndUpperCased) {
    sender.queueText(u"cq de <MyCall> <HisCall> é");
    EXPECT_EQ(log.take(), "queue CQ DE JH1XYZ JA1ABC é");
    EXPECT_EQ(upperCaseForSending(u"az{}AZ"), u"AZ{}AZ");
}

TEST_F(MacroSenderTest, LeftClickFocusesTheTransmitBoxPressesTheLabelAndQueues) {
    click(50, 320);
    EXPECT_EQ(log.take(), "focus 1037|focus 1037|disable 1005|queue M1");
    sender.onLeftButtonUp();
    EXPECT_EQ(log.take().substr(0, 23), "enable 1005|enable 1006");
}

TEST_F(MacroSenderTest, ClickOutsideTheLabelsOnlyTakesTheFocus) {
    click(216, 320);
    EXPECT_EQ(log.take(), "focus 1037");
    click(216, 320, true);
    EXPECT_EQ(log.take(), "");
}

TEST_F(MacroSenderTest, AMacroWithTheHisCallKeyLeavesTheFocusInHisCall) {
    macros.setMacroText(2, u"<VK_F1>QRZ?");
    click(150, 320, true);
    EXPECT_EQ(log.take(), "focus 1029|disable 1006|queue <VK_F1>QRZ?");
}

TEST_F(MacroSenderTest, AnEmptyMacroQueuesNothingButStillPressesItsLabel) {
    macros.setMacroText(1, u"");
    click(50, 320);
    EXPECT_EQ(log.take(), "focus 1037|focus 1037|disable 1005|queue ");
}

TEST_F(MacroSenderTest, AutoCqRunsUntilTheNextMacroDiscardsItsRest) {
    click(600, 350);
    EXPECT_TRUE(sender.autoCqRunning());
    log.take();
    click(600, 350);  // again: its rest discarded, queued from its start
    EXPECT_EQ(log.take(), "focus 1037|focus 1037|disable 1016|enable 1016|clear tx|queue M12");
    EXPECT_TRUE(sender.autoCqRunning());
    sender.sendMacro(1);
    EXPECT_EQ(log.take(), "enable 1016|clear tx|queue M1");
    EXPECT_FALSE(sender.autoCqRunning());
}

TEST_F(MacroSenderTest, AutoCqFromAKeyDoesNotRun) {
    sender.sendMacro(12);
    EXPECT_FALSE(sender.autoCqRunning());
    sender.sendMacro(13);
    EXPECT_EQ(log.take(), "queue M12");
}

TEST_F(MacroSenderTest, HintShowsThePrefixAndTheExpandedTextNotUpperCased) {
    macros.setMacroText(3, u"tu <HisCall>");
    EXPECT_EQ(hoverHint(53, macros, tags, clock), u"macro3(Shift+F3)>> tu ja1abc");
    EXPECT_EQ(hoverHint(61, macros, tags, clock), u"macro11(Shift+F11)>> m11");
    EXPECT_EQ(hoverHint(62, macros, tags, clock), u"Auto CQ(Shift+F12)>> m12");
    EXPECT_EQ(hoverHint(0, macros, tags, clock), u"Ready");
    EXPECT_EQ(hoverHint(63, macros, tags, clock), u"Ready");
}

TEST_F(MacroSenderTest, HintFollowsTheMouseOnceItHovers) {
    sender.onMouseMove(50, 320, kAt96Dpi);
    EXPECT_EQ(log.take(), "");  // no hover notification yet
    EXPECT_EQ(mouse.requests, 1);
    sender.onMouseHover();
    sender.onMouseMove(50, 320, kAt96Dpi);
    sender.onMouseMove(60, 321, kAt96Dpi);  // same label: shown once
    EXPECT_EQ(log.take(), "status macro1(Shift+F1)>> m1");
    EXPECT_EQ(mouse.requests, 1);
    sender.onMouseMove(700, 100, kAt96Dpi);
    EXPECT_EQ(log.take(), "status Ready");
    sender.onMouseLeave();
    sender.onMouseMove(50, 320, kAt96Dpi);
    EXPECT_EQ(log.take(), "");
    EXPECT_EQ(mouse.requests, 2);
}

TEST_F(MacroSenderTest, AFailedTrackingRequestIsRepeated) {
    mouse.succeeds = false;
    sender.onMouseMove(1, 1, kAt96Dpi);
    sender.onMouseMove(2, 2, kAt96Dpi);
    EXPECT_EQ(mouse.requests, 2);
}

}  // namespace
}  // namespace qs::ui
