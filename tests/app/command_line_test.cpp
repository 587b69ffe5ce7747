#include "app/command_line.h"

#include <gtest/gtest.h>

namespace qs::app {
namespace {

using Arguments = std::vector<Text>;

TEST(CommandLine, ShellOpenOfAQuotedPathWithBlanks) {
    const Text line =
        u"\"C:\\Program Files\\Quillstone\\Quillstone.exe\" \"C:\\My Files\\contest.qstn\"";
    EXPECT_EQ(splitCommandLine(line), (Arguments{u"C:\\Program Files\\Quillstone\\Quillstone.exe",
                                                 u"C:\\My Files\\contest.qstn"}));
    EXPECT_EQ(documentFromCommandLine(line), u"C:\\My Files\\contest.qstn");
}

TEST(CommandLine, NoDocumentWithoutAnArgumentOrWithSwitchesOnly) {
    EXPECT_FALSE(documentFromCommandLine(u"Quillstone.exe"));
    EXPECT_FALSE(documentFromCommandLine(u"\"C:\\Q\\Quillstone.exe\"   "));
    EXPECT_FALSE(documentFromCommandLine(u"Quillstone.exe /Embedding -x \"\""));
    EXPECT_FALSE(documentFromCommandLine(u""));
    EXPECT_EQ(documentFromCommandLine(u"Quillstone.exe /dde d:\\x.qstn y.qstn"), u"d:\\x.qstn");
}

// The program's name keeps its backslashes; arguments follow the escape
// rules of the C runtime.
TEST(CommandLine, BackslashesAndQuotesFollowTheRuntimeRules) {
    EXPECT_EQ(splitCommandLine(u"C:\\Q\\q.exe a\\\\b \"c d\\\\\" e\\\"f \"g\"\"h\"\ti"),
              (Arguments{u"C:\\Q\\q.exe", u"a\\\\b", u"c d\\", u"e\"f", u"g\"h", u"i"}));
    EXPECT_EQ(splitCommandLine(u"\"C:\\Q\\q.exe\"x \"unclosed arg"),
              (Arguments{u"C:\\Q\\q.exe", u"x", u"unclosed arg"}));
    EXPECT_EQ(splitCommandLine(u"q.exe \"\\\\server\\share\\a b.qstn\""),
              (Arguments{u"q.exe", u"\\\\server\\share\\a b.qstn"}));
}

}  // namespace
}  // namespace qs::app
