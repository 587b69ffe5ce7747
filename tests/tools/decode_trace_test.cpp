#include "tools/decode_trace.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qs::tools {
namespace {

TEST(DecodeTrace, WritesHopLinesAndEventsOfTheHopInProgress) {
    std::ostringstream trace, text;
    DecodeTrace tracer(trace);
    DecodedTextPrinter printer(text, &tracer);

    printer.appendReceived(u"C");  // during hop 0
    tracer.afterHop({0, -90, false, 41, 41, -45, 28});
    tracer.afterHop({1, -12, true, 41, 41, -45, 28});
    tracer.showRxSpeed(100);  // during hop 2
    tracer.moveRxSpeedSlider(15);
    tracer.showThreshold(-62);
    tracer.showTone(30);
    printer.appendReceived(u"\u30A2 ");  // a table text outside ASCII
    printer.appendWordSpace();
    tracer.afterHop({2, -3, true, 20, 22, -62, 30});

    EXPECT_EQ(trace.str(),
              "# hop level key dotDashLimit letterGapLimit thresholdDb toneIndex\n"
              "# hop 0 text \"C\"\n"
              "0 -90 0 41 41 -45 28\n"
              "1 -12 1 41 41 -45 28\n"
              "# hop 2 speed 100/Min\n"
              "# hop 2 threshold -62db\n"
              "# hop 2 tone 30 646Hz\n"
              "# hop 2 text \"\xE3\x82\xA2 \"\n"
              "# hop 2 space\n"
              "2 -3 1 20 22 -62 30\n");
    EXPECT_EQ(text.str(), "C\xE3\x82\xA2  ");

    std::ostringstream untraced;
    DecodedTextPrinter(untraced, nullptr).appendReceived(u"CQ");
    EXPECT_EQ(untraced.str(), "CQ");
}

}  // namespace
}  // namespace qs::tools
