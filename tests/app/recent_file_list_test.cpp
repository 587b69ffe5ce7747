#include "app/recent_file_list.h"

#include <gtest/gtest.h>

#include "tests/app/fake_profile.h"

namespace qs::app {
namespace {

using Entries = std::vector<Text>;

TEST(RecentFileList, LatestFirstSameFileOnceAtMostFour) {
    RecentFileList list;
    for (const char16_t* path : {u"C:\\a.qstn", u"C:\\b.qstn", u"C:\\c.qstn", u"C:\\d.qstn"}) {
        list.add(path);
    }
    EXPECT_EQ(list.entries(),
              (Entries{u"C:\\d.qstn", u"C:\\c.qstn", u"C:\\b.qstn", u"C:\\a.qstn"}));

    list.add(u"c:/B.QSTN");  // the same file written differently moves up
    EXPECT_EQ(list.entries(), (Entries{u"c:/B.QSTN", u"C:\\d.qstn", u"C:\\c.qstn", u"C:\\a.qstn"}));

    list.add(u"C:\\e.qstn");  // the oldest falls off
    EXPECT_EQ(list.entries(), (Entries{u"C:\\e.qstn", u"c:/B.QSTN", u"C:\\d.qstn", u"C:\\c.qstn"}));

    list.remove(1);
    list.remove(7);
    EXPECT_EQ(list.entries(), (Entries{u"C:\\e.qstn", u"C:\\d.qstn", u"C:\\c.qstn"}));
}

TEST(RecentFileList, KeptInTheProfileAsFile1ToFile4) {
    test::FakeProfile profile;
    profile.writeText(kRecentFileSection, u"File1", u"C:\\x.qstn");
    profile.writeText(kRecentFileSection, u"File2", u"");
    profile.writeText(kRecentFileSection, u"File3", u"C:\\X.qstn");  // a duplicate
    profile.writeText(kRecentFileSection, u"File4", u"D:\\y.qstn");
    RecentFileList list;
    list.load(profile);
    EXPECT_EQ(list.entries(), (Entries{u"C:\\x.qstn", u"D:\\y.qstn"}));

    list.add(u"E:\\z.qstn");
    list.save(profile);
    EXPECT_EQ(profile.readText(kRecentFileSection, u"File1"), u"E:\\z.qstn");
    EXPECT_EQ(profile.readText(kRecentFileSection, u"File3"), u"D:\\y.qstn");
    EXPECT_FALSE(profile.readText(kRecentFileSection, u"File4"));
}

TEST(RecentFileList, MenuCaptionsNumberShortenAndEscape) {
    EXPECT_EQ(RecentFileList::menuCaption(0, u"C:\\Radio\\contest.qstn"),
              u"&1 C:\\Radio\\contest.qstn");
    EXPECT_EQ(
        RecentFileList::menuCaption(3, u"C:\\Users\\Operator\\Documents\\Quillstone\\contest.qstn"),
        u"&4 C:\\...\\Quillstone\\contest.qstn");
    EXPECT_EQ(RecentFileList::menuCaption(1, u"C:\\Q&A\\Field & Sea\\day.qstn"),
              u"&2 C:\\Q&&A\\Field && Sea\\day.qstn");
}

TEST(RecentFileList, AbbreviationKeepsRootAndWholeFileName) {
    EXPECT_EQ(abbreviatePath(u"\\\\server\\share\\logs\\2024\\march\\contest.qstn", 30),
              u"\\\\server\\share\\...\\contest.qstn");
    EXPECT_EQ(abbreviatePath(u"C:\\folder\\a very long settings file name.qstn", 30),
              u"C:\\...\\a very long settings file name.qstn");
    EXPECT_EQ(abbreviatePath(u"C:\\a very long settings file name at the root.qstn", 30),
              u"C:\\a very long settings file name at the root.qstn");
    EXPECT_EQ(abbreviatePath(u"short.qstn", 30), u"short.qstn");
}

}  // namespace
}  // namespace qs::app
