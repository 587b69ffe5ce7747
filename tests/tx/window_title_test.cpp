#include "tx/window_title.h"

#include <gtest/gtest.h>

namespace qs::tx {
namespace {

class FakeTitleSources : public TitleSources {
  public:
    Text name;
    bool hamLogIsLogSoft = true;
    bool programRunning = false;  // HamLog or Logger32, whichever is the log program
    int pollRestarts = 0;
    Text title;

    Text myCall() const override { return u"JA1ABC"; }
    Text myName() const override { return name; }
    Text documentTag() const override { return u" (home.qstn)"; }
    bool logSoftIsHamLog() const override { return hamLogIsLogSoft; }
    bool hamLogWindowFound() override { return programRunning && hamLogIsLogSoft; }
    bool findLogger32Window() override { return programRunning && !hamLogIsLogSoft; }
    void restartLogger32Poll() override { ++pollRestarts; }
    void setWindowTitle(TextView text) override { title = text; }
};

TEST(WindowTitle, LogProgramSuffixOnlyWhileItsWindowIsFound) {
    FakeTitleSources sources;
    refreshWindowTitle(sources);
    EXPECT_EQ(sources.title, u" Quillstone V16.0.0 JA1ABC (home.qstn)");
    sources.programRunning = true;
    sources.name = u"TARO";
    refreshWindowTitle(sources);
    EXPECT_EQ(sources.title, u" Quillstone V16.0.0 JA1ABC-TARO (home.qstn)  [with Hamlog]");

    // A missing Logger32 restarts its search.
    sources.hamLogIsLogSoft = false;
    sources.programRunning = false;
    refreshWindowTitle(sources);
    EXPECT_EQ(sources.pollRestarts, 1);
    sources.programRunning = true;
    refreshWindowTitle(sources);
    EXPECT_EQ(sources.title, u" Quillstone V16.0.0 JA1ABC-TARO (home.qstn)  [with Logger32]");
    EXPECT_EQ(sources.pollRestarts, 1);
}

}  // namespace
}  // namespace qs::tx
